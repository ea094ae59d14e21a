#include "support/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

const char* ProgramPath() { return EGYPTIAN_BINARY; }

ProgramRun RunProgram(const std::string& input, int seconds, const char* binary) {
  ProgramRun run;
  if (binary == nullptr) binary = ProgramPath();
  char inputPath[] = "/tmp/egyptian-input-XXXXXX";
  int inputFd = mkstemp(inputPath);
  if (inputFd < 0) return run;
  size_t done = 0;
  while (done < input.size()) {
    ssize_t w = write(inputFd, input.data() + done, input.size() - done);
    if (w <= 0) break;
    done += static_cast<size_t>(w);
  }
  lseek(inputFd, 0, SEEK_SET);
  unlink(inputPath);

  int out[2];
  if (pipe(out) != 0) return run;
  pid_t child = fork();
  if (child == 0) {
    dup2(inputFd, 0);
    dup2(out[1], 1);
    close(out[0]);
    close(out[1]);
    close(inputFd);
    execl(binary, binary, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(inputFd);
  close(out[1]);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  char buffer[65536];
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) {
      run.timedOut = true;
      kill(child, SIGKILL);
      break;
    }
    pollfd p{out[0], POLLIN, 0};
    int ready = poll(&p, 1, static_cast<int>(left));
    if (ready <= 0) continue;
    ssize_t got = read(out[0], buffer, sizeof buffer);
    if (got <= 0) break;
    run.output.append(buffer, static_cast<size_t>(got));
  }
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}
