// The answer reader: which lines each kind of answer accepts and with which
// value, and what refused, empty, long, unterminated or missing lines do.
#include <NTL/ZZ.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "dialogue/answer_reader.h"
#include "support/fed_console.h"

using namespace std::string_literals;
using fed::RunWithConsole;

namespace {

const char kPrompt[] = "ask:";
constexpr int kUntouched = -5;  // a choice no kind can give

std::string Prompts(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += kPrompt;
  return out;
}

bool SetsChoice(int kind) { return kind != AnswerNatural && kind != AnswerSigned; }

// The result of the last read, whichever field the kind uses.
long Result(int kind) { return SetsChoice(kind) ? choice : NTL::conv<long>(inputValue); }

// A valid line of each kind, to end the questioning after a refused line.
struct FollowUp {
  const char* line;
  long value;
};
FollowUp ValidLine(int kind) {
  switch (kind) {
    case AnswerZeroOne: return {"0", 0};
    case AnswerOneTwo: return {"2", 2};
    case AnswerZeroToTwo: return {"1", 1};
    case AnswerLanguage: return {"3", 3};
    case AnswerNatural: return {"42", 42};
    default: return {"-42", -42};
  }
}

// Reads one answer of `kind` from `input`; returns what was printed.
std::string Read(int kind, int zeroRefused, const std::string& input) {
  choice = kUntouched;
  inputValue = -999;
  std::string output = RunWithConsole(input, [&] {
    rejectZero = zeroRefused;
    ReadAnswer(kind, kPrompt);
    rejectZero = 0;
  });
  return output;
}

struct ReaderCase {
  int kind;
  int rejectZero;
  std::string line;
  bool accepted;
  long value;  // when accepted
};

const ReaderCase kReaderCases[] = {
    {1, 0, "1", true, 1},
    {1, 0, "0", true, 0},
    {1, 0, "1 ", false, 0},
    {1, 0, " 1", false, 0},
    {1, 0, "01", false, 0},
    {1, 0, "2", false, 0},
    {1, 0, "1\0"s, false, 0},
    {1, 0, "\0"s, false, 0},
    {2, 0, "0", false, 0},
    {2, 0, "1", true, 1},
    {2, 0, "3", false, 0},
    {3, 0, "2", true, 2},
    {3, 0, "0", true, 0},
    {3, 0, "3", false, 0},
    {12, 0, "7", true, 7},
    {12, 0, "1", true, 1},
    {12, 0, "8", false, 0},
    {12, 0, "0", false, 0},
    {12, 0, "+1", false, 0},
    {4, 0, "120", true, 120},
    {4, 0, "+7", true, 7},
    {4, 0, "+70", true, 70},
    {4, 0, "+", false, 0},
    {4, 0, "+0", false, 0},
    {4, 0, "+07", false, 0},
    {4, 0, "007", false, 0},
    {4, 0, "05", false, 0},
    {4, 0, "0", true, 0},
    {4, 1, "0", false, 0},
    {4, 1, "120", true, 120},
    {4, 1, "+7", true, 7},
    {4, 0, "-3", false, 0},
    {4, 0, "1-2", false, 0},
    {4, 0, "1+2", false, 0},
    {4, 0, "12a", false, 0},
    {4, 0, "1 000", false, 0},
    {4, 0,
     "12\0"s
     "34",
     false, 0},
    {5, 0, "0", true, 0},
    {5, 0, "3", true, 3},
    {5, 0, "+3", true, 3},
    {5, 0, "-1", true, -1},
    {5, 0, "-10", true, -10},
    {5, 0, "-250", true, -250},
    {5, 0, "-", false, 0},
    {5, 0, "+", false, 0},
    {5, 0, "-0", false, 0},
    {5, 0, "+0", false, 0},
    {5, 0, "00", false, 0},
    {5, 0, "03", false, 0},
    {5, 0, "--2", false, 0},
    {5, 0, "2-5", false, 0},
    {5, 0, "-2-", false, 0},
    {5, 0, "-1x", false, 0},
};

TEST(AnswerReader, AcceptsAndRefusesLinesByKind) {
  for (const ReaderCase& c : kReaderCases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + ", rejectZero " + std::to_string(c.rejectZero) + ", line \"" +
                 c.line + "\"");
    if (c.accepted) {
      EXPECT_EQ(Read(c.kind, c.rejectZero, c.line + "\n"), Prompts(1));
      EXPECT_EQ(Result(c.kind), c.value);
    } else {
      // Refused silently: the same prompt again, then the next line is the answer.
      FollowUp next = ValidLine(c.kind);
      EXPECT_EQ(Read(c.kind, c.rejectZero, c.line + "\n" + next.line + "\n"), Prompts(2));
      EXPECT_EQ(Result(c.kind), next.value);
    }
    if (!SetsChoice(c.kind)) {
      EXPECT_EQ(choice, kUntouched);
    }
  }
}

// Inputs whose line ends are out of the ordinary.
struct RawCase {
  const char* name;
  int kind;
  std::string input;
  int prompts;
  long value;
};

TEST(AnswerReader, EmptyLinesAndLineEnds) {
  const RawCase cases[] = {
      {"empty line asks again", AnswerNatural, "\n5\n", 2, 5},
      {"empty lines for a menu answer", AnswerZeroToTwo, "\n\n2\n", 3, 2},
      {"carriage return alone is an empty line", AnswerZeroOne, "\r\n1\n", 2, 1},
      {"CR LF, menu answer", AnswerZeroOne, "1\r\n", 1, 1},
      {"CR LF, natural number", AnswerNatural, "12\r\n", 1, 12},
      {"CR LF, signed integer", AnswerSigned, "-3\r\n", 1, -3},
      {"last line without newline, natural number", AnswerNatural, "123", 1, 123},
      {"last line without newline, menu answer", AnswerLanguage, "7", 1, 7},
      {"refused line, then last line without newline", AnswerSigned, "x\n-8", 2, -8},
  };
  for (const RawCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Read(c.kind, 0, c.input), Prompts(c.prompts));
    EXPECT_EQ(Result(c.kind), c.value);
  }
}

TEST(AnswerReader, NumbersOfAnyLengthAreExact) {
  std::string digits;
  for (int i = 0; i < 15; ++i) digits += "9876543210";
  digits[0] = '1';  // 150 digits, no leading zero
  const NTL::ZZ value = NTL::conv<NTL::ZZ>(digits.c_str());

  EXPECT_EQ(Read(AnswerNatural, 1, digits + "\n"), Prompts(1));
  EXPECT_EQ(inputValue, value);
  EXPECT_EQ(Read(AnswerNatural, 0, "+" + digits + "\n"), Prompts(1));
  EXPECT_EQ(inputValue, value);
  EXPECT_EQ(Read(AnswerSigned, 0, "-" + digits + "\n"), Prompts(1));
  EXPECT_EQ(inputValue, -value);
}

// Numbers are added up in chunks of machine words: each length around a chunk
// (9 and 10 digits pass 32 bits, 19 and 20 digits pass 64 bits) comes out
// exact, in both kinds and with both signs.
TEST(AnswerReader, NumbersAroundTheWidthsOfMachineWordsAreExact) {
  const char* const numbers[] = {
      "999999999",                                 // 9 digits
      "4294967296",                                // 2^32
      "10000000019",                               // 11 digits
      "999999999999999999",                        // 18 digits
      "9223372036854775808",                       // 2^63
      "9999999999999999999",                       // 19 digits
      "18446744073709551616",                      // 2^64
      "1000000000000000000000000000000000000001",  // 40 digits
      "9876543210987654321098765432109876543210",  // 40 digits
  };
  for (const char* digits : numbers) {
    SCOPED_TRACE(digits);
    const NTL::ZZ value = NTL::conv<NTL::ZZ>(digits);
    EXPECT_EQ(Read(AnswerNatural, 1, digits + "\n"s), Prompts(1));
    EXPECT_EQ(inputValue, value);
    EXPECT_EQ(Read(AnswerSigned, 0, "-"s + digits + "\n"), Prompts(1));
    EXPECT_EQ(inputValue, -value);
  }
}

TEST(AnswerReader, LongLinesAreOneAnswerEach) {
  std::string digits(500, '7');
  NTL::ZZ first;
  NTL::ZZ second;
  std::string output = RunWithConsole(digits + "\n" + "31\n", [&] {
    ReadAnswer(AnswerNatural, "first:");
    first = inputValue;
    ReadAnswer(AnswerNatural, "second:");
    second = inputValue;
  });
  EXPECT_EQ(output, "first:second:");
  EXPECT_EQ(first, NTL::conv<NTL::ZZ>(digits.c_str()));
  EXPECT_EQ(second, 31);

  // A long refused line is refused once, as a whole.
  EXPECT_EQ(Read(AnswerZeroOne, 0, std::string(500, '1') + "\n1\n"), Prompts(2));
  EXPECT_EQ(choice, 1);
  EXPECT_EQ(Read(AnswerNatural, 0, std::string(300, '5') + "x\n6\n"), Prompts(2));
  EXPECT_EQ(inputValue, 6);
}

TEST(AnswerReader, UnknownKindReturnsAtOnce) {
  choice = kUntouched;
  std::string output = RunWithConsole("5\n", [] {
    for (int kind : {0, 6, 11, 13, -1}) ReadAnswer(kind, kPrompt);
    ReadAnswer(AnswerNatural, "then:");
  });
  // Nothing printed and no line taken: the one line goes to the next question.
  EXPECT_EQ(output, "then:");
  EXPECT_EQ(inputValue, 5);
  EXPECT_EQ(choice, kUntouched);
}

// Reports `choice` from the exiting process, so that the death test sees it.
void ReportChoice() {
  std::string text = "choice " + std::to_string(choice);
  if (write(2, text.data(), text.size()) < 0) std::_Exit(2);
}

// In the child of a death test: the prompts go to stderr, where the test sees them.
void AskUntilTheEnd(int kind, const std::string& input) {
  // A reader that prompted forever must neither hang the test nor fill the disk.
  alarm(10);
  rlimit size;
  size.rlim_cur = size.rlim_max = 1 << 20;
  setrlimit(RLIMIT_FSIZE, &size);
  dup2(2, 1);
  fed::FeedStandardInput(input);
  choice = kUntouched;
  std::atexit(ReportChoice);
  ReadAnswer(kind, kPrompt);
  std::_Exit(3);  // not reached when the reader ends the process
}

TEST(AnswerReaderDeathTest, EndOfInputPrintsOneNewlineAndExitsWithOne) {
  struct EofCase {
    const char* name;
    int kind;
    std::string input;
    const char* stderrPattern;  // the prompts and newline (fd 1 joined to fd 2), then the choice
  };
  const EofCase cases[] = {
      {"no input", AnswerZeroOne, "", "^ask:\nchoice -5$"},
      {"refused line leaves choice alone", AnswerZeroOne, "2\n", "^ask:ask:\nchoice -5$"},
      {"refused menu answer", AnswerLanguage, "9\n", "^ask:ask:\nchoice -5$"},
      {"refused unterminated line", AnswerNatural, "abc", "^ask:ask:\nchoice -5$"},
      {"only empty lines", AnswerSigned, "\n\n", "^ask:ask:ask:\nchoice -5$"},
  };
  for (const EofCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EXIT(AskUntilTheEnd(c.kind, c.input), ::testing::ExitedWithCode(1), c.stderrPattern);
  }
}

}  // namespace
