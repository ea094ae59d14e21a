// The remainder that the unknowns after a prefix still have to make up,
//   a/b = P/Q - (1/x[1] + ... + 1/x[level]),
// kept in lowest terms with the factorisation of b, and the one step that
// fixes the next unknown v: a/b - 1/v = (a*v - b) / (b*v), over the gcd.
//
// With gcd(a, b) = 1, a prime that divides b but not v cannot divide a*v - b,
// nor can one that divides v but not b: only the primes common to b and v can
// divide the gcd. So the step needs no gcd of big numbers when both
// factorisations are known: it divides a*v - b by the common primes as long
// as they divide it (at most their exponent in b*v), and merges the two lists.
// The same template serves the big integers of the upper levels and the
// 128-bit words of the loop over the unknown before the last two.
#pragma once

#include <NTL/ZZ.h>

#include <cstddef>
#include <vector>

#include "search/factorization.h"
#include "search/zz_words.h"

struct Remainder {
  NTL::ZZ a, b;  // a/b in lowest terms, a >= 1
  bool factored = false;
  Factorization factors;  // of b, when factored
};

// Division of `value` by a prime that may divide it: true (and value divided)
// when it does. The overloads are what the template below needs of its numbers.
inline bool DivideOut(u128& value, u64 prime) {
  u64 remainder;
  const u128 quotient = DivideWideRem(value, prime, remainder);
  if (remainder != 0) return false;
  value = quotient;
  return true;
}

inline bool DivideOut(NTL::ZZ& value, u64 prime, NTL::ZZ& scratch) {
  SetZZ(scratch, prime);
  return NTL::divide(value, value, scratch) != 0;
}

// Merges the prime powers of b (`left`) and of v (`right`), both sorted, into
// `merged`, those of b*v/g, dividing `a` (= a*v - b) by each common prime as
// long as it divides it; `divideOut(a, prime)` divides when it can. The primes
// taken out of a are multiplied into `gcd`.
// Power is PrimePower or BigPrimePower.
template <typename Power, typename Number, typename DivideOutFn, typename MultiplyFn>
void MergeCancelling(const Power* left, std::size_t leftCount, const Power* right, std::size_t rightCount, Number& a,
                     DivideOutFn divideOut, MultiplyFn multiplyGcd, std::vector<Power>& merged) {
  merged.clear();
  std::size_t i = 0, j = 0;
  while (i < leftCount || j < rightCount) {
    Power f;
    if (j == rightCount || (i < leftCount && left[i].prime < right[j].prime)) {
      f = left[i++];
    } else if (i == leftCount || right[j].prime < left[i].prime) {
      f = right[j++];
    } else {
      f = {left[i].prime, left[i].exponent + right[j].exponent};
      ++i;
      ++j;
      while (f.exponent > 0 && divideOut(a, f.prime)) {
        multiplyGcd(f.prime);
        --f.exponent;
      }
      if (f.exponent == 0) continue;
    }
    merged.push_back(f);
  }
}

// Scratch of SubtractUnit, one per thread.
struct RemainderWork {
  NTL::ZZ gcd, scratch;
};

// child = parent - 1/value (value > b/a). The factorisation of the child is
// known when the parent's is and `valueFactors` is given; otherwise the gcd
// is taken in full.
void SubtractUnit(const Remainder& parent, const NTL::ZZ& value, const Factorization* valueFactors, Remainder& child,
                  RemainderWork& work);
