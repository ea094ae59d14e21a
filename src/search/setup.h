// What every thread of one search reads and none writes: the problem of the
// current n, the constraints in force, and the values derived from them once
// per n. It is built on the main thread from the calculation state before the
// search starts (the search's threads never read the calculation state).
#pragma once

#include <NTL/ZZ.h>

#include <cstdint>
#include <vector>

#include "search/factorization.h"
#include "search/words/words.h"

struct SearchSetup {
  // Word forms of N and M where they fit 128 bits (0 for M: none or too large
  // to bind a word value), M again when it fits 64 bits (else 0) with the
  // square root of M.
  u128 minFirstWord = 0;
  u128 maxLastWord = 0;
  u64 maxLast64 = 0;
  NTL::ZZ maxLastRoot;

  NTL::ZZ p, q;      // P/Q in lowest terms
  NTL::ZZ minFirst;  // N in force: admissible, at least 1
  NTL::ZZ maxLast;   // M in force; 0: none

  // With M: the least sum of k admissible values up to M, leastNum[k] /
  // leastDen[k] for k = 0..n (the k largest ones, or k times the largest for
  // type 1); possible[k] is false when fewer than k distinct admissible values
  // lie in [N, M] (type 2). And the largest product of k such values.
  std::vector<NTL::ZZ> leastNum, leastDen, largestProduct;
  std::vector<char> possible;

  // The factorisation of q, when it was cheap to find up front (q < 2^64,
  // rootFactored); otherwise RootFactors finds it on first need.
  Factorization rootFactors;

  int n = 0;
  int type = 2;    // 1: unknowns may be equal; 2: all different
  int parity = 0;  // 0 any, 1 all odd, 2 all even
  int step = 1;    // between two admissible values
  int gap = 1;     // least difference between neighbours: step for type 2, 0 for type 1
  bool hasMax = false;
  bool minFirstFits = false;
  bool rootFactored = false;
};

// Fills `setup` from the calculation state for its current n. Reads
// unknownCount, equationType, parity, step, p, q, minFirst and maxLast.
void PrepareSetup(SearchSetup& setup);

// In the every-K mode (paging answer -K, K > 1), where no prompt comes and
// only one solution in K is printed, the walks may send runs of solutions
// (search/events.h) instead of each one: the most solutions a run should
// hold for the paging answer `pageSize`, 0 when each must come alone.
std::uint64_t RunLimitFor(const NTL::ZZ& pageSize);

// The factorisation of q: the setup's own, or found once per q on first need
// (by whichever thread needs it first; the others wait). Null when q could
// not be factored.
const Factorization* RootFactors(const SearchSetup& setup);
