#pragma once

// The application's set-up, made once before the window: language, look, icon, font, and how
// keys and assistive technology reach the widgets.

class QApplication;

namespace tarvello {

// Sets up `app` as the program runs it; its tests and tools too.
void prepareApplication(QApplication& app);

} // namespace tarvello
