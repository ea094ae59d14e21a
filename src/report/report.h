// Reporting: numbering, printing and paging of the solutions, and the summary.
#pragma once

#include <cstdint>

#include <NTL/ZZ.h>
#include <NTL/vector.h>

// How RecordSolution reads the solution it records. RecordSolution itself
// reads x[1..n] of the calculation state; the program's search, which keeps
// its solutions in a form of its own, supplies these three instead.
struct SolutionAccess {
  // Writes x[1..n], each followed by "\t \t".
  void (*printValues)();
  // Keeps largestLast (the largest x[n]) and smallestFirst (the smallest x[1])
  // up to date; `first`: the first solution of the calculation.
  void (*keepExtremes)(bool first);
  // Copies x[1..n] into savedSolution (the every-K mode).
  void (*keepCopy)();
  // For a group of solutions recorded at once: makes the index-th of them
  // (from 1) the one that the three above read. Null when groups are single.
  void (*select)(std::int64_t index);
};

// Counts and, as the paging mode asks, prints the solution held in x[1..n];
// asks the paging question when a page is full. Reads unknownCount,
// equationType, excludeOne and x; writes solutionCount, pageCounter,
// strideCounter, pageSize (from the paging answer), largestLast,
// smallestFirst and savedSolution.
void RecordSolution();

// The same for a solution read through `access`.
void RecordSolutionWith(const SolutionAccess& access);

// Records the next `count` solutions at once, as many calls of
// RecordSolutionWith would, in the every-K mode only (pageSize < 0 and not
// -1, where no prompt can come): only the solutions whose lines are printed,
// and the last one for the extremes and the copy, are read, through
// access.select. The extremes must then be those of the whole group.
void RecordSolutionsWith(std::int64_t count, const SolutionAccess& access);

// "\t \t \t ", number, separator, then the unknowns x[1..n] each followed by
// "\t \t": the layout of a solution line.
void PrintSolutionLine(long long number, const char* separator, const NTL::Vec<NTL::ZZ>& values);

// The closing summary of a calculation that found solutions.
void PrintSummary();
