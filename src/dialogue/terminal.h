// The terminal. When standard input is a terminal: the answers are read with
// line editing and history (GNU readline, when standard output is the terminal
// too), Ctrl-C during a calculation asks it to stop, keys pressed while the
// program computes are dropped before the next prompt, and the status line may
// be shown on standard error. Input from a pipe or a file is read as it always
// was, and SIGINT keeps its default effect. POSIX only: elsewhere nothing here
// is active.
#pragma once

#include <string>

// Looks at the standard streams and sets up what applies; once, at start.
void PrepareTerminal();

bool InputFromTerminal();

// A prompt is about to be written: keys pressed while the program computed are
// dropped (before the prompt shows, so that nothing typed after it is), and the
// terminal gets its own modes back. Nothing when input is not a terminal.
void EnterPrompt();

// Reads one line at the terminal once `prompt` has been written (every prompt
// starts a line of its own: its last line is what the screen shows before the
// cursor); false at the end of input.
bool ReadTerminalLine(const char* prompt, std::string& line);

// A Ctrl-C has asked the running calculation to stop. Lock-free: the search
// may test it as often as it likes, from any thread.
bool StopRequested();
void ClearStopRequest();

// Leaves the terminal as it was found; safe in a signal handler.
void RestoreTerminal();
