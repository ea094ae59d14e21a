// Factorisation of machine words: one value at a time (trial division, then
// Pollard's rho with a Miller-Rabin test), and runs of consecutive values by a
// segmented sieve.
#pragma once

#include <vector>

#include "search/words/words.h"

struct PrimePower {
  u64 prime;
  int exponent;
};

// At most 15 distinct primes divide a 64-bit value.
constexpr int kMaxPrimesOf64 = 15;

bool IsPrime64(u64 value);

// Appends the prime powers of value (>= 1) to `factors`, in increasing order of
// the primes.
void Factor64(u64 value, std::vector<PrimePower>& factors);

// The factorisations of values taken in decreasing order from [low, high]:
// a window of consecutive values is sieved at a time.
class RangeFactorizer {
 public:
  void Start(u64 low, u64 high);
  // value in [low, high], and not above the value of the previous call.
  // Returns the number of prime powers, stored in `factors`.
  int Factor(u64 value, PrimePower* factors);

 private:
  void SieveWindow(u64 top);

  u64 low_ = 0, high_ = 0;
  bool sieving_ = false;
  u64 windowLow_ = 1, windowHigh_ = 0;
  std::vector<u64> rest_;
  std::vector<unsigned char> count_;
  std::vector<PrimePower> found_;
};
