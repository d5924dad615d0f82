#pragma once

namespace tarvello {

// Starts the program: shows the form as stored and runs until its window is closed (exit
// status 0) or a run-time error has been reported to the user (exit status 1).
int runProgram(int argc, char* argv[]);

} // namespace tarvello
