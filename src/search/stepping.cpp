// One call per solution: a step goes straight to the next solution, records
// it, and leaves the position where the step-by-step search would be after the
// move that recorded it. Since only RecordSolution prints or changes the paging
// answer, the moves in between are invisible; the driver's check of the answer
// -1 before each move sees the same level as with the step-by-step search.
// The running sum is not kept: the enumeration holds its own remainders.
#include "calculation/calculation.h"
#include "report/report.h"
#include "search/backtracking.h"
#include "search/enumeration.h"
#include "search/search.h"

namespace {

NTL::ZZ lowered;

// The step-by-step search's backtracking, on x, lowerBounds and level only.
void Backtrack(long gap) {
  BacktrackWith(
      gap, lowered,
      [] {
        CalculationState& s = state;
        s.x[s.level] -= s.step;
        MarkPositionChanged(s.level);
      },
      [] { state.level -= 1; });
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
