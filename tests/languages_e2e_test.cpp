// One whole calculation in each of the five further languages, every question
// of the constraint dialogue asked, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

class CalculationInLanguage : public ::testing::TestWithParam<int> {};

// 4/5, type 2, any parity, x1 >= 3, xn <= 100, 2 <= n <= 6. Both pairs of bounds
// are first refused (100 and 100, then 5 and 5). n = 3 cannot reach 4/5
// (1/3 + 1/4 + 1/5 = 47/60), so n = 4, with exactly three solutions, largest
// first: 3 5 6 10 (24/30), 3 4 6 20 (48/60) and 3 4 5 60 (48/60).
// The answer 0 at the first paging prompt lists the other two.
TEST_P(CalculationInLanguage, WithEveryConstraintAsked) {
  const int l = GetParam();
  const std::string language = std::to_string(l);
  ProgramRun run = RunProgram(
      Script({language.c_str(), "1", "4", "5", "1", "2", "0", "100", "100", "3", "100", "5", "5", "2", "6", "0", "0"}));

  std::string expected = Opening(l, true);
  expected += Msg(l, MsgAskP) + Msg(l, MsgAskQ) + Msg(l, MsgAskConstraints) + Msg(l, MsgAskType) + Msg(l, MsgAskParity);
  expected += Msg(l, MsgAskMinFirst) + Msg(l, MsgAskMaxLast) + Msg(l, MsgBoundOrderX);
  expected += Msg(l, MsgAskMinFirst) + Msg(l, MsgAskMaxLast);
  expected += Msg(l, MsgAskMinCount) + Msg(l, MsgAskMaxCount) + Msg(l, MsgBoundOrderN);
  expected += Msg(l, MsgAskMinCount) + Msg(l, MsgAskMaxCount);
  expected += Header(l, 4, 2) + SolutionLine(1, {"3", "5", "6", "10"}) + PagePrompt(l) + "\n\n";
  expected += SolutionLine(2, {"3", "4", "6", "20"}) + SolutionLine(3, {"3", "4", "5", "60"});
  SummaryFacts facts;
  facts.n = 4;
  facts.pEntered = "4";
  facts.qEntered = "5";
  facts.count = 3;
  facts.type = 2;
  facts.parity = 0;
  facts.minFirst = "3";
  facts.maxLast = "100";
  facts.nLow = "2";
  facts.nHigh = "6";
  facts.largestLast = "60";
  facts.smallestFirst = "3";
  expected += SummaryAndClose(l, facts) + AfterCalculation(l);

  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_FALSE(run.timedOut);
}

std::string LanguageName(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"Spanish", "German", "Portuguese", "Chinese", "Italian"};
  return names[info.param - 3];
}

INSTANTIATE_TEST_SUITE_P(FurtherLanguages, CalculationInLanguage, ::testing::Range(3, 8), LanguageName);

}  // namespace
