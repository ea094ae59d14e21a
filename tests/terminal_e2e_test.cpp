// The program at a terminal of the test's own: the status line during a long
// search, Ctrl-C, keys pressed while it computes, line editing and history;
// and, for answers from a pipe, none of this.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "support/run_program.h"
#include "support/terminal_session.h"

namespace {

constexpr int kKilledByInterrupt = 128 + SIGINT;

// The status line is drawn from the start of the line, erasing the rest of it,
// and erased by going back to the start and erasing the line.
const std::string kStatusStart = "\rn = ";
const std::string kEraseToEnd = "\x1b[K";
const std::string kErase = "\r\x1b[K";

// Keys as a terminal of the test's type sends them.
const std::string kLeft = "\x1b[D";
const std::string kRight = "\x1b[C";
const std::string kUp = "\x1b[A";
const std::string kBackspace = "\x7f";
const std::string kKillLine = "\x15";   // Ctrl-U
const std::string kInterrupt = "\x03";  // Ctrl-C

// A question, by the end of its prompt, and the answer given to it.
struct Step {
  std::string prompt;
  std::string answer;
};
using Steps = std::vector<Step>;

const Steps kOpening = {{"Your choice ?", "2"}, {"Display explanations?", "0"}};
const Steps kAgain = {{"New calculation?", "1"}};
const Steps kEnd = {{"New calculation?", "0"}};

// 3/7 without constraints, listed whole: six solutions.
const Steps kThreeSevenths = {
    {"Value of P?", "3"}, {"Value of Q?", "7"}, {"impose constraints", "0"}, {"every K solutions]?", "0"}};

// 1 as a sum of 8 different unit fractions with xn at most `maxLast` (0: no
// bound, a search of many minutes), listed with the paging answer -1000000000:
// after the second solution nothing more is printed until the search ends.
Steps EightTerms(int maxLast) {
  return {{"Value of P?", "1"},
          {"Value of Q?", "1"},
          {"impose constraints", "1"},
          {"Type of equation", "2"},
          {"Parity of the unknowns", "0"},
          {"Lower bound for x1", "0"},
          {"Upper bound for xn", std::to_string(maxLast)},
          {"Lower bound for n", "8"},
          {"Upper bound for n", "0"},
          {"every K solutions]?", "-1000000000"}};
}

// 1 as a sum of different unit fractions of at most 1/12: minutes of search
// before a first solution, so that nothing is printed.
const Steps kSilentSearch = {{"Value of P?", "1"},
                             {"Value of Q?", "1"},
                             {"impose constraints", "1"},
                             {"Type of equation", "2"},
                             {"Parity of the unknowns", "0"},
                             {"Lower bound for x1", "12"},
                             {"Upper bound for xn", "0"},
                             {"Lower bound for n", "0"},
                             {"Upper bound for n", "0"}};

// The bounds on xn of the finite searches. The first took about 1.6 s on the
// machine where this was written, and each doubling makes the search about
// three times longer; the status test doubles it until a search outlasts the
// quiet second, so that a faster search only costs a round or two more.
constexpr int kFirstMaxLast = 300;
constexpr int kLastMaxLast = kFirstMaxLast << 3;

Steps operator+(Steps left, const Steps& right) {
  left.insert(left.end(), right.begin(), right.end());
  return left;
}

// Answers each question once its prompt shows.
bool Play(TerminalSession& terminal, const Steps& steps) {
  for (const Step& step : steps) {
    if (!terminal.Answer(step.prompt, step.answer)) return false;
  }
  return true;
}

// The same answers as a script for a pipe, or pasted at once.
std::string Script(const Steps& steps) {
  std::string script;
  for (const Step& step : steps) script += step.answer + "\n";
  return script;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Every drawing of the status line has the expected figures and is followed at
// once by another drawing or by its erasure: nothing else is ever written while
// it is on the screen. Returns the position after the last erasure.
std::size_t ExpectStatusAlwaysErased(const std::string& screen) {
  const std::regex drawing("\rn = [0-9]+  x1 = [0-9]+  [0-9][0-9 ]* solutions  [0-9]+:[0-5][0-9]");
  std::size_t after = 0;
  for (std::size_t at = screen.find(kStatusStart); at != std::string::npos; at = screen.find(kStatusStart, at + 1)) {
    const std::size_t end = screen.find(kEraseToEnd, at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a status line is never ended";
      return after;
    }
    const std::string text = screen.substr(at, end - at);
    EXPECT_TRUE(std::regex_match(text, drawing)) << text;
    const std::string next = screen.substr(end + kEraseToEnd.size(), kStatusStart.size());
    EXPECT_TRUE(next == kStatusStart || next.compare(0, kErase.size(), kErase) == 0)
        << "written over the status line: " << next;
    after = end + kEraseToEnd.size() + kErase.size();
  }
  return after;
}

TEST(Terminal, StatusLineShowsDuringALongSearchAndGoesBeforeOutput) {
  TerminalSession terminal;
  ASSERT_TRUE(Play(terminal, kOpening));
  bool shown = false;
  for (int maxLast = kFirstMaxLast; !shown && maxLast <= kLastMaxLast; maxLast *= 2) {
    if (maxLast != kFirstMaxLast) {
      ASSERT_TRUE(Play(terminal, kAgain));
    }
    const std::size_t searchStart = terminal.Screen().size();
    ASSERT_TRUE(Play(terminal, EightTerms(maxLast)));
    ASSERT_TRUE(terminal.WaitFor("END OF CALCULATION"));
    shown = terminal.Screen().find(kStatusStart, searchStart) != std::string::npos;
  }
  ASSERT_TRUE(shown) << "no search outlasted the quiet second";
  const std::size_t afterLast = ExpectStatusAlwaysErased(terminal.Screen());
  // The last solution and the summary come after it, on a clean line.
  const std::string rest = terminal.Screen().substr(afterLast);
  EXPECT_NE(rest.find("  :      "), std::string::npos) << rest;
  EXPECT_NE(rest.find("solution(s)"), std::string::npos) << rest;
  ASSERT_TRUE(Play(terminal, kEnd));
  EXPECT_EQ(terminal.WaitForEnd(), 1);
  EXPECT_TRUE(terminal.ModesAsBefore());
}

TEST(Terminal, CtrlCStopsTheCalculationAndDropsTheKeysPressedMeanwhile) {
  TerminalSession terminal;
  ASSERT_TRUE(Play(terminal, kOpening + kSilentSearch));
  ASSERT_TRUE(terminal.WaitFor(kStatusStart));  // searching, and quiet for a second
  // Keys pressed to see whether it is alive; taken as answers, the 0 would end the program.
  terminal.Type("\r\r\r0\r");
  terminal.Type(kInterrupt);
  ASSERT_TRUE(terminal.WaitFor("New calculation?", 20));
  EXPECT_EQ(terminal.Screen().find("solution(s)"), std::string::npos) << "a summary after Ctrl-C";
  // The next calculation runs as any other.
  terminal.Type("1\r");
  ASSERT_TRUE(terminal.WaitFor("Value of P?", 20)) << "the keys pressed during the search were taken as answers";
  terminal.Type("3\r");
  ASSERT_TRUE(Play(terminal, Steps(kThreeSevenths.begin() + 1, kThreeSevenths.end())));
  ASSERT_TRUE(terminal.WaitFor("= 3/7"));
  ASSERT_TRUE(terminal.WaitFor("admits 6 solution(s)"));
  ASSERT_TRUE(Play(terminal, kEnd));
  EXPECT_EQ(terminal.WaitForEnd(), 1);
  ExpectStatusAlwaysErased(terminal.Screen());
  EXPECT_TRUE(terminal.ModesAsBefore());
}

TEST(Terminal, CtrlCAtAPromptOrTwiceInASearchEndsTheProgram) {
  {
    SCOPED_TRACE("at the first prompt");
    TerminalSession terminal;
    ASSERT_TRUE(terminal.WaitFor("Your choice ?"));
    terminal.Type(kInterrupt);
    EXPECT_EQ(terminal.WaitForEnd(), kKilledByInterrupt);
    EXPECT_TRUE(terminal.ModesAsBefore());
  }
  {
    SCOPED_TRACE("in the middle of an answer being edited");
    TerminalSession terminal;
    ASSERT_TRUE(Play(terminal, kOpening));
    ASSERT_TRUE(terminal.WaitFor("Value of P?"));
    terminal.Type("12" + kLeft);
    terminal.Type(kInterrupt);
    EXPECT_EQ(terminal.WaitForEnd(), kKilledByInterrupt);
    EXPECT_TRUE(terminal.ModesAsBefore());
  }
  {
    SCOPED_TRACE("twice during a search");
    TerminalSession terminal;
    ASSERT_TRUE(Play(terminal, kOpening + EightTerms(0)));
    ASSERT_TRUE(terminal.WaitFor(kStatusStart));
    terminal.Type(kInterrupt);
    // Apart, so that the terminal sends two signals.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    terminal.Type(kInterrupt);
    EXPECT_EQ(terminal.WaitForEnd(), kKilledByInterrupt);
    ExpectStatusAlwaysErased(terminal.Screen());
    EXPECT_TRUE(terminal.ModesAsBefore());
  }
}

TEST(Terminal, AnswersAreEditedAndRecalled) {
#ifndef EGYPTIAN_HAVE_READLINE
  GTEST_SKIP() << "built without readline: the terminal's own line editing";
#endif
  TerminalSession terminal;
  ASSERT_TRUE(Play(terminal, kOpening));
  ASSERT_TRUE(terminal.Answer("Value of P?", "43" + kLeft + kBackspace + kRight));  // 3
  ASSERT_TRUE(terminal.Answer("Value of Q?", "x" + kKillLine + "7"));
  // Up three times: 7, 3, then the 0 given to the explanations question.
  ASSERT_TRUE(terminal.Answer("impose constraints", kUp + kUp + kUp));
  ASSERT_TRUE(terminal.Answer("every K solutions]?", "0"));
  ASSERT_TRUE(terminal.WaitFor("= 3/7"));
  ASSERT_TRUE(terminal.WaitFor("admits 6 solution(s)"));
  ASSERT_TRUE(Play(terminal, kEnd));
  EXPECT_EQ(terminal.WaitForEnd(), 1);
  // Each edited answer was taken at once: no question was asked twice.
  for (const char* prompt : {"Value of P?", "Value of Q?", "impose constraints"}) {
    EXPECT_EQ(Count(terminal.Screen(), prompt), 1u) << prompt;
  }
  EXPECT_TRUE(terminal.ModesAsBefore());
}

TEST(Terminal, AnswersPastedAtAPromptAreAllTaken) {
  TerminalSession terminal;
  ASSERT_TRUE(terminal.WaitFor("Your choice ?"));
  terminal.Type(Script(kOpening + kThreeSevenths));
  ASSERT_TRUE(terminal.WaitFor("admits 6 solution(s)"));
  ASSERT_TRUE(Play(terminal, kEnd));
  EXPECT_EQ(terminal.WaitForEnd(), 1);
}

TEST(Terminal, AnswersFromAPipeChangeNothing) {
  const Steps session = kOpening + EightTerms(kFirstMaxLast / 3) + kAgain + kThreeSevenths + kEnd;
  const ProgramRun reference = RunProgram(Script(session));
  ASSERT_EQ(reference.exitStatus, 1);
  {
    SCOPED_TRACE("standard input and standard error on pipes");
    TerminalSession pipes({false, false, false}, Script(session));
    EXPECT_EQ(pipes.WaitForEnd(), 1);
    EXPECT_EQ(pipes.Output(), reference.output);
    EXPECT_EQ(pipes.Errors(), "");
  }
  {
    SCOPED_TRACE("standard error on a terminal");
    TerminalSession terminal({false, false, true}, Script(session));
    EXPECT_EQ(terminal.WaitForEnd(), 1);
    EXPECT_EQ(terminal.Output(), reference.output);
    EXPECT_EQ(terminal.Screen(), "");
  }
}

TEST(Terminal, AnswersFromAPipeKeepTheDefaultInterrupt) {
  TerminalSession terminal({false, false, true}, Script(kOpening + EightTerms(0)));
  ASSERT_TRUE(terminal.WaitForOutput("\t \t \t 2  :      "));
  // Long past the quiet second, the terminal on standard error still shows nothing.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_TRUE(terminal.Running());
  terminal.Signal(SIGINT);
  EXPECT_EQ(terminal.WaitForEnd(), kKilledByInterrupt);
  EXPECT_EQ(terminal.Screen(), "");
  EXPECT_EQ(terminal.Errors(), "");
}

}  // namespace
