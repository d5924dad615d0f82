#pragma once

// How a run-time error reaches the pupil and ends the program.

#include <QString>

class QWidget;

namespace tarvello {

// The program's exit status after a run-time error.
inline constexpr int exitRuntimeError = 1;

// Shows a run-time error to the user in a message box over `window`, then ends the event
// loop with exitRuntimeError.
void reportRuntimeError(QWidget* window, int number, const QString& description);

} // namespace tarvello
