#pragma once

// A form with its window, shown and active: what every window test, the screenshot tool and
// the click benchmark start from.

#include "tarvello_window.h"

#include <QApplication>

namespace tarvello::test {

struct ShownWindow {
    Tarvello form;
    TarvelloWindow window { form };

    ShownWindow()
    {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;
};

} // namespace tarvello::test
