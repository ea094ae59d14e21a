// Fuzz target of the answer reader. The first byte picks the kind of answer
// (and rejectZero for kind 4), the other bytes are the whole of standard input
// (where a byte-order mark at the very start is skipped).
// The reader must either come back with the first line that is a valid answer
// of that kind, having read exactly up to its line end and printed the prompt
// once per line read, or read everything and end (prompt once more, then one
// newline). A second reading of the input, written here independently of the
// reader, says which of the two must happen and with which value.
#include <sys/mman.h>
#include <unistd.h>

#include <NTL/ZZ.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialogue/answer_reader.h"
#include "dialogue/console.h"
#include "support/answer_rules.h"

namespace {

struct EndOfInput {};

[[noreturn]] void LeaveAtEndOfInput() { throw EndOfInput{}; }

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "answer reader: %s\n", what);
  std::abort();
}

struct KindCase {
  int kind;
  int rejectZero;
};

// 0 and 6 are no kinds: the reader must return at once, reading and printing nothing.
const KindCase kKinds[] = {{1, 0}, {2, 0}, {3, 0}, {12, 0}, {4, 0}, {4, 1}, {5, 0}, {0, 0}, {6, 0}};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The prompts go to a file in memory, whose size tells how many were printed.
  int prompts = memfd_create("prompts", 0);
  if (prompts < 0 || dup2(prompts, 1) < 0) Fail("no memory file for the prompts");
  close(prompts);
  endOfInput = LeaveAtEndOfInput;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const KindCase& k = kKinds[data[0] % (sizeof kKinds / sizeof kKinds[0])];
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

  // What must happen: the lines as the reader is to see them.
  long expectedLines = 0;  // lines read, each after one prompt
  std::size_t expectedEnd = input.size();
  bool expectAnswer = false;
  int expectedDigit = 0;
  NTL::ZZ expectedValue;
  for (std::size_t at = 0; at < input.size() && !expectAnswer;) {
    std::size_t newline = input.find('\n', at);
    std::size_t next = newline == std::string::npos ? input.size() : newline + 1;
    std::string line = input.substr(at, (newline == std::string::npos ? input.size() : newline) - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (at == 0 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);  // a byte-order mark
    ++expectedLines;
    if (!line.empty() && line.size() <= kMaxLineLength &&
        answer_rules::ValidAnswer(k.kind, k.rejectZero, line, expectedDigit, expectedValue)) {
      expectAnswer = true;
      expectedEnd = next;
    }
    at = next;
  }

  // What happens.
  std::FILE* source =
      input.empty() ? std::fopen("/dev/null", "r") : fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  if (source == nullptr) Fail("no input stream");
  std::FILE* savedInput = stdin;
  stdin = source;  // glibc lets the standard streams be replaced
  if (ftruncate(1, 0) != 0 || lseek(1, 0, SEEK_SET) != 0) Fail("cannot reset the prompt file");
  choice = -1;
  inputValue = -12345;
  rejectZero = k.rejectZero;
  atStartOfInput = true;  // each input is the whole of standard input
  bool ended = false;
  try {
    ReadAnswer(k.kind, "?");
  } catch (const EndOfInput&) {
    ended = true;
  }
  FlushOutput();
  const long consumed = std::ftell(source);
  const long printed = lseek(1, 0, SEEK_CUR);
  stdin = savedInput;
  std::fclose(source);

  if (!answer_rules::IsKnownKind(k.kind)) {
    if (ended || consumed != 0 || printed != 0 || choice != -1) Fail("an unknown kind read or printed something");
    return 0;
  }
  if (expectAnswer) {
    if (ended) Fail("a valid answer was refused");
    if (consumed != static_cast<long>(expectedEnd)) Fail("the answer did not end where its line ends");
    if (printed != expectedLines) Fail("the prompt was not printed once per line read");
    if (k.kind == 4 || k.kind == 5) {
      if (inputValue != expectedValue) Fail("wrong value");
    } else if (choice != expectedDigit) {
      Fail("wrong choice");
    }
  } else {
    if (!ended) Fail("an answer came back from input that holds no valid line");
    if (!input.empty() && consumed != static_cast<long>(input.size())) Fail("input left unread at its end");
    if (printed != expectedLines + 2) Fail("not one prompt per line, one more and a newline at the end");
    if (k.kind != 4 && k.kind != 5 && choice != -1) Fail("choice changed by refused lines");
  }
  return 0;
}
