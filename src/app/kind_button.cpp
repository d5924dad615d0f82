#include "kind_button.h"

#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarvello {

namespace {

// Qt's own exclusive grouping is off for the kind buttons (the model groups them), so Qt
// would not call them radio buttons; each action must be one click, whatever the dot shows;
// and the state read out is the kind's, used or free.
class AccessibleKindButton : public QAccessibleWidget {
public:
    explicit AccessibleKindButton(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checked = static_cast<const KindButton*>(widget())->isUsed();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction() << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (object->isWidgetType() &&
        className == QLatin1String(KindButton::staticMetaObject.className()))
        return new AccessibleKindButton(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void KindButton::installAccessibleInterface()
{
    QAccessible::installFactory(interfaceFor);
}

void KindButton::showState(const OptionButton& control, const QString& kindName)
{
    const QString caption = QString::fromStdU16String(control.Caption());
    kindName_ = kindName;
    setText(caption);
    const QString name = access::kindButtonName(caption, kindName);
    if (accessibleName() != name)
        setAccessibleName(name);
    if (dot_ != control.Value()) {
        dot_ = control.Value();
        update();
    }
    setEnabled(control.Enabled());
}

void KindButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        emit focusStep(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        emit focusStep(+1);
        break;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

void KindButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_On | QStyle::State_Off);
    option.state |= dot_ ? QStyle::State_On : QStyle::State_Off;
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (!focused)
        return;
    // Where the kind's name stands, or would stand, in the text's colour: plain on the orange
    // bar, and as large on a used kind as on the others.
    option.text = kindName_;
    const QRect frame = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

} // namespace tarvello
