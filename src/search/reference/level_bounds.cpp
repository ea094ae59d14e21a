#include "calculation/calculation.h"
#include "search/reference/reference_search.h"
#include "search/window_search.h"

namespace reference {
namespace {

// One admissible value at a time while S(v) > r.
void FirstWindowByShifting(int level) {
  CalculationState& s = state;
  const int remaining = s.unknownCount - level;
  while (NTL::sign(s.boundWork3) > 0) ShiftWindow(remaining);
}

}  // namespace

NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num) {
  return ComputeLevelBoundsWith(level, den, num, FirstWindowByShifting);
}

}  // namespace reference
