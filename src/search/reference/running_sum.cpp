// The sum is never reduced, so that RemoveTerm can undo AddTerm by exact division.
#include "calculation/calculation.h"
#include "search/reference/reference_search.h"

namespace reference {

void AddTerm() {
  CalculationState& s = state;
  const NTL::ZZ& v = s.x[s.level];
  NTL::mul(s.sumNum, s.sumNum, v);
  NTL::add(s.sumNum, s.sumNum, s.sumDen);
  NTL::mul(s.sumDen, s.sumDen, v);
}

void RemoveTerm() {
  CalculationState& s = state;
  if (s.level <= 0) {
    s.sumNum = 0;
    s.sumDen = 1;
    return;
  }
  const NTL::ZZ& v = s.x[s.level];
  NTL::div(s.sumDen, s.sumDen, v);
  NTL::sub(s.sumNum, s.sumNum, s.sumDen);
  NTL::div(s.sumNum, s.sumNum, v);
}

}  // namespace reference
