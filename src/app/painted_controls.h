#pragma once

// Controls that the window paints itself, so that the form's look holds under any style.

#include <QGroupBox>
#include <QProxyStyle>
#include <QPushButton>

namespace tarvello {

// The program's style: Fusion, its scroll bars painted in bands of a few rows. Qt's raster
// engine fills a gradient 96 pixel rows high or more on helper threads, which then stay, idle,
// for 30 s, some 40 KiB of memory each; Fusion paints each scroll bar's groove as one. In
// bands, the same pixels come from the main thread alone.
class FormStyle : public QProxyStyle {
    Q_OBJECT

public:
    FormStyle();
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget = nullptr) const override;
};

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
