// The program in a hostile environment: no input, input that stops anywhere,
// Windows line ends, an output that goes away, and answers of absurd size. It
// must end promptly with status 1, print nothing but its dialogue and never
// crash.
#include <gtest/gtest.h>

#include <string>

#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "support/run_program.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

constexpr int kEnglish = 2;

std::string En(MessageId id) { return Msg(kEnglish, id); }

// Ended by itself, with the program's one exit status and no report on standard error.
void ExpectOrderlyEnd(const ProgramRun& run, const std::string& what) {
  EXPECT_EQ(run.exitStatus, 1) << what;
  EXPECT_EQ(run.signal, 0) << what;
  EXPECT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.errors, "") << what;
}

// The prompts of the constraint dialogue, in order, with the answers that lead past each.
const MessageId kConstraintPrompts[] = {MsgAskConstraints, MsgAskType,     MsgAskParity,  MsgAskMinFirst,
                                        MsgAskMaxLast,     MsgAskMinCount, MsgAskMaxCount};
const char* const kConstraintAnswers[] = {"1", "2", "0", "0", "0", "0", "0"};

// 3/7 from its first solution: x1 = 4, 4, 3, 3, 3, 3.
const std::vector<std::vector<std::string>> kThreeSevenths = {{"4", "7", "28"},  {"4", "6", "84"},  {"3", "15", "35"},
                                                              {"3", "14", "42"}, {"3", "12", "84"}, {"3", "11", "231"}};

TEST(HostileInput, NoInputAtAll) {
  for (RunOptions::Input input : {RunOptions::Input::kDevNull, RunOptions::Input::kClosed}) {
    RunOptions options;
    options.input = input;
    options.seconds = 20;
    ProgramRun run = RunProgram("", options);
    const std::string what = input == RunOptions::Input::kClosed ? "standard input closed" : "< /dev/null";
    EXPECT_EQ(run.output, std::string(kMenu) + "\n") << what;
    ExpectOrderlyEnd(run, what);
  }
}

TEST(HostileInput, InputEndsInsideTheConstraintDialogue) {
  const std::string before = Opening(kEnglish) + En(MsgAskP) + En(MsgAskQ);
  // End of input right at each prompt of the dialogue, after the answers before it.
  for (std::size_t answered = 0; answered < std::size(kConstraintPrompts); ++answered) {
    std::string script = "2\n0\n3\n7\n";
    std::string expected = before;
    for (std::size_t i = 0; i <= answered; ++i) expected += En(kConstraintPrompts[i]);
    for (std::size_t i = 0; i < answered; ++i) script += std::string(kConstraintAnswers[i]) + "\n";
    // Half an answer without its line end counts as a line, and is refused here.
    const std::string half = answered == 1 ? "3" : "";
    if (!half.empty()) expected += En(kConstraintPrompts[answered]);
    ProgramRun run = RunProgram(script + half, 20);
    EXPECT_EQ(run.output, expected + "\n") << "after " << answered << " answers";
    ExpectOrderlyEnd(run, "constraint dialogue");
  }
}

TEST(HostileInput, InputEndsAtAPagingPrompt) {
  ProgramRun run = RunProgram("2\n0\n3\n7\n0\n", 20);
  EXPECT_EQ(run.output, Opening(kEnglish) + En(MsgAskP) + En(MsgAskQ) + En(MsgAskConstraints) + Header(kEnglish, 3, 2) +
                            SolutionLine(1, kThreeSevenths[0]) + PagePrompt(kEnglish) + "\n");
  ExpectOrderlyEnd(run, "paging prompt");
}

TEST(HostileInput, WindowsLineEndsThroughAWholeCalculation) {
  std::string script = "2\r\n0\r\n3\r\n7\r\n";
  for (const char* answer : kConstraintAnswers) script += std::string(answer) + "\r\n";
  script += "2\r\n0\r\n0\r\n";  // two more solutions, then all the rest, then no new calculation
  std::string expected = Opening(kEnglish) + En(MsgAskP) + En(MsgAskQ);
  for (MessageId prompt : kConstraintPrompts) expected += En(prompt);
  expected += Header(kEnglish, 3, 2) + SolutionLine(1, kThreeSevenths[0]) + PagePrompt(kEnglish) + "\n\n";
  expected += SolutionLine(2, kThreeSevenths[1]) + SolutionLine(3, kThreeSevenths[2]) + PagePrompt(kEnglish) + "\n\n";
  for (int i = 3; i < 6; ++i) expected += SolutionLine(i + 1, kThreeSevenths[i]);
  expected += SummaryAndClose(kEnglish, {3, "3", "7", "", "", 6, 2, 0, "0", "0", "0", "0", "231", "3"});
  expected += AfterCalculation(kEnglish);
  ProgramRun run = RunProgram(script, 20);
  EXPECT_EQ(run.output, expected);
  ExpectOrderlyEnd(run, "CRLF");
}

// Enough calculations to print far more than a pipe holds.
std::string ManyCalculations() {
  std::string script = "2\n1\n";
  for (int i = 0; i < 3000; ++i) script += "1\n1\n0\n0\n1\n";
  return script + "0\n";
}

TEST(HostileOutput, ReaderGoesAwayOrOutputIsClosed) {
  RunOptions headOnly;  // as `| head -c 100`
  headOnly.readLimit = 100;
  headOnly.seconds = 20;
  ProgramRun run = RunProgram(ManyCalculations(), headOnly);
  EXPECT_EQ(run.output, std::string(kMenu).substr(0, 100));
  ExpectOrderlyEnd(run, "head -c 100");
  EXPECT_LT(run.seconds, 10);

  RunOptions closed;
  closed.outputClosed = true;
  closed.seconds = 20;
  run = RunProgram(ManyCalculations(), closed);
  EXPECT_EQ(run.output, "");
  ExpectOrderlyEnd(run, "standard output closed");
  EXPECT_LT(run.seconds, 10);
}

// A NUL byte is a character like any other that is no digit: the line is refused whole.
TEST(LimitsOfSize, NulByteMakesTheLineInvalid) {
  using namespace std::string_literals;
  const std::string script =
      "\0\n2\0\n2\n"s  // language
      "0\0\n0\n"s      // explanations
      "3\0\n\0"s
      "3\n3\n"s  // P
      "7\n"s
      "0\0\n\0\n0\n"s;  // impose constraints, then end of input
  ProgramRun run = RunProgram(script, 20);
  const std::string expected = std::string(kMenu) + kMenu + Opening(kEnglish) + En(MsgAskExplanations) + En(MsgAskP) +
                               En(MsgAskP) + En(MsgAskP) + En(MsgAskQ) + En(MsgAskConstraints) + En(MsgAskConstraints) +
                               En(MsgAskConstraints) + Header(kEnglish, 3, 2) + SolutionLine(1, kThreeSevenths[0]) +
                               PagePrompt(kEnglish) + "\n";
  EXPECT_EQ(run.output, expected);
  ExpectOrderlyEnd(run, "NUL");
}

TEST(LimitsOfSize, LineLongerThanTheLimitIsRefusedWhole) {
  // A valid number of one byte more than the limit, then 3 and 7: the long line
  // must not leave a tail behind that a later question would take.
  const std::string script = "2\n0\n" + std::string(kMaxLineLength + 1, '1') + "\n3\n7\n";
  ProgramRun run = RunProgram(script, 60);
  EXPECT_EQ(run.output, Opening(kEnglish) + En(MsgAskP) + En(MsgAskP) + En(MsgAskQ) + En(MsgAskConstraints) + "\n");
  ExpectOrderlyEnd(run, "long line");
}

// The answers of a constrained calculation: type 2, any parity, then N, M and the bounds of n.
std::string Constrained(const std::string& p, const std::string& q, const std::string& minFirst,
                        const std::string& maxLast, const std::string& nLow, const std::string& nHigh) {
  return "2\n0\n" + p + "\n" + q + "\n1\n2\n0\n" + minFirst + "\n" + maxLast + "\n" + nLow + "\n" + nHigh + "\n";
}

std::string ConstraintTranscript() {
  std::string out = Opening(kEnglish) + En(MsgAskP) + En(MsgAskQ);
  for (MessageId prompt : kConstraintPrompts) out += En(prompt);
  return out;
}

TEST(LimitsOfSize, FirstNBeyondTheLimitIsIncompatible) {
  // A lower bound of n of 10^9, one just past the limit, and a lower bound of x1 that makes p*N/q pass it.
  const std::string pastLimit = std::to_string(kMaxUnknowns + 1);
  for (const std::string& script :
       {Constrained("3", "7", "0", "0", "1000000000", "0"), Constrained("3", "7", "0", "0", pastLimit, "0"),
        Constrained("7", "3", std::to_string(kMaxUnknowns), "0", "0", "0")}) {
    ProgramRun run = RunProgram(script + "0\n", 20);
    EXPECT_EQ(run.output, ConstraintTranscript() + En(MsgIncompatible) + AfterCalculation(kEnglish)) << script;
    ExpectOrderlyEnd(run, script);
    EXPECT_LT(run.seconds, 10) << script;
  }
}

TEST(LimitsOfSize, NumbersOfAHundredThousandDigitsAreReadExactly) {
  // P = 1 and Q = 10^100000 with 10^99999 <= x1: the one solution is x1 = Q, and
  // the summary gives back N and Q digit for digit.
  const std::string q = "1" + std::string(100000, '0');
  const std::string minFirst = "+1" + std::string(99999, '0');
  ProgramRun run = RunProgram(Constrained("1", q, minFirst, "0", "0", "0") + "0\n0\n", 60);
  SummaryFacts facts{1, "1", q, "", "", 1, 2, 0, minFirst.substr(1), "0", "0", "0", q, q};
  EXPECT_EQ(run.output, ConstraintTranscript() + Header(kEnglish, 1, 2) + SolutionLine(1, {q}) + PagePrompt(kEnglish) +
                            "\n\n" + SummaryAndClose(kEnglish, facts) + AfterCalculation(kEnglish));
  ExpectOrderlyEnd(run, "100000 digits");
}

}  // namespace
