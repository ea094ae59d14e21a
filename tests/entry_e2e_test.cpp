// The entry of a problem end to end: P and Q, the constraint dialogue and its
// refusals, and the three ways the entry ends.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/transcript.h"

using namespace transcript;

namespace {

constexpr int kEnglish = 2;

std::string Say(std::initializer_list<MessageId> ids) {
  std::string out;
  for (MessageId id : ids) out += Msg(kEnglish, id);
  return out;
}

// The whole constraint dialogue, up to the upper bound of n.
std::string AllQuestions() {
  return Say({MsgAskP, MsgAskQ, MsgAskConstraints, MsgAskType, MsgAskParity, MsgAskMinFirst, MsgAskMaxLast,
              MsgAskMinCount, MsgAskMaxCount});
}

std::string UpToParity() { return Say({MsgAskP, MsgAskQ, MsgAskConstraints, MsgAskType, MsgAskParity}); }

std::string ThenAskAgain() { return AfterCalculation(kEnglish); }

// The summary and closing lines of a calculation with one solution.
std::string OneSolutionSummary(int n, const char* p, const char* q, int type, const char* minFirst, const char* maxLast,
                               const char* nLow, const char* nHigh, const char* largest, const char* smallest) {
  SummaryFacts facts;
  facts.n = n;
  facts.pEntered = p;
  facts.qEntered = q;
  facts.count = 1;
  facts.type = type;
  facts.minFirst = minFirst;
  facts.maxLast = maxLast;
  facts.nLow = nLow;
  facts.nHigh = nHigh;
  facts.largestLast = largest;
  facts.smallestFirst = smallest;
  return SummaryAndClose(kEnglish, facts);
}

struct EntryCase {
  const char* name;
  std::string answers;   // after the language (English) and no explanations
  std::string expected;  // after the opening
};

std::vector<EntryCase> Cases() {
  const std::string endOfInput = "\n";
  return {
      {"constraints: every question in order, never the exclusion of 1",
       Script({"3", "2", "1", "1", "0", "2", "3", "0", "10", "0"}),
       AllQuestions() + SingleSolution(kEnglish, 3, {"2", "2", "2"}) +
           OneSolutionSummary(3, "3", "2", 1, "2", "3", "0", "10", "2", "2") + ThenAskAgain()},
      {"0 refused for P and Q; 1/1 asks for the exclusion of 1 and starts at n = 1",
       Script({"0", "1", "0", "1", "0", "0", "0"}),
       Say({MsgAskP, MsgAskP, MsgAskQ, MsgAskQ, MsgAskConstraints, MsgAskExcludeOne}) +
           SingleSolution(kEnglish, 1, {"1"}) + OneSolutionSummary(1, "1", "1", 2, "0", "0", "0", "0", "1", "1") +
           ThenAskAgain()},
      {"odd unknowns for 1/2", Script({"1", "2", "1", "2", "1", "0"}),
       UpToParity() + Say({MsgNoSolution}) + ThenAskAgain()},
      {"odd unknowns for 2/4, reduced to 1/2", Script({"2", "4", "1", "1", "1", "0"}),
       UpToParity() + Say({MsgNoSolution}) + ThenAskAgain()},
      {"odd unknowns for 2/3 go on", Script({"2", "3", "1", "2", "1"}),
       UpToParity() + Say({MsgAskMinFirst}) + endOfInput},
      {"N not below M: asked again until N 5, M 0", Script({"1", "1", "1", "2", "0", "5", "5", "6", "5", "5", "0"}),
       UpToParity() +
           Say({MsgAskMinFirst, MsgAskMaxLast, MsgBoundOrderX, MsgAskMinFirst, MsgAskMaxLast, MsgBoundOrderX,
                MsgAskMinFirst, MsgAskMaxLast, MsgAskMinCount}) +
           endOfInput},
      {"bounds of n 3 and 3: asked again until 5 and 0",
       Script({"5", "1", "1", "1", "0", "0", "0", "3", "3", "5", "0", "0"}),
       AllQuestions() + Say({MsgBoundOrderN, MsgAskMinCount, MsgAskMaxCount}) +
           SingleSolution(kEnglish, 5, {"1", "1", "1", "1", "1"}) +
           OneSolutionSummary(5, "5", "1", 1, "0", "0", "5", "0", "1", "1") + ThenAskAgain()},
      {"3/2, N 2, bounds of n 0 and 2 incompatible; the next calculation starts afresh",
       Script({"3", "2", "1", "2", "0", "2", "0", "0", "2", "1", "3", "2", "0", "0", "0"}),
       AllQuestions() + Say({MsgIncompatible}) + ThenAskAgain() +
           Say({MsgAskP, MsgAskQ, MsgAskConstraints, MsgAskExcludeOne}) + SingleSolution(kEnglish, 2, {"1", "2"}) +
           OneSolutionSummary(2, "3", "2", 2, "0", "0", "0", "0", "2", "1") + ThenAskAgain()},
      {"lower bound of n of 3000000000", Script({"1", "3", "1", "2", "0", "0", "0", "3000000000", "0", "0"}),
       AllQuestions() + Say({MsgIncompatible}) + ThenAskAgain()},
      {"first n from N beyond a 32-bit integer", Script({"5000000000", "1", "1", "2", "0", "1", "0", "0", "0", "0"}),
       AllQuestions() + Say({MsgIncompatible}) + ThenAskAgain()},
      {"5/3 without constraints asks for the exclusion of 1", Script({"5", "3", "0"}),
       Say({MsgAskP, MsgAskQ, MsgAskConstraints, MsgAskExcludeOne}) + endOfInput},
      {"2/3 without constraints: no exclusion of 1, type 2", Script({"2", "3", "0"}),
       Say({MsgAskP, MsgAskQ, MsgAskConstraints}) + Header(kEnglish, 2, 2) + SolutionLine(1, {"2", "6"}) +
           PagePrompt(kEnglish) + endOfInput},
  };
}

TEST(ProblemEntryDialogue, Transcripts) {
  for (const EntryCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    ProgramRun run = RunProgram(Script({"2", "0"}) + c.answers, 20);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.output, Opening(kEnglish) + c.expected);
    EXPECT_EQ(run.exitStatus, 1);
  }
}

}  // namespace
