#include "search/words/pair_solver.h"

#include <algorithm>
#include <cstdint>

#include "search/words/largest_pairs.h"

namespace {

// Up to this many divisor pairs in all, every pair is tried directly.
constexpr u64 kDirectPairs = 64;
// When the keys of half B are few beside the modulus (at most one residue in
// kSparseKeys), they go into a bitmap of kFilterBitsPerKey bits per key,
// hashed: a key of half A is looked up with one bit, a wrong hit comes once in
// kFilterBitsPerKey, and a hit is found again by a scan of half B. Otherwise,
// with many equal keys, a table chains them.
constexpr u64 kSparseKeys = 16;
constexpr std::size_t kFilterBitsPerKey = 64;
// With fewer divisor pairs than a / kRareMatches, a match of keys is rare
// enough that the entries keep only their keys, and a match works out how its
// entries send their primes into u and v from their indexes.
constexpr double kRareMatches = 2;

// Products modulo a below 2^32, by Barrett's reduction instead of a hardware
// division: with m = floor((2^64 - 1)/a) >= 2^64/a - 1, the estimate
// floor(t*m / 2^64) of floor(t/a), for t < 2^64, is low by at most one, so one
// subtraction corrects the remainder.
struct SmallModulus {
  u64 a, m;
  explicit SmallModulus(u64 modulus) : a(modulus), m(~u64{0} / modulus) {}
  u64 Mul(u64 x, u64 y) const { return Reduce(x * y); }
  u64 Reduce(u64 t) const {
    const u64 q = High64(static_cast<u128>(t) * m);
    u64 r = t - q * a;
    if (r >= a) r -= a;
    return r;
  }
};

// Any modulus below 2^64, by one hardware division a product.
struct WordModulus {
  u64 a;
  explicit WordModulus(u64 modulus) : a(modulus) {}
  u64 Mul(u64 x, u64 y) const { return MulMod(x, y, a); }
  u64 Reduce(u64 x) const { return x % a; }
};

// A half: for each entry, how its primes are sent into u and v, and its key.
struct Half {
  std::vector<u64> keys, us, vs;
  std::size_t size = 0;
  void Reserve(std::size_t count, bool sides) {
    if (keys.size() < count) keys.resize(count);
    if (sides && us.size() < count) {
      us.resize(count);
      vs.resize(count);
    }
  }
};

// Open-addressing table of the keys of half B, at most an eighth full so that
// nearly every probe of a key that is not there ends at its first slot.
struct Slot {
  u64 key;
  std::int32_t head;  // first entry of B with this key; -1: empty
};

// The solver's working storage, one per thread, reused from call to call.
struct Workspace {
  Half halfA, halfB;
  std::vector<Slot> slots;
  std::vector<u64> filter;  // the bitmap of half B's keys, all clear between calls
  std::vector<std::int32_t> chainNext;
  std::vector<std::uint32_t> usedSlots;
};

thread_local Workspace work;

inline std::size_t SlotOf(u64 key, int bits) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - bits));
}

class Collector {
 public:
  Collector(u64 a, u64 b, const PairLimits& limits, u128 ceiling, std::size_t limit, std::vector<Pair>& out)
      : a_(a), b_(b), limits_(limits), ceiling_(ceiling), limit_(limit), out_(out) {}

  // u and v coprime (both at least 1), u*v dividing b, a dividing u + v.
  void Offer(u64 u, u64 v) {
    if (u == 0 || u > v || (u == v && !(u == 1 && limits_.allowEqual))) return;
    // h = (u + v)/a, of at most 65 bits over a >= 2: one hardware division.
    const u128 sum = static_cast<u128>(u) + v;
    u64 unused;
    const u64 h = DivideWide(High64(sum), Low64(sum), a_, unused);
    const u128 x = static_cast<u128>(h) * (b_ / v);
    if (x >= ceiling_ || x <= limits_.xAbove || x <= floor_) return;
    const u128 y = static_cast<u128>(h) * (b_ / u);
    if (limits_.yAtMost != 0 && y > limits_.yAtMost) return;
    if (limits_.parity != 0) {
      const bool odd = limits_.parity == 1;
      if (((x & 1) == 1) != odd || ((y & 1) == 1) != odd) return;
    }
    out_.push_back({x, y});
    if (KeepLargestPairs(out_, limit_, floor_)) complete_ = false;
  }

  bool Finish() { return SortLargestPairs(out_, limit_) && complete_; }

 private:
  u64 a_, b_;
  const PairLimits& limits_;
  u128 ceiling_;
  std::size_t limit_;
  std::vector<Pair>& out_;
  u128 floor_ = 0;
  bool complete_ = true;
};

// Every assignment of the prime powers, tried one by one; `small`, when a is
// below 2^32, reduces the sums without a division. a = 1 divides every sum.
void TryAll(const PrimePower* factors, int count, u64 a, const SmallModulus* small, u64 u, u64 v,
            Collector& collector) {
  if (count == 0) {
    if (a != 1) {
      const u128 sum = static_cast<u128>(u) + v;
      const u64 remainder = !FitsWord(sum)     ? ModWide(sum, a)
                            : small != nullptr ? small->Reduce(Low64(sum))
                                               : Low64(sum) % a;
      if (remainder != 0) return;
    }
    collector.Offer(u, v);
    return;
  }
  TryAll(factors + 1, count - 1, a, small, u, v, collector);
  u64 power = 1;
  for (int e = 1; e <= factors->exponent; ++e) {
    power *= factors->prime;
    TryAll(factors + 1, count - 1, a, small, u * power, v, collector);
    TryAll(factors + 1, count - 1, a, small, u, v * power, collector);
  }
}

// The meet in the middle, without a modular inverse. Split the primes of b
// into halves A and B, with P and Q the products of their full prime powers.
// Multiplying u + v = uA*uB + vA*vB = 0 (mod a) by the unit (P/vA)*(Q/uB) gives
//   uA*(P/vA) * Q  =  -P * vB*(Q/uB)   (mod a),
// a key of half A against a key of half B. Each prime p^e of a half adds a
// factor p^c with c running over 0..2e: for half A, c = e + f when p^f goes
// into u, e - g when p^g goes into v, e when it goes into neither (for half B
// the same with u and v exchanged). A half's keys are thus its initial
// constant times the divisors of its product squared.
template <typename Modulus>
class MeetInTheMiddle {
 public:
  MeetInTheMiddle(const Modulus& modulus, const PrimePower* factors, int count)
      : mod_(modulus), factors_(factors), count_(count), w_(work) {}

  void Run(Collector& collector) {
    Split();
    Powers();
    // The constants: Q for half A, -P for half B.
    const u64 productA = FullProduct(membersA_);
    const u64 productB = FullProduct(membersB_);
    keepSides_ = pairs_ * kRareMatches >= static_cast<double>(mod_.a);
    Fill(membersA_, productB, false, w_.halfA);
    Fill(membersB_, productA == 0 ? 0 : mod_.a - productA, true, w_.halfB);
    if (mod_.a >= kSparseKeys * w_.halfB.size) {
      ProbeFilter(collector);
    } else {
      Index();
      Probe(collector);
    }
  }

 private:
  // The primes of a half, by index into factors_.
  struct Members {
    int index[kMaxPrimesOf64] = {};
    int count = 0;
    const int* begin() const { return index; }
    const int* end() const { return index + count; }
  };

  // Balances the halves by their numbers of entries, the largest exponents first.
  void Split() {
    int order[kMaxPrimesOf64] = {};
    for (int i = 0; i < count_; ++i) {
      int j = i;
      for (; j > 0 && factors_[order[j - 1]].exponent < factors_[i].exponent; --j) order[j] = order[j - 1];
      order[j] = i;
    }
    u64 sizeA = 1, sizeB = 1;
    pairs_ = 1;
    for (int k = 0; k < count_; ++k) {
      const int index = order[k];
      pairs_ *= 2.0 * factors_[index].exponent + 1;
      const u64 ways = 2 * static_cast<u64>(factors_[index].exponent) + 1;
      if (sizeA <= sizeB) {
        membersA_.index[membersA_.count++] = index;
        sizeA *= ways;
      } else {
        membersB_.index[membersB_.count++] = index;
        sizeB *= ways;
      }
    }
  }

  // p^0 .. p^(2e) mod a for every prime, from powers_[offsets_[i]].
  void Powers() {
    int used = 0;
    for (int i = 0; i < count_; ++i) {
      offsets_[i] = used;
      const u64 prime = mod_.Reduce(factors_[i].prime);
      u64 power = mod_.Reduce(1);
      for (int c = 0; c <= 2 * factors_[i].exponent; ++c) {
        powers_[used++] = power;
        power = mod_.Mul(power, prime);
      }
    }
  }

  u64 FullProduct(const Members& members) const {
    u64 product = mod_.Reduce(1);
    for (int index : members) product = mod_.Mul(product, powers_[offsets_[index] + factors_[index].exponent]);
    return product;
  }

  // The entries of a half; `swapped`: half B, where c > e sends p into v.
  // The members are taken in increasing order of their exponents, so that
  // the blocks copied most often are the smallest. With `before` entries so
  // far, member p^e makes them take c = 0 (the entry's other side takes p^e)
  // and appends a block of `before` entries for each c = 1 .. 2e.
  void Fill(const Members& members, u64 constant, bool swapped, Half& half) const {
    std::size_t total = 1;
    for (int index : members) total *= 2 * static_cast<std::size_t>(factors_[index].exponent) + 1;
    half.Reserve(total, keepSides_);
    u64* keys = half.keys.data();
    u64* above = swapped ? half.vs.data() : half.us.data();  // takes p^(c-e) when c > e
    u64* below = swapped ? half.us.data() : half.vs.data();  // takes p^(e-c) when c < e
    keys[0] = constant;
    if (keepSides_) {
      above[0] = 1;
      below[0] = 1;
    }
    std::size_t size = 1;
    for (int k = members.count - 1; k >= 0; --k) {
      const PrimePower& f = factors_[members.index[k]];
      const int e = f.exponent;
      const u64* powers = powers_ + offsets_[members.index[k]];
      const std::size_t before = size;
      if (!keepSides_) {
        for (int c = 1; c <= 2 * e; ++c) {
          const u64 power = powers[c];
          u64* keysOut = keys + size;
          for (std::size_t i = 0; i < before; ++i) keysOut[i] = mod_.Mul(keys[i], power);
          size += before;
        }
        continue;
      }
      u64 primePowers[64];  // p^0 .. p^e
      primePowers[0] = 1;
      for (int g = 1; g <= e; ++g) primePowers[g] = primePowers[g - 1] * f.prime;
      for (int c = 1; c <= 2 * e; ++c) {
        const u64 power = powers[c];
        u64* keysOut = keys + size;
        u64* aboveOut = above + size;
        u64* belowOut = below + size;
        const u64 aboveFactor = c > e ? primePowers[c - e] : 1;
        const u64 belowFactor = c < e ? primePowers[e - c] : 1;
        for (std::size_t i = 0; i < before; ++i) {
          keysOut[i] = mod_.Mul(keys[i], power);
          aboveOut[i] = above[i] * aboveFactor;
          belowOut[i] = below[i] * belowFactor;
        }
        size += before;
      }
      // c = 0: the power p^e on the other side.
      const u64 full = primePowers[e];
      for (std::size_t i = 0; i < before; ++i) below[i] *= full;
    }
    half.size = size;
  }

  // What entry `index` of a half sends into u and v, from its digits: Fill
  // takes the members from the last, and the member taken j-th puts c (0 to
  // 2e) in the digit of weight the product of 2e' + 1 over those before it.
  void Decode(const Members& members, std::size_t index, bool swapped, u64& u, u64& v) const {
    for (int k = members.count - 1; k >= 0; --k) {
      const PrimePower& f = factors_[members.index[k]];
      const std::size_t ways = 2 * static_cast<std::size_t>(f.exponent) + 1;
      const int c = static_cast<int>(index % ways);
      index /= ways;
      if (c == f.exponent) continue;
      u64 power = 1;
      for (int g = c > f.exponent ? c - f.exponent : f.exponent - c; g > 0; --g) power *= f.prime;
      if ((c > f.exponent) != swapped) {
        u *= power;
      } else {
        v *= power;
      }
    }
  }

  // Offers the pair of entry i of A and entry j of B.
  void OfferMatch(std::size_t i, std::size_t j, Collector& collector) const {
    const Half& a = w_.halfA;
    const Half& b = w_.halfB;
    if (keepSides_) {
      collector.Offer(a.us[i] * b.us[j], a.vs[i] * b.vs[j]);
      return;
    }
    u64 u = 1, v = 1;
    Decode(membersA_, i, false, u, v);
    Decode(membersB_, j, true, u, v);
    collector.Offer(u, v);
  }

  // The keys of half B in the table.
  void Index() {
    const std::size_t entries = w_.halfB.size;
    bits_ = 67 - __builtin_clzll(static_cast<unsigned long long>(entries));  // 2^bits_ >= 8 * entries
    const std::size_t size = std::size_t{1} << bits_;
    if (w_.slots.size() < size) w_.slots.assign(size, {0, -1});
    w_.chainNext.resize(entries);
    w_.usedSlots.clear();
    const std::size_t mask = size - 1;
    for (std::size_t i = 0; i < entries; ++i) {
      const u64 key = w_.halfB.keys[i];
      std::size_t at = SlotOf(key, bits_);
      while (w_.slots[at].head >= 0 && w_.slots[at].key != key) at = (at + 1) & mask;
      Slot& slot = w_.slots[at];
      if (slot.head < 0) {
        slot.key = key;
        w_.usedSlots.push_back(static_cast<std::uint32_t>(at));
      }
      w_.chainNext[i] = slot.head;
      slot.head = static_cast<std::int32_t>(i);
    }
  }

  // The join through the bitmap of hashed keys: the keys of B set their bits
  // (cleared again at the end), each key of A tests its own.
  void ProbeFilter(Collector& collector) {
    const Half& a = w_.halfA;
    const Half& b = w_.halfB;
    const int bits = 64 - __builtin_clzll(static_cast<unsigned long long>(b.size * kFilterBitsPerKey - 1));
    const std::size_t words = (std::size_t{1} << bits) / 64 + 1;
    if (w_.filter.size() < words) w_.filter.assign(words, 0);
    u64* filter = w_.filter.data();
    for (std::size_t j = 0; j < b.size; ++j) {
      const std::size_t bit = SlotOf(b.keys[j], bits);
      filter[bit >> 6] |= u64{1} << (bit & 63);
    }
    for (std::size_t i = 0; i < a.size; ++i) {
      const u64 key = a.keys[i];
      const std::size_t bit = SlotOf(key, bits);
      if (((filter[bit >> 6] >> (bit & 63)) & 1) == 0) continue;
      for (std::size_t j = 0; j < b.size; ++j) {
        if (b.keys[j] == key) OfferMatch(i, j, collector);
      }
    }
    for (std::size_t j = 0; j < b.size; ++j) filter[SlotOf(b.keys[j], bits) >> 6] = 0;
  }

  // The join through the table of Index.
  void Probe(Collector& collector) {
    const std::size_t mask = (std::size_t{1} << bits_) - 1;
    const Half& a = w_.halfA;
    for (std::size_t i = 0; i < a.size; ++i) {
      const u64 key = a.keys[i];
      std::size_t at = SlotOf(key, bits_);
      while (w_.slots[at].head >= 0) {
        if (w_.slots[at].key == key) {
          for (std::int32_t j = w_.slots[at].head; j >= 0; j = w_.chainNext[static_cast<std::size_t>(j)]) {
            OfferMatch(i, static_cast<std::size_t>(j), collector);
          }
          break;
        }
        at = (at + 1) & mask;
      }
    }
    for (std::uint32_t at : w_.usedSlots) w_.slots[at].head = -1;
  }

  const Modulus& mod_;
  const PrimePower* factors_;
  int count_;
  Workspace& w_;
  Members membersA_, membersB_;
  // All 2e + 1 powers of every prime: at most 2*63 + 15 for a value below 2^64.
  u64 powers_[2 * 63 + kMaxPrimesOf64];
  int offsets_[kMaxPrimesOf64] = {};
  int bits_ = 0;
  double pairs_ = 1;       // tau: the divisor pairs of b, counted both ways
  bool keepSides_ = true;  // the entries keep their u and v
};

}  // namespace

bool SolvePairs(u64 a, u64 b, const PrimePower* factors, int factorCount, const PairLimits& limits, u128 ceiling,
                std::size_t limit, std::vector<Pair>& out) {
  out.clear();
  Collector collector(a, b, limits, ceiling, limit, out);
  u64 pairs = 1;
  for (int i = 0; i < factorCount && pairs <= kDirectPairs; ++i) pairs *= 2 * static_cast<u64>(factors[i].exponent) + 1;
  if (a == 1 || pairs <= kDirectPairs) {
    const SmallModulus small(a);
    TryAll(factors, factorCount, a, a < (u64{1} << 32) ? &small : nullptr, 1, 1, collector);
  } else if (a < (u64{1} << 32)) {
    const SmallModulus modulus(a);
    MeetInTheMiddle<SmallModulus>(modulus, factors, factorCount).Run(collector);
  } else {
    const WordModulus modulus(a);
    MeetInTheMiddle<WordModulus>(modulus, factors, factorCount).Run(collector);
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
      const bool oddX = (x & 1) == 1, oddY = (y & 1) == 1;
      const bool parityFits = limits.parity == 0 || (oddX == (limits.parity == 1) && oddY == (limits.parity == 1));
      if (ordered && x > limits.xAbove && (limits.yAtMost == 0 || y <= limits.yAtMost) && parityFits) {
        out.push_back({x, y});
      }
    }
    if (x < low + step) break;
  }
}
