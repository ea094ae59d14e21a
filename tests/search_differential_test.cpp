// The program against the step-by-step search it was made faster than
// (egyptian_reference, the same program on the one-move-at-a-time search):
// both must print the same bytes for the same answers. Worked examples with
// every paging answer at every prompt, then random scripts of several
// calculations each; the program runs on one to four worker threads in turn.
//
// A longer run: EGYPTIAN_DIFFERENTIAL_SCRIPTS=N (default 400, 8 calculations
// each) and EGYPTIAN_DIFFERENTIAL_SEED=S (the first seed, default 1), e.g.
//   EGYPTIAN_DIFFERENTIAL_SCRIPTS=20000 build/tests/search_differential_test
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogue/word_conversions.h"
#include "support/run_program.h"
#include "support/small_random.h"

namespace {

using Answers = std::vector<std::string>;

constexpr int kSeconds = 120;

// Where two outputs part, with some context.
std::string Parting(const std::string& fast, const std::string& slow) {
  std::size_t at = 0;
  while (at < fast.size() && at < slow.size() && fast[at] == slow[at]) ++at;
  const std::size_t from = at > 300 ? at - 300 : 0;
  return "outputs differ at byte " + std::to_string(at) + "\n--- program:\n" + fast.substr(from, 600) +
         "\n--- reference:\n" + slow.substr(from, 600);
}

// Where the two transcripts part, with some context, or "" when they agree.
// The program searches on `threads` worker threads.
std::string Difference(const std::string& script, int threads = 2) {
  setenv("EGYPTIAN_THREADS", std::to_string(threads).c_str(), 1);
  const ProgramRun fast = RunProgram(script, kSeconds);
  const ProgramRun slow = RunProgram(script, kSeconds, ReferenceProgramPath());
  if (fast.timedOut || slow.timedOut) return fast.timedOut ? "the program timed out" : "the reference timed out";
  if (fast.exitStatus != slow.exitStatus) {
    return "exit status " + std::to_string(fast.exitStatus) + " against " + std::to_string(slow.exitStatus);
  }
  if (fast.output == slow.output) return "";
  return "on " + std::to_string(threads) + " threads, " + Parting(fast.output, slow.output);
}

std::string Script(const Answers& answers) {
  std::string script;
  for (const std::string& a : answers) script += a + "\n";
  return script;
}

// English, no explanations, one calculation, then the end. Paging answers left
// over are refused by "New calculation?" until its 0.
std::string OneCalculation(const Answers& problem, const Answers& paging) {
  Answers all = {"2", "0"};
  all.insert(all.end(), problem.begin(), problem.end());
  all.insert(all.end(), paging.begin(), paging.end());
  all.push_back("0");
  return Script(all);
}

struct Example {
  const char* name;
  Answers problem;  // from P on, the paging answers excluded
};

// P, Q, then 0 (no constraints) or 1, type, parity, N, M, lower and upper bound
// of n; without constraints and P/Q >= 1, the exclusion of the value 1.
const Example kExamples[] = {
    {"ThreeSeventhsType2", {"3", "7", "0"}},
    {"ThreeSeventhsType1", {"3", "7", "1", "1", "0", "0", "0", "0", "0"}},
    {"ThreeSeventhsUpToHundred", {"3", "7", "1", "2", "0", "0", "100", "0", "0"}},
    {"SevenTwelfths", {"7", "12", "0"}},
    {"FourFifthsFromThree", {"4", "5", "1", "2", "0", "3", "0", "0", "0"}},
    {"FiveSixthsFromThree", {"5", "6", "1", "2", "0", "3", "0", "0", "0"}},
    {"TwoThirdsOdd", {"2", "3", "1", "2", "1", "0", "0", "0", "0"}},
    {"OneEven", {"1", "1", "1", "2", "2", "0", "0", "0", "0"}},
    {"OneWithoutTheValueOne", {"1", "1", "0", "1"}},
    {"OneFifth", {"1", "5", "0"}},
    {"EightTenths", {"8", "10", "0"}},
    {"FortyThreeOverFiftySixFromThree", {"43", "56", "1", "2", "0", "3", "0", "0", "0"}},
    {"FourteenOverThirtyThreeFromFive", {"14", "33", "1", "2", "0", "5", "0", "0", "0"}},
    {"ThreeFifthsOddType1", {"3", "5", "1", "1", "1", "0", "0", "0", "0"}},
    {"FourFifthsOddType1", {"4", "5", "1", "1", "1", "0", "0", "0", "0"}},
    {"OneThirdEvenType1", {"1", "3", "1", "1", "2", "0", "0", "0", "0"}},
    {"FourFifthsUpToTenType1", {"4", "5", "1", "1", "0", "0", "10", "0", "0"}},
    {"FourFifthsFromThreeType1", {"4", "5", "1", "1", "0", "3", "0", "0", "0"}},
    {"EighteenSeventhsUpToTwelveType1", {"18", "7", "1", "1", "0", "0", "12", "0", "0"}},
    {"ThreeHalves", {"3", "2", "0", "0"}},
    {"TwoType1", {"2", "1", "1", "1", "0", "0", "0", "0", "0"}},
    {"ThreeHalvesTwoToThreeType1", {"3", "2", "1", "1", "0", "2", "3", "0", "10"}},
    {"TwoOneToThreeNoSolution", {"2", "1", "1", "2", "0", "1", "3", "0", "10"}},
    {"TenthUpToFiveNoSolution", {"1", "10", "1", "2", "0", "0", "5", "0", "0"}},
    {"UpToOneEvenNoSolution", {"1", "2", "1", "2", "2", "0", "1", "0", "0"}},
    {"ThirteenOverTwentyFourEvenUpToSix", {"13", "24", "1", "2", "2", "0", "6", "0", "0"}},
    {"TwoHundredNinetyNineOverNineHundredNinetyUpToTen", {"299", "990", "1", "2", "0", "0", "10", "0", "0"}},
    // Larger searches that the step-by-step search still finishes quickly.
    {"OneAsSixDistinct", {"1", "1", "1", "2", "0", "0", "0", "6", "0"}},
    {"OneAsSixPossiblyEqual", {"1", "1", "1", "1", "0", "0", "0", "6", "0"}},
    {"FiveOverHundredTwentyOne", {"5", "121", "0"}},
    {"FourOverThousandNine", {"4", "1009", "0"}},
    {"TwoThirdsOddFromSixUnknowns", {"2", "3", "1", "2", "1", "0", "0", "6", "0"}},
    {"ThreeSeventhsType1UpToTenThousandFiveUnknowns", {"3", "7", "1", "1", "0", "0", "10000", "5", "0"}},
    // Bounded by M: cut by the least sums and the prime powers of the remainders.
    {"FourSeventeenthsUpToHundred", {"4", "17", "1", "2", "0", "0", "100", "0", "0"}},
    {"FiveOverHundredTwentyOneUpToHundredFiftyNoSolution", {"5", "121", "1", "2", "0", "0", "150", "0", "0"}},
    {"FourSeventeenthsType1UpToForty", {"4", "17", "1", "1", "0", "0", "40", "0", "0"}},
    {"ThreeOverThirtySevenOddUpToThreeHundred", {"3", "37", "1", "2", "1", "0", "300", "0", "0"}},
    // Remainders beyond machine words.
    {"BeyondWordsTwoUnknowns", {"18446744073709551617", "36893488147419103232", "0"}},
    {"BeyondWordsThreeUnknowns", {"36893488147419103233", "55340232221128654848", "0"}},
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

class DifferentialExample : public ::testing::TestWithParam<Example> {};

// Every paging answer kind, and -1 at each of the first prompts: also at the
// prompt of the step that ends the search, where the summary still follows.
TEST_P(DifferentialExample, SameTranscriptWhateverThePagingAnswers) {
  const Example& example = GetParam();
  std::vector<Answers> pagings = {{"0"}, {"-3"}, {"3", "-2"}, {"2", "0"}, {"+1", "+1", "-1000000000"}};
  for (int k = 0; k <= 12; ++k) {
    Answers paging(static_cast<std::size_t>(k), "+1");
    paging.push_back("-1");
    pagings.push_back(paging);
  }
  for (std::size_t i = 0; i < pagings.size(); ++i) {
    const std::string script = OneCalculation(example.problem, pagings[i]);
    EXPECT_EQ(Difference(script, static_cast<int>(i % 4) + 1), "") << "script:\n" << script;
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, DifferentialExample, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& test) { return test.param.name; });

// One calculation with small numbers, so that the step-by-step search ends
// quickly: at most 5 unknowns, and 4 beyond Q = 12.
Answers RandomCalculation(SmallRandom& rng) {
  const int q = rng.Between(1, 40);
  const int p = rng.Between(1, q + q / 2);
  Answers a = {std::to_string(p), std::to_string(q)};
  if (rng.OneIn(5)) {
    a.push_back("0");
    if (p >= q) a.push_back(std::to_string(rng.Below(2)));
  } else {
    a.push_back("1");
    a.push_back(std::to_string(rng.Between(1, 2)));
    const int parities[] = {0, 0, 1, 2};
    const int parity = parities[rng.Below(4)];
    a.push_back(std::to_string(parity));
    // Odd unknowns for an even reduced denominator: the calculation ends here.
    if (parity == 1 && (q / std::gcd(p, q)) % 2 == 0) return a;
    const int minFirst = rng.OneIn(3) ? rng.Between(1, 6) : 0;
    int maxLast = rng.OneIn(3) ? rng.Between(2, 120) : 0;
    if (minFirst != 0 && maxLast != 0 && minFirst >= maxLast) maxLast = 0;
    const int highest = q <= 12 ? 5 : 4;
    const int low = rng.OneIn(4) ? rng.Between(1, highest - 1) : 0;
    const int high = rng.Between(low + 1, highest);
    a.push_back(std::to_string(minFirst));
    a.push_back(std::to_string(maxLast));
    a.push_back(std::to_string(low));
    a.push_back(std::to_string(high));
  }
  // Pages of K, then a last answer that asks no more: -1, -K or 0.
  const char* pages[] = {"+1", "2", "3", "5"};
  for (int i = rng.Between(0, 3); i > 0; --i) a.push_back(pages[rng.Below(4)]);
  const char* last[] = {"-1", "-1", "-2", "-3", "-7", "-1000", "0"};
  a.push_back(last[rng.Below(7)]);
  return a;
}

// Several calculations in a row: after each, "New calculation?" refuses any
// paging answer left over and takes the 1 that starts the next one (or a 0
// given as a paging answer ends the script early, the same way in both).
std::string RandomScript(std::uint64_t seed, int calculations) {
  SmallRandom rng(seed);
  Answers all = {"2", "0"};
  for (int i = 0; i < calculations; ++i) {
    const Answers calculation = RandomCalculation(rng);
    all.insert(all.end(), calculation.begin(), calculation.end());
    all.push_back(i + 1 < calculations ? "1" : "0");
  }
  all.push_back("0");
  return Script(all);
}

long EnvironmentNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtol(text, nullptr, 10);
}

TEST(DifferentialRandom, SameTranscriptOnRandomProblemsAndPagingAnswers) {
  const long scripts = EnvironmentNumber("EGYPTIAN_DIFFERENTIAL_SCRIPTS", 400);
  const long first = EnvironmentNumber("EGYPTIAN_DIFFERENTIAL_SEED", 1);
  int failures = 0;
  for (long seed = first; seed < first + scripts && failures < 5; ++seed) {
    const std::string script = RandomScript(static_cast<std::uint64_t>(seed), 8);
    const std::string difference = Difference(script, static_cast<int>(seed % 4) + 1);
    if (difference.empty()) continue;
    ++failures;
    ADD_FAILURE() << "seed " << seed << " (EGYPTIAN_DIFFERENTIAL_SEED=" << seed
                  << " EGYPTIAN_DIFFERENTIAL_SCRIPTS=1): " << difference << "\nscript:\n"
                  << script;
  }
}

// Sums of one to three small unit fractions and one of 58 to 70 bits: P and Q
// beyond machine words whose searches both end quickly, since the remainders
// keep large numerators.
TEST(DifferentialRandom, SameTranscriptBeyondMachineWords) {
  SmallRandom rng(7);
  for (int i = 0; i < 30; ++i) {
    const int small = rng.Between(1, 3);
    NTL::ZZ p(0), q(1), x;
    std::vector<int> used;
    for (int j = 0; j < small; ++j) {
      int value = rng.Between(2, 29);
      while (std::find(used.begin(), used.end(), value) != used.end()) value = rng.Between(2, 29);
      used.push_back(value);
      x = value;
      p = p * x + q;
      q *= x;
    }
    SetFromU64(x, (rng.Next() >> 6) | (std::uint64_t{1} << 57));
    x = x * (1L << rng.Between(0, 12)) + 1;
    p = p * x + q;
    q *= x;
    const NTL::ZZ g = NTL::GCD(p, q);
    p /= g;
    q /= g;
    std::ostringstream pText, qText;
    pText << p;
    qText << q;
    Answers problem = {pText.str(), qText.str()};
    if (small <= 2 && rng.OneIn(2)) {
      problem.push_back("0");
      if (p >= q) problem.push_back("0");
    } else {
      problem.insert(problem.end(), {"1", "2", "0", "0", "0", "0", "4"});
    }
    const std::string script = OneCalculation(problem, {"0"});
    EXPECT_EQ(Difference(script), "") << "script:\n" << script;
  }
}

// P/Q = 1/x1 + 1/x2 + 1/x3, or 1/x2 + 1/x3, with x1 below 10, x2 of 3000 to
// 20000 and x3 the product of two or three primes of 28 to 46 bits: the last
// two unknowns under x1 have remainders beyond 64 (and often 128) bits with
// few divisors over long ranges, which the program takes from the divisors and
// the step-by-step search scans. With possibly equal unknowns now and then,
// and a bound M that the solution meets.
TEST(DifferentialRandom, SameTranscriptWithDivisorsBeyondMachineWords) {
  SmallRandom rng(11);
  for (int i = 0; i < 16; ++i) {
    NTL::ZZ big(1);
    for (int j = rng.Between(2, 3); j > 0; --j) {
      big *= NTL::NextPrime(NTL::conv<NTL::ZZ>(static_cast<unsigned long>(rng.Next() >> rng.Between(18, 36))));
    }
    NTL::ZZ p(1), q(rng.Between(3000, 20000));
    p = p * big + q;
    q *= big;
    if (!rng.OneIn(3)) {
      const NTL::ZZ x1(rng.Between(2, 9));
      p = p * x1 + q;
      q *= x1;
    }
    const NTL::ZZ g = NTL::GCD(p, q);
    p /= g;
    q /= g;
    std::ostringstream pText, qText, maxText;
    pText << p;
    qText << q;
    maxText << big * 2;
    Answers problem = {pText.str(), qText.str()};
    switch (rng.Below(3)) {
      case 0: problem.push_back("0"); break;
      case 1: problem.insert(problem.end(), {"1", "1", "0", "0", "0", "0", "0"}); break;
      default: problem.insert(problem.end(), {"1", "2", "0", "0", maxText.str(), "0", "0"}); break;
    }
    const Answers pagings[] = {{"0"}, {"-3"}, {"+1", "-1"}};
    const std::string script = OneCalculation(problem, pagings[rng.Below(3)]);
    EXPECT_EQ(Difference(script, i % 4 + 1), "") << "script:\n" << script;
  }
}

// Bounded by M without a solution for any n: the program cuts nearly all of
// what the step-by-step search goes through, and stops raising n early.
TEST(DifferentialRandom, SameTranscriptWithoutSolutionUpToM) {
  EXPECT_EQ(Difference(OneCalculation({"4", "17", "1", "2", "0", "0", "50", "0", "0"}, {"0"})), "");
}

// Every K-th solution with K from 256 on: the threads send runs of solutions,
// and the printed ones are found by walking their runs again. Thousands of
// solutions, so that printed ones fall inside runs, from the first page on or
// after pages of one and two.
TEST(DifferentialRuns, SameTranscriptWhenOnlyEveryKthSolutionIsPrinted) {
  const Answers problems[] = {
      {"1", "1", "1", "2", "0", "0", "0", "6", "0"},
      {"1", "1", "1", "1", "0", "0", "0", "6", "0"},
      {"3", "7", "1", "1", "0", "0", "10000", "5", "0"},
  };
  const Answers pagings[] = {{"-256"}, {"+1", "-300"}, {"2", "-257"}, {"-1000"}, {"-677"}};
  int run = 0;
  for (const Answers& problem : problems) {
    for (const Answers& paging : pagings) {
      const std::string script = OneCalculation(problem, paging);
      EXPECT_EQ(Difference(script, run++ % 4 + 1), "") << "script:\n" << script;
    }
  }
}

}  // namespace
