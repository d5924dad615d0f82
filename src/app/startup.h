#pragma once

class QWidget;
class QString;

namespace tarvello {

// Starts the program: shows the form as stored and runs until its window is closed (exit
// status 0) or a run-time error has been reported to the user (exit status 1).
int runProgram(int argc, char* argv[]);

// Shows a run-time error to the user in a message box over `window`, then ends the event
// loop with exit status 1.
void reportRuntimeError(QWidget* window, int number, const QString& description);

} // namespace tarvello
