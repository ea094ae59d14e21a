// The console dialogue end to end: menu, catalogue, explanations, main loop.
#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

constexpr int kFrench = 1;
constexpr int kEnglish = 2;

// An empty calculation: P = 1, Q = 1, no constraints, 1 not excluded, which the
// driver settles as the single solution 1.
std::string OneOverOne(int language) {
  return Msg(language, MsgAskP) + Msg(language, MsgAskQ) + Msg(language, MsgAskConstraints) +
         Msg(language, MsgAskExcludeOne) + SingleSolution(language, 1, {"1"}) +
         SummaryAndClose(language, {1, "1", "1", "", "", 1, 2, 0, "0", "0", "0", "0", "1", "1"});
}

TEST(Dialogue, MenuIsShownAgainUntilAValidLanguage) {
  ProgramRun run = RunProgram(Script({"0", "8", "12", "", " 2", "2", "0", "1", "1", "0", "0", "0"}));
  // Five refused lines, so the menu is printed five times before the one of Opening.
  std::string menus;
  for (int i = 0; i < 5; ++i) menus += kMenu;
  std::string expected = menus + Opening(kEnglish) + OneOverOne(kEnglish) + AfterCalculation(kEnglish);
  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.exitStatus, 1);
}

TEST(Dialogue, FrenchUpToTheFirstQuestion) {
  ProgramRun run = RunProgram(Script({"1", "0"}));
  EXPECT_EQ(run.output, Opening(kFrench) + Msg(kFrench, MsgAskP) + "\n");
  EXPECT_EQ(run.exitStatus, 1);
}

TEST(Dialogue, EnglishUpToTheFirstQuestion) {
  ProgramRun run = RunProgram(Script({"2", "0"}));
  EXPECT_EQ(run.output, Opening(kEnglish) + Msg(kEnglish, MsgAskP) + "\n");
}

TEST(Dialogue, ExplanationsThenSeparatorThenFirstQuestion) {
  for (int language : {kFrench, kEnglish}) {
    ProgramRun run = RunProgram(Script({language == kFrench ? "1" : "2", "1"}));
    std::string expected = Opening(language, true) + Msg(language, MsgAskP) + "\n";
    EXPECT_EQ(run.output, expected) << "language " << language;
    // 150 characters: blank, newline, blank, 144 hyphens, blank, newline, blank.
    EXPECT_NE(run.output.find(" \n " + Hyphens() + " \n " + Msg(language, MsgAskP)), std::string::npos);
  }
}

TEST(Dialogue, ExplanationsQuestionRefusesOtherAnswers) {
  ProgramRun run = RunProgram(Script({"2", "2", "10", "", "0"}));
  std::string ask = Msg(kEnglish, MsgAskExplanations);
  EXPECT_EQ(run.output, Opening(kEnglish) + ask + ask + ask + Msg(kEnglish, MsgAskP) + "\n");
}

TEST(Dialogue, CalculationsLoopUntilTheAnswerZero) {
  ProgramRun run = RunProgram(Script({"2", "0", "1", "1", "0", "0", "5", "1", "1", "1", "0", "0", "0"}));
  std::string ask = Msg(kEnglish, MsgAskAgain);
  std::string expected = Opening(kEnglish) + OneOverOne(kEnglish) + AfterCalculation(kEnglish) + ask +
                         OneOverOne(kEnglish) + AfterCalculation(kEnglish);
  EXPECT_EQ(run.output, expected);
  EXPECT_EQ(run.exitStatus, 1);
}

TEST(Dialogue, EndOfInputEndsWithOneNewlineAndStatusOne) {
  struct Case {
    const char* name;
    std::string input;
    std::string expected;
  };
  const Case cases[] = {
      {"no input at all", "", std::string(kMenu) + "\n"},
      {"after the language", "2\n", Opening(kEnglish) + "\n"},
      {"inside the problem entry", "2\n0\n3\n",
       Opening(kEnglish) + Msg(kEnglish, MsgAskP) + Msg(kEnglish, MsgAskQ) + "\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = RunProgram(c.input, 10);
    EXPECT_EQ(run.output, c.expected) << c.name;
    EXPECT_EQ(run.exitStatus, 1) << c.name;
    EXPECT_FALSE(run.timedOut) << c.name;
  }
}

TEST(Dialogue, LastLineWithoutNewlineAndCarriageReturnsAreAnswers) {
  ProgramRun run = RunProgram("2\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0");
  EXPECT_EQ(run.output, Opening(kEnglish) + OneOverOne(kEnglish) + AfterCalculation(kEnglish));
  EXPECT_EQ(run.exitStatus, 1);
}

// A script saved by a Windows editor begins with a UTF-8 byte-order mark: there
// it is skipped, anywhere else it is a character that makes the line invalid.
TEST(Dialogue, ByteOrderMarkIsSkippedAtTheStartOfInputOnly) {
  const std::string mark = "\xEF\xBB\xBF";
  const std::string session = Opening(kEnglish) + OneOverOne(kEnglish) + AfterCalculation(kEnglish);
  const std::string ask = Msg(kEnglish, MsgAskExplanations);
  struct Case {
    const char* name;
    std::string input;
    std::string expected;
  };
  const Case cases[] = {
      {"before the first answer", mark + "2\n0\n1\n1\n0\n0\n0\n", session},
      {"with CRLF line ends", mark + "2\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n", session},
      {"alone on the first line, an empty line", mark + "\n2\n0\n1\n1\n0\n0\n0\n", kMenu + session},
      {"after the first answer", "2" + mark + "\n2\n0\n1\n1\n0\n0\n0\n", kMenu + session},
      {"twice at the start", mark + mark + "2\n2\n0\n1\n1\n0\n0\n0\n", kMenu + session},
      {"at the start of a later line", "2\n" + mark + "0\n0\n1\n1\n0\n0\n0\n",
       Opening(kEnglish) + ask + OneOverOne(kEnglish) + AfterCalculation(kEnglish)},
  };
  for (const Case& c : cases) {
    ProgramRun run = RunProgram(c.input, 10);
    EXPECT_EQ(run.output, c.expected) << c.name;
    EXPECT_EQ(run.exitStatus, 1) << c.name;
  }
}

}  // namespace
