#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvello::access {

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
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
