#include "search/words/factoring.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace {

constexpr u64 kMaxSievePrime = 1 << 22;  // sieving covers values below 2^44
constexpr u64 kTrialLimit = 1 << 10;     // trial division before rho
// pi(2^22) = 295947: room for every prime the table can ever hold.
constexpr std::size_t kMaxTablePrimes = 296000;

// The primes up to a limit that grows on demand (at most kMaxSievePrime),
// shared by every thread of the search. The table grows under a lock into
// storage reserved for all of them, and publishes its new size last, so that
// a reader sees a stable prefix without taking the lock.
struct PrimeTable {
  std::mutex growth;
  std::atomic<u64> limit{1};
  std::atomic<std::size_t> count{0};
  std::unique_ptr<std::uint32_t[]> primes{new std::uint32_t[kMaxTablePrimes]};
};

PrimeTable& Table() {
  static PrimeTable table;
  return table;
}

// The primes up to `wanted` (capped at kMaxSievePrime), at least; sets `count`
// to the number of them not above `wanted`.
const std::uint32_t* PrimesUpTo(u64 wanted, std::size_t& count) {
  PrimeTable& table = Table();
  wanted = std::min(wanted, kMaxSievePrime);
  if (table.limit.load(std::memory_order_acquire) < wanted) {
    std::lock_guard<std::mutex> lock(table.growth);
    const u64 old = table.limit.load(std::memory_order_relaxed);
    if (old < wanted) {
      const u64 limit = std::min(std::max(wanted, 2 * old), kMaxSievePrime);
      std::vector<bool> composite(limit + 1, false);
      std::size_t found = table.count.load(std::memory_order_relaxed);
      for (u64 i = 2; i <= limit; ++i) {
        if (composite[i]) continue;
        if (i > old) table.primes[found++] = static_cast<std::uint32_t>(i);
        for (u64 j = i * i; j <= limit; j += i) composite[j] = true;
      }
      table.count.store(found, std::memory_order_release);
      table.limit.store(limit, std::memory_order_release);
    }
  }
  const std::uint32_t* primes = table.primes.get();
  const std::size_t available = table.count.load(std::memory_order_acquire);
  count = static_cast<std::size_t>(std::upper_bound(primes, primes + available, wanted) - primes);
  return primes;
}

u64 SquareRootFloor(u64 value) {
  u64 root = static_cast<u64>(__builtin_sqrtl(static_cast<long double>(value)));
  while (root > 0 && static_cast<u128>(root) * root > value) --root;
  while (static_cast<u128>(root + 1) * (root + 1) <= value) ++root;
  return root;
}

u64 PowMod(u64 base, u64 exponent, u64 modulus) {
  u64 result = 1 % modulus;
  base %= modulus;
  while (exponent != 0) {
    if (exponent & 1) result = MulMod(result, base, modulus);
    base = MulMod(base, base, modulus);
    exponent >>= 1;
  }
  return result;
}

// (y*y + increment) mod value, without overflow for values near 2^64.
u64 RhoMap(u64 y, u64 increment, u64 value) {
  const u64 square = MulMod(y, y, value);
  const u64 sum = square + increment;
  return sum < square || sum >= value ? sum - value : sum;
}

// One factor of an odd composite, by Brent's variant of Pollard's rho.
u64 RhoFactor(u64 value) {
  for (u64 increment = 1;; ++increment) {
    u64 y = 2, x = 2, product = 1, divisor = 1, saved = 2;
    const u64 batch = 128;
    for (u64 range = 1; divisor == 1; range <<= 1) {
      x = y;
      for (u64 i = 0; i < range; ++i) y = RhoMap(y, increment, value);
      for (u64 done = 0; done < range && divisor == 1; done += batch) {
        saved = y;
        for (u64 i = 0; i < batch && i < range - done; ++i) {
          y = RhoMap(y, increment, value);
          product = MulMod(product, x > y ? x - y : y - x, value);
        }
        divisor = Gcd64(product, value);
      }
    }
    if (divisor == value) {
      // The batch overshot: step from the saved point one value at a time.
      do {
        saved = RhoMap(saved, increment, value);
        divisor = Gcd64(x > saved ? x - saved : saved - x, value);
      } while (divisor == 1);
    }
    if (divisor != value) return divisor;
  }
}

void CollectLargeFactors(u64 value, std::vector<u64>& found) {
  if (value == 1) return;
  if (IsPrime64(value)) {
    found.push_back(value);
    return;
  }
  const u64 divisor = RhoFactor(value);
  CollectLargeFactors(divisor, found);
  CollectLargeFactors(value / divisor, found);
}

}  // namespace

bool IsPrime64(u64 value) {
  if (value < 2) return false;
  for (u64 p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
    if (value % p == 0) return value == p;
  }
  // Below 41^2, a value with no prime factor up to 37 is a prime.
  constexpr u64 kNextPrimeSquare = 1681;
  if (value < kNextPrimeSquare) return true;
  u64 odd = value - 1;
  int twos = 0;
  while ((odd & 1) == 0) {
    odd >>= 1;
    ++twos;
  }
  // These bases decide every 64-bit value.
  for (u64 base : {2, 325, 9375, 28178, 450775, 9780504, 1795265022}) {
    u64 x = PowMod(base, odd, value);
    if (x == 0 || x == 1 || x == value - 1) continue;
    bool composite = true;
    for (int i = 1; i < twos && composite; ++i) {
      x = MulMod(x, x, value);
      if (x == value - 1) composite = false;
    }
    if (composite) return false;
  }
  return true;
}

void Factor64(u64 value, std::vector<PrimePower>& factors) {
  std::size_t count;
  const std::uint32_t* primes = PrimesUpTo(kTrialLimit, count);
  for (std::size_t i = 0; i < count; ++i) {
    const u64 p = primes[i];
    if (p * p > value) break;
    if (value % p != 0) continue;
    int exponent = 0;
    do {
      value /= p;
      ++exponent;
    } while (value % p == 0);
    factors.push_back({p, exponent});
  }
  if (value == 1) return;
  if (value < kTrialLimit * kTrialLimit) {
    factors.push_back({value, 1});
    return;
  }
  std::vector<u64> large;
  CollectLargeFactors(value, large);
  std::sort(large.begin(), large.end());
  for (u64 p : large) {
    if (!factors.empty() && factors.back().prime == p) {
      ++factors.back().exponent;
    } else {
      factors.push_back({p, 1});
    }
  }
}

namespace {

constexpr u64 kSieveLimit = kMaxSievePrime * kMaxSievePrime;
constexpr u64 kMinWindow = 1 << 12;
constexpr u64 kMaxWindow = 1 << 15;

}  // namespace

void RangeFactorizer::Start(u64 low, u64 high) {
  low_ = low;
  high_ = high;
  windowLow_ = 1;
  windowHigh_ = 0;
  // Sieving pays when the run is long compared with the primes it needs.
  const u64 root = SquareRootFloor(high);
  sieving_ = high < kSieveLimit && high - low >= root / 64;
  if (sieving_) {
    std::size_t count;
    PrimesUpTo(root, count);
  }
}

void RangeFactorizer::SieveWindow(u64 top) {
  const u64 root = SquareRootFloor(top);
  std::size_t primeCount;
  const std::uint32_t* primes = PrimesUpTo(root, primeCount);
  const u64 width = std::min(kMaxWindow, std::max(kMinWindow, 2 * primeCount));
  windowHigh_ = top;
  windowLow_ = top - low_ + 1 > width ? top - width + 1 : low_;
  const u64 size = windowHigh_ - windowLow_ + 1;
  rest_.resize(size);
  count_.assign(size, 0);
  found_.resize(size * kMaxPrimesOf64);
  for (u64 i = 0; i < size; ++i) rest_[i] = windowLow_ + i;
  for (u64 k = 0; k < primeCount; ++k) {
    const u64 p = primes[k];
    u64 multiple = (windowLow_ + p - 1) / p * p;
    for (; multiple <= windowHigh_; multiple += p) {
      const u64 i = multiple - windowLow_;
      u64 r = rest_[i];
      int exponent = 0;
      do {
        r /= p;
        ++exponent;
      } while (r % p == 0);
      rest_[i] = r;
      found_[i * kMaxPrimesOf64 + count_[i]] = {p, exponent};
      ++count_[i];
    }
  }
}

int RangeFactorizer::Factor(u64 value, PrimePower* factors) {
  if (!sieving_) {
    found_.clear();
    Factor64(value, found_);
    std::copy(found_.begin(), found_.end(), factors);
    return static_cast<int>(found_.size());
  }
  if (value < windowLow_ || value > windowHigh_) SieveWindow(value);
  const u64 i = value - windowLow_;
  const int count = count_[i];
  std::copy(found_.begin() + static_cast<long>(i * kMaxPrimesOf64),
            found_.begin() + static_cast<long>(i * kMaxPrimesOf64) + count, factors);
  if (rest_[i] > 1) {
    factors[count] = {rest_[i], 1};
    return count + 1;
  }
  return count;
}
