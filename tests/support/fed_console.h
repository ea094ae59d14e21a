// Runs dialogue code inside the test process with a given standard input and
// collects what it writes to file descriptor 1.
#pragma once

#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "dialogue/console.h"

namespace fed {

// Makes `input` the whole of standard input, from its first byte.
inline void FeedStandardInput(const std::string& input) {
  char path[] = "/tmp/egyptian-fed-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) std::abort();
  for (std::size_t done = 0; done < input.size();) {
    ssize_t w = write(fd, input.data() + done, input.size() - done);
    if (w <= 0) std::abort();
    done += static_cast<std::size_t>(w);
  }
  close(fd);
  // freopen also drops whatever an earlier feed left buffered, and the end-of-file flag.
  if (std::freopen(path, "r", stdin) == nullptr) std::abort();
  unlink(path);
}

// Runs `body` with `input` as standard input and returns what it wrote to
// fd 1. Both descriptors are restored afterwards, so that test failures are
// reported on the real output.
inline std::string RunWithConsole(const std::string& input, const std::function<void()>& body) {
  std::fflush(stdout);
  FlushOutput();
  int savedIn = dup(0);
  int savedOut = dup(1);
  FeedStandardInput(input);
  std::FILE* captured = std::tmpfile();
  if (captured == nullptr) std::abort();
  dup2(fileno(captured), 1);

  body();

  FlushOutput();
  dup2(savedOut, 1);
  close(savedOut);
  __fpurge(stdin);
  dup2(savedIn, 0);
  close(savedIn);
  std::clearerr(stdin);

  std::string output;
  std::rewind(captured);
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, captured)) > 0) output.append(buffer, got);
  std::fclose(captured);
  return output;
}

}  // namespace fed
