#pragma once

// News for Windows screen readers: a UI Automation notification.

#include <QString>
#include <qwindowdefs.h>

class QWidget;
struct IRawElementProviderSimple;

namespace tarvello::access {

// Raises `news` as a UI Automation notification of `window` (a top-level window), where a
// client listens. Does nothing on Qt platforms other than the Windows one.
void raiseWindowsNotification(QWidget* window, const QString& news);

// The element that the news of the native window `parent` (an HWND) comes from, made at the first
// news. It lives as long as a hidden child window of `parent` that holds it, and as long
// as a client holds a reference of its own; once the window has gone, it answers with
// UIA_E_ELEMENTNOTAVAILABLE.
IRawElementProviderSimple* newsSourceOf(WId parent);

} // namespace tarvello::access
