#include "search/pair_node.h"

#include <algorithm>
#include <cmath>

#include "search/bounds.h"
#include "search/zz_words.h"

namespace {

using NTL::ZZ;

// The divisor search costs about twice the square root of the number of
// divisor pairs, tau = the product of 2e + 1 over the prime powers p^e of b,
// in modular products of words (its two halves), plus a fixed part of some
// fifty; a trial of one x costs about two of them in words (one division),
// and in big integers, against a search whose keys are big integers too,
// about a quarter of an entry. So the range is tried one x at a time when it
// holds at most kWordTrialMax admissible values or sqrt(tau) (words), or at
// most kWideTrialMax or 4 sqrt(tau) (big integers).
constexpr u128 kWordTrialMax = 64;
constexpr long kWideTrialMax = 1024;
constexpr double kWideTrialsPerRoot = 4;
// Trials are made this many at a time, so that a long scan lets the caller
// check for a stop between slices.
constexpr u128 kTrialSlice = 4096;
// A divisor search hands out at most this many solutions at a time.
constexpr std::size_t kPairBatch = 1 << 16;

// tau, the number of divisors of b^2 (as a double: it may pass 2^64).
double DivisorPairs(const PrimePower* factors, std::size_t count) {
  double pairs = 1;
  for (std::size_t i = 0; i < count; ++i) pairs *= 2.0 * factors[i].exponent + 1;
  return pairs;
}

u128 RoundUpWord(const SearchSetup& setup, u128 value) {
  if (setup.parity != 0 && ((value & 1) == 1) != (setup.parity == 1)) ++value;
  return value;
}

u128 RoundDownWord(const SearchSetup& setup, u128 value) {
  if (setup.parity != 0 && ((value & 1) == 1) != (setup.parity == 1)) --value;
  return value;
}

// The next slice of a word trial, from the cursor downwards.
void NextWordTrials(PairNode& node, const SearchSetup& setup) {
  const u64 step = static_cast<u64>(setup.step);
  const u128 span = (kTrialSlice - 1) * step;
  const u128 stop = node.cursor - node.low <= span ? node.low : node.cursor - span;
  TryPairs(node.a, node.b, node.cursor, stop, step, node.limits, node.pairs);
  if (stop == node.low) {
    node.form = PairForm::kDone;
  } else {
    node.cursor = stop - step;
  }
}

// The same in big integers: x has a partner when a*x - b divides b^2.
void NextWideTrials(PairNode& node, const SearchSetup& setup) {
  const WideLimits& limits = node.wideLimits;
  ZZ& t = node.t1;
  ZZ& square = node.t3;
  NTL::sqr(square, node.wideB);
  for (u128 tried = 0; tried < kTrialSlice; ++tried) {
    if (node.wideCursor < limits.xLow) {
      node.form = PairForm::kDone;
      return;
    }
    const ZZ& x = node.wideCursor;
    NTL::mul(t, node.wideA, x);
    NTL::sub(t, t, node.wideB);
    if (NTL::divide(node.t2, square, t)) {
      ZZ y = node.t2 + node.wideB;
      NTL::div(y, y, node.wideA);
      const bool ordered = limits.allowEqual ? y >= x : y > x;
      const bool parityFits =
          limits.parity == 0 || (NTL::IsOdd(x) == (limits.parity == 1) && NTL::IsOdd(y) == (limits.parity == 1));
      if (ordered && (NTL::IsZero(limits.yHigh) || y <= limits.yHigh) && parityFits) node.widePairs.push_back({x, y});
    }
    NTL::sub(node.wideCursor, node.wideCursor, setup.step);
  }
}

}  // namespace

bool StartWordPairNode(PairNode& node, const SearchSetup& setup, u64 a, u64 b, const PrimePower* factors,
                       std::size_t factorCount, u128 previous) {
  node.form = PairForm::kDone;
  node.wantsFactors = false;
  node.wide = false;
  if (!setup.minFirstFits) return false;  // N beyond anything 2b/a reaches
  const u128 maxLast = setup.maxLastWord;
  u128 low = std::max<u128>(previous + (setup.type == 2 ? 1 : 0), setup.minFirstWord);
  low = std::max<u128>(low, b / a + 1);
  u128 high = DivideWideBy(2 * static_cast<u128>(b), a);
  if (maxLast != 0) {
    // y <= M: 1/x = r - 1/y >= r - 1/M, so x >= b*M / (a*M - b).
    u128 aM, bM;
    if (MulFits(a, maxLast, aM)) {
      if (aM <= b) return false;
      if (MulFits(b, maxLast, bM)) low = std::max(low, (bM + (aM - b) - 1) / (aM - b));
    }
    const u128 lastX = setup.type == 2 ? (maxLast > static_cast<u128>(setup.step) ? maxLast - setup.step : 0) : maxLast;
    high = std::min(high, lastX);
  }
  low = RoundUpWord(setup, low);
  high = RoundDownWord(setup, high);
  if (high < low) return false;

  node.a = a;
  node.b = b;
  node.limits.xAbove = low - 1;
  node.limits.yAtMost = maxLast;
  node.limits.parity = setup.parity;
  node.limits.allowEqual = setup.type == 1;
  const u128 count = (setup.step == 1 ? high - low : (high - low) >> 1) + 1;
  node.wantsFactors = factors == nullptr && count > kWordTrialMax;
  const bool trial = factors == nullptr || count <= kWordTrialMax ||
                     static_cast<double>(count) * static_cast<double>(count) <= DivisorPairs(factors, factorCount);
  if (trial) {
    node.form = PairForm::kWordTrial;
    node.cursor = high;
    node.low = low;
  } else {
    node.form = PairForm::kWordDivisors;
    node.factors = factors;
    node.factorCount = factorCount;
    node.ceiling = high + 1;
  }
  return true;
}

bool StartPairNode(PairNode& node, const SearchSetup& setup, const NTL::ZZ& a, const NTL::ZZ& b,
                   const Factorization* factors, const NTL::ZZ& previous) {
  if (FitsU64(a) && FitsU64(b) && FitsU128(previous)) {
    const bool wordFactors = factors != nullptr && factors->bigs.empty();
    return StartWordPairNode(node, setup, ToU64(a), ToU64(b), wordFactors ? factors->words.data() : nullptr,
                             wordFactors ? factors->words.size() : 0, ToU128(previous));
  }
  node.form = PairForm::kDone;
  node.wantsFactors = false;
  node.wide = true;
  WideLimits& limits = node.wideLimits;
  ZZ& low = limits.xLow;
  ZZ& high = limits.xHigh;
  NTL::add(low, previous, setup.type == 2 ? 1 : 0);
  if (low < setup.minFirst) low = setup.minFirst;
  NTL::div(node.t1, b, a);
  node.t1 += 1;
  if (low < node.t1) low = node.t1;
  NTL::mul(high, b, 2);
  NTL::div(high, high, a);
  if (setup.hasMax) {
    ZZ& excess = node.t1;  // a*M - b
    NTL::mul(excess, a, setup.maxLast);
    excess -= b;
    if (NTL::sign(excess) <= 0) return false;
    NTL::mul(node.t2, b, setup.maxLast);
    node.t2 += excess;
    node.t2 -= 1;
    NTL::div(node.t2, node.t2, excess);
    if (low < node.t2) low = node.t2;
    NTL::sub(node.t2, setup.maxLast, setup.type == 2 ? setup.step : 0);
    if (high > node.t2) high = node.t2;
  }
  RoundUpToParity(setup, low);
  RoundDownToParity(setup, high);
  if (high < low) return false;

  node.wideA = a;
  node.wideB = b;
  limits.yHigh = setup.hasMax ? setup.maxLast : ZZ(0);
  limits.parity = setup.parity;
  limits.allowEqual = setup.type == 1;
  NTL::sub(node.t1, high, low);
  NTL::div(node.t1, node.t1, setup.step);
  node.wantsFactors = factors == nullptr && node.t1 >= kWideTrialMax;
  bool trial = factors == nullptr || node.t1 < kWideTrialMax;
  if (!trial) {
    double pairs = DivisorPairs(factors->words.data(), factors->words.size());
    for (const BigPrimePower& f : factors->bigs) pairs *= 2.0 * f.exponent + 1;
    const double count = NTL::conv<double>(node.t1);
    trial = count <= kWideTrialsPerRoot * std::sqrt(pairs);
  }
  if (trial) {
    node.form = PairForm::kWideTrial;
    node.wideCursor = high;
  } else {
    node.form = PairForm::kWideDivisors;
    node.wideFactors = factors;
    NTL::add(node.wideCeiling, high, 1);
  }
  return true;
}

bool NextPairBatch(PairNode& node, const SearchSetup& setup) {
  node.pairs.clear();
  node.widePairs.clear();
  switch (node.form) {
    case PairForm::kDone: return false;
    case PairForm::kWordTrial: NextWordTrials(node, setup); return true;
    case PairForm::kWideTrial: NextWideTrials(node, setup); return true;
    case PairForm::kWordDivisors: {
      const bool complete = SolvePairs(node.a, node.b, node.factors, static_cast<int>(node.factorCount), node.limits,
                                       node.ceiling, kPairBatch, node.pairs);
      if (complete || node.pairs.empty()) {
        node.form = PairForm::kDone;
      } else {
        node.ceiling = node.pairs.back().x;
      }
      return true;
    }
    case PairForm::kWideDivisors: {
      const bool complete = SolveWidePairs(node.wideA, node.wideB, *node.wideFactors, node.wideLimits, node.wideCeiling,
                                           kPairBatch, node.widePairs);
      if (complete || node.widePairs.empty()) {
        node.form = PairForm::kDone;
      } else {
        node.wideCeiling = node.widePairs.back().x;
      }
      return true;
    }
  }
  return false;
}
