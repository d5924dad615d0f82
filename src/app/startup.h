#pragma once

// Start-up: the program from its start to its end.

namespace tarvello {

// The exit status where no display can be opened.
inline constexpr int exitNoDisplay = 2;

// Starts the program: shows the form as stored and runs until its window is closed (exit
// status 0) or a run-time error has been reported to the user (exitRuntimeError). Where no
// display can be opened it says so in one line and returns exitNoDisplay.
int runProgram(int argc, char* argv[]);

} // namespace tarvello
