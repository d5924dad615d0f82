#pragma once

// Start-up: the application's set-up, the window's caption and place, and how the program
// ends.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QApplication;
class QWidget;

namespace tarvello {

// Exit statuses besides 0, the window closed.
inline constexpr int exitRuntimeError = 1;
inline constexpr int exitNoDisplay = 2;

// Starts the program: shows the form as stored and runs until its window is closed (exit
// status 0) or a run-time error has been reported to the user (exitRuntimeError). Where no
// display can be opened it says so in one line and returns exitNoDisplay.
int runProgram(int argc, char* argv[]);

// The program's look and language, set once on the application before the window is made.
void prepareApplication(QApplication& app);

// Where a window of `size` goes on a screen whose free area is `available`: centred, but
// never above or left of that area, so that its title bar stays in reach.
QPoint windowPlace(QSize size, QRect available);

// "Run-time error 'N':" and the error's text, as the program reports it.
QString runtimeErrorMessage(int number, const QString& description);

// Shows a run-time error to the user in a message box over `window`, then ends the event
// loop with exitRuntimeError.
void reportRuntimeError(QWidget* window, int number, const QString& description);

} // namespace tarvello
