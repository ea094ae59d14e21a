// Calculation: the program-wide calculation state, the entry of the problem and
// the driver that raises n until solutions exist.
#pragma once

#include <NTL/ZZ.h>
#include <NTL/vector.h>

#include <cstdint>

struct CalculationState {
  // Problem.
  NTL::ZZ pEntered, qEntered;  // as typed
  NTL::ZZ gcdValue;
  NTL::ZZ p, q;  // in lowest terms

  // Constraints: entered values beside those in force (0 = no bound).
  int constraintsOn = 0;
  int equationType = 0;  // 1: unknowns may be equal; 2: all different
  int parity = 0;        // 0 any, 1 odd, 2 even
  int step = 0;          // distance between two admissible values
  NTL::ZZ minFirstEntered, minFirst;
  NTL::ZZ maxLastEntered, maxLast;
  int excludeOne = 0;
  int boundsRetry = 0;

  // Bounds of n.
  NTL::ZZ nLowEntered, nHighEntered;
  NTL::ZZ nLowFromFirst, nHighFromLast;
  NTL::ZZ nLow, nHigh;

  // Current n.
  int unknownCount = 0;
  NTL::ZZ minFirstCurrent;
  int progressionStep = 0;
  NTL::ZZ maxSumNum, maxSumDen;

  // Search cursor.
  int level = 0;
  NTL::Vec<NTL::ZZ> x;
  NTL::Vec<NTL::ZZ> lowerBounds;
  NTL::ZZ sumNum, sumDen;
  NTL::ZZ upperBound;
  NTL::ZZ boundAux;

  // Working values of the level-bound computation.
  NTL::ZZ pTimesDen, qTimesNum, qTimesDen, remainderNum, remainingTimesQDen;
  NTL::ZZ candidate, unitValue;
  NTL::ZZ boundWork1, boundWork2, boundWork3, boundWork4, boundWork5;

  // Reporting. The counters are 64-bit so that no count ever wraps.
  std::int64_t solutionCount = 0;
  std::int64_t pageCounter = 0;
  std::int64_t strideCounter = 0;
  NTL::ZZ pageSize;
  NTL::ZZ largestLast, smallestFirst;
  NTL::Vec<NTL::ZZ> savedSolution;
};

extern CalculationState state;

// The largest n a calculation may reach. At n unknowns the three vectors hold
// 3(n+1) big integers, about 170 bytes each once the search has filled them,
// and the largest sum of n terms is a fraction of some n*log2(n) bits: at a
// million unknowns that stays within a few hundred megabytes. Each pass at such
// an n is already a search of hours, long before the memory would matter.
constexpr int kMaxUnknowns = 1000000;

// First phase: resets the state, asks P, Q and the constraints. Returns false
// when the calculation ended there (with its message printed).
bool EnterProblem();

// Second phase: raises n until solutions exist, lists them and prints the
// summary and closing lines.
void RunDriver();

// One whole calculation; the result is always 0 and is not used.
int RunCalculation();
