// The last two unknowns under a prefix x[1..n-2]: every (x, y) with
// 1/x + 1/y = a/b, x above x[n-2] (or equal to it, for possibly equal
// unknowns), x <= y, both admissible, at least N and at most M, handed out in
// decreasing order of x, in batches so that a node with millions of solutions
// needs no more memory than a batch.
//
// x lies in a range known before any divisor is looked at: above b/a (y is
// finite), at most 2b/a (x <= y), and with M, at least 1/(r - 1/M) (y <= M).
// A node takes one of four forms, decided once when it starts:
//  - word trial or wide trial: each admissible x of the range tried in turn,
//    when the range is narrow, or when b could not be factored;
//  - word divisors (a, b below 2^64) or wide divisors (larger): the divisor
//    pairs of b, from its factorisation.
#pragma once

#include <NTL/ZZ.h>

#include <vector>

#include "search/factorization.h"
#include "search/setup.h"
#include "search/wide_pairs.h"
#include "search/words/pair_solver.h"

enum class PairForm { kDone, kWordTrial, kWordDivisors, kWideTrial, kWideDivisors };

struct PairNode {
  PairForm form = PairForm::kDone;
  // Set when the node was started without the factorisation of b on a range
  // long enough for the divisors to pay: start it again with them if possible.
  bool wantsFactors = false;
  bool wide = false;  // the batches are in widePairs (the wide forms), not in pairs
  // Word forms: the remainder, the x still to try (trial: cursor down to low;
  // divisors: below ceiling) and the limits of the word solver.
  u64 a = 0, b = 0;
  const PrimePower* factors = nullptr;  // the caller's, kept until the node is done
  std::size_t factorCount = 0;
  PairLimits limits;
  u128 cursor = 0, low = 0;
  u128 ceiling = 0;
  // Wide forms: the same in NTL integers.
  NTL::ZZ wideA, wideB, wideCursor;
  const Factorization* wideFactors = nullptr;  // the caller's, kept until the node is done
  WideLimits wideLimits;
  NTL::ZZ wideCeiling, t1, t2, t3;
  // The last batch: `pairs` in the word forms, `widePairs` in the wide ones.
  std::vector<Pair> pairs;
  std::vector<WidePair> widePairs;
};

// Starts the node of remainder a/b (in lowest terms, both below 2^64) after
// x[n-2] = previous (0 when n = 2), with the factorisation of b when known
// (factors null otherwise), which must stay as it is until the node is done.
// False when the range of x is empty.
bool StartWordPairNode(PairNode& node, const SearchSetup& setup, u64 a, u64 b, const PrimePower* factors,
                       std::size_t factorCount, u128 previous);

// The same for any remainder, in NTL integers; it takes the word forms when
// the values allow.
bool StartPairNode(PairNode& node, const SearchSetup& setup, const NTL::ZZ& a, const NTL::ZZ& b,
                   const Factorization* factors, const NTL::ZZ& previous);

// The next batch of solutions, into node.pairs (word forms) or node.widePairs
// (wide forms), in decreasing order of x. False when the node has no more; a
// batch may be empty while a long trial goes on.
bool NextPairBatch(PairNode& node, const SearchSetup& setup);
