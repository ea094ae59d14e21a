// The children of a prefix: which values the next unknown x[c] (c = level + 1)
// can take, for a prefix x[1..level] with k = n - level >= 2 unknowns left
// and remainder r = a/b.
//
// The first value U is the classic level bound: floor(k/r) for possibly equal
// unknowns; for different ones the first window start v (from the larger of
// floor(1/r) + 1 and x[level] + step, one admissible value at a time) whose
// window sum S(v) = 1/v + 1/(v + step) + ... (k terms) is at most r, which no
// solution can exceed (any solution has S(x[c]) >= r). It is capped by M and
// rounded down to the parity. When r is exactly k/U, or S(U), the completion
// from U (all equal to U, or the window from U) is the only solution with
// x[c] = U, and the other children start below U.
//
// Every cut below is a necessary condition of any solution under the prefix,
// so the children and completions kept are exactly those that hold solutions
// or may hold them: with M, the k unknowns are admissible values in [x[c], M],
//  - r is at least the least sum of k such values (the k largest ones);
//  - x[c] leaves at least the least sum of k - 1 of them: x[c] >= 1/(r - that);
//  - b divides the lcm of the unknowns, so b is at most their product, and
//    every prime power p^e exactly dividing b divides one of them: each has an
//    admissible multiple in [x[c], M], and no two above sqrt(M) can share one,
//    so there are at most k of those.
#pragma once

#include <NTL/ZZ.h>

#include "search/remainder.h"
#include "search/setup.h"

struct ChildRange {
  bool completion = false;  // x[c..n] from `first` is a solution
  NTL::ZZ first;            // U
  NTL::ZZ next, lowest;     // the other children: next, next - step, ..., lowest (none when next < lowest)
};

// Scratch of ComputeChildRange, one per thread.
struct BoundsWork {
  NTL::ZZ t1, t2, t3, t4, t5, start, lowIndex, highIndex, middleIndex;
};

// The children of the prefix whose last value is `previous` (0 at level 0).
void ComputeChildRange(const SearchSetup& setup, int level, const NTL::ZZ& previous, const Remainder& r,
                       ChildRange& range, BoundsWork& work);

// The lower bound that the backtracking of the classic search keeps for x[c],
// c < n: the smallest admissible value above floor(b/a), raised to N.
void BacktrackLowerBound(const SearchSetup& setup, const NTL::ZZ& a, const NTL::ZZ& b, NTL::ZZ& bound);

// Rounds `value` up (or down) to the nearest admissible value.
void RoundUpToParity(const SearchSetup& setup, NTL::ZZ& value);
void RoundDownToParity(const SearchSetup& setup, NTL::ZZ& value);
