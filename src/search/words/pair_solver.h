// The last two unknowns at once: every solution of 1/x + 1/y = a/b, in words.
//
// From divisors: with a/b in lowest terms, the solutions with x <= y are, one to one, the
// coprime pairs u <= v with u*v dividing b and a dividing u + v: then
// x = h*b/v and y = h*b/u with h = (u + v)/a. The pairs are found from the
// factorisation of b, meeting in the middle on the ratio u/v modulo a, so that
// the work grows with the square root of the number of divisor pairs.
#pragma once

#include <vector>

#include "search/words/factoring.h"

struct PairLimits {
  u128 xAbove = 0;   // x > xAbove
  u128 yAtMost = 0;  // y <= yAtMost; 0: no bound
  int parity = 0;    // 0 any, 1 both odd, 2 both even
  bool allowEqual = false;
};

struct Pair {
  u128 x, y;
};

// The solutions with ceiling > x, the largest `limit` of them by x, in
// decreasing order of x. `factors` is the factorisation of b (b < 2^64, a
// and b coprime). Returns false when solutions below the last one returned
// were left out because of the limit.
bool SolvePairs(u64 a, u64 b, const PrimePower* factors, int factorCount, const PairLimits& limits, u128 ceiling,
                std::size_t limit, std::vector<Pair>& out);

// One x at a time, for narrow ranges: with t = a*x - b, (a*x - b)(a*y - b) = b^2,
// so x has a partner exactly when t divides b^2, and then y = (b + b^2/t)/a
// is an integer. Appends the solutions with x = high, high - step, ... down to
// `low` (x > b/a, a and b coprime, b < 2^64), in decreasing order of x.
void TryPairs(u64 a, u64 b, u128 high, u128 low, u64 step, const PairLimits& limits, std::vector<Pair>& out);
