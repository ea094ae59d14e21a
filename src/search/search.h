// Search engine: depth-first enumeration of every solution for a fixed n, one
// move per call, on the calculation state.
#pragma once

#include <NTL/ZZ.h>

// Running sum 1/x[1] + ... + 1/x[level], kept unreduced in sumNum/sumDen.
void AddTerm();     // adds 1/x[level]
void RemoveTerm();  // removes 1/x[level]

// Bounds of x[level+1] from the remainder P/Q - sum: sets lowerBounds[level+1]
// and boundAux (0 when the completion from the bound is a solution) and returns
// the first value to try. Sets level to -1 when the remainder is not positive.
NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num);

// One move of the search with possibly equal (type 1) or all different (type 2)
// unknowns; level becomes -1 when the search for this n is over. Both return 1.
int StepType1();
int StepType2();

// The next position below the current one in the enumeration order.
int BacktrackType1();
int BacktrackType2();
