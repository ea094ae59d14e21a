// The command line: `--version` and `--help` are answered here, before any
// dialogue; every other argument is ignored.
#pragma once

#include <optional>

// Prints the version or the usage when an argument asks for it and returns the
// exit status (0, or 1 when the text could not be written); returns nothing
// when the dialogue is to run.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv);
