// Minimal-length driver: tries n from its lowest admissible value upwards and
// lists every solution of the first n that has any.
#include <climits>
#include <string>

#include "calculation/calculation.h"
#include "dialogue/answer_reader.h"
#include "dialogue/catalog.h"
#include "dialogue/console.h"
#include "dialogue/status_line.h"
#include "dialogue/terminal.h"
#include "report/report.h"
#include "search/search.h"
#ifdef EGYPTIAN_REFERENCE_SEARCH
#include "search/reference/reference_search.h"
#endif

namespace {

using NTL::ZZ;

ZZ work1, work2;

// Sets the search fields of a new n. False when n has passed its upper bound.
bool PrepareUnknownCount() {
  CalculationState& s = state;
  // The next n must fit a 32-bit signed integer and the vectors the memory we allow.
  const bool beyondLimits = s.unknownCount >= kMaxUnknowns;
  s.sumNum = 0;
  s.sumDen = 1;
  if (!beyondLimits) {
    s.unknownCount += 1;
    s.nLow += 1;
  }
  const int n = s.unknownCount;
  s.smallestFirst = s.step;
  s.largestLast = 0;
  s.pageCounter = 0;
  s.strideCounter = 0;
  s.x.SetLength(n + 1);
  s.lowerBounds.SetLength(n + 1);
  s.savedSolution.SetLength(n + 1);
  for (int i = 0; i <= n; ++i) {
    s.x[i] = 0;
    s.lowerBounds[i] = 0;
    s.savedSolution[i] = 0;
  }
  s.level = 0;
  rejectZero = 0;
  if (beyondLimits) return false;
  if (s.nLow > s.nHigh && !NTL::IsZero(s.nHigh)) return false;
  // n unknowns of at most M sum to at least n/M: beyond floor(p*M/q) nothing is left.
  if (!NTL::IsZero(s.maxLastEntered) && s.nLow > s.nHighFromLast) return false;
  return true;
}

// Settles the n without a search where three exact tests can, and prints the
// single solution when P/Q is the largest possible sum.
void SettleUnknownCount() {
  CalculationState& s = state;
  const int n = s.unknownCount;
  s.pageCounter = 0;

  // Odd unknowns: the sum of n odd reciprocals has the parity of n over an odd denominator.
  if (s.parity == 1) {
    const bool pOdd = NTL::IsOdd(s.p);
    const bool qOdd = NTL::IsOdd(s.q);
    if ((n % 2 == 0 && pOdd && qOdd) || (n % 2 == 1 && !pOdd && qOdd)) s.level = -1;
  }

  s.minFirstCurrent = s.minFirst;
  s.progressionStep = s.equationType == 1 ? 0 : (s.parity == 0 ? 1 : 2);

  s.maxSumNum = 1;
  s.maxSumDen = s.minFirstCurrent;
  for (int i = 1; i <= n - 1; ++i) {
    NTL::add(work1, s.minFirstCurrent, static_cast<long>(i) * s.progressionStep);
    NTL::mul(s.maxSumNum, s.maxSumNum, work1);
    NTL::add(s.maxSumNum, s.maxSumNum, s.maxSumDen);
    NTL::mul(s.maxSumDen, s.maxSumDen, work1);
  }
  s.gcdValue = NTL::GCD(s.maxSumNum, s.maxSumDen);
  s.maxSumNum /= s.gcdValue;
  s.maxSumDen /= s.gcdValue;

  NTL::mul(work1, s.p, s.maxSumDen);
  NTL::mul(work2, s.q, s.maxSumNum);
  if (work1 > work2) s.level = -1;

  ZZ lastTerm = s.minFirstCurrent + static_cast<long>(n - 1) * s.progressionStep;
  if (!NTL::IsZero(s.maxLastEntered) && lastTerm > s.maxLast) {
    s.level = -1;
    return;
  }

  if (work1 == work2) {
    WriteText(Message(MsgItTakes));
    WriteNumber(static_cast<long long>(n));
    WriteText(Message(MsgFractionsAtMinimum));
    WriteText(Message(MsgSingleSolution));
    WriteText("\n \t \t \t ");
    WriteNumber(1LL);
    WriteText("  :     ");
    for (int i = 1; i <= n; ++i) {
      WriteNumber(s.minFirstCurrent + static_cast<long>(i - 1) * s.progressionStep);
      WriteText("\t \t");
    }
    EndLine();
    EndLine();
    s.solutionCount = 1;
    s.smallestFirst = s.minFirstCurrent;
    s.largestLast = lastTerm;
    s.level = -1;
  }
}

// The figures of the status line: n, the x1 being tried and the solutions so far.
void WriteStatusFigures(std::string& text) {
  const CalculationState& s = state;
  text += "n = ";
  AppendStatusNumber(text, s.unknownCount);
  static ZZ firstUnknown;
  if (CurrentFirstUnknown(firstUnknown)) {
    text += "  x1 = ";
    AppendStatusNumber(text, firstUnknown);
  }
  text += "  ";
  AppendStatusNumber(text, s.solutionCount);
  text += " solutions";
}

}  // namespace

void RunDriver() {
#ifdef EGYPTIAN_REFERENCE_SEARCH
  // The tests' second program: the same driver on the step-by-step search.
  using reference::StepType1;
  using reference::StepType2;
#endif
  CalculationState& s = state;
  ClearStopRequest();
  StartStatusLine(WriteStatusFigures);
  while (s.solutionCount == 0) {
    if (!PrepareUnknownCount()) {
      WriteText(Message(MsgNoSolutionForN));
      return;
    }
    SettleUnknownCount();
    while (s.level >= 0) {
      if (s.pageSize == -1 || StopRequested()) return;
      if (s.equationType == 2)
        StepType2();
      else
        StepType1();
    }
    // A Ctrl-C ends the calculation as the answer -1 does, even when it made
    // the last step leave early.
    if (StopRequested()) return;
    if (NTL::sign(s.pageSize) < 0 && s.pageSize != -1 && s.solutionCount != 0) {
      PrintSolutionLine(s.solutionCount, "  :      ", s.savedSolution);
      EndLine();
    }
  }
  PrintSummary();
  EndLine();
  WriteText(Message(MsgEndOfCalculation));
  EndLine();
  WriteText(Message(MsgCredit));
  EndLine();
  EndLine();
}
