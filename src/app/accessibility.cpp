#include "accessibility.h"

#include "kind_button.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvello::access {

namespace {

// Qt's own exclusive grouping is off for the kind buttons (the model groups them), so Qt
// would not call them radio buttons; and each action must be one click, whatever the check
// mark shows.
class AccessibleKindButton : public QAccessibleWidget {
public:
    explicit AccessibleKindButton(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
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

QAccessibleInterface* kindButtonInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(KindButton::staticMetaObject.className()) &&
        object->isWidgetType())
        return new AccessibleKindButton(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

QString kindButtonName(const QString& caption, const QString& kindName)
{
    return caption.isEmpty() ? QString("Използван: %1").arg(kindName) : caption;
}

void installKindButtonInterface()
{
    QAccessible::installFactory(kindButtonInterface);
}

void raiseAlert(QWidget* widget)
{
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace tarvello::access
