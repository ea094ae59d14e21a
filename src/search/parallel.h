// The enumeration of one n on all the worker threads, handed to the main
// thread in enumeration order.
//
// The tree is shared out as tasks (search/walk.h). Each task writes into a
// segment of its own, and the segments form a list in enumeration order: when
// a thread gives away part of its task to an idle thread, the new segment goes
// right after its own, since the part given away (the lower children of its
// topmost frame) comes after everything the thread keeps. The main thread
// reads the list from its head; a segment is left once it is finished and
// read. Threads ahead of the head stop writing once the events waiting to be
// read pass a bound, so memory stays bounded whatever the number of solutions;
// the thread of the head segment never waits, so the reading goes on.
#pragma once

#include "search/events.h"
#include "search/setup.h"

// Starts the walk of the whole tree for `setup` (kept until the search ends).
void StartParallelSearch(const SearchSetup& setup);

// The next chunk of events in enumeration order, waiting for it if need be
// (and meanwhile writing out held output, as a search that prints nothing for
// a while should); null once the search has been read to its end.
Chunk* NextChunk();

// Gives a chunk back once it has been read.
void ReleaseChunk(Chunk* chunk);

// Stops the walk before its end and waits until every thread has left it.
void StopParallelSearch();

// From now on until the search stops, the walks may send runs of at most
// about `limit` solutions (search/events.h) instead of each solution.
void SendRuns(std::uint64_t limit);

// The number of worker threads: EGYPTIAN_THREADS when it is a number from 1
// to kMaxThreads, otherwise the machine's hardware threads.
int SearchThreadCount();

constexpr int kMaxThreads = 256;
