#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* FromEnvironment(const char* variable, const char* otherwise) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0' ? value : otherwise;
}

}  // namespace

const char* ProgramPath() { return FromEnvironment("EGYPTIAN_TEST_PROGRAM", EGYPTIAN_BINARY); }

const char* ReferenceProgramPath() {
  return FromEnvironment("EGYPTIAN_TEST_REFERENCE_PROGRAM", EGYPTIAN_REFERENCE_BINARY);
}

ProgramRun RunProgram(const std::string& input, int seconds, const char* binary) {
  RunOptions options;
  options.seconds = seconds;
  options.binary = binary;
  return RunProgram(input, options);
}

namespace {

using Clock = std::chrono::steady_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// A file that holds the whole input, so that the program sees a regular file
// (no pipe to fill, and nothing to write while it runs).
int InputFile(const std::string& input) {
  char inputPath[] = "/tmp/egyptian-input-XXXXXX";
  int inputFd = mkstemp(inputPath);
  if (inputFd < 0) return -1;
  size_t done = 0;
  while (done < input.size()) {
    ssize_t w = write(inputFd, input.data() + done, input.size() - done);
    if (w <= 0) break;
    done += static_cast<size_t>(w);
  }
  lseek(inputFd, 0, SEEK_SET);
  unlink(inputPath);
  return inputFd;
}

// What the program prints, as the tests look at it: with `crlf`, each CRLF
// becomes LF (nothing else changes) as the bytes come in, so that the limits
// of a run count the bytes of the text the tests see.
class OutputText {
 public:
  explicit OutputText(bool crlf) : crlf_(crlf) {}

  void Append(std::string& text, const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      if (heldReturn_) {
        heldReturn_ = false;
        if (bytes[i] != '\n') text.push_back('\r');
      }
      if (crlf_ && bytes[i] == '\r')
        heldReturn_ = true;
      else
        text.push_back(bytes[i]);
    }
  }

  // A carriage return at the very end is no line end.
  void Finish(std::string& text) {
    if (heldReturn_) text.push_back('\r');
    heldReturn_ = false;
  }

 private:
  bool crlf_;
  bool heldReturn_ = false;
};

}  // namespace

ProgramRun RunProgram(const std::string& input, const RunOptions& options) {
  ProgramRun run;
  const char* binary = options.binary != nullptr ? options.binary : ProgramPath();
  const char* runner = FromEnvironment("EGYPTIAN_TEST_RUNNER", nullptr);
  int inputFd = -1;
  if (options.input == RunOptions::Input::kScript) inputFd = InputFile(input);
  if (options.input == RunOptions::Input::kDevNull) inputFd = open("/dev/null", O_RDONLY);
  if (options.input != RunOptions::Input::kClosed && inputFd < 0) return run;
  // With a runner (wine), it is the program that runs, the binary its first argument.
  std::vector<char*> argv;
  if (runner != nullptr) argv.push_back(const_cast<char*>(runner));
  argv.push_back(const_cast<char*>(binary));
  for (const std::string& argument : options.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int out[2];
  int err[2];
  if (pipe(out) != 0) return run;
  if (pipe(err) != 0) return run;
  const auto start = Clock::now();
  pid_t child = fork();
  if (child == 0) {
    if (inputFd >= 0) {
      dup2(inputFd, 0);
      close(inputFd);
    } else {
      close(0);
    }
    if (options.outputClosed)
      close(1);
    else
      dup2(out[1], 1);
    dup2(err[1], 2);
    close(out[0]);
    close(out[1]);
    close(err[0]);
    close(err[1]);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (inputFd >= 0) close(inputFd);
  close(out[1]);
  close(err[1]);
  auto deadline = start + std::chrono::seconds(options.seconds);
  auto lastOutput = start;
  bool outOpen = true;
  bool errOpen = true;
  char buffer[65536];
  OutputText outputText(std::string(FromEnvironment("EGYPTIAN_TEST_CRLF_OUTPUT", "")) == "1");
  while (outOpen || errOpen) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      run.timedOut = true;
      break;
    }
    pollfd p[2] = {{outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}};
    if (poll(p, 2, static_cast<int>(left)) <= 0) continue;
    if (p[0].revents != 0) {
      ssize_t got = read(out[0], buffer, sizeof buffer);
      if (got <= 0) {
        outOpen = false;
        outputText.Finish(run.output);
      } else {
        lastOutput = Clock::now();
        outputText.Append(run.output, buffer, static_cast<size_t>(got));
        if (options.readLimit > 0 && run.output.size() >= options.readLimit) {
          // As `| head -c N`: keep N bytes and go away.
          run.output.resize(options.readLimit);
          close(out[0]);
          outOpen = false;
        } else if (options.outputLimit > 0 && run.output.size() > options.outputLimit) {
          run.outputLimitReached = true;
          break;
        }
      }
    }
    if (p[1].revents != 0) {
      ssize_t got = read(err[0], buffer, sizeof buffer);
      if (got <= 0) {
        errOpen = false;
      } else {
        run.errors.append(buffer, static_cast<size_t>(got));
        // Still shown, so that a sanitizer's report reaches the test log.
        fwrite(buffer, 1, static_cast<size_t>(got), stderr);
      }
    }
  }
  if (run.timedOut || run.outputLimitReached) kill(child, SIGKILL);
  if (outOpen) close(out[0]);
  if (errOpen) close(err[0]);
  int status = 0;
  waitpid(child, &status, 0);
  const auto end = Clock::now();
  run.seconds = SecondsBetween(start, end);
  run.quietSeconds = SecondsBetween(lastOutput, end);
  if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}
