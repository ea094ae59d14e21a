#include "dialogue/console.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "dialogue/status_line.h"
#include "dialogue/terminal.h"
#include "dialogue/word_conversions.h"

#ifdef _WIN32
#include <io.h>
#define write _write
#else
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kBufferSize = 1 << 16;
char outputBuffer[kBufferSize];
std::size_t outputUsed = 0;

// Complete lines are held at most this long before they are written.
using Clock = std::chrono::steady_clock;
constexpr Clock::duration kLongestHold = std::chrono::milliseconds(100);
bool holdingLines = false;
Clock::time_point heldSince;

void WriteAll(const char* bytes, std::size_t count) {
  ClearStatusLine();
  while (count > 0) {
    auto written = write(1, bytes, static_cast<unsigned int>(count));
    if (written < 0 && errno == EINTR) continue;
    // Nobody reads what we print any more: there is nothing sensible left to do.
    if (written <= 0) {
      RestoreTerminal();
      std::_Exit(1);
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
}

void FlushIfDue() {
  if (holdingLines && Clock::now() - heldSince >= kLongestHold) FlushOutput();
}

}  // namespace

void PrepareOutput() {
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
}

void FlushOutput() {
  holdingLines = false;
  if (outputUsed == 0) return;
  std::size_t count = outputUsed;
  outputUsed = 0;
  WriteAll(outputBuffer, count);
}

void WriteBytes(const char* bytes, std::size_t count) {
  if (count > kBufferSize - outputUsed) {
    FlushOutput();
    if (count >= kBufferSize) {
      WriteAll(bytes, count);
      return;
    }
  }
  std::memcpy(outputBuffer + outputUsed, bytes, count);
  outputUsed += count;
}

void WriteText(const char* text) { WriteBytes(text, std::strlen(text)); }

void WriteText(const std::string& text) { WriteBytes(text.data(), text.size()); }

void WriteNumber(long long value) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* cursor = end;
  unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  do {
    *--cursor = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--cursor = '-';
  WriteBytes(cursor, static_cast<std::size_t>(end - cursor));
}

void WriteNumber(const NTL::ZZ& value) {
  if (FitsI64(value)) {
    WriteNumber(static_cast<long long>(ToI64(value)));
    return;
  }
  static std::ostringstream text;
  text.str(std::string());
  text << value;
  WriteText(text.str());
}

void EndLine() {
  WriteBytes("\n", 1);
  if (!holdingLines) {
    holdingLines = true;
    heldSince = Clock::now();
  } else {
    FlushIfDue();
  }
}

void Pulse() {
  FlushIfDue();
  // Output still held is printing: the status line waits until it is written.
  if (outputUsed == 0) RefreshStatusLine();
}
