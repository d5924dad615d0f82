#pragma once

#include "form/control_model.h"

#include <QRadioButton>

namespace tarvello {

// A kind button. The whole of its rectangle takes the click, also when it shows no caption.
// A click or Space asks the model; the button never checks itself. The arrow keys only ask
// to move the focus to the neighbour above or below. The focus shows as a dotted frame where
// the caption stands, the same with the caption blank.
//
// The dot shows the model's Value, as the form draws it; Qt's own check state stays off, so
// that no change of the dot reaches assistive technology. To that a kind reads as the game
// has it: checked while used, never while free.
class KindButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    // To assistive technology a kind button is a radio button whose actions are each one
    // click. Installed once, before the window is made.
    static void installAccessibleInterface();

    // Shows the button's control: caption, dot, enabled state, and the name read out to
    // assistive technology. `kindName` is the kind's name, for when the caption is empty.
    void showState(const OptionButton& control, const QString& kindName);

    bool showsDot() const { return dot_; }
    bool isUsed() const { return text().isEmpty(); }

signals:
    void focusStep(int step);

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override { }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString kindName_;
    bool dot_ = false;
};

} // namespace tarvello
