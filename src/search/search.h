// Search engine: every solution of the current n, in strictly decreasing
// lexicographic order of (x1, ..., xn), handed to RecordSolution one at a time
// on the main thread while the worker threads walk the tree ahead
// (search/parallel.h, search/walk.h, search/handover.h).
//
// The driver calls StepType1 or StepType2 while level >= 0, as with a search
// of one move per call; here each call records the next solution, or in the
// every-K mode with K >= 256 (search/setup.h, RunLimitFor) the next run of
// them at once (RecordSolutionsWith), as many calls would. level is 0
// before the first call of each n, and -1 once the search is over: when no
// solution is left, or when the backtracking move after the solution just
// recorded ends the search (search/handover.h), so that the driver's check of
// the paging answer -1 before each call has the same effect as with one move
// per call.
#pragma once

#include <NTL/ZZ.h>

// With possibly equal (type 1) or all different (type 2) unknowns. Both return 1.
// They read and write level and read pageSize; the search reads the problem,
// the constraints and unknownCount (search/setup.h), and RecordSolution counts and prints
// (report/report.h), with the extremes and the every-K copy kept by the
// hand-over (largestLast, smallestFirst, savedSolution: search/handover.h).
int StepType1();
int StepType2();

// The backtracking move after a recorded solution: level becomes -1 when it
// ends the search. Both return 1.
int BacktrackType1();
int BacktrackType2();

// The value of x1 that the search is at, for the status line: false when it
// has none (n <= 2, or x1 beyond 64 bits). Main thread only.
bool CurrentFirstUnknown(NTL::ZZ& value);

// The driver leaves the search before its end (the paging answer -1): the
// threads stop, and largestLast, smallestFirst and savedSolution are written.
void AbandonSearch();
