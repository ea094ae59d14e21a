#include "search/words/pair_solver.h"

#include <algorithm>
#include <cstdint>

namespace {

// Up to this many divisor pairs in all, every pair is tried directly.
constexpr u64 kDirectPairs = 64;

// One half of the primes of b: every way of sending each prime power into u,
// into v or into neither, with the ratio u/v (or v/u) modulo a.
struct Entry {
  u64 key, u, v;
};

// Chained hash of halfB's keys; a bucket counts only when stamped with the
// current generation, so that nothing needs clearing between calls.
struct Bucket {
  std::uint32_t stamp;
  std::int32_t head;
};

// The solver's working storage, one per thread, reused from call to call.
struct Workspace {
  std::vector<Entry> halfA, halfB;  // A holds v/u, B holds u/v: a match is keyA = -keyB
  std::vector<u64> inverses;
  std::vector<int> order, membersA, membersB;
  std::vector<Bucket> buckets;
  std::vector<std::int32_t> chainNext;
  std::uint32_t generation = 0;
};

thread_local Workspace work;

inline std::size_t BucketOf(u64 key, int bucketBits) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - bucketBits));
}

class Collector {
 public:
  Collector(u64 a, u64 b, const PairLimits& limits, u128 ceiling, std::size_t limit, std::vector<Pair>& out)
      : a_(a), b_(b), limits_(limits), ceiling_(ceiling), limit_(limit), out_(out) {}

  // u and v coprime, u*v dividing b, a dividing u + v.
  void Offer(u64 u, u64 v) {
    if (u > v || (u == v && !(u == 1 && limits_.allowEqual))) return;
    const u128 h = (static_cast<u128>(u) + v) / a_;
    const u128 x = h * (b_ / v);
    if (x >= ceiling_ || x <= limits_.xAbove || x <= floor_) return;
    const u128 y = h * (b_ / u);
    if (limits_.yAtMost != 0 && y > limits_.yAtMost) return;
    if (limits_.parity != 0) {
      const bool odd = limits_.parity == 1;
      if (((x & 1) == 1) != odd || ((y & 1) == 1) != odd) return;
    }
    out_.push_back({x, y});
    if (out_.size() >= 2 * limit_) KeepLargest();
  }

  bool Finish() {
    std::sort(out_.begin(), out_.end(), [](const Pair& l, const Pair& r) { return l.x > r.x; });
    if (out_.size() > limit_) {
      out_.resize(limit_);
      complete_ = false;
    }
    return complete_;
  }

 private:
  void KeepLargest() {
    std::nth_element(out_.begin(), out_.begin() + static_cast<long>(limit_ - 1), out_.end(),
                     [](const Pair& l, const Pair& r) { return l.x > r.x; });
    out_.resize(limit_);
    floor_ = out_[limit_ - 1].x;
    complete_ = false;
  }

  u64 a_, b_;
  const PairLimits& limits_;
  u128 ceiling_;
  std::size_t limit_;
  std::vector<Pair>& out_;
  u128 floor_ = 0;
  bool complete_ = true;
};

// Every assignment of the prime powers, tried one by one.
void TryAll(const PrimePower* factors, int count, u64 a, bool checkSum, u64 u, u64 v, Collector& collector) {
  if (count == 0) {
    if (checkSum) {
      const u128 sum = static_cast<u128>(u) + v;
      if (((sum >> 64) == 0 ? Low64(sum) % a : ModWide(sum, a)) != 0) return;
    }
    collector.Offer(u, v);
    return;
  }
  TryAll(factors + 1, count - 1, a, checkSum, u, v, collector);
  u64 power = 1;
  for (int e = 1; e <= factors->exponent; ++e) {
    power *= factors->prime;
    TryAll(factors + 1, count - 1, a, checkSum, u * power, v, collector);
    TryAll(factors + 1, count - 1, a, checkSum, u, v * power, collector);
  }
}

// factors[i] for i in `members` go into `half`; `inverted` keeps v/u instead of u/v.
void FillHalf(const PrimePower* factors, const std::vector<int>& members, u64 a, bool inverted,
              std::vector<Entry>& half) {
  half.assign(1, {1 % a, 1, 1});
  for (int index : members) {
    const PrimePower& f = factors[index];
    const std::size_t before = half.size();
    const u64 prime = f.prime % a;
    const u64 inverse = work.inverses[static_cast<std::size_t>(index)];
    const u64 up = inverted ? inverse : prime;
    const u64 down = inverted ? prime : inverse;
    u64 power = 1, upPower = 1, downPower = 1;
    for (int e = 1; e <= f.exponent; ++e) {
      power *= f.prime;
      upPower = MulMod(upPower, up, a);
      downPower = MulMod(downPower, down, a);
      for (std::size_t i = 0; i < before; ++i) {
        const Entry entry = half[i];
        half.push_back({MulMod(entry.key, upPower, a), entry.u * power, entry.v});
        half.push_back({MulMod(entry.key, downPower, a), entry.u, entry.v * power});
      }
    }
  }
}

// Inverses of the primes modulo a with a single modular inversion.
void InvertPrimes(const PrimePower* factors, int count, u64 a) {
  std::vector<u64>& inverses = work.inverses;
  inverses.resize(static_cast<std::size_t>(count));
  u64 product = 1;
  for (int i = 0; i < count; ++i) {
    inverses[static_cast<std::size_t>(i)] = product;  // product of the primes before i
    product = MulMod(product, factors[i].prime % a, a);
  }
  u64 inverse = InverseMod(product, a);
  for (int i = count - 1; i >= 0; --i) {
    inverses[static_cast<std::size_t>(i)] = MulMod(inverses[static_cast<std::size_t>(i)], inverse, a);
    inverse = MulMod(inverse, factors[i].prime % a, a);
  }
}

void MeetInTheMiddle(const PrimePower* factors, int count, u64 a, Collector& collector) {
  Workspace& w = work;
  std::vector<int>& order = w.order;
  std::vector<int>& membersA = w.membersA;
  std::vector<int>& membersB = w.membersB;
  std::vector<Entry>& halfA = w.halfA;
  std::vector<Entry>& halfB = w.halfB;
  std::vector<Bucket>& buckets = w.buckets;
  std::vector<std::int32_t>& chainNext = w.chainNext;
  InvertPrimes(factors, count, a);
  // Balance the two halves by their numbers of assignments.
  order.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
  std::sort(order.begin(), order.end(), [&](int l, int r) { return factors[l].exponent > factors[r].exponent; });
  membersA.clear();
  membersB.clear();
  u64 sizeA = 1, sizeB = 1;
  for (int index : order) {
    const u64 ways = 2 * static_cast<u64>(factors[index].exponent) + 1;
    if (sizeA <= sizeB) {
      membersA.push_back(index);
      sizeA *= ways;
    } else {
      membersB.push_back(index);
      sizeB *= ways;
    }
  }
  FillHalf(factors, membersA, a, true, halfA);
  FillHalf(factors, membersB, a, false, halfB);

  const std::size_t entries = halfB.size();
  int bucketBits = 1;
  while ((static_cast<std::size_t>(1) << bucketBits) < 2 * entries) ++bucketBits;
  const std::size_t bucketCount = static_cast<std::size_t>(1) << bucketBits;
  if (buckets.size() < bucketCount) {
    buckets.assign(bucketCount, {0, -1});
    w.generation = 0;
  }
  if (++w.generation == 0) {
    std::fill(buckets.begin(), buckets.end(), Bucket{0, -1});
    w.generation = 1;
  }
  const std::uint32_t generation = w.generation;
  chainNext.resize(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    Bucket& bucket = buckets[BucketOf(halfB[i].key, bucketBits)];
    if (bucket.stamp != generation) {
      bucket.stamp = generation;
      bucket.head = -1;
    }
    chainNext[i] = bucket.head;
    bucket.head = static_cast<std::int32_t>(i);
  }
  for (const Entry& entry : halfA) {
    const u64 wanted = entry.key == 0 ? 0 : a - entry.key;
    const Bucket& bucket = buckets[BucketOf(wanted, bucketBits)];
    if (bucket.stamp != generation) continue;
    for (std::int32_t j = bucket.head; j >= 0; j = chainNext[static_cast<std::size_t>(j)]) {
      const Entry& match = halfB[static_cast<std::size_t>(j)];
      if (match.key == wanted) collector.Offer(entry.u * match.u, entry.v * match.v);
    }
  }
}

}  // namespace

bool SolvePairs(u64 a, u64 b, const PrimePower* factors, int factorCount, const PairLimits& limits, u128 ceiling,
                std::size_t limit, std::vector<Pair>& out) {
  out.clear();
  Collector collector(a, b, limits, ceiling, limit, out);
  u64 pairs = 1;
  for (int i = 0; i < factorCount && pairs <= kDirectPairs; ++i) pairs *= 2 * static_cast<u64>(factors[i].exponent) + 1;
  if (a == 1 || pairs <= kDirectPairs) {
    TryAll(factors, factorCount, a, a != 1, 1, 1, collector);
  } else {
    MeetInTheMiddle(factors, factorCount, a, collector);
  }
  return collector.Finish();
}

void TryPairs(u64 a, u64 b, u128 high, u128 low, u64 step, const PairLimits& limits, std::vector<Pair>& out) {
  const u128 square = static_cast<u128>(b) * b;
  for (u128 x = high; x >= low; x -= step) {
    const u64 t = Low64(a * x - b);  // 0 < t <= b since b/a < x <= 2b/a
    u64 remainder;
    const u128 cofactor = DivideWideRem(square, t, remainder);
    if (remainder == 0) {
      const u128 y = DivideWideBy(b + cofactor, a);
      const bool ordered = limits.allowEqual ? y >= x : y > x;
      const bool parityFits = limits.parity == 0 || (((x & 1) == 1) == (limits.parity == 1) && ((y & 1) == 1) == (limits.parity == 1));
      if (ordered && x > limits.xAbove && (limits.yAtMost == 0 || y <= limits.yAtMost) && parityFits) out.push_back({x, y});
    }
    if (x < low + step) break;
  }
}
