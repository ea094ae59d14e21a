#include "search/bounds.h"

#include <cmath>

namespace {

using NTL::ZZ;

// S(v) = 1/v + 1/(v + step) + ... (k terms) as num/den, unreduced.
void WindowSum(const ZZ& v, int k, int step, ZZ& num, ZZ& den, ZZ& term) {
  num = 1;
  den = v;
  for (int i = 1; i < k; ++i) {
    NTL::add(term, v, static_cast<long>(i) * step);
    NTL::mul(num, num, term);
    NTL::add(num, num, den);
    NTL::mul(den, den, term);
  }
}

// The sign of S(v) - a/b.
long CompareWindow(const ZZ& v, int k, const SearchSetup& setup, const Remainder& r, BoundsWork& w) {
  WindowSum(v, k, setup.step, w.t1, w.t2, w.t3);
  NTL::mul(w.t1, w.t1, r.b);
  NTL::mul(w.t2, w.t2, r.a);
  return NTL::compare(w.t1, w.t2);
}

// The first start v = w + j*step, from `start` (whose window is known to
// exceed r), with S(v) <= r. S(v) lies strictly between k/(v + (k-1)*step) and
// k/v, so that v lies above floor(k/r) - (k-1)*step and not above floor(k/r) + 1:
// a bisection over at most k + 1 starts.
void FirstWindow(const SearchSetup& setup, int k, const ZZ& start, const Remainder& r, ZZ& result, BoundsWork& w) {
  const long step = setup.step;
  ZZ& estimate = w.t4;
  NTL::mul(estimate, r.b, static_cast<long>(k));
  NTL::div(estimate, estimate, r.a);  // floor(k/r)
  NTL::sub(w.lowIndex, estimate, static_cast<long>(k - 1) * step);
  NTL::sub(w.lowIndex, w.lowIndex, start);
  if (NTL::sign(w.lowIndex) < 0) {
    w.lowIndex = 0;
  } else {
    NTL::div(w.lowIndex, w.lowIndex, step);
  }
  NTL::add(w.highIndex, estimate, 1);
  NTL::sub(w.highIndex, w.highIndex, start);
  NTL::add(w.highIndex, w.highIndex, step - 1);
  NTL::div(w.highIndex, w.highIndex, step);
  if (w.highIndex <= w.lowIndex) NTL::add(w.highIndex, w.lowIndex, 1);
  for (;;) {
    NTL::sub(w.middleIndex, w.highIndex, w.lowIndex);
    if (NTL::IsOne(w.middleIndex)) break;
    NTL::RightShift(w.middleIndex, w.middleIndex, 1);
    NTL::add(w.middleIndex, w.middleIndex, w.lowIndex);
    NTL::mul(w.t5, w.middleIndex, step);
    NTL::add(w.t5, w.t5, start);
    if (CompareWindow(w.t5, k, setup, r, w) <= 0) {
      w.highIndex = w.middleIndex;
    } else {
      w.lowIndex = w.middleIndex;
    }
  }
  NTL::mul(result, w.highIndex, step);
  NTL::add(result, result, start);
}

bool IsAdmissible(const SearchSetup& setup, const ZZ& value) {
  return setup.parity == 0 || NTL::IsOdd(value) == (setup.parity == 1);
}

// Whether r is exactly k/U (type 1) or S(U) (type 2).
bool ExactAt(const SearchSetup& setup, int k, const ZZ& u, const Remainder& r, BoundsWork& w) {
  if (setup.type == 1) {
    NTL::mul(w.t1, r.b, static_cast<long>(k));
    NTL::mul(w.t2, u, r.a);
    return w.t1 == w.t2;
  }
  return CompareWindow(u, k, setup, r, w) == 0;
}

// The classic first value U of x[c] and whether the completion from it is exact.
void UpperBound(const SearchSetup& setup, int k, const ZZ& previous, const Remainder& r, ZZ& upper, bool& exact,
                BoundsWork& w) {
  if (setup.type == 1) {
    NTL::mul(w.t1, r.b, static_cast<long>(k));
    NTL::DivRem(upper, w.t2, w.t1, r.a);
    exact = NTL::IsZero(w.t2);
  } else {
    // The window starts at the larger of floor(1/r) + 1 (to parity) and x[level] + step.
    ZZ& start = w.start;
    NTL::div(start, r.b, r.a);
    start += 1;
    RoundUpToParity(setup, start);
    NTL::add(upper, previous, setup.step);
    if (upper < start) upper = start;
    // With M, a window bound beyond M is capped to it below: no need to find
    // it when it starts above M, or when the window from M still exceeds r.
    if (setup.hasMax && (upper > setup.maxLast || CompareWindow(setup.maxLast, k, setup, r, w) > 0)) {
      upper = setup.maxLast;
      NTL::mul(w.t1, r.b, static_cast<long>(k));
      NTL::mul(w.t2, setup.maxLast, r.a);
      exact = w.t1 == w.t2;
      return;  // M in force is admissible
    }
    const long sign = CompareWindow(upper, k, setup, r, w);
    if (sign > 0) {
      start = upper;
      FirstWindow(setup, k, start, r, upper, w);
      exact = CompareWindow(upper, k, setup, r, w) == 0;
    } else {
      exact = sign == 0;
    }
  }
  if (setup.hasMax && upper > setup.maxLast) {
    upper = setup.maxLast;
    NTL::mul(w.t1, r.b, static_cast<long>(k));
    NTL::mul(w.t2, setup.maxLast, r.a);
    exact = w.t1 == w.t2;
  }
  if (!IsAdmissible(setup, upper)) {
    upper -= 1;
    exact = NTL::sign(upper) > 0 && ExactAt(setup, k, upper, r, w);
  }
}

// r >= the least sum of k admissible values up to M.
bool ReachesLeastSum(const SearchSetup& setup, int k, const Remainder& r, BoundsWork& w) {
  if (!setup.possible[static_cast<std::size_t>(k)]) return false;
  NTL::mul(w.t1, r.a, setup.leastDen[static_cast<std::size_t>(k)]);
  NTL::mul(w.t2, r.b, setup.leastNum[static_cast<std::size_t>(k)]);
  return w.t1 >= w.t2;
}

// Whether some admissible multiple of m lies in [low, M].
bool HasMultipleUpToMax(const SearchSetup& setup, const ZZ& m, const ZZ& low, BoundsWork& w) {
  ZZ& t = w.t1;
  NTL::add(t, low, m);
  t -= 1;
  NTL::div(t, t, m);  // ceil(low/m)
  // With odd unknowns only odd multiples of an odd m count.
  if (setup.parity == 1 && !NTL::IsOdd(t)) t += 1;
  NTL::mul(t, t, m);
  return t <= setup.maxLast;
}

// PrimePowersFit for M and the lowest value below 2^64, in words.
bool PrimePowersFitWords(const SearchSetup& setup, int k, const Remainder& r, u64 low) {
  const u64 maxLast = setup.maxLast64;
  const u64 root = ToU64(setup.maxLastRoot);
  if (!r.factors.bigs.empty()) return false;  // a prime beyond 64 bits exceeds M
  int aboveRoot = 0;
  for (const PrimePower& f : r.factors.words) {
    if (f.prime == 2 && setup.parity == 1) return false;  // odd unknowns have odd denominators
    u64 power = 1;
    for (int e = 0; e < f.exponent; ++e) {
      if (power > maxLast / f.prime) return false;  // p^e alone exceeds M
      power *= f.prime;
    }
    if (power > root) ++aboveRoot;
    u64 m = power;
    if (setup.parity == 2 && f.prime != 2) {
      if (m > maxLast / 2) return false;
      m *= 2;
    }
    u64 t = low / m + (low % m != 0 ? 1 : 0);  // ceil(low/m)
    if (setup.parity == 1 && t % 2 == 0) ++t;
    if (t > maxLast / m) return false;
  }
  return aboveRoot <= k;
}

// The prime powers of b against [low, M]: each needs an admissible multiple
// there, and at most k of them can exceed sqrt(M).
bool PrimePowersFit(const SearchSetup& setup, int k, const Remainder& r, const ZZ& low, BoundsWork& w) {
  if (!r.factored) return true;
  if (setup.maxLast64 != 0 && FitsU64(low)) return PrimePowersFitWords(setup, k, r, ToU64(low));
  ZZ& m = w.t2;
  const ZZ& root = setup.maxLastRoot;
  int aboveRoot = 0;
  const auto check = [&](const ZZ& primePower, bool two) {
    if (two && setup.parity == 1) return false;  // odd unknowns have odd denominators
    m = primePower;
    if (setup.parity == 2 && !two) m *= 2;
    if (primePower > root) ++aboveRoot;
    return HasMultipleUpToMax(setup, m, low, w);
  };
  for (const PrimePower& f : r.factors.words) {
    SetZZ(w.t4, f.prime);
    NTL::power(w.t4, w.t4, f.exponent);
    if (!check(w.t4, f.prime == 2)) return false;
  }
  for (const BigPrimePower& f : r.factors.bigs) {
    NTL::power(w.t4, f.prime, f.exponent);
    if (!check(w.t4, false)) return false;
  }
  return aboveRoot <= k;
}

}  // namespace

void RoundUpToParity(const SearchSetup& setup, NTL::ZZ& value) {
  if (!IsAdmissible(setup, value)) value += 1;
}

void RoundDownToParity(const SearchSetup& setup, NTL::ZZ& value) {
  if (!IsAdmissible(setup, value)) value -= 1;
}

void BacktrackLowerBound(const SearchSetup& setup, const NTL::ZZ& a, const NTL::ZZ& b, NTL::ZZ& bound) {
  NTL::div(bound, b, a);
  bound += 1;
  RoundUpToParity(setup, bound);
  if (bound < setup.minFirst) bound = setup.minFirst;
}

void ComputeChildRange(const SearchSetup& setup, int level, const NTL::ZZ& previous, const Remainder& r,
                       ChildRange& range, BoundsWork& w) {
  const int k = setup.n - level;
  range.completion = false;
  range.next = 0;
  range.lowest = 1;
  // The cuts from M where the least sums are kept (the last levels).
  const bool bounded = setup.hasMax && static_cast<std::size_t>(k) < setup.leastNum.size();
  if (bounded && !ReachesLeastSum(setup, k, r, w)) return;
  if (bounded && r.b > setup.largestProduct[static_cast<std::size_t>(k)]) return;

  // The lowest child: above floor(1/r), at least N, after x[level].
  ZZ& lowest = range.lowest;
  BacktrackLowerBound(setup, r.a, r.b, lowest);
  NTL::add(w.t1, previous, setup.type == 2 ? 1 : 0);
  if (lowest < w.t1) lowest = w.t1;
  if (bounded) {
    // x[c] >= 1/(r - L), L the least sum of the k - 1 others: b*Ld / (a*Ld - b*Ln).
    const ZZ& ln = setup.leastNum[static_cast<std::size_t>(k - 1)];
    const ZZ& ld = setup.leastDen[static_cast<std::size_t>(k - 1)];
    NTL::mul(w.t1, r.a, ld);
    NTL::mul(w.t2, r.b, ln);
    NTL::sub(w.t1, w.t1, w.t2);
    if (NTL::sign(w.t1) <= 0) return;
    NTL::mul(w.t2, r.b, ld);
    NTL::add(w.t2, w.t2, w.t1);
    w.t2 -= 1;
    NTL::div(w.t2, w.t2, w.t1);
    if (lowest < w.t2) lowest = w.t2;
  }
  RoundUpToParity(setup, lowest);
  if (bounded && !PrimePowersFit(setup, k, r, lowest, w)) return;

  ZZ& upper = range.first;
  bool exact = false;
  UpperBound(setup, k, previous, r, upper, exact, w);
  if (NTL::sign(upper) <= 0) return;
  if (exact) {
    // The completion from U, when it is admissible in every respect.
    BacktrackLowerBound(setup, r.a, r.b, w.t1);
    bool valid = upper >= w.t1 && (setup.type == 2 ? upper > previous : upper >= previous);
    if (valid && setup.hasMax && setup.type == 2) {
      NTL::add(w.t1, upper, static_cast<long>(k - 1) * setup.step);
      valid = w.t1 <= setup.maxLast;
    }
    range.completion = valid;
    NTL::sub(range.next, upper, setup.step);
  } else {
    range.next = upper;
  }
  if (setup.hasMax && setup.type == 2) {
    // The k - 1 unknowns after x[c] are above it and at most M.
    NTL::sub(w.t1, setup.maxLast, static_cast<long>(k - 1) * setup.step);
    if (range.next > w.t1) range.next = w.t1;
  }
}
