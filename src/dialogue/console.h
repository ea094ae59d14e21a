// The console: UTF-8 set-up and the one output stream of the program.
//
// Output is collected in a buffer and written to standard output before every
// prompt, when the buffer is full, before the program exits, and whenever
// complete lines have been held for a tenth of a second (checked at each line
// end and by the search through Pulse), so that a long listing is not written
// one line at a time. The status line, when shown, is erased before each write.
// When standard output can no longer be written (closed, or a pipe whose reader
// is gone), the process ends at once with status 1.
#pragma once

#include <NTL/ZZ.h>

#include <cstddef>
#include <string>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>  // the real SetConsoleOutputCP
#else
// Consoles elsewhere take the UTF-8 bytes as they are: nothing to set.
inline int SetConsoleOutputCP(unsigned int /*codePage*/) { return 1; }
#endif

constexpr unsigned int kUtf8CodePage = 65001;

// Makes write failures end the process quietly instead of through SIGPIPE.
void PrepareOutput();

void WriteBytes(const char* bytes, std::size_t count);
void WriteText(const char* text);
void WriteText(const std::string& text);
void WriteNumber(long long value);
void WriteNumber(const NTL::ZZ& value);

// A newline; the output is flushed if lines have been held long enough.
void EndLine();
void FlushOutput();
// Called by the search every few thousand steps: flushes lines held for longer
// than a tenth of a second and keeps the status line up to date. Cheap enough to
// call often; main thread only.
void Pulse();
