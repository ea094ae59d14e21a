// Search engine: depth-first enumeration of every solution for a fixed n, in
// strictly decreasing lexicographic order, on the calculation state. Each step
// goes straight to the next solution; the step-by-step search it stands for,
// one move per call, is kept for the tests in search/reference.
#pragma once

#include <NTL/ZZ.h>

// Running sum 1/x[1] + ... + 1/x[level], kept unreduced in sumNum/sumDen (by
// the step-by-step search; the program's search keeps its own remainders).
void AddTerm();     // adds 1/x[level]
void RemoveTerm();  // removes 1/x[level]

// Bounds of x[level+1] from the remainder P/Q - sum: sets lowerBounds[level+1]
// and boundAux (0 when the completion from the bound is a solution) and returns
// the first value to try. Sets level to -1 when the remainder is not positive.
// The type-2 bound is found by bisection, with the result of the one-value-at-a-
// time shift of the step-by-step search.
NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num);

// With possibly equal (type 1) or all different (type 2) unknowns: records the
// next solution and leaves level, x and lowerBounds where the step-by-step
// search is after the move that recorded it (so level is -1 exactly when that
// move ended the search), or sets level to -1 when no solution is left. The
// first call of each n is made at level 0. Both return 1.
int StepType1();
int StepType2();

// The next position below the current one in the enumeration order, from the
// level of a recorded solution.
int BacktrackType1();
int BacktrackType2();

// The value of x1 that the search is at, for the status line: false when it has
// none (n = 1 and 2 are solved without a loop over x1). Main thread only.
bool CurrentFirstUnknown(NTL::ZZ& value);
