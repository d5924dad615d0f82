#pragma once

// News for Windows screen readers: a UI Automation notification.

#include <QString>

class QWidget;

namespace tarvello::access {

// Raises `news` as a UI Automation notification of `window` (a top-level window), where a
// client listens. Does nothing on a Windows before 10 1709, which has no notifications, and
// on Qt platforms other than the Windows one.
void raiseWindowsNotification(QWidget* window, const QString& news);

} // namespace tarvello::access
