// The machine-word pieces of the search against plain NTL arithmetic and
// brute force: 128-bit helpers, factorisation, and the solver of the last two
// unknowns with its batches.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdint>
#include <vector>

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

// Small fractions with every kind of limit, whole and in batches of 1 to 3,
// through both the direct and the meet-in-the-middle search.
TEST(PairSolver, FindsExactlyTheBruteForceSolutionsInDecreasingOrder) {
  SmallRandom rng(2);
  for (int i = 0; i < 3000; ++i) {
    // Highly composite denominators now and then, for many divisor pairs.
    const u64 composites[] = {720720, 360360, 2 * 3 * 5 * 7 * 11 * 13 * 4, 27720, 55440};
    const u64 b = rng.Below(4) == 0 ? composites[rng.Below(5)] : 1 + rng.Below(5000);
    const u64 a = 1 + rng.Below(rng.Below(3) == 0 ? 6 : 2 * b);
    if (Gcd64(a, b) != 1) continue;
    PairLimits limits;
    limits.allowEqual = rng.Below(2) == 0;
    limits.parity = static_cast<int>(rng.Below(3));
    if (rng.Below(3) == 0) limits.xAbove = b / a + rng.Below(b / a + 3);
    if (rng.Below(3) == 0) limits.yAtMost = 1 + rng.Below(4 * b * b / a + 2);
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

}  // namespace
