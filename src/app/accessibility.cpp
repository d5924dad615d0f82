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

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(KindButton::staticMetaObject.className()))
        return new AccessibleKindButton(widget);
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

QString takenBack(const QString& kindName)
{
    return QString("Върнат: %1").arg(kindName);
}

QString usedNotPicked(const QString& kindName)
{
    return QString("Използван: %1 - нищо не е избрано").arg(kindName);
}

QString kindButtonName(const QString& caption, const QString& kindName)
{
    return caption.isEmpty() ? QString("Използван: %1").arg(kindName) : caption;
}

void installInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcement::announce(const QString& news)
{
    // What the window holds before it shows (the assignment, filled in as it is built) is
    // read out with the window itself, not as news.
    if (news.isEmpty() || !window()->isVisible())
        return;
    hide();
    setAccessibleName(news);
    show();
}

} // namespace tarvello::access
