// One solution per step: the next one from the hand-over, recorded, then the
// backtracking move's verdict on whether the search goes on.
#include "calculation/calculation.h"
#include "report/report.h"
#include "search/handover.h"
#include "search/parallel.h"
#include "search/search.h"
#include "search/setup.h"

namespace {

SearchSetup setup;
bool searching = false;
bool lastEndsSearch = false;  // the verdict on the solution just recorded

void StartSearch() {
  PrepareSetup(setup);
  StartParallelSearch(setup);
  StartHandover(setup);
  searching = true;
}

void FinishSearch() {
  if (!searching) return;
  FinishHandover();
  StopParallelSearch();
  searching = false;
}

void Step(int (*backtrack)()) {
  CalculationState& s = state;
  if (s.level == 0) {
    StartSearch();
    s.level = 1;  // any level >= 1: the search is under way
  }
  if (!NextSolution(lastEndsSearch)) {
    s.level = -1;
    FinishSearch();
    return;
  }
  RecordSolutionWith(kHandoverAccess);
  backtrack();
  if (s.level == -1) FinishSearch();
}

void Backtrack() {
  if (lastEndsSearch) state.level = -1;
}

}  // namespace

int BacktrackType1() {
  Backtrack();
  return 1;
}

int BacktrackType2() {
  Backtrack();
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

void AbandonSearch() { FinishSearch(); }
