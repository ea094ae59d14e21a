// One move per call of the depth-first search, x1 first, each unknown from its
// upper bound down to its lower bound: solutions come out in strictly
// decreasing lexicographic order. The last unknown is derived from the remainder.
#include "calculation/calculation.h"
#include "report/report.h"
#include "search/reference/reference_search.h"

namespace reference {
namespace {

using NTL::ZZ;

ZZ lowered;

// x[level+1] = upperBound, one level deeper.
void Extend() {
  CalculationState& s = state;
  s.x[s.level + 1] = s.upperBound;
  s.level += 1;
  AddTerm();
}

void LowerCurrent() {
  CalculationState& s = state;
  RemoveTerm();
  s.x[s.level] -= s.step;
  AddTerm();
}

void Climb() {
  RemoveTerm();
  state.level -= 1;
}

// From the current level, climb while x[level] cannot be lowered by step (it
// would fall below its lower bound, or no longer stay above x[level-1] by more
// than `gap`: 0 when neighbours may be equal, step when they must differ),
// then lower it. The search is over once the climb leaves level 1.
void Backtrack(int gap) {
  CalculationState& s = state;
  for (;;) {
    if (s.level <= 0) {
      s.level = -1;
      return;
    }
    NTL::sub(lowered, s.x[s.level], s.step);
    if (lowered >= s.lowerBounds[s.level]) {
      NTL::sub(lowered, s.x[s.level], gap);
      if (lowered > s.x[s.level - 1]) {
        LowerCurrent();
        return;
      }
    }
    Climb();
  }
}

// No room for x[L+1], or n - L unknowns of at most M cannot make up r.
bool BlockedAtLevel(int level) {
  CalculationState& s = state;
  const int n = s.unknownCount;
  if (s.lowerBounds[level + 1] > s.upperBound && (level == 0 || level < n - 1)) return true;
  if (!NTL::IsZero(s.maxLast)) {
    NTL::mul(lowered, s.maxLast, s.remainderNum);
    if (lowered < s.remainingTimesQDen) return true;
  }
  return false;
}

// After a completion from the current level: the next move starts below U.
void MoveOnAfterCompletion(int level, int (*backtrack)()) {
  if (level < state.unknownCount - 1) Extend();
  backtrack();
}

}  // namespace

int BacktrackType1() {
  Backtrack(0);
  return 1;
}

int BacktrackType2() {
  Backtrack(state.step);
  return 1;
}

int StepType2() {
  CalculationState& s = state;
  const int level = s.level;
  const int n = s.unknownCount;
  s.upperBound = ComputeLevelBounds(level, s.sumDen, s.sumNum);
  if (s.level == -1) return 1;
  if (BlockedAtLevel(level)) return BacktrackType2();
  if (s.x[level] < s.upperBound) {
    if (!NTL::IsZero(s.boundAux)) {
      if (level < n - 1)
        Extend();
      else
        BacktrackType2();
      return 1;
    }
    // The consecutive window U, U + step, ... is the only completion with x[L+1] = U.
    for (int i = level + 1; i <= n; ++i) {
      NTL::add(s.x[i], s.upperBound, static_cast<long>(i - level - 1) * s.step);
    }
    // Only U itself is capped by M: a window that runs past M is no solution.
    if (NTL::IsZero(s.maxLast) || s.x[n] <= s.maxLast) RecordSolution();
    MoveOnAfterCompletion(level, BacktrackType2);
    return 1;
  }
  return BacktrackType2();
}

int StepType1() {
  CalculationState& s = state;
  const int level = s.level;
  const int n = s.unknownCount;
  s.upperBound = ComputeLevelBounds(level, s.sumDen, s.sumNum);
  if (s.level == -1) return 1;
  if (BlockedAtLevel(level)) return BacktrackType1();
  if (s.x[level] <= s.upperBound) {
    if (!NTL::IsZero(s.boundAux) && level < n - 1) {
      Extend();
      return 1;
    }
    if (NTL::IsZero(s.boundAux)) {
      for (int i = level + 1; i <= n; ++i) s.x[i] = s.upperBound;
      RecordSolution();
      MoveOnAfterCompletion(level, BacktrackType1);
      return 1;
    }
  }
  return BacktrackType1();
}

}  // namespace reference
