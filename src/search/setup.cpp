#include "search/setup.h"

#include <algorithm>
#include <mutex>

#include "calculation/calculation.h"
#include "search/zz_words.h"

namespace {

using NTL::ZZ;

// The least sums and largest products are kept for at most this many unknowns:
// each entry has k times the bits of M, and the cuts they serve matter on the
// last levels. Levels with more unknowns left go without those cuts.
constexpr int kBoundedLevels = 64;

// Fills the least sums of k admissible values up to M and their largest
// products, k = 0 .. min(n, kBoundedLevels).
void PrepareLeastSums(SearchSetup& s) {
  const int count = std::min(s.n, kBoundedLevels) + 1;
  s.leastNum.assign(static_cast<std::size_t>(count), ZZ(0));
  s.leastDen.assign(static_cast<std::size_t>(count), ZZ(1));
  s.largestProduct.assign(static_cast<std::size_t>(count), ZZ(1));
  s.possible.assign(static_cast<std::size_t>(count), 1);
  ZZ value;
  for (std::size_t k = 1; k < static_cast<std::size_t>(count); ++k) {
    // The k-th value: M again for type 1, the next one down for type 2.
    value = s.maxLast;
    if (s.type == 2) value -= static_cast<long>(k - 1) * s.step;
    s.possible[k] = s.possible[k - 1] && value >= s.minFirst;
    if (!s.possible[k]) {
      s.leastNum[k] = s.leastNum[k - 1];
      s.leastDen[k] = s.leastDen[k - 1];
      s.largestProduct[k] = s.largestProduct[k - 1];
      continue;
    }
    s.leastNum[k] = s.leastNum[k - 1] * value + s.leastDen[k - 1];
    s.leastDen[k] = s.leastDen[k - 1] * value;
    s.largestProduct[k] = s.largestProduct[k - 1] * value;
  }
}

// The factorisation of the last q that needed one beyond words.
struct RootCache {
  std::mutex lock;
  bool tried = false;
  bool found = false;
  ZZ q;
  Factorization factors;
};

RootCache& Cache() {
  static RootCache cache;
  return cache;
}

}  // namespace

void PrepareSetup(SearchSetup& s) {
  const CalculationState& c = state;
  s.n = c.unknownCount;
  s.type = c.equationType;
  s.parity = c.parity;
  s.step = c.step;
  s.gap = s.type == 2 ? s.step : 0;
  s.p = c.p;
  s.q = c.q;
  s.minFirst = c.minFirst;
  s.maxLast = c.maxLast;
  s.hasMax = !NTL::IsZero(s.maxLast);
  s.minFirstFits = FitsU128(s.minFirst);
  s.minFirstWord = s.minFirstFits ? ToU128(s.minFirst) : 0;
  s.maxLastWord = s.hasMax && FitsU128(s.maxLast) ? ToU128(s.maxLast) : 0;
  s.maxLast64 = s.hasMax && FitsU64(s.maxLast) ? ToU64(s.maxLast) : 0;
  NTL::SqrRoot(s.maxLastRoot, s.maxLast);
  if (s.hasMax) PrepareLeastSums(s);
  s.rootFactored = FitsU64(s.q);
  s.rootFactors.Clear();
  if (s.rootFactored) Factor64(ToU64(s.q), s.rootFactors.words);
}

std::uint64_t RunLimitFor(const NTL::ZZ& pageSize) {
  // A run holding a printed solution is walked again on the main thread to
  // find it: with runs of at most K/16 solutions, at most about one solution
  // in 16 is walked twice. Below K = 256 runs would gain too little.
  constexpr std::uint64_t kLeastStride = 256;
  constexpr std::uint64_t kRunsPerStride = 16;
  if (NTL::sign(pageSize) >= 0) return 0;
  // K saturated far beyond any count of solutions.
  const std::uint64_t stride = NTL::NumBits(pageSize) > 62 ? std::uint64_t{1} << 62 : LowU64(NTL::abs(pageSize));
  return stride < kLeastStride ? 0 : stride / kRunsPerStride;
}

const Factorization* RootFactors(const SearchSetup& setup) {
  if (setup.rootFactored) return &setup.rootFactors;
  RootCache& cache = Cache();
  std::lock_guard<std::mutex> guard(cache.lock);
  if (!cache.tried || cache.q != setup.q) {
    cache.q = setup.q;
    cache.tried = true;
    cache.found = FactorValue(setup.q, cache.factors, FactorEffort::kThorough);
  }
  return cache.found ? &cache.factors : nullptr;
}
