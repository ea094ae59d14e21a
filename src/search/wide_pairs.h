// The last two unknowns from divisors when the remainder leaves machine words:
// every solution of 1/x + 1/y = a/b, a/b in lowest terms with b factored, in
// NTL integers. As in the word layer's solver, the solutions with x <= y are,
// one to one, the coprime pairs u <= v with u*v dividing b and a dividing
// u + v: x = h*b/v and y = h*b/u with h = (u + v)/a. The pairs are found by
// meeting in the middle on the ratio u/v modulo a, each half of the primes
// sending every prime power into u, into v or into neither.
#pragma once

#include <NTL/ZZ.h>

#include <cstddef>
#include <vector>

#include "search/factorization.h"

struct WideLimits {
  NTL::ZZ xLow, xHigh;  // xLow <= x <= xHigh
  NTL::ZZ yHigh;        // y <= yHigh; 0: no bound
  int parity = 0;       // 0 any, 1 both odd, 2 both even
  bool allowEqual = false;
};

struct WidePair {
  NTL::ZZ x, y;
};

// The solutions with x < ceiling (0: no ceiling) within the limits, at most
// `limit` of them with the largest x, in decreasing order of x, into `out`.
// Returns false when solutions below the last one returned were left out
// because of the limit.
bool SolveWidePairs(const NTL::ZZ& a, const NTL::ZZ& b, const Factorization& factors, const WideLimits& limits,
                    const NTL::ZZ& ceiling, std::size_t limit, std::vector<WidePair>& out);
