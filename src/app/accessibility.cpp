#include "accessibility.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

#include <utility>

#ifdef Q_OS_WIN
#include "windows_news.h"
#endif

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
    return qs(accessible::takenBack(kindName.toStdU16String()));
}

QString usedNotPicked(const QString& kindName)
{
    return qs(accessible::usedNotPicked(kindName.toStdU16String()));
}

QString kindButtonName(const QString& caption, const QString& kindName)
{
    return qs(accessible::kindButtonName(caption.toStdU16String(), kindName.toStdU16String()));
}

void setHelp(QWidget* widget, const QString& help)
{
    widget->setAccessibleDescription(help);
    widget->setWhatsThis(help); // Qt hands it to UI Automation as the help text
}

void nameScrollAreaParts(QAbstractScrollArea* area)
{
    area->viewport()->setAccessibleName(infoText);
    for (const auto& [bar, name] : { std::pair { area->verticalScrollBar(), scrollUpDown },
             std::pair { area->horizontalScrollBar(), scrollSideways } }) {
        bar->setAccessibleName(name);
        bar->parentWidget()->setAccessibleName(name);
    }
}

void installInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(access::news);
    hide();
}

void Announcement::announce(const QString& news)
{
    // What the window holds before it shows (the assignment, filled in as it is built) is
    // read out with the window itself, not as news.
    if (news.isEmpty() || !window()->isVisible())
        return;
#ifdef Q_OS_WIN
    raiseWindowsNotification(window(), news);
#else
    hide();
    setAccessibleName(news);
    show();
#endif
}

} // namespace tarvello::access
