// Random small problems: the program's list must be exactly what an
// independent exhaustive search finds, in strictly decreasing order, each
// solution summing to P/Q and keeping every constraint.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <random>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/solutions.h"
#include "support/transcript.h"

namespace {

using NTL::ZZ;

struct Problem {
  long p = 1, q = 1;
  bool constraints = false;
  int type = 2, parity = 0;
  long minFirst = 0, maxLast = 0, nLow = 0, nHigh = 0;
  bool excludeOne = false;
};

constexpr int kMaxLength = 5;
constexpr long kNodeBudget = 300000;

bool Admissible(const ZZ& x, const Problem& pr) {
  if (pr.parity == 1 && !NTL::IsOdd(x)) return false;
  if (pr.parity == 2 && NTL::IsOdd(x)) return false;
  if (pr.maxLast != 0 && x > pr.maxLast) return false;
  return true;
}

// Exhaustive search of x1 <= ... <= xn (strictly increasing for type 2) with
// 1/x1 + ... = num/den, largest x first at every position.
class Exhaustive {
 public:
  Exhaustive(const Problem& pr, int n) : pr_(pr), n_(n) {}

  // False when the node budget ran out before the search was complete.
  bool Run(std::vector<std::vector<ZZ>>& found) {
    std::vector<ZZ> prefix;
    ZZ least(pr_.minFirst == 0 ? 1 : pr_.minFirst);
    if (pr_.excludeOne && least < 2) least = 2;
    Visit(ZZ(pr_.p), ZZ(pr_.q), least, prefix, found);
    return nodes_ <= kNodeBudget;
  }

 private:
  void Visit(const ZZ& num, const ZZ& den, const ZZ& least, std::vector<ZZ>& prefix,
             std::vector<std::vector<ZZ>>& found) {
    if (++nodes_ > kNodeBudget) return;
    const long left = n_ - static_cast<long>(prefix.size());
    if (left == 1) {
      if (den % num != 0) return;
      ZZ x = den / num;
      if (x >= least && Admissible(x, pr_)) {
        prefix.push_back(x);
        found.push_back(prefix);
        prefix.pop_back();
      }
      return;
    }
    // 1/x < num/den, and x is the smallest of `left` reciprocals making num/den.
    ZZ low = den / num + 1;
    if (low < least) low = least;
    ZZ high = (den * left) / num;
    if (pr_.maxLast != 0 && high > pr_.maxLast) high = pr_.maxLast;
    for (ZZ x = high; x >= low; --x) {
      if (!Admissible(x, pr_)) continue;
      ZZ restNum = num * x - den;
      if (restNum <= 0) continue;
      ZZ restDen = den * x;
      ZZ g = NTL::GCD(restNum, restDen);
      prefix.push_back(x);
      Visit(restNum / g, restDen / g, pr_.type == 2 ? x + 1 : x, prefix, found);
      prefix.pop_back();
      if (nodes_ > kNodeBudget) return;
    }
  }

  const Problem& pr_;
  int n_;
  long nodes_ = 0;
};

bool OddWithEvenDenominator(const Problem& pr) {
  return pr.parity == 1 && (pr.q / NTL::conv<long>(NTL::GCD(ZZ(pr.p), ZZ(pr.q)))) % 2 == 0;
}

// The expected outcome: the first n with solutions and those solutions, or no
// n at all. False when the exhaustive search cannot settle the problem cheaply.
bool Expect(const Problem& pr, int& n, std::vector<std::vector<ZZ>>& solutions) {
  n = 0;
  solutions.clear();
  // Odd unknowns always give an odd reduced denominator.
  if (OddWithEvenDenominator(pr)) return true;
  for (int length = pr.nLow > 0 ? static_cast<int>(pr.nLow) : 1;; ++length) {
    if (pr.nHigh != 0 && length > pr.nHigh) return true;
    // n unknowns of at most M sum to at least n/M.
    if (pr.maxLast != 0 && length * pr.q > pr.p * pr.maxLast) return true;
    if (length > kMaxLength) return false;
    Exhaustive search(pr, length);
    if (!search.Run(solutions)) return false;
    if (!solutions.empty()) {
      n = length;
      return true;
    }
  }
}

Problem RandomProblem(std::mt19937& random) {
  auto pick = [&random](long low, long high) { return std::uniform_int_distribution<long>(low, high)(random); };
  Problem pr;
  if (pick(0, 4) == 0) {
    // P/Q the sum of a window v, v + step, ... that runs past M: it must not be
    // taken as a solution.
    const long step = pick(1, 2);
    const long v = pick(2, 9);
    const long k = pick(2, 3);
    ZZ num(0), den(1);
    for (long i = 0; i < k; ++i) {
      num = num * (v + i * step) + den;
      den *= v + i * step;
    }
    ZZ g = NTL::GCD(num, den);
    pr.p = NTL::conv<long>(num / g);
    pr.q = NTL::conv<long>(den / g);
    pr.constraints = true;
    pr.parity = step == 1 ? 0 : (v % 2 == 0 ? 2 : 1);
    pr.maxLast = pick(v, v + (k - 1) * step - 1);
    return pr;
  }
  pr.q = pick(1, 30);
  pr.p = pick(1, pr.q + pr.q / 2);
  pr.constraints = pick(0, 9) < 7;
  if (pr.constraints) {
    pr.type = static_cast<int>(pick(1, 2));
    pr.parity = static_cast<int>(pick(0, 2));
    pr.minFirst = pick(0, 1) ? 0 : pick(1, 8);
    // Small bounds M catch completions that would run past M.
    pr.maxLast = pick(0, 2) == 0 ? 0 : (pick(0, 1) ? pick(2, 12) : pick(2, 60));
    if (pr.minFirst != 0 && pr.maxLast != 0 && pr.minFirst >= pr.maxLast) pr.maxLast = 0;
    if (pick(0, 3) == 0) pr.nLow = pick(1, 3);
    if (pick(0, 3) == 0) pr.nHigh = pick(pr.nLow + 1, 6);
  } else if (pr.p >= pr.q) {
    pr.excludeOne = pick(0, 1) == 1;
  }
  return pr;
}

std::string ScriptFor(const Problem& pr) {
  std::string s = "2\n0\n" + std::to_string(pr.p) + "\n" + std::to_string(pr.q) + "\n";
  // The calculation ends right after the parity: the bounds are not asked.
  if (OddWithEvenDenominator(pr)) return s + "1\n" + std::to_string(pr.type) + "\n1\n0\n";
  if (pr.constraints) {
    s += "1\n" + std::to_string(pr.type) + "\n" + std::to_string(pr.parity) + "\n" + std::to_string(pr.minFirst) +
         "\n" + std::to_string(pr.maxLast) + "\n" + std::to_string(pr.nLow) + "\n" + std::to_string(pr.nHigh) + "\n";
  } else {
    s += "0\n";
    if (pr.p >= pr.q) s += pr.excludeOne ? "1\n" : "0\n";
  }
  return s + "0\n0\n0\n";
}

std::string Describe(const Problem& pr) {
  return std::to_string(pr.p) + "/" + std::to_string(pr.q) + (pr.constraints ? " type " : " no constraints") +
         (pr.constraints ? std::to_string(pr.type) + " parity " + std::to_string(pr.parity) + " N " +
                               std::to_string(pr.minFirst) + " M " + std::to_string(pr.maxLast) + " n in [" +
                               std::to_string(pr.nLow) + ", " + std::to_string(pr.nHigh) + "]"
                         : std::string(pr.excludeOne ? " without 1" : ""));
}

// Checks one listed solution on its own: exact sum, order, constraints.
void CheckSolution(const Problem& pr, const std::vector<ZZ>& x) {
  ZZ num(0), den(1);
  for (std::size_t i = 0; i < x.size(); ++i) {
    ASSERT_GE(x[i], 1);
    num = num * x[i] + den;
    den *= x[i];
    if (i > 0) {
      if (pr.type == 2) {
        EXPECT_GT(x[i], x[i - 1]);
      } else {
        EXPECT_GE(x[i], x[i - 1]);
      }
    }
    EXPECT_TRUE(Admissible(x[i], pr));
  }
  EXPECT_EQ(num * pr.q, den * pr.p) << "the solution does not sum to P/Q";
  if (pr.minFirst != 0) {
    EXPECT_GE(x[0], pr.minFirst);
  }
  if (pr.excludeOne) {
    EXPECT_GE(x[0], 2);
  }
}

TEST(SearchProperty, RandomProblemsMatchAnExhaustiveSearch) {
  const int problems = 400;
  std::mt19937 random(20261210);
  int checked = 0;
  for (int attempt = 0; checked < problems && attempt < 20 * problems; ++attempt) {
    Problem pr = RandomProblem(random);
    int n = 0;
    std::vector<std::vector<ZZ>> expected;
    if (!Expect(pr, n, expected)) continue;
    ++checked;
    SCOPED_TRACE(Describe(pr));
    ProgramRun run = RunProgram(ScriptFor(pr), 60);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.exitStatus, 1);
    std::vector<ListedSolution> listed = ListedSolutions(run.output);
    ASSERT_EQ(listed.size(), expected.size());
    std::vector<ZZ> previous;
    for (std::size_t i = 0; i < listed.size(); ++i) {
      std::vector<ZZ> x;
      for (const std::string& v : listed[i].values) x.push_back(NTL::conv<ZZ>(v.c_str()));
      ASSERT_EQ(static_cast<int>(x.size()), n);
      CheckSolution(pr, x);
      if (!previous.empty()) {
        EXPECT_TRUE(std::lexicographical_compare(x.begin(), x.end(), previous.begin(), previous.end()));
      }
      EXPECT_EQ(x, expected[i]) << "solution " << i + 1;
      previous = x;
    }
    if (n == 0) {
      const std::string noSolution = transcript::Msg(2, MsgNoSolution);
      const std::string incompatible = transcript::Msg(2, MsgIncompatible);
      EXPECT_TRUE(run.output.find(noSolution) != std::string::npos ||
                  run.output.find(incompatible) != std::string::npos);
    } else {
      EXPECT_NE(run.output.find(transcript::Msg(2, MsgAdmits) + std::to_string(expected.size()) +
                                transcript::Msg(2, MsgSolutions)),
                std::string::npos);
    }
  }
  EXPECT_EQ(checked, problems);
}

}  // namespace
