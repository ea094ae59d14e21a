// Factorisations of the search's big integers: the prime powers below 2^64 as
// the word layer keeps them, and the rare larger primes as NTL integers.
// Values that fit 64 bits are factored completely by the word layer. Larger
// ones are factored with a bounded effort: by FLINT's elliptic-curve method
// when the program is built with it (fmpz_factor_smooth; not fmpz_factor,
// whose quadratic sieve keeps its relations in a file of the current
// folder), otherwise by trial division and Pollard's rho on NTL integers;
// then a probable-prime test of what is left. A value with two large prime
// factors may thus stay unfactored: the search then tries values one by one.
#pragma once

#include <NTL/ZZ.h>

#include <vector>

#include "search/words/factoring.h"

struct BigPrimePower {
  NTL::ZZ prime;  // at least 2^64
  int exponent;
};

// Invariant: both lists in increasing order of the primes, exponents >= 1.
struct Factorization {
  std::vector<PrimePower> words;
  std::vector<BigPrimePower> bigs;

  void Clear() {
    words.clear();
    bigs.clear();
  }
};

// How hard to try beyond 64 bits: quick for the values of the unknowns, of
// which a search may meet many; thorough for the denominator q, once per
// calculation.
enum class FactorEffort { kQuick, kThorough };

// The factorisation of value (>= 1) into `out`; false when it could not be
// found within the effort, and then `out` is meaningless.
bool FactorValue(const NTL::ZZ& value, Factorization& out, FactorEffort effort = FactorEffort::kQuick);

// The product of the prime powers, for checks.
NTL::ZZ ProductOf(const Factorization& factors);
