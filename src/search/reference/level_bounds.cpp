// Bounds of the next unknown from the remainder r = P/Q - sum, in exact
// integer arithmetic: fractions are compared by cross-multiplication, and the
// type-2 bound is found by moving a window one admissible value at a time.
#include "calculation/calculation.h"
#include "search/reference/reference_search.h"

namespace reference {
namespace {

using NTL::ZZ;

ZZ term;  // one value of the window

// S(v) = 1/v + 1/(v + step) + ... over the k = n - level values from v =
// boundWork4: boundWork1 / boundWork2. The offsets stay below 2^31: n is at
// most a million and step at most 2.
void WindowSum(int level) {
  CalculationState& s = state;
  s.boundWork1 = 1;
  s.boundWork2 = s.boundWork4;
  for (int scanIndex = level + 2; scanIndex <= s.unknownCount; ++scanIndex) {
    NTL::add(term, s.boundWork4, static_cast<long>(scanIndex - level - 1) * s.step);
    NTL::mul(s.boundWork1, s.boundWork1, term);
    NTL::add(s.boundWork1, s.boundWork1, s.boundWork2);
    NTL::mul(s.boundWork2, s.boundWork2, term);
  }
}

// difference = boundWork1 * qTimesDen - boundWork2 * remainderNum: the sign of S - r.
void CompareWindowWithRemainder(ZZ& difference) {
  CalculationState& s = state;
  NTL::mul(difference, s.boundWork1, s.qTimesDen);
  NTL::mul(term, s.boundWork2, s.remainderNum);
  NTL::sub(difference, difference, term);
}

// Moves the window from v to v + step in a fixed number of operations.
void ShiftWindow(int remaining) {
  CalculationState& s = state;
  NTL::div(s.boundWork5, s.boundWork2, s.boundWork4);
  NTL::add(term, s.boundWork4, static_cast<long>(remaining) * s.step);
  NTL::sub(s.boundWork1, s.boundWork1, s.boundWork5);
  NTL::mul(s.boundWork1, s.boundWork1, term);
  NTL::div(s.boundWork1, s.boundWork1, s.boundWork4);
  NTL::add(s.boundWork1, s.boundWork1, s.boundWork5);
  NTL::mul(s.boundWork2, s.boundWork5, term);
  NTL::add(s.boundWork4, s.boundWork4, s.step);
  CompareWindowWithRemainder(s.boundWork3);
}

}  // namespace

NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num) {
  CalculationState& s = state;
  const int n = s.unknownCount;
  const int c = level + 1;
  const int remaining = n - level;

  s.unitValue = 1;
  NTL::mul(s.pTimesDen, s.p, den);
  NTL::mul(s.qTimesNum, s.q, num);
  NTL::mul(s.qTimesDen, s.q, den);
  NTL::mul(s.remainingTimesQDen, s.qTimesDen, remaining);
  NTL::sub(s.remainderNum, s.pTimesDen, s.qTimesNum);

  if (s.pTimesDen <= s.qTimesNum) {
    s.level = -1;
    s.boundAux = 1;
    s.candidate = s.step;
    return s.unitValue;
  }

  // x[c] > 1/r unless it is the last unknown, then of the required parity.
  ZZ& lower = s.lowerBounds[c];
  NTL::div(lower, s.qTimesDen, s.remainderNum);
  if (s.parity == 0) {
    if (c != n) lower += 1;
  } else if (s.parity == 1) {
    if (!NTL::IsOdd(lower))
      lower += 1;
    else if (c != n)
      lower += 2;
  } else {
    if (NTL::IsOdd(lower))
      lower += 1;
    else if (c != n)
      lower += 2;
  }

  if (s.equationType == 1) {
    // x[c] is the smallest of k unknowns whose reciprocals make r: at most k/r.
    NTL::div(s.candidate, s.remainingTimesQDen, s.remainderNum);
    NTL::mul(term, s.candidate, s.remainderNum);
    NTL::sub(s.boundAux, s.remainingTimesQDen, term);
  } else if (level == n - 1) {
    NTL::div(s.candidate, s.qTimesDen, s.remainderNum);
    NTL::mul(term, s.candidate, s.remainderNum);
    NTL::sub(s.boundAux, s.qTimesDen, term);
  } else {
    // The first window start v from w upwards whose sum S(v) no longer exceeds r.
    NTL::add(s.candidate, s.x[level], s.step);
    if (s.candidate < lower) s.candidate = lower;
    s.boundWork4 = s.candidate;
    WindowSum(level);
    CompareWindowWithRemainder(s.boundWork3);
    while (NTL::sign(s.boundWork3) > 0) ShiftWindow(remaining);
    s.candidate = s.boundWork4;
    s.boundAux = NTL::IsZero(s.boundWork3) ? 0 : 1;
  }

  if (!NTL::IsZero(s.maxLast) && s.candidate > s.maxLast) {
    s.candidate = s.maxLast;
    NTL::mul(term, s.maxLast, s.remainderNum);
    NTL::sub(s.boundAux, s.remainingTimesQDen, term);
  }

  if ((s.parity == 1 && !NTL::IsOdd(s.candidate)) || (s.parity == 2 && NTL::IsOdd(s.candidate))) {
    s.candidate -= 1;
    if (s.equationType == 1) {
      NTL::mul(term, s.candidate, s.remainderNum);
      NTL::sub(s.boundAux, s.remainingTimesQDen, term);
    } else {
      s.boundWork4 = s.candidate;
      WindowSum(level);
      CompareWindowWithRemainder(s.boundAux);
    }
  }

  if (lower < s.minFirst) lower = s.minFirst;
  return s.candidate;
}

}  // namespace reference
