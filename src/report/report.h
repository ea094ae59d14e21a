// Reporting: numbering, printing and paging of the solutions, and the summary.
#pragma once

#include <NTL/ZZ.h>
#include <NTL/vector.h>

// Counts and, as the paging mode asks, prints the solution held in x[1..n];
// asks the paging question when a page is full.
void RecordSolution();

// "\t \t \t ", number, separator, then the unknowns x[1..n] each followed by
// "\t \t": the layout of a solution line.
void PrintSolutionLine(long long number, const char* separator, const NTL::Vec<NTL::ZZ>& values);

// The closing summary of a calculation that found solutions.
void PrintSummary();
