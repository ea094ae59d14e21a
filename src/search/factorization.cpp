#include "search/factorization.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "search/zz_words.h"

#ifdef EGYPTIAN_HAVE_FLINT
#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>
#endif

namespace {

using NTL::ZZ;

// Appends prime^exponent to the list where it belongs, both lists kept sorted.
void AddPrime(const ZZ& prime, int exponent, Factorization& out) {
  if (FitsU64(prime)) {
    out.words.push_back({ToU64(prime), exponent});
  } else {
    out.bigs.push_back({prime, exponent});
  }
}

// Sorts a list of prime powers and gathers the exponents of a prime found
// more than once.
template <typename Power>
void SortAndGather(std::vector<Power>& powers) {
  std::sort(powers.begin(), powers.end(), [](const Power& l, const Power& r) { return l.prime < r.prime; });
  std::size_t kept = 0;
  for (std::size_t i = 0; i < powers.size(); ++i) {
    if (kept > 0 && powers[kept - 1].prime == powers[i].prime) {
      powers[kept - 1].exponent += powers[i].exponent;
    } else {
      powers[kept++] = powers[i];
    }
  }
  powers.resize(kept);
}

#ifdef EGYPTIAN_HAVE_FLINT

// The elliptic-curve method's reach, in bits of the prime factors it looks
// for: on the hardest values (two primes of about 80 bits) the quick effort
// gives up after about 0.1 s, the thorough one after about 1 s (measured on
// the development machine).
constexpr slong kQuickFactorBits = 40;
constexpr slong kThoroughFactorBits = 56;

// The values cross over as decimal text: this runs once per large value.
bool FactorBeyondWords(const ZZ& value, Factorization& out, FactorEffort effort) {
  std::ostringstream text;
  text << value;
  fmpz_t n;
  fmpz_init(n);
  fmpz_set_str(n, text.str().c_str(), 10);
  fmpz_factor_t found;
  fmpz_factor_init(found);
  fmpz_factor_smooth(found, n, effort == FactorEffort::kQuick ? kQuickFactorBits : kThoroughFactorBits, 0);
  bool complete = true;
  for (slong i = 0; i < found->num && complete; ++i) {
    // What the curves did not split must be a prime.
    if (!fmpz_is_probabprime(found->p + i)) {
      complete = false;
      break;
    }
    char* primeText = fmpz_get_str(nullptr, 10, found->p + i);
    AddPrime(NTL::conv<ZZ>(primeText), static_cast<int>(found->exp[i]), out);
    flint_free(primeText);
  }
  fmpz_factor_clear(found);
  fmpz_clear(n);
  return complete;
}

#else

// Without FLINT: the primes below kTrialPrimes by division, a cofactor that
// fits 64 bits by the word layer, a probable prime as it is, and otherwise
// Brent's variant of Pollard's rho for a bounded number of steps, which finds
// the prime factors up to about the square of the steps (2^32 quick, 2^40
// thorough).
constexpr long kTrialPrimes = 1 << 16;
constexpr long kQuickRhoSteps = 1 << 16;
constexpr long kThoroughRhoSteps = 1 << 20;

// One nontrivial factor of the odd composite `value`, or 0.
ZZ RhoFactor(const ZZ& value, long rhoSteps) {
  for (long increment = 1; increment < 4; ++increment) {
    ZZ x(2), y(2), product(1), divisor(1), saved;
    long steps = 0;
    for (long range = 1; NTL::IsOne(divisor) && steps < rhoSteps; range <<= 1) {
      x = y;
      for (long i = 0; i < range; ++i) y = (y * y + increment) % value;
      for (long done = 0; done < range && NTL::IsOne(divisor); done += 64) {
        saved = y;
        for (long i = 0; i < 64 && i < range - done; ++i) {
          y = (y * y + increment) % value;
          product = NTL::MulMod(product, NTL::abs(x - y), value);
        }
        steps += 64;
        divisor = NTL::GCD(product, value);
      }
    }
    if (divisor == value) {
      do {
        saved = (saved * saved + increment) % value;
        divisor = NTL::GCD(NTL::abs(x - saved), value);
      } while (NTL::IsOne(divisor));
    }
    if (!NTL::IsOne(divisor) && divisor != value) return divisor;
  }
  return ZZ(0);
}

bool SplitCofactor(const ZZ& value, Factorization& out, long rhoSteps) {
  if (NTL::IsOne(value)) return true;
  if (FitsU64(value)) {
    std::vector<PrimePower> words;
    Factor64(ToU64(value), words);
    for (const PrimePower& f : words) AddPrime(ZZOf(f.prime), f.exponent, out);
    return true;
  }
  if (NTL::ProbPrime(value)) {
    AddPrime(value, 1, out);
    return true;
  }
  const ZZ divisor = RhoFactor(value, rhoSteps);
  if (NTL::IsZero(divisor)) return false;
  return SplitCofactor(divisor, out, rhoSteps) && SplitCofactor(value / divisor, out, rhoSteps);
}

bool FactorBeyondWords(const ZZ& value, Factorization& out, FactorEffort effort) {
  ZZ rest = value;
  for (long p = 2; p < kTrialPrimes; p += (p == 2 ? 1 : 2)) {
    int exponent = 0;
    while (NTL::divide(rest, rest, p)) ++exponent;
    if (exponent > 0) AddPrime(ZZ(p), exponent, out);
  }
  return SplitCofactor(rest, out, effort == FactorEffort::kQuick ? kQuickRhoSteps : kThoroughRhoSteps);
}

#endif

}  // namespace

bool FactorValue(const NTL::ZZ& value, Factorization& out, FactorEffort effort) {
  out.Clear();
  if (FitsU64(value)) {
    Factor64(ToU64(value), out.words);
    return true;
  }
  if (!FactorBeyondWords(value, out, effort)) return false;
  SortAndGather(out.words);
  SortAndGather(out.bigs);
  return true;
}

NTL::ZZ ProductOf(const Factorization& factors) {
  ZZ product(1);
  for (const PrimePower& f : factors.words) product *= NTL::power(ZZOf(f.prime), f.exponent);
  for (const BigPrimePower& f : factors.bigs) product *= NTL::power(f.prime, f.exponent);
  return product;
}
