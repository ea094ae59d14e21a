// The level-bound computation with its type-2 window search left open, so that
// the step-by-step search and the program's search share the rest of it.
#pragma once

#include <NTL/ZZ.h>

// Moves the window start from the current candidate (boundWork4) to the first
// admissible value v with S(v) <= r, leaving S(v) in boundWork1/boundWork2 and
// the sign of S(v) - r in boundWork3.
using WindowSearch = void (*)(int level);

// The window sum S(v) for v = boundWork4, and the sign of S(v) - r into `difference`.
void WindowSum(int level);
void CompareWindowWithRemainder(NTL::ZZ& difference);

// From v to v + step in a fixed number of operations.
void ShiftWindow(int remaining);

NTL::ZZ ComputeLevelBoundsWith(int level, const NTL::ZZ& den, const NTL::ZZ& num, WindowSearch search);
