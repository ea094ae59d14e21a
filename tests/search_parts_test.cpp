// The pieces of the search against plain NTL arithmetic and brute force:
// 128-bit helpers, factorisation in words and beyond, and the solvers of the
// last two unknowns (from divisors in words and in big integers, and by
// trials) with their batches.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "calculation/calculation.h"
#include "search/factorization.h"
#include "search/setup.h"
#include "search/walk.h"
#include "search/wide_pairs.h"
#include "search/words/factoring.h"
#include "search/words/pair_solver.h"
#include "search/words/words.h"
#include "search/zz_words.h"
#include "support/small_random.h"

namespace {

using NTL::ZZ;

ZZ Big(const char* digits) { return NTL::conv<ZZ>(digits); }

ZZ FromWord(u128 value) {
  ZZ z;
  SetZZ(z, value);
  return z;
}

TEST(MachineWords, ConversionsAndWideDivisionAgreeWithNtl) {
  const u128 values[] = {0,
                         1,
                         255,
                         256,
                         ~static_cast<u64>(0),
                         kU64Limit,
                         kU64Limit + 1,
                         ~static_cast<u128>(0),
                         (static_cast<u128>(0x0123456789abcdefULL) << 64) | 0xfedcba9876543210ULL};
  for (u128 v : values) {
    const ZZ z = FromWord(v);
    EXPECT_EQ(FitsU64(z), (v >> 64) == 0);
    if (FitsU64(z)) {
      EXPECT_EQ(ToU64(z), Low64(v));
    }
    const u64 divisors[] = {1, 2, 3, 641, 6700417, 4294967291ULL, ~static_cast<u64>(0)};
    for (u64 d : divisors) {
      ZZ quotient, remainder;
      NTL::DivRem(quotient, remainder, z, FromWord(d));
      EXPECT_EQ(FromWord(DivideWideBy(v, d)), quotient);
      EXPECT_EQ(FromWord(ModWide(v, d)), remainder);
    }
  }
  EXPECT_FALSE(FitsU64(Big("-1")));
}

TEST(MachineWords, ModularProductsAndInversesAgreeWithNtl) {
  SmallRandom rng(1);
  for (int i = 0; i < 2000; ++i) {
    u64 modulus = rng.Next() >> rng.Below(63);
    if (modulus < 2) modulus = 2;
    const u64 a = rng.Next() % modulus, b = rng.Next() % modulus;
    const ZZ m = FromWord(modulus);
    EXPECT_EQ(FromWord(MulMod(a, b, modulus)), NTL::MulMod(FromWord(a), FromWord(b), m));
    if (a != 0 && NTL::IsOne(NTL::GCD(FromWord(a), m))) {
      EXPECT_EQ(FromWord(InverseMod(a, modulus)), NTL::InvMod(FromWord(a), m)) << a << " mod " << modulus;
    }
    EXPECT_EQ(FromWord(Gcd64(a, b)), NTL::GCD(FromWord(a), FromWord(b)));
  }
}

// Decimal digits of words of every size, as NTL prints them.
TEST(MachineWords, DecimalDigitsAgreeWithNtl) {
  SmallRandom rng(5);
  for (int i = 0; i < 2000; ++i) {
    const u128 value =
        i < 200 ? static_cast<u128>(i) : (static_cast<u128>(rng.Next()) << 64 | rng.Next()) >> rng.Below(128);
    char digits[kU128Digits];
    char* end = digits + sizeof digits;
    const char* start = FormatDecimal(value, end);
    std::ostringstream expected;
    expected << FromWord(value);
    EXPECT_EQ(std::string(start, static_cast<std::size_t>(end - start)), expected.str());
  }
}

// A factorisation is right when its primes are prime, increasing, and multiply back.
void ExpectFactorisation(u64 value, const std::vector<PrimePower>& factors) {
  ZZ product(1);
  for (std::size_t i = 0; i < factors.size(); ++i) {
    EXPECT_TRUE(IsPrime64(factors[i].prime)) << factors[i].prime << " in " << value;
    EXPECT_GT(factors[i].exponent, 0);
    if (i > 0) {
      EXPECT_LT(factors[i - 1].prime, factors[i].prime);
    }
    product *= NTL::power(FromWord(factors[i].prime), factors[i].exponent);
  }
  EXPECT_EQ(product, FromWord(value));
}

TEST(Factoring, PrimalityAgreesWithASieveAndRejectsStrongPseudoprimes) {
  std::vector<bool> composite(100000, false);
  for (u64 i = 2; i < composite.size(); ++i) {
    if (!composite[i]) {
      for (u64 j = i * i; j < composite.size(); j += i) composite[j] = true;
    }
    EXPECT_EQ(IsPrime64(i), !composite[i]) << i;
  }
  EXPECT_FALSE(IsPrime64(0));
  EXPECT_FALSE(IsPrime64(1));
  // Strong pseudoprimes to several small bases, and Carmichael numbers.
  for (u64 n : {3215031751ULL, 2152302898747ULL, 3474749660383ULL, 341550071728321ULL, 3825123056546413051ULL, 561ULL,
                41041ULL}) {
    EXPECT_FALSE(IsPrime64(n)) << n;
  }
  for (u64 p : {4294967291ULL, 4294967311ULL, 1000000000000000003ULL, 18446744073709551557ULL}) {
    EXPECT_TRUE(IsPrime64(p)) << p;
  }
}

TEST(Factoring, HardAndEdgeValuesFactorCompletely) {
  const u64 values[] = {1,
                        2,
                        1ULL << 63,
                        ~0ULL,                    // 3 * 5 * 17 * 257 * 641 * 65537 * 6700417
                        600851475143ULL,          // 71 * 839 * 1471 * 6857
                        18446743979220271189ULL,  // two 32-bit primes
                        18446744030759878681ULL,  // the square of a 32-bit prime
                        18446744073709551557ULL,  // the largest 64-bit prime
                        1000000016000000063ULL,   // 1000000007 * 1000000009
                        614889782588491410ULL};   // the product of the first 15 primes
  for (u64 v : values) {
    std::vector<PrimePower> factors;
    Factor64(v, factors);
    ExpectFactorisation(v, factors);
  }
  std::vector<PrimePower> factors;
  Factor64(18446743979220271189ULL, factors);
  ASSERT_EQ(factors.size(), 2u);
  EXPECT_EQ(factors[0].prime, 4294967279ULL);
  EXPECT_EQ(factors[1].prime, 4294967291ULL);
}

// Runs taken downwards, short and long (factored one by one or sieved), with
// steps 1 and 2, and near the top of the sieved range.
TEST(Factoring, RangesGiveTheFactorisationsOfEachValue) {
  struct Run {
    u64 low, high, step;
  };
  const Run runs[] = {{1, 5000, 1},
                      {2, 70001, 2},
                      {999999000, 1000001000, 1},
                      {(1ULL << 40) - 300000, (1ULL << 40), 2},
                      {(1ULL << 44) - 5000, (1ULL << 44) + 5000, 1},
                      {~0ULL - 200, ~0ULL, 1}};
  RangeFactorizer factorizer;
  PrimePower found[kMaxPrimesOf64];
  for (const Run& run : runs) {
    factorizer.Start(run.low, run.high);
    for (u64 v = run.high;; v -= run.step) {
      const int count = factorizer.Factor(v, found);
      std::vector<PrimePower> expected;
      Factor64(v, expected);
      ASSERT_EQ(static_cast<std::size_t>(count), expected.size()) << v;
      for (int i = 0; i < count; ++i) {
        ASSERT_EQ(found[i].prime, expected[static_cast<std::size_t>(i)].prime) << v;
        ASSERT_EQ(found[i].exponent, expected[static_cast<std::size_t>(i)].exponent) << v;
      }
      if (v < run.low + run.step) break;
    }
  }
}

// Every solution of 1/x + 1/y = a/b by trying each x in (b/a, 2b/a].
std::vector<Pair> BruteForcePairs(u64 a, u64 b, const PairLimits& limits) {
  std::vector<Pair> pairs;
  for (u64 x = 2 * b / a; x > b / a; --x) {
    const u64 t = a * x - b;
    if ((b * x) % t != 0) continue;
    const u64 y = b * x / t;
    if (y < x || (y == x && !limits.allowEqual)) continue;
    if (x <= limits.xAbove || (limits.yAtMost != 0 && y > limits.yAtMost)) continue;
    if (limits.parity != 0 && ((x % 2 == 1) != (limits.parity == 1) || (y % 2 == 1) != (limits.parity == 1))) continue;
    pairs.push_back({x, y});
  }
  return pairs;
}

std::vector<PrimePower> FactorsOf(u64 b) {
  std::vector<PrimePower> factors;
  Factor64(b, factors);
  return factors;
}

// All the pairs, in batches of `limit` from successive ceilings.
std::vector<Pair> AllPairs(u64 a, u64 b, const PairLimits& limits, std::size_t limit) {
  const std::vector<PrimePower> factors = FactorsOf(b);
  std::vector<Pair> all, batch;
  u128 ceiling = ~static_cast<u128>(0);
  for (;;) {
    const bool complete =
        SolvePairs(a, b, factors.data(), static_cast<int>(factors.size()), limits, ceiling, limit, batch);
    all.insert(all.end(), batch.begin(), batch.end());
    if (complete || batch.empty()) return all;
    ceiling = batch.back().x;
  }
}

void ExpectSamePairs(const std::vector<Pair>& found, const std::vector<Pair>& expected, u64 a, u64 b) {
  ASSERT_EQ(found.size(), expected.size()) << a << "/" << b;
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_TRUE(found[i].x == expected[i].x && found[i].y == expected[i].y) << a << "/" << b << " pair " << i;
  }
}

// A random a/b in lowest terms with random limits, false when the fraction
// drawn is not in lowest terms: b up to `largest`, or one time in `odds` one
// of the highly composite `composites`, for many divisor pairs.
bool RandomPairProblem(SmallRandom& rng, const std::vector<u64>& composites, u64 odds, u64 largest, u64& a, u64& b,
                       PairLimits& limits) {
  b = rng.Below(odds) == 0 ? composites[rng.Below(composites.size())] : 1 + rng.Below(largest);
  a = 1 + rng.Below(rng.Below(3) == 0 ? 6 : 2 * b);
  if (Gcd64(a, b) != 1) return false;
  limits.allowEqual = rng.Below(2) == 0;
  limits.parity = static_cast<int>(rng.Below(3));
  if (rng.Below(3) == 0) limits.xAbove = b / a + rng.Below(b / a + 3);
  if (rng.Below(3) == 0) limits.yAtMost = 1 + rng.Below(4 * b * b / a + 2);
  return true;
}

// Small fractions with every kind of limit, whole and in batches of 1 to 3,
// through both the direct and the meet-in-the-middle search.
TEST(PairSolver, FindsExactlyTheBruteForceSolutionsInDecreasingOrder) {
  SmallRandom rng(2);
  const std::vector<u64> composites = {720720, 360360, 2 * 3 * 5 * 7 * 11 * 13 * 4, 27720, 55440};
  for (int i = 0; i < 3000; ++i) {
    u64 a, b;
    PairLimits limits;
    if (!RandomPairProblem(rng, composites, 4, 5000, a, b, limits)) continue;
    const std::vector<Pair> expected = BruteForcePairs(a, b, limits);
    ExpectSamePairs(AllPairs(a, b, limits, 1 << 16), expected, a, b);
    ExpectSamePairs(AllPairs(a, b, limits, 1 + rng.Below(3)), expected, a, b);
  }
}

// 1/x + 1/y = 1/b with b the product of the first twelve primes: every one of
// the (3^12 - 1) / 2 coprime splits is a solution, handed out in batches.
TEST(PairSolver, ManySolutionsOfOneRemainderComeInOrderedBatches) {
  const u64 b = 7420738134810ULL;
  PairLimits limits;
  const std::vector<Pair> all = AllPairs(1, b, limits, 1 << 16);
  ASSERT_EQ(all.size(), 265720u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i > 0) {
      ASSERT_TRUE(all[i - 1].x > all[i].x) << i;
    }
    // 1/x + 1/y = 1/b, that is b*(x + y) = x*y, in exact arithmetic.
    const ZZ x = FromWord(all[i].x), y = FromWord(all[i].y);
    ASSERT_EQ(FromWord(b) * (x + y), x * y) << i;
  }
  EXPECT_TRUE(all.back().x == b + 1 && all.back().y == static_cast<u128>(b) * (b + 1));
}

// Trials over the whole range give the brute force's solutions, in order.
TEST(PairSolver, TrialsOverTheRangeFindTheSameSolutions) {
  SmallRandom rng(3);
  std::size_t solutions = 0;
  for (int i = 0; i < 2000; ++i) {
    const u64 b = rng.Below(4) == 0 ? 27720 : 1 + rng.Below(3000);
    const u64 a = 1 + rng.Below(rng.Below(3) == 0 ? 6 : 2 * b);
    if (Gcd64(a, b) != 1 || 2 * b / a <= b / a) continue;
    PairLimits limits;
    limits.allowEqual = rng.Below(2) == 0;
    limits.parity = static_cast<int>(rng.Below(3));
    if (rng.Below(3) == 0) limits.yAtMost = 1 + rng.Below(4 * b * b / a + 2);
    std::vector<Pair> found;
    TryPairs(a, b, 2 * b / a, b / a + 1, 1, limits, found);
    ExpectSamePairs(found, BruteForcePairs(a, b, limits), a, b);
    solutions += found.size();
  }
  EXPECT_GT(solutions, 1000u);
}

std::vector<Pair> WordsOf(const std::vector<WidePair>& pairs) {
  std::vector<Pair> words;
  for (const WidePair& p : pairs) words.push_back({ToU128(p.x), ToU128(p.y)});
  return words;
}

// The solver in big integers on fractions small enough for the brute force,
// whole and in batches.
TEST(WidePairSolver, FindsExactlyTheBruteForceSolutionsInDecreasingOrder) {
  SmallRandom rng(4);
  const std::vector<u64> composites = {720720, 27720, 55440, 2 * 3 * 5 * 7 * 11 * 13 * 17};
  for (int i = 0; i < 600; ++i) {
    u64 a, b;
    PairLimits limits;
    if (!RandomPairProblem(rng, composites, 3, 3000, a, b, limits)) continue;
    WideLimits wide;
    wide.xLow = FromWord(limits.xAbove + 1);
    wide.xHigh = FromWord(2 * b / a);
    wide.yHigh = FromWord(limits.yAtMost);
    wide.parity = limits.parity;
    wide.allowEqual = limits.allowEqual;
    Factorization factors;
    ASSERT_TRUE(FactorValue(FromWord(b), factors));
    const std::vector<Pair> expected = BruteForcePairs(a, b, limits);
    std::vector<WidePair> all, batch;
    ZZ ceiling(0);
    const std::size_t limit = 1 + rng.Below(3);
    for (;;) {
      const bool complete = SolveWidePairs(FromWord(a), FromWord(b), factors, wide, ceiling, limit, batch);
      all.insert(all.end(), batch.begin(), batch.end());
      if (complete || batch.empty()) break;
      ceiling = batch.back().x;
    }
    ExpectSamePairs(WordsOf(all), expected, a, b);
  }
}

// 2/Q for Q beyond 64 bits: as many solutions as Q^2 has divisors below Q that
// are congruent to -Q modulo 2, each exact, in decreasing order of x.
TEST(WidePairSolver, TwoOverLargeDenominatorsFromTheirDivisors) {
  struct Case {
    const char* q;
    std::size_t solutions;
  };
  const Case cases[] = {
      {"18446744073709551617", 4},          // 2^64 + 1 = 274177 * 67280421310721
      {"36472996377170786403", 41},         // 3^41
      {"1856910058928070412348686333", 4},  // 3 (2^89 - 1)
      {"1000000000000000000000007", 1},     // a prime
#ifdef EGYPTIAN_HAVE_FLINT
      // Two primes of 56 and 73 bits, beyond the reach of rho.
      {"340282366920938463463374607431768211457", 4},  // 2^128 + 1
#endif
  };
  for (const Case& c : cases) {
    const ZZ q = Big(c.q);
    Factorization factors;
    ASSERT_TRUE(FactorValue(q, factors, FactorEffort::kThorough)) << c.q;
    EXPECT_EQ(ProductOf(factors), q);
    for (const BigPrimePower& f : factors.bigs) EXPECT_TRUE(NTL::ProbPrime(f.prime)) << f.prime;
    WideLimits limits;
    limits.xLow = q / 2 + 1;
    limits.xHigh = q;
    std::vector<WidePair> pairs;
    ASSERT_TRUE(SolveWidePairs(ZZ(2), q, factors, limits, ZZ(0), 1000, pairs)) << c.q;
    ASSERT_EQ(pairs.size(), c.solutions) << c.q;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      EXPECT_EQ(2 * pairs[i].x * pairs[i].y, q * (pairs[i].x + pairs[i].y)) << c.q;
      if (i > 0) {
        EXPECT_LT(pairs[i].x, pairs[i - 1].x);
      }
    }
  }
}

// Values beyond 64 bits with small and large prime factors factor completely.
TEST(Factoring, ValuesBeyondWordsFactorCompletely) {
  const char* values[] = {
      "100000000000000000001",            // 73 * 137 * 1676321 * 5964848081
      "1267650600228229401496703205376",  // 2^100
      "1208925819614629174706189",        // 2^80 + 13, a prime
      "998244368971909710889394239",      // 998244353 * 1000000007 * 1000000009
#ifdef EGYPTIAN_HAVE_FLINT
      // Prime factors of 50 to 73 bits, for the elliptic curves.
      "10000000000000431000000000002257",         // (10^15 + 37) (10^16 + 61)
      "340282366920938463463374607431768211457",  // 2^128 + 1
#endif
  };
  for (const char* text : values) {
    const ZZ value = Big(text);
    Factorization factors;
    ASSERT_TRUE(FactorValue(value, factors, FactorEffort::kThorough)) << text;
    EXPECT_EQ(ProductOf(factors), value) << text;
    for (std::size_t i = 0; i < factors.words.size(); ++i) {
      EXPECT_TRUE(IsPrime64(factors.words[i].prime));
      if (i > 0) {
        EXPECT_LT(factors.words[i - 1].prime, factors.words[i].prime);
      }
    }
    for (const BigPrimePower& f : factors.bigs) EXPECT_TRUE(NTL::ProbPrime(f.prime)) << f.prime;
  }
}

// A walk whose every poll gives away all it can, as to threads that are
// always idle: each task given is walked the same way in turn. Counts the
// solutions of all of them; -1 when the tasks never run out.
class GreedySplitter final : public WalkOutput {
 public:
  long long CountAll(const SearchSetup& setup, const Task& root) {
    Chunk storage;
    chunk = &storage;
    std::vector<Task> tasks = {root};
    long long solutions = 0;
    for (int walked = 0; !tasks.empty(); ++walked) {
      if (walked == kMostTasks) return -1;
      const Task task = tasks.back();
      tasks.pop_back();
      Walk walk;
      walk.Run(setup, task, *this);
      solutions += CountIn(storage);
      storage.Reset();
      tasks.insert(tasks.end(), given_.begin(), given_.end());
      given_.clear();
    }
    return solutions;
  }

  void ChunkFull() override {
    pending_ += CountIn(*chunk);
    chunk->Reset();
  }

  bool Poll(Walk& walk) override {
    Task taken;
    while (walk.Split(taken)) given_.push_back(taken);
    return true;
  }

 private:
  static constexpr int kMostTasks = 200000;

  long long CountIn(const Chunk& c) {
    long long count = pending_;
    pending_ = 0;
    for (const Event& event : c.events) {
      if (event.kind == EventKind::kPair || event.kind == EventKind::kCompletion) ++count;
    }
    return count;
  }

  std::vector<Task> given_;
  long long pending_ = 0;
};

// Splitting loses no solution and always ends: a thread keeps at least one
// child of the frame it stands at, so that a task of one child is not handed
// on for ever (1 as four even unit fractions has a single solution, 2, 4, 6,
// 12, under a root of two children).
TEST(Walk, GreedySplittingEndsAndKeepsEverySolution) {
  struct Case {
    int p, q, type, parity, n;
    long long solutions;
  };
  const Case cases[] = {{1, 1, 2, 2, 4, 1}, {1, 1, 2, 0, 6, 2320}, {1, 1, 1, 0, 6, 3462}, {2, 3, 2, 1, 6, 185}};
  for (const Case& c : cases) {
    CalculationState& s = state;
    s.p = c.p;
    s.q = c.q;
    s.equationType = c.type;
    s.parity = c.parity;
    s.step = c.parity == 0 ? 1 : 2;
    s.minFirst = c.parity == 2 ? 2 : 1;
    s.maxLast = 0;
    s.unknownCount = c.n;
    SearchSetup setup;
    PrepareSetup(setup);
    Task root;
    root.remainder.a = setup.p;
    root.remainder.b = setup.q;
    root.remainder.factored = setup.rootFactored;
    root.remainder.factors = setup.rootFactors;
    GreedySplitter splitter;
    EXPECT_EQ(splitter.CountAll(setup, root), c.solutions) << c.p << "/" << c.q << ", n = " << c.n;
  }
}

}  // namespace
