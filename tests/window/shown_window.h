#pragma once

// A form with its window, shown and active: what every window test, the screenshot tool and
// the click benchmark start from. The keyboard goes to the active window only, so it waits
// (up to 5 s) until the window is.

#include "tarvello_window.h"

#include <QApplication>
#include <QDeadlineTimer>

namespace tarvello::test {

struct ShownWindow {
    Tarvello form;
    TarvelloWindow window { form };

    ShownWindow()
    {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        for (QDeadlineTimer wait(5000); !window.isActiveWindow() && !wait.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!window.isActiveWindow())
            qWarning("the window did not become active");
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;
};

} // namespace tarvello::test
