#pragma once

// Controls that the window paints itself, so that the form's look holds under any style.

#include <QGroupBox>
#include <QPushButton>

namespace tarvello {

// The kind frame: an etched edge with the caption set into its top line.
class KindFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The clear button: a flat red face with a raised edge, as a graphical-style button. Space
// and Enter click it, once for each press.
class ClearButton : public QPushButton {
    Q_OBJECT

public:
    explicit ClearButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvello
