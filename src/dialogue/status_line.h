// The status line: while a calculation runs at a terminal without printing, one
// line on standard error shows that it is alive (its figures and its elapsed
// time), rewritten in place a few times a second and erased before anything
// else is written. Only the terminal layer enables it; otherwise every call
// below costs a test of one flag.
#pragma once

#include <NTL/ZZ.h>

#include <cstdint>
#include <string>

// Appends the figures of the running calculation to `text`.
using StatusFigures = void (*)(std::string& text);

// Standard input and standard error are terminals: the line may be shown.
void EnableStatusLine();

// A calculation begins: its elapsed time counts from now.
void StartStatusLine(StatusFigures figures);

// Draws the line once nothing has been printed for a second, and redraws it at
// most a few times a second; cheap enough to call often.
void RefreshStatusLine();

// Before any other output, and after an answer: erases the line if it is shown,
// and the quiet second starts again.
void ClearStatusLine();

// Erases the line if it is shown; safe in a signal handler.
void EraseStatusLine();

// A number as the line shows it: digits in groups of three, or the leading
// digits and the power of ten when it is long.
void AppendStatusNumber(std::string& text, std::int64_t value);
void AppendStatusNumber(std::string& text, const NTL::ZZ& value);
