// Minimal-length driver: tries n from its lowest admissible value upwards and
// lists every solution of the first n that has any.
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

// A sum of unit fractions 1/(first + i*step), i = 0 .. count-1, kept from one
// n to the next (in lowest terms), since the loop over n adds one term a pass.
struct UnitSum {
  int count = 0;  // terms in num/den; 0: not yet formed
  ZZ num, den;
};

UnitSum largestSum, leastSum;

#ifdef EGYPTIAN_REFERENCE_SEARCH
// The tests' second program searches every n up to floor(p*M/q), as the
// program did before the cut by the least sum: the differential test compares.
constexpr bool kCutByLeastSum = false;
#else
constexpr bool kCutByLeastSum = true;
#endif
ZZ work1, work2, term;

// The (unreduced) sum of 1/(first + i*step) for i in [from, to), by halves, so
// that a first n of a hundred thousand costs products of balanced sizes rather
// than a hundred thousand products by a small factor each.
void SumRange(const ZZ& first, long step, long from, long to, ZZ& num, ZZ& den) {
  if (to - from == 1) {
    num = 1;
    den = first;
    den += from * step;  // below 2^31: n is at most a million, |step| at most 2
    return;
  }
  const long middle = from + (to - from) / 2;
  ZZ rightNum, rightDen;
  SumRange(first, step, from, middle, num, den);
  SumRange(first, step, middle, to, rightNum, rightDen);
  NTL::mul(num, num, rightDen);
  NTL::mul(rightNum, rightNum, den);
  num += rightNum;
  den *= rightDen;
}

// sum = 1/first + 1/(first + step) + ... over `count` terms (step may be
// negative), in lowest terms; from the previous count when it is one less.
void UpdateSum(UnitSum& sum, const ZZ& first, long step, int count) {
  if (sum.count != 0 && sum.count == count - 1) {
    term = first;
    term += static_cast<long>(count - 1) * step;
    NTL::mul(sum.num, sum.num, term);
    sum.num += sum.den;
    sum.den *= term;
  } else {
    SumRange(first, step, 0, count, sum.num, sum.den);
  }
  sum.count = count;
  NTL::GCD(work1, sum.num, sum.den);
  sum.num /= work1;
  sum.den /= work1;
}

// With M and all-different unknowns, whether n of them can no longer make
// P/Q: fewer than n admissible values lie in [N, M], or the n largest of them,
// the least sum there is, already exceed P/Q. Sums only grow with n, so no
// larger n can either.
bool BeyondLeastSum(int n) {
  const CalculationState& s = state;
  if (!kCutByLeastSum || s.equationType != 2 || NTL::IsZero(s.maxLast)) return false;
  NTL::sub(work1, s.maxLast, static_cast<long>(n - 1) * s.step);
  if (work1 < s.minFirst) return true;
  UpdateSum(leastSum, s.maxLast, -static_cast<long>(s.step), n);
  NTL::mul(work1, s.p, leastSum.den);
  NTL::mul(work2, s.q, leastSum.num);
  return work1 < work2;
}

// The paging answer -1, tested before every step: without the temporary
// that NTL's comparison with a machine integer builds.
bool IsStopAnswer(const ZZ& pageSize) { return NTL::sign(pageSize) < 0 && NTL::NumBits(pageSize) == 1; }

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
  return !BeyondLeastSum(n);
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

  UpdateSum(largestSum, s.minFirstCurrent, s.progressionStep, n);
  s.maxSumNum = largestSum.num;
  s.maxSumDen = largestSum.den;

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
  // The tests' second program: the same driver on the step-by-step search,
  // which keeps nothing to leave behind.
  using reference::StepType1;
  using reference::StepType2;
  const auto AbandonSearch = [] {};
#endif
  CalculationState& s = state;
  largestSum.count = 0;
  leastSum.count = 0;
  ClearStopRequest();
  StartStatusLine(WriteStatusFigures);
  while (s.solutionCount == 0) {
    if (!PrepareUnknownCount()) {
      WriteText(Message(MsgNoSolutionForN));
      return;
    }
    SettleUnknownCount();
    while (s.level >= 0) {
      if (IsStopAnswer(s.pageSize) || StopRequested()) {
        AbandonSearch();
        return;
      }
      if (s.equationType == 2)
        StepType2();
      else
        StepType1();
    }
    // A Ctrl-C ends the calculation as the answer -1 does, even when it made
    // the last step leave early.
    if (StopRequested()) return;
    if (NTL::sign(s.pageSize) < 0 && !IsStopAnswer(s.pageSize) && s.solutionCount != 0) {
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
