// The solutions of the current n, one at a time, in the order in which the
// step-by-step search meets them (strictly decreasing lexicographic order),
// without its one-value-at-a-time moves: the unknowns down to x[n-2] are
// enumerated over their bounds, the last two are solved together.
#pragma once

// Prepares the enumeration of the current n (state at the start of a search).
void StartEnumeration();

// Puts the next solution into x[1..n] and returns true, or returns false when
// none is left. `top` and lowerBounds[1..top] are then the level and the lower
// bounds from which the step-by-step search backtracks after recording it:
// the level of the step that recorded it, plus one when that step completed
// the solution from a bound before the last unknown.
bool NextSolution(int& top);

// The backtracking changed x[level] in the calculation state.
void MarkPositionChanged(int level);
