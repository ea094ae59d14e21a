// Runs the built program with a script on standard input and captures what it
// writes to standard output and standard error.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct ProgramRun {
  std::string output;
  std::string errors;   // standard error: the program writes none of its own
  int exitStatus = -1;  // the status passed to exit, or -1
  int signal = 0;       // the signal that ended the process, or 0
  bool timedOut = false;
  bool outputLimitReached = false;  // killed for printing more than allowed
  double seconds = 0;               // from the start to the end of the process
  double quietSeconds = 0;          // from the last output to the end of the process
};

// How standard input and standard output are set up, and how far the run may go.
struct RunOptions {
  enum class Input { kScript, kDevNull, kClosed };
  Input input = Input::kScript;  // kScript: the given text is the whole of standard input
  bool outputClosed = false;     // standard output closed before the program starts
  std::size_t readLimit = 0;     // > 0: the reader of standard output goes away after so many bytes
  std::size_t outputLimit = 0;   // > 0: the program is killed once it has printed more
  int seconds = 60;              // the run is killed after so many seconds
  const char* binary = nullptr;  // the program under test unless given
  // Given to the program after its name; none by default.
  std::vector<std::string> arguments;
};

// `input` is given as the whole of standard input; the run is killed after
// `seconds` seconds.
ProgramRun RunProgram(const std::string& input, int seconds = 60, const char* binary = nullptr);
ProgramRun RunProgram(const std::string& input, const RunOptions& options);

// The paths of the program under test and of the tests' reference program: the
// builds beside the tests, or the programs named by EGYPTIAN_TEST_PROGRAM and
// EGYPTIAN_TEST_REFERENCE_PROGRAM. EGYPTIAN_TEST_RUNNER, when set, names a
// program that runs them (wine for the Windows build), and
// EGYPTIAN_TEST_CRLF_OUTPUT=1 says that they end their output lines with CRLF
// (a Windows program's standard output is in text mode): each CRLF is then
// turned into LF before the output is looked at.
const char* ProgramPath();
const char* ReferenceProgramPath();
