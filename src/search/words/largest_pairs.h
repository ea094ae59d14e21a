// The bounded list of solution pairs that a pair solver collects: at most
// `limit` of them, those of largest x, handed out by decreasing x. The same
// for pairs of words and of big integers (any type with a member x and <).
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// A node has a pair or two as a rule: insertion sorts them at once.
constexpr std::size_t kInsertionSortLimit = 16;

// Keeps the `limit` pairs of largest x (in no order) once the list holds twice
// that many, so that it stays short however many pairs are offered. Returns
// true when it dropped some; `floor` is then the least x kept, below which no
// pair need be offered again.
template <class PairT, class X>
bool KeepLargestPairs(std::vector<PairT>& pairs, std::size_t limit, X& floor) {
  if (pairs.size() < 2 * limit) return false;
  std::nth_element(pairs.begin(), pairs.begin() + static_cast<long>(limit - 1), pairs.end(),
                   [](const PairT& l, const PairT& r) { return r.x < l.x; });
  pairs.resize(limit);
  floor = pairs[limit - 1].x;
  return true;
}

// Sorts the pairs by decreasing x and keeps the first `limit`: false when it
// dropped some.
template <class PairT>
bool SortLargestPairs(std::vector<PairT>& pairs, std::size_t limit) {
  if (pairs.size() <= kInsertionSortLimit) {
    for (std::size_t i = 1; i < pairs.size(); ++i) {
      PairT pair = pairs[i];
      std::size_t j = i;
      for (; j > 0 && pairs[j - 1].x < pair.x; --j) pairs[j] = pairs[j - 1];
      pairs[j] = pair;
    }
  } else {
    std::sort(pairs.begin(), pairs.end(), [](const PairT& l, const PairT& r) { return r.x < l.x; });
  }
  if (pairs.size() <= limit) return true;
  pairs.resize(limit);
  return false;
}
