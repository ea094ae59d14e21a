// The backtracking rule, shared by the program's search and the step-by-step
// one so that both leave a solution at the same level: from the current level,
// climb while x[level] cannot be lowered by step (it would fall below its lower
// bound, or would no longer stay above x[level-1] by more than `gap`: 0 when
// neighbours may be equal, step when they must differ), then lower it. Level
// becomes -1 once the climb leaves level 1. `lower` and `climb` make the moves.
#pragma once

#include "calculation/calculation.h"

template <typename LowerMove, typename ClimbMove>
void BacktrackWith(long gap, NTL::ZZ& scratch, LowerMove lower, ClimbMove climb) {
  CalculationState& s = state;
  for (;;) {
    if (s.level <= 0) {
      s.level = -1;
      return;
    }
    NTL::sub(scratch, s.x[s.level], s.step);
    if (scratch >= s.lowerBounds[s.level]) {
      NTL::sub(scratch, s.x[s.level], gap);
      if (scratch > s.x[s.level - 1]) {
        lower();
        return;
      }
    }
    climb();
  }
}
