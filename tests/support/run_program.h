// Runs the built program with a script on standard input and captures what it
// writes to standard output.
#pragma once

#include <string>

struct ProgramRun {
  std::string output;
  int exitStatus = -1;   // the status passed to exit, or -1
  int signal = 0;        // the signal that ended the process, or 0
  bool timedOut = false;
};

// `input` is given as the whole of standard input; the run is killed after
// `seconds` seconds.
ProgramRun RunProgram(const std::string& input, int seconds = 60, const char* binary = nullptr);

// The path of the program under test.
const char* ProgramPath();
