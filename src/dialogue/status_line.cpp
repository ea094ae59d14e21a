#include "dialogue/status_line.h"

#include <chrono>
#include <csignal>
#include <cstddef>
#include <sstream>

#ifdef _WIN32
#include <io.h>
#define write _write
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

// A calculation that has printed nothing for this long shows the line...
constexpr Clock::duration kQuietBeforeLine = std::chrono::seconds(1);
// ...and redraws it at most this often: visibly alive, without flicker.
constexpr Clock::duration kRedrawInterval = std::chrono::milliseconds(250);
// Longer numbers are shown by their leading digits and power of ten, so that
// the line stays within the width of a terminal.
constexpr std::size_t kLongestExactNumber = 18;
constexpr std::size_t kLeadingDigits = 5;
// When the terminal does not tell its width.
constexpr int kDefaultColumns = 80;

constexpr char kEraseToEnd[] = "\x1b[K";  // erases from the cursor to the end of the line
constexpr char kErase[] = "\r\x1b[K";     // back to the start of the line, and erase it

bool enabled = false;
StatusFigures figuresOf = nullptr;
Clock::time_point startedAt;
Clock::time_point quietSince;
Clock::time_point drawnAt;
volatile std::sig_atomic_t shown = 0;  // read by the signal handlers that leave the terminal

// Best effort: a status line that cannot be written is simply not seen.
void WriteToStandardError(const char* bytes, std::size_t count) {
  while (count > 0) {
    auto written = write(2, bytes, static_cast<unsigned int>(count));
    if (written <= 0) return;
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
}

int TerminalColumns() {
#ifdef TIOCGWINSZ
  winsize size{};
  if (ioctl(2, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
#endif
  return kDefaultColumns;
}

void AppendTwoDigits(std::string& text, long long value) {
  text += static_cast<char>('0' + value / 10);
  text += static_cast<char>('0' + value % 10);
}

// m:ss, or h:mm:ss from the first hour on.
void AppendElapsed(std::string& text, Clock::duration elapsed) {
  const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
  const long long hours = seconds / 3600;
  if (hours > 0) {
    text += std::to_string(hours);
    text += ':';
    AppendTwoDigits(text, seconds / 60 % 60);
  } else {
    text += std::to_string(seconds / 60);
  }
  text += ':';
  AppendTwoDigits(text, seconds % 60);
}

// `digits`: the decimal digits of a non-negative number.
void AppendDigits(std::string& text, const std::string& digits) {
  const std::size_t count = digits.size();
  if (count > kLongestExactNumber) {
    text += digits[0];
    text += '.';
    text.append(digits, 1, kLeadingDigits - 1);
    text += "e+";
    text += std::to_string(count - 1);
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % 3 == 0) text += ' ';
    text += digits[i];
  }
}

}  // namespace

void EnableStatusLine() { enabled = true; }

void StartStatusLine(StatusFigures figures) {
  figuresOf = figures;
  startedAt = Clock::now();
  quietSince = startedAt;
}

void RefreshStatusLine() {
  if (!enabled || figuresOf == nullptr) return;
  const Clock::time_point now = Clock::now();
  if (now - quietSince < kQuietBeforeLine) return;
  if (shown != 0 && now - drawnAt < kRedrawInterval) return;
  drawnAt = now;
  std::string line = "\r";
  figuresOf(line);
  line += "  ";
  AppendElapsed(line, now - startedAt);
  // One column short of the width, so that the line never wraps and "\r" finds its start.
  const std::size_t fits = static_cast<std::size_t>(TerminalColumns());
  if (line.size() > fits) line.resize(fits);
  line += kEraseToEnd;
  shown = 1;  // first, so that a signal handler erases even a line half written
  WriteToStandardError(line.data(), line.size());
}

void ClearStatusLine() {
  if (!enabled) return;
  EraseStatusLine();
  quietSince = Clock::now();
}

void EraseStatusLine() {
  if (shown == 0) return;
  shown = 0;
  WriteToStandardError(kErase, sizeof kErase - 1);
}

void AppendStatusNumber(std::string& text, std::int64_t value) { AppendDigits(text, std::to_string(value)); }

void AppendStatusNumber(std::string& text, const NTL::ZZ& value) {
  // The decimal text of a huge number is costly: made again only when it changes.
  static NTL::ZZ lastValue = NTL::ZZ(-1);
  static std::string lastDigits;
  if (value != lastValue) {
    std::ostringstream digits;
    digits << value;
    lastDigits = digits.str();
    lastValue = value;
  }
  AppendDigits(text, lastDigits);
}
