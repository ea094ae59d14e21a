// The step-by-step search: one move per call of a depth-first search whose
// whole position lives in the calculation state, each unknown lowered one
// admissible value at a time and the type-2 bound found by shifting a window
// one value at a time. It is built only into the tests' second program, which
// the differential test compares with the program byte for byte; it shares no
// search code with the program.
#pragma once

#include <NTL/ZZ.h>

namespace reference {

// Running sum 1/x[1] + ... + 1/x[level] in sumNum/sumDen, never reduced, so
// that RemoveTerm undoes AddTerm by exact division.
void AddTerm();     // adds 1/x[level]
void RemoveTerm();  // removes 1/x[level]

// Bounds of x[level+1] from the remainder P/Q - sum (den, num: the running
// sum): sets lowerBounds[level+1], boundAux (0 when the completion from the
// bound is a solution) and the scaled remainder fields, and returns the first
// value to try. Sets level to -1 when the remainder is not positive.
NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num);

// One move each: fix the next unknown, record a solution, or backtrack.
int StepType1();
int StepType2();
int BacktrackType1();
int BacktrackType2();

}  // namespace reference
