// Builds expected transcripts of the program from the message texts and the
// fixed layouts of its output.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "dialogue/catalog.h"

namespace transcript {

// The texts of one language (1 to 7), by slot, from the tests' own copy.
const char* const* Texts(int language);
std::string Msg(int language, MessageId id);

extern const char* const kMenu;
std::string Hyphens();  // 144 hyphen-minus characters

// From the menu to the explanations question, answered with `explanations`.
std::string Opening(int language, bool explanations = false);

// After a calculation: the separator, two line ends and MsgAskAgain.
std::string AfterCalculation(int language);

// "\t \t \t ", number, "  :      ", each value followed by "\t \t", a newline;
// a second newline in the every-K mode.
std::string SolutionLine(long long number, const std::vector<std::string>& values, bool everyK = false);

// The header printed with the first solution.
std::string Header(int language, int n, int type, bool excludeOne = false);

std::string PagePrompt(int language);  // MsgPagePrompt; the answer adds "\n\n"

// The single-solution case of the driver.
std::string SingleSolution(int language, int n, const std::vector<std::string>& values);

struct SummaryFacts {
  int n = 0;
  std::string pEntered, qEntered;
  std::string p, q;  // empty when not reduced
  long long count = 0;
  int type = 2;
  int parity = 0;
  std::string minFirst = "0", maxLast = "0", nLow = "0", nHigh = "0";
  std::string largestLast, smallestFirst;
};

// The summary and the closing lines that follow it.
std::string SummaryAndClose(int language, const SummaryFacts& facts);

// Joins answers into a script, one line each.
std::string Script(std::initializer_list<const char*> answers);

}  // namespace transcript
