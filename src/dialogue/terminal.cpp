#include "dialogue/terminal.h"

#include <atomic>

#include "dialogue/status_line.h"

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#ifdef EGYPTIAN_HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#endif
#endif

namespace {

static_assert(ATOMIC_BOOL_LOCK_FREE == 2, "the stop request is set by a signal handler");
std::atomic<bool> stopRequested{false};

}  // namespace

bool StopRequested() { return stopRequested.load(std::memory_order_relaxed); }

void ClearStopRequest() { stopRequested.store(false, std::memory_order_relaxed); }

#ifdef _WIN32

// The Windows console edits its lines itself; the rest is POSIX.
void PrepareTerminal() {}
bool InputFromTerminal() { return false; }
void EnterPrompt() {}
bool ReadTerminalLine(const char* /*prompt*/, std::string& /*line*/) { return false; }
void RestoreTerminal() {}

#else

namespace {

bool inputFromTerminal = false;
bool editing = false;
bool computing = false;    // the computing modes are set, since the last line read
termios foundModes{};      // as the terminal was found: at every prompt and on the way out
termios computingModes{};  // see PrepareTerminal
volatile std::sig_atomic_t atPrompt = 0;

// Keys typed or pasted at a prompt beyond the line it read: the next prompts
// take them before the terminal.
std::string typedAhead;
std::size_t typedAheadUsed = 0;

// A second Ctrl-C within this time ends the program even during a calculation:
// the way out of a step that does not come back to see the first one.
constexpr std::int64_t kSecondInterruptNs = 1000000000;
std::int64_t lastInterruptNs = 0;  // touched by the SIGINT handler only

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void EndBySignal(int signal) {
  RestoreTerminal();
  std::signal(signal, SIG_DFL);
  std::raise(signal);  // delivered as the handler returns: the process ends as by default
}

void OnInterrupt(int signal) {
  const std::int64_t now = MonotonicNs();
  const bool again = lastInterruptNs != 0 && now - lastInterruptNs < kSecondInterruptNs;
  lastInterruptNs = now;
  if (atPrompt != 0 || again) {
    EndBySignal(signal);
    return;
  }
  stopRequested.store(true, std::memory_order_relaxed);
}

// Catches `signal`, unless the program was started with it ignored.
void Catch(int signal, void (*handler)(int)) {
  struct sigaction action {};
  if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) return;
  action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

void CatchSignals() {
  Catch(SIGINT, OnInterrupt);
  for (int signal : {SIGTERM, SIGQUIT, SIGHUP}) Catch(signal, EndBySignal);
}

// The next key typed ahead, or -1 when none is left.
int TakeTypedAhead() {
  if (typedAheadUsed == typedAhead.size()) return -1;
  return static_cast<unsigned char>(typedAhead[typedAheadUsed++]);
}

// Appends what the terminal holds to `keys`, without waiting (computing modes only).
void TakeQueuedKeys(std::string& keys) {
  char buffer[4096];
  ssize_t got;
  while ((got = read(0, buffer, sizeof buffer)) > 0) keys.append(buffer, static_cast<std::size_t>(got));
}

// Computing starts: what was typed ahead at the prompt moves out of the
// terminal's queue, which from now on holds only keys pressed while computing.
void LeavePrompt() {
  atPrompt = 0;
  if (tcsetattr(0, TCSANOW, &computingModes) != 0) return;
  computing = true;
  typedAhead.erase(0, typedAheadUsed);
  typedAheadUsed = 0;
  TakeQueuedKeys(typedAhead);
}

// A line as the terminal's own line discipline edits it.
bool ReadPlainLine(std::string& line) {
  line.clear();
  for (;;) {
    int c = TakeTypedAhead();
    if (c < 0) {
      unsigned char byte;
      const ssize_t got = read(0, &byte, 1);
      if (got < 0 && errno == EINTR) continue;
      if (got != 1) return !line.empty();  // a last line without its line end still counts
      c = byte;
    }
    if (c == '\n') return true;
    line.push_back(static_cast<char>(c));
  }
}

#ifdef EGYPTIAN_HAVE_READLINE

// Earlier answers that the up arrow recalls: plenty for a session, bounded for a long one.
constexpr int kHistoryLength = 1000;
constexpr int kTabStop = 8;

// Two columns for the wide characters of East Asian scripts (the Chinese
// texts), one for the others.
int ColumnsOf(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
                    (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
  return wide ? 2 : 1;
}

// The code point of the UTF-8 character whose first byte is at `p`.
char32_t CodePointAt(const unsigned char* p) {
  const int length = *p >= 0xF0 ? 4 : *p >= 0xE0 ? 3 : *p >= 0xC0 ? 2 : 1;
  char32_t c = length == 1 ? *p : *p & (0x7Fu >> length);
  for (int i = 1; i < length && (p[i] & 0xC0) == 0x80; ++i) c = (c << 6) | (p[i] & 0x3Fu);
  return c;
}

// The last line of `prompt` as a screen of `width` columns shows it, each tab
// replaced by the blanks it moves over (up to its stop, and never beyond the
// last column): readline counts the prompt's columns to place the cursor.
std::string ScreenLine(const char* prompt, int width) {
  const char* lastLine = std::strrchr(prompt, '\n');
  const auto* p = reinterpret_cast<const unsigned char*>(lastLine == nullptr ? prompt : lastLine + 1);
  std::string shown;
  int column = 0;  // in the current row; `width` once the row is full
  for (; *p != 0; ++p) {
    if (*p == '\t') {
      const int stop = std::min((column / kTabStop + 1) * kTabStop, width - 1);
      if (stop > column) shown.append(static_cast<std::size_t>(stop - column), ' ');
      column = std::max(column, stop);
      continue;
    }
    shown += static_cast<char>(*p);
    if ((*p & 0xC0) == 0x80) continue;  // continues a character already counted
    if (column >= width) column = 0;    // this character starts the next row
    column += ColumnsOf(CodePointAt(p));
  }
  return shown;
}

// Readline's source of keys: what was typed ahead first, then the terminal.
int NextKey(FILE* stream) {
  const int key = TakeTypedAhead();
  return key >= 0 ? key : rl_getc(stream);
}

// Readline defers its signals to its next read, so that a Ctrl-C coming just
// before that read would wait for another key: at a prompt the program's own
// handlers, which end it at once, take over again from readline's (readline
// keeps Ctrl-Z and the window size, and puts ours back on its way out).
int CatchSignalsAtPrompt() {
  CatchSignals();
  return 0;
}

void PrepareEditing() {
  // Readline counts columns by LC_CTYPE, and every text of the program is UTF-8.
  if (std::setlocale(LC_CTYPE, "") == nullptr || MB_CUR_MAX == 1) std::setlocale(LC_CTYPE, "C.UTF-8");
  rl_readline_name = "egyptian";
  rl_getc_function = NextKey;
  rl_inhibit_completion = 1;  // Tab is a character like any other
  rl_startup_hook = CatchSignalsAtPrompt;
  rl_initialize();
  // A pasted block of answers is taken line by line, as if typed.
  rl_variable_bind("enable-bracketed-paste", "off");
  stifle_history(kHistoryLength);
  editing = true;
}

bool ReadEditedLine(const char* prompt, std::string& line) {
  rl_reset_screen_size();  // the window may have changed while the program computed
  int rows = 0;
  int columns = 0;
  rl_get_screen_size(&rows, &columns);
  const std::string shown = ScreenLine(prompt, columns);
  rl_already_prompted = 1;  // the program has written the prompt itself
  char* edited = readline(shown.c_str());
  if (edited == nullptr) return false;
  line = edited;
  std::free(edited);
  if (!line.empty()) add_history(line.c_str());
  return true;
}

#endif

}  // namespace

void PrepareTerminal() {
  if (isatty(0) == 0 || tcgetattr(0, &foundModes) != 0) return;
  inputFromTerminal = true;
  // While computing: no echo, so that keys pressed do not mix with the output;
  // no lines, so that every key can be read at once and dropped; and no flush
  // of the output on Ctrl-C, which now only stops a calculation.
  computingModes = foundModes;
  computingModes.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON);
  computingModes.c_lflag |= static_cast<tcflag_t>(NOFLSH);
  computingModes.c_cc[VMIN] = 0;
  computingModes.c_cc[VTIME] = 0;
  CatchSignals();
  std::atexit(RestoreTerminal);
  if (isatty(2) != 0) EnableStatusLine();
#ifdef EGYPTIAN_HAVE_READLINE
  if (isatty(1) != 0) PrepareEditing();
#endif
}

bool InputFromTerminal() { return inputFromTerminal; }

void EnterPrompt() {
  if (!inputFromTerminal) return;
  if (computing) {
    // Read and dropped rather than flushed: a Ctrl-C still on its way through
    // the terminal must still reach the program.
    std::string dropped;
    TakeQueuedKeys(dropped);
    tcsetattr(0, TCSANOW, &foundModes);
    computing = false;
  }
#ifdef EGYPTIAN_HAVE_READLINE
  // Keys typed as soon as the prompt shows reach the editor as they are, not
  // through the terminal's own line editing (readline then keeps these modes).
  if (editing) rl_prep_terminal(1);
#endif
  atPrompt = 1;
}

bool ReadTerminalLine([[maybe_unused]] const char* prompt, std::string& line) {
  bool read = false;
#ifdef EGYPTIAN_HAVE_READLINE
  if (editing) read = ReadEditedLine(prompt, line);
#endif
  if (!editing) read = ReadPlainLine(line);
  LeavePrompt();
  ClearStatusLine();  // the quiet second starts with the answer
  return read;
}

void RestoreTerminal() {
  EraseStatusLine();
  if (inputFromTerminal) tcsetattr(0, TCSANOW, &foundModes);
}

#endif
