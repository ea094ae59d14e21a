// Whole calculations end to end: the minimal n, the solutions in order, the
// single-solution case, the summary and the paging modes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/solutions.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

constexpr int kEnglish = 2;

std::string En(MessageId id) { return Msg(kEnglish, id); }

using Values = std::vector<std::string>;

SummaryFacts Facts(int n, const char* p, const char* q, const char* rp, const char* rq, long long count, int type,
                   int parity, const char* minFirst, const char* maxLast, const char* nLow, const char* nHigh,
                   const char* largest, const char* smallest) {
  return {n, p, q, rp, rq, count, type, parity, minFirst, maxLast, nLow, nHigh, largest, smallest};
}

struct Calculation {
  const char* name;
  std::vector<const char*> answers;  // from P on, the paging answer excluded
  int n;                             // 0: no solution within the constraints
  std::vector<Values> solutions;
};

// Answers in English without explanations, the paging answer 0, then the end.
std::string ListEverything(const std::vector<const char*>& answers) {
  std::string script = "2\n0\n";
  for (const char* a : answers) script += std::string(a) + "\n";
  return script + "0\n0\n0\n";
}

class WholeCalculation : public ::testing::TestWithParam<Calculation> {};

TEST_P(WholeCalculation, FindsTheMinimalLengthAndEverySolutionInOrder) {
  const Calculation& c = GetParam();
  ProgramRun run = RunProgram(ListEverything(c.answers));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(AnnouncedLength(run.output, En(MsgAtLeast), En(MsgItTakes)), c.n);
  std::vector<ListedSolution> listed = ListedSolutions(run.output);
  ASSERT_EQ(listed.size(), c.solutions.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].number, static_cast<long long>(i + 1));
    EXPECT_EQ(listed[i].values, c.solutions[i]) << "solution " << i + 1;
  }
  if (c.n == 0) {
    EXPECT_NE(run.output.find(En(MsgNoSolutionForN) + AfterCalculation(kEnglish)), std::string::npos);
  } else {
    EXPECT_NE(run.output.find(En(MsgEndOfCalculation)), std::string::npos);
  }
}

// Answers: P, Q, then 0 (no constraints) or 1, type, parity, N, M, lower and
// upper bound of n; without constraints and P/Q >= 1, the exclusion of 1.
const Calculation kCalculations[] = {
    {"ThreeSeventhsType2",
     {"3", "7", "0"},
     3,
     {{"4", "7", "28"}, {"4", "6", "84"}, {"3", "15", "35"}, {"3", "14", "42"}, {"3", "12", "84"}, {"3", "11", "231"}}},
    {"ThreeSeventhsType1",
     {"3", "7", "1", "1", "0", "0", "0", "0", "0"},
     3,
     {{"7", "7", "7"},
      {"5", "5", "35"},
      {"4", "7", "28"},
      {"4", "6", "84"},
      {"3", "21", "21"},
      {"3", "15", "35"},
      {"3", "14", "42"},
      {"3", "12", "84"},
      {"3", "11", "231"}}},
    {"ThreeSeventhsUpToHundred",
     {"3", "7", "1", "2", "0", "0", "100", "0", "0"},
     3,
     {{"4", "7", "28"}, {"4", "6", "84"}, {"3", "15", "35"}, {"3", "14", "42"}, {"3", "12", "84"}}},
    {"SevenTwelfths", {"7", "12", "0"}, 2, {{"3", "4"}, {"2", "12"}}},
    {"FourFifthsFromThree",
     {"4", "5", "1", "2", "0", "3", "0", "0", "0"},
     4,
     {{"3", "5", "6", "10"}, {"3", "4", "6", "20"}, {"3", "4", "5", "60"}}},
    {"FiveSixthsFromThree",
     {"5", "6", "1", "2", "0", "3", "0", "0", "0"},
     4,
     {{"3", "4", "6", "12"}, {"3", "4", "5", "20"}}},
    {"TwoThirdsOdd", {"2", "3", "1", "2", "1", "0", "0", "0", "0"}, 4, {{"3", "5", "9", "45"}}},
    {"OneEven", {"1", "1", "1", "2", "2", "0", "0", "0", "0"}, 4, {{"2", "4", "6", "12"}}},
    {"OneWithoutTheValueOne", {"1", "1", "0", "1"}, 3, {{"2", "3", "6"}}},
    {"OneFifth", {"1", "5", "0"}, 1, {{"5"}}},
    {"FortyThreeOverFiftySixFromThree",
     {"43", "56", "1", "2", "0", "3", "0", "0", "0"},
     4,
     {{"3", "6", "7", "8"}, {"3", "4", "7", "24"}, {"3", "4", "6", "56"}}},
    {"FourteenOverThirtyThreeFromFive",
     {"14", "33", "1", "2", "0", "5", "0", "0", "0"},
     4,
     {{"6", "10", "11", "15"},
      {"6", "9", "11", "18"},
      {"6", "8", "11", "24"},
      {"6", "7", "11", "42"},
      {"5", "11", "12", "20"},
      {"5", "10", "11", "30"},
      {"5", "9", "11", "45"},
      {"5", "8", "11", "120"},
      {"5", "6", "20", "132"},
      {"5", "6", "18", "495"}}},
    {"ThreeFifthsOddType1", {"3", "5", "1", "1", "1", "0", "0", "0", "0"}, 3, {{"5", "5", "5"}, {"3", "5", "15"}}},
    {"FourFifthsOddType1",
     {"4", "5", "1", "1", "1", "0", "0", "0", "0"},
     4,
     {{"5", "5", "5", "5"}, {"3", "5", "5", "15"}, {"3", "3", "15", "15"}, {"3", "3", "9", "45"}}},
    {"OneThirdEvenType1", {"1", "3", "1", "1", "2", "0", "0", "0", "0"}, 2, {{"6", "6"}, {"4", "12"}}},
    {"FourFifthsUpToTenType1", {"4", "5", "1", "1", "0", "0", "10", "0", "0"}, 3, {{"2", "5", "10"}}},
    {"FourFifthsFromThreeType1",
     {"4", "5", "1", "1", "0", "3", "0", "0", "0"},
     4,
     {{"5", "5", "5", "5"},
      {"4", "4", "5", "10"},
      {"4", "4", "4", "20"},
      {"3", "5", "6", "10"},
      {"3", "5", "5", "15"},
      {"3", "4", "6", "20"},
      {"3", "4", "5", "60"},
      {"3", "3", "15", "15"},
      {"3", "3", "12", "20"},
      {"3", "3", "10", "30"},
      {"3", "3", "9", "45"},
      {"3", "3", "8", "120"}}},
    {"EighteenSeventhsUpToTwelveType1",
     {"18", "7", "1", "1", "0", "0", "12", "0", "0"},
     6,
     {{"1", "1", "7", "7", "7", "7"}}},
    {"ThreeHalves", {"3", "2", "0", "0"}, 2, {{"1", "2"}}},
    {"TwoType1", {"2", "1", "1", "1", "0", "0", "0", "0", "0"}, 2, {{"1", "1"}}},
    {"ThreeHalvesTwoToThreeType1", {"3", "2", "1", "1", "0", "2", "3", "0", "10"}, 3, {{"2", "2", "2"}}},
    {"TwoOneToThreeNoSolution", {"2", "1", "1", "2", "0", "1", "3", "0", "10"}, 0, {}},
    // With an upper bound M, no n beyond floor(p*M/q) can have a solution.
    {"TenthUpToFiveNoSolution", {"1", "10", "1", "2", "0", "0", "5", "0", "0"}, 0, {}},
    {"UpToOneEvenNoSolution", {"1", "2", "1", "2", "2", "0", "1", "0", "0"}, 0, {}},
    // The window 4, 6, 8 would make 13/24 but 8 is above M.
    {"ThirteenOverTwentyFourEvenUpToSixNoSolution", {"13", "24", "1", "2", "2", "0", "6", "0", "0"}, 0, {}},
    {"TwoHundredNinetyNineOverNineHundredNinetyUpToTen", {"299", "990", "1", "2", "0", "0", "10", "0", "0"}, 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Examples, WholeCalculation, ::testing::ValuesIn(kCalculations),
                         [](const ::testing::TestParamInfo<Calculation>& test) { return test.param.name; });

std::string Line(long long number, const Values& values, bool everyK = false) {
  return SolutionLine(number, values, everyK);
}

const std::vector<Values> kThreeSevenths = {{"4", "7", "28"},  {"4", "6", "84"},  {"3", "15", "35"},
                                            {"3", "14", "42"}, {"3", "12", "84"}, {"3", "11", "231"}};

std::string ThreeSeventhsQuestions() { return En(MsgAskP) + En(MsgAskQ) + En(MsgAskConstraints); }

SummaryFacts ThreeSeventhsFacts() { return Facts(3, "3", "7", "", "", 6, 2, 0, "0", "0", "0", "0", "231", "3"); }

TEST(Transcript, ThreeSeventhsWalkThrough) {
  ProgramRun run = RunProgram(Script({"2", "0", "3", "7", "0", "0", "0"}));
  std::string expected = Opening(kEnglish) + ThreeSeventhsQuestions() + Header(kEnglish, 3, 2) +
                         Line(1, kThreeSevenths[0]) + PagePrompt(kEnglish) + "\n\n";
  for (int i = 1; i < 6; ++i) expected += Line(i + 1, kThreeSevenths[i]);
  expected += SummaryAndClose(kEnglish, ThreeSeventhsFacts()) + AfterCalculation(kEnglish);
  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.exitStatus, 1);
}

TEST(Transcript, SingleSolutionIsPrintedByTheDriver) {
  ProgramRun run = RunProgram(Script({"2", "0", "3", "2", "0", "0", "0"}));
  SummaryFacts f = Facts(2, "3", "2", "", "", 1, 2, 0, "0", "0", "0", "0", "2", "1");
  std::string expected = Opening(kEnglish) + ThreeSeventhsQuestions() + En(MsgAskExcludeOne) +
                         SingleSolution(kEnglish, 2, {"1", "2"}) + SummaryAndClose(kEnglish, f) +
                         AfterCalculation(kEnglish);
  EXPECT_EQ(run.output, expected);
}

struct SummaryCase {
  const char* name;
  std::vector<const char*> answers;  // from P on, paging answer 0 included
  SummaryFacts facts;
};

class Summary : public ::testing::TestWithParam<SummaryCase> {};

// Only the summary block is compared here: from the two line ends after the
// last solution to the separator.
TEST_P(Summary, RestatesTheProblemAsEntered) {
  const SummaryCase& c = GetParam();
  std::string script = "2\n0\n";
  for (const char* a : c.answers) script += std::string(a) + "\n";
  ProgramRun run = RunProgram(script + "0\n");
  std::string expected = SummaryAndClose(kEnglish, c.facts) + AfterCalculation(kEnglish);
  ASSERT_GE(run.output.size(), expected.size());
  EXPECT_EQ(run.output.substr(run.output.size() - expected.size()), expected);
}

const SummaryCase kSummaries[] = {
    {"ReducedFraction", {"8", "10", "0", "0"}, Facts(3, "8", "10", "4", "5", 2, 2, 0, "0", "0", "0", "0", "20", "2")},
    {"LowerBoundOfX1Only",
     {"4", "5", "1", "2", "0", "3", "0", "0", "0", "0"},
     Facts(4, "4", "5", "", "", 3, 2, 0, "3", "0", "0", "0", "60", "3")},
    {"UpperBoundOfXnOnlyType1",
     {"3", "7", "1", "1", "0", "0", "100", "0", "0", "0"},
     Facts(3, "3", "7", "", "", 8, 1, 0, "0", "100", "0", "0", "84", "3")},
    {"EnteredBoundNotTheOneInForce",
     {"1", "3", "1", "1", "2", "3", "0", "0", "0", "0"},
     Facts(2, "1", "3", "", "", 2, 1, 2, "3", "0", "0", "0", "12", "4")},
    {"UpperBoundOfNOnly",
     {"3", "7", "1", "2", "0", "0", "0", "0", "5", "0"},
     Facts(3, "3", "7", "", "", 6, 2, 0, "0", "0", "0", "5", "231", "3")},
    {"BothBoundsOfN",
     {"3", "7", "1", "2", "0", "0", "0", "2", "5", "0"},
     Facts(3, "3", "7", "", "", 6, 2, 0, "0", "0", "2", "5", "231", "3")},
};

INSTANTIATE_TEST_SUITE_P(Examples, Summary, ::testing::ValuesIn(kSummaries),
                         [](const ::testing::TestParamInfo<SummaryCase>& test) { return test.param.name; });

// The solutions of 3/7 from the first line on, with the paging prompt where the
// answers put it.
std::string ThreeSeventhsRun(const std::vector<const char*>& pagingAnswers) {
  std::string script = "2\n0\n3\n7\n0\n";
  for (const char* a : pagingAnswers) script += std::string(a) + "\n";
  return RunProgram(script + "0\n").output;
}

std::string Before() { return Opening(kEnglish) + ThreeSeventhsQuestions() + Header(kEnglish, 3, 2); }
std::string Prompt() { return PagePrompt(kEnglish) + "\n\n"; }

TEST(Paging, PagesOfThree) {
  std::string expected = Before() + Line(1, kThreeSevenths[0]) + Prompt() + Line(2, kThreeSevenths[1]) +
                         Line(3, kThreeSevenths[2]) + Line(4, kThreeSevenths[3]) + Prompt() +
                         Line(5, kThreeSevenths[4]) + Line(6, kThreeSevenths[5]) +
                         SummaryAndClose(kEnglish, ThreeSeventhsFacts()) + AfterCalculation(kEnglish);
  EXPECT_EQ(ThreeSeventhsRun({"3", "0"}), expected);
}

TEST(Paging, StopWithMoreSolutionsEndsWithoutSummary) {
  std::string expected = Before() + Line(1, kThreeSevenths[0]) + Prompt() + AfterCalculation(kEnglish);
  EXPECT_EQ(ThreeSeventhsRun({"-1"}), expected);
}

TEST(Paging, StopInTheStepThatEndsTheSearchKeepsTheSummary) {
  // 1/5: the only solution is recorded by the move that also ends the search.
  ProgramRun oneFifth = RunProgram(Script({"2", "0", "1", "5", "0", "-1", "0"}));
  SummaryFacts f = Facts(1, "1", "5", "", "", 1, 2, 0, "0", "0", "0", "0", "5", "5");
  EXPECT_EQ(oneFifth.output, Opening(kEnglish) + ThreeSeventhsQuestions() + Header(kEnglish, 1, 2) + Line(1, {"5"}) +
                                 Prompt() + SummaryAndClose(kEnglish, f) + AfterCalculation(kEnglish));

  // 7/12: -1 after the second and last solution.
  ProgramRun sevenTwelfths = RunProgram(Script({"2", "0", "7", "12", "0", "1", "-1", "0"}));
  SummaryFacts g = Facts(2, "7", "12", "", "", 2, 2, 0, "0", "0", "0", "0", "12", "2");
  EXPECT_EQ(sevenTwelfths.output, Opening(kEnglish) + ThreeSeventhsQuestions() + Header(kEnglish, 2, 2) +
                                      Line(1, {"3", "4"}) + Prompt() + Line(2, {"2", "12"}) + Prompt() +
                                      SummaryAndClose(kEnglish, g) + AfterCalculation(kEnglish));
}

TEST(Paging, EveryThirdFromTheFirstPrompt) {
  std::string expected = Before() + Line(1, kThreeSevenths[0]) + Prompt() + Line(2, kThreeSevenths[1], true) +
                         Line(5, kThreeSevenths[4], true) + Line(6, kThreeSevenths[5]) +
                         SummaryAndClose(kEnglish, ThreeSeventhsFacts()) + AfterCalculation(kEnglish);
  EXPECT_EQ(ThreeSeventhsRun({"-3"}), expected);
}

TEST(Paging, EveryThirdAfterAPageOfThree) {
  const std::vector<Values> all = {{"6", "10", "11", "15"}, {"6", "9", "11", "18"},  {"6", "8", "11", "24"},
                                   {"6", "7", "11", "42"},  {"5", "11", "12", "20"}, {"5", "10", "11", "30"},
                                   {"5", "9", "11", "45"},  {"5", "8", "11", "120"}, {"5", "6", "20", "132"},
                                   {"5", "6", "18", "495"}};
  ProgramRun run = RunProgram(Script({"2", "0", "14", "33", "1", "2", "0", "5", "0", "0", "0", "3", "-3", "0"}));
  std::string expected =
      Line(1, all[0]) + Prompt() + Line(2, all[1]) + Line(3, all[2]) + Line(4, all[3]) + Prompt() +
      Line(5, all[4], true) + Line(8, all[7], true) + Line(10, all[9]) +
      SummaryAndClose(kEnglish, Facts(4, "14", "33", "", "", 10, 2, 0, "5", "0", "0", "0", "495", "5")) +
      AfterCalculation(kEnglish);
  std::size_t first = run.output.find(Line(1, all[0]));
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(run.output.substr(first), expected);
}

}  // namespace
