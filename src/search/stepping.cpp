// One solution per step (or, when the main thread only counts, one run of
// them): the next one from the hand-over, recorded, then the backtracking
// move's verdict on whether the search goes on.
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
bool sendingRuns = false;     // SendRuns is in force

void StartSearch() {
  PrepareSetup(setup);
  StartParallelSearch(setup);
  StartHandover(setup);
  searching = true;
  sendingRuns = false;
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
  // The paging answer of the every-K mode, which no prompt can change any more.
  if (!sendingRuns) {
    const std::uint64_t limit = RunLimitFor(s.pageSize);
    if (limit != 0) {
      SendRuns(limit);
      sendingRuns = true;
    }
  }
  std::int64_t count = 1;
  if (!NextSolution(lastEndsSearch, count)) {
    s.level = -1;
    FinishSearch();
    return;
  }
  if (count == 1) {
    RecordSolutionWith(kHandoverAccess);
  } else {
    RecordSolutionsWith(count, kHandoverAccess);
  }
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
