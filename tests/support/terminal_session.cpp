#include "support/terminal_session.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "support/run_program.h"

namespace {

using Clock = std::chrono::steady_clock;

// The size of the test's terminal: a common one, narrower than the paging prompt.
constexpr unsigned short kRows = 24;
constexpr unsigned short kColumns = 80;

Clock::time_point After(double seconds) {
  return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

double SecondsUntil(Clock::time_point deadline) {
  return std::chrono::duration<double>(deadline - Clock::now()).count();
}

void WriteAll(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) return;
    done += static_cast<std::size_t>(written);
  }
}

// Appends what `fd` has to `to`; closes it at its end.
void Take(int& fd, std::string& to) {
  char buffer[65536];
  const ssize_t got = read(fd, buffer, sizeof buffer);
  if (got > 0) {
    to.append(buffer, static_cast<std::size_t>(got));
  } else {
    close(fd);
    fd = -1;
  }
}

}  // namespace

TerminalSession::TerminalSession(TerminalStreams streams, const std::string& pipedInput) {
  winsize size{};
  size.ws_row = kRows;
  size.ws_col = kColumns;
  if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) std::abort();
  tcgetattr(slave_, &startModes_);
  int input[2];
  int output[2];
  int errors[2];
  if (pipe(input) != 0 || pipe(output) != 0 || pipe(errors) != 0) std::abort();
  child_ = fork();
  if (child_ == 0) {
    // A session of its own, with the terminal as its controlling terminal: Ctrl-C reaches it alone.
    setsid();
    ioctl(slave_, TIOCSCTTY, 0);
    dup2(streams.input ? slave_ : input[0], 0);
    dup2(streams.output ? slave_ : output[1], 1);
    dup2(streams.errors ? slave_ : errors[1], 2);
    for (int fd : {master_, slave_, input[0], input[1], output[0], output[1], errors[0], errors[1]}) close(fd);
    // A known terminal type, and no key bindings of the machine's user.
    setenv("TERM", "xterm", 1);
    setenv("INPUTRC", "/dev/null", 1);
    execl(ProgramPath(), ProgramPath(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  close(output[1]);
  close(errors[1]);
  WriteAll(input[1], pipedInput);
  close(input[1]);
  outputPipe_ = output[0];
  errorsPipe_ = errors[0];
}

TerminalSession::~TerminalSession() {
  if (Running()) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  for (int fd : {master_, slave_, outputPipe_, errorsPipe_}) {
    if (fd >= 0) close(fd);
  }
}

void TerminalSession::Type(const std::string& keys) { WriteAll(master_, keys); }

void TerminalSession::Signal(int signal) { kill(child_, signal); }

bool TerminalSession::Pump(double seconds) {
  pollfd watched[3] = {{master_, POLLIN, 0}, {outputPipe_, POLLIN, 0}, {errorsPipe_, POLLIN, 0}};
  const int timeout = seconds > 0 ? static_cast<int>(seconds * 1000) + 1 : 0;
  if (poll(watched, 3, timeout) <= 0) return false;
  if (watched[0].revents != 0) Take(master_, screen_);
  if (watched[1].revents != 0) Take(outputPipe_, output_);
  if (watched[2].revents != 0) Take(errorsPipe_, errors_);
  return true;
}

bool TerminalSession::WaitIn(const std::string& stream, std::size_t& from, const std::string& text, double seconds) {
  const Clock::time_point deadline = After(seconds);
  for (;;) {
    const std::size_t found = stream.find(text, from);
    if (found != std::string::npos) {
      from = found + text.size();
      return true;
    }
    const double left = SecondsUntil(deadline);
    if (left <= 0) return false;
    Pump(left);
  }
}

bool TerminalSession::WaitFor(const std::string& text, double seconds) {
  return WaitIn(screen_, seenOnScreen_, text, seconds);
}

bool TerminalSession::WaitForOutput(const std::string& text, double seconds) {
  return WaitIn(output_, seenInOutput_, text, seconds);
}

bool TerminalSession::Answer(const std::string& promptEnd, const std::string& answer) {
  if (!WaitFor(promptEnd)) return false;
  Type(answer + "\r");
  return true;
}

bool TerminalSession::Running() {
  if (status_ >= 0) return false;
  int status = 0;
  if (waitpid(child_, &status, WNOHANG) != child_) return true;
  status_ = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
  return false;
}

int TerminalSession::WaitForEnd(double seconds) {
  const Clock::time_point deadline = After(seconds);
  while (Running()) {
    if (SecondsUntil(deadline) <= 0) return -1;
    Pump(0.05);
  }
  // What it wrote last; the pipes close, the terminal stays open for the test.
  while (Pump(0.1)) {
  }
  return status_;
}

bool TerminalSession::ModesAsBefore() const {
  termios now{};
  tcgetattr(slave_, &now);
  return now.c_iflag == startModes_.c_iflag && now.c_oflag == startModes_.c_oflag &&
         now.c_cflag == startModes_.c_cflag && now.c_lflag == startModes_.c_lflag &&
         std::memcmp(now.c_cc, startModes_.c_cc, sizeof now.c_cc) == 0;
}
