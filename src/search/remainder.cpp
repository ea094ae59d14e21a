#include "search/remainder.h"

using NTL::ZZ;

void SubtractUnit(const Remainder& parent, const NTL::ZZ& value, const Factorization* valueFactors, Remainder& child,
                  RemainderWork& work) {
  NTL::mul(child.a, parent.a, value);
  NTL::sub(child.a, child.a, parent.b);
  NTL::mul(child.b, parent.b, value);
  child.factored = parent.factored && valueFactors != nullptr;
  if (!child.factored) {
    NTL::GCD(work.gcd, child.a, child.b);
    if (!NTL::IsOne(work.gcd)) {
      NTL::div(child.a, child.a, work.gcd);
      NTL::div(child.b, child.b, work.gcd);
    }
    return;
  }
  work.gcd = 1;
  ZZ& scratch = work.scratch;
  ZZ& gcd = work.gcd;
  MergeCancelling(
      parent.factors.words.data(), parent.factors.words.size(), valueFactors->words.data(), valueFactors->words.size(),
      child.a, [&scratch](ZZ& a, u64 prime) { return DivideOut(a, prime, scratch); },
      [&gcd, &scratch](u64 prime) {
        SetZZ(scratch, prime);
        gcd *= scratch;
      },
      child.factors.words);
  MergeCancelling(
      parent.factors.bigs.data(), parent.factors.bigs.size(), valueFactors->bigs.data(), valueFactors->bigs.size(),
      child.a, [](ZZ& a, const ZZ& prime) { return NTL::divide(a, a, prime) != 0; },
      [&gcd](const ZZ& prime) { gcd *= prime; }, child.factors.bigs);
  if (!NTL::IsOne(gcd)) NTL::div(child.b, child.b, gcd);
}
