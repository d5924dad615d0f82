#pragma once

#include "form/control_model.h"

#include <QRadioButton>

namespace tarvello {

// A kind button. The whole of its rectangle takes the click, also when it shows no caption.
// A click or Space asks the model; the button never checks itself. The arrow keys only ask
// to move the focus to the neighbour above or below. The focus shows as a dotted frame where
// the caption stands, the same with the caption blank.
class KindButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    // To assistive technology a kind button is a radio button whose actions are each one
    // click. Installed once, before the window is made.
    static void installAccessibleInterface();

    // Shows the button's control: caption, check mark, enabled state, and the name read out
    // to assistive technology. `kindName` is the kind's name, for when the caption is empty.
    void showState(const OptionButton& control, const QString& kindName);

signals:
    void focusStep(int step);

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override { }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString kindName_;
};

} // namespace tarvello
