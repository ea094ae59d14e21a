// The step-by-step search: one move per call, each unknown lowered one
// admissible value at a time and the type-2 bound found by shifting the window
// one value at a time. The tests compare the program with it; the program
// itself uses the search of search.h, which produces the same output.
#pragma once

#include <NTL/ZZ.h>

namespace reference {

NTL::ZZ ComputeLevelBounds(int level, const NTL::ZZ& den, const NTL::ZZ& num);
int StepType1();
int StepType2();
int BacktrackType1();
int BacktrackType2();

}  // namespace reference
