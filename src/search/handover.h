// The main thread's side of the search: the events of the enumeration
// (search/events.h), read in order, become one solution at a time, which
// RecordSolution reads through a SolutionAccess without the solution ever
// being written out whole as big integers (the extremes and the copy of the
// every-K mode are kept in words, and text is made only for what is printed).
//
// It also decides, for each solution, whether the backtracking move that
// follows its recording ends the search: the search is over exactly when no
// x[i], i = 1 .. top, can be lowered by one admissible value, where top is the
// level the move starts from (n-1 for a pair, level+1 for a completion from a
// level bound, at most n-1), and x[i] can be lowered when x[i] - step is at
// least the backtracking bound of x[i] (the smallest admissible value above
// floor(1/r) for the remainder r left by x[1..i-1], at least N) and stays
// above x[i-1] (by more than 0 for possibly equal unknowns, by more than step
// for different ones). The driver's answer -1 takes effect only when it does
// not.
#pragma once

#include <cstdint>

#include "report/report.h"
#include "search/setup.h"

// Starts reading the search of `setup` (the walk has been started). Reads
// largestLast and smallestFirst of the calculation state, which the extremes
// of the solutions then update (in words while they fit, see FinishHandover).
void StartHandover(const SearchSetup& setup);

// Reads on to the next solution, or to the next group of `count` solutions
// (a run, once SendRuns is in force), whose last is then the current one;
// false when the search is over. `endsSearch`: no level can be lowered after
// it.
bool NextSolution(bool& endsSearch, std::int64_t& count);

// The current solution, for RecordSolutionWith and RecordSolutionsWith:
// prints x[1..n], updates largestLast and smallestFirst, marks the copy of
// the every-K mode, and selects a solution of a run (walked again to find it).
extern const SolutionAccess kHandoverAccess;

// The search is over or abandoned: writes largestLast, smallestFirst and,
// in the every-K mode, savedSolution[1..n] into the calculation state.
void FinishHandover();
