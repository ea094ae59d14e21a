// One call per solution: a step goes straight to the next solution, records
// it, and leaves the position where the step-by-step search would be after the
// move that recorded it. Since only RecordSolution prints or changes the paging
// answer, the moves in between are invisible; the driver's check of the answer
// -1 before each move sees the same level as with the step-by-step search.
// The running sum is not kept: the enumeration holds its own remainders.
#include "calculation/calculation.h"
#include "report/report.h"
#include "search/enumeration.h"
#include "search/search.h"

namespace {

NTL::ZZ lowered;

// The step-by-step backtracking loop on x, lowerBounds and level; `gap` is how
// far x[level] must stay above x[level-1]: 0 when neighbours may be equal.
void Backtrack(long gap) {
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
        s.x[s.level] -= s.step;
        MarkPositionChanged(s.level);
        return;
      }
    }
    s.level -= 1;
  }
}

// A search starts at level 0, and no step leaves it there.
void Step(int (*backtrack)()) {
  CalculationState& s = state;
  if (s.level == 0) StartEnumeration();
  int top = 0;
  if (!NextSolution(top)) {
    s.level = -1;
    return;
  }
  RecordSolution();
  s.level = top;
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

int StepType1() {
  Step(BacktrackType1);
  return 1;
}

int StepType2() {
  Step(BacktrackType2);
  return 1;
}
