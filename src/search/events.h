// The enumeration's output as it passes from the threads that walk the tree
// to the main thread that records the solutions: a stream of events in
// enumeration order, in chunks. A solution is not written out whole: the
// values x[1..n-3] shared by many solutions come once in a prefix event, the
// unknown x[n-2] in a node event, and each solution adds only its last two
// unknowns (a pair event) or, for a completion from a level bound, its first
// value (a completion event).
//
// Invariant of a stream: before a pair event, the last prefix event gave
// x[1..n-3] and the last node event x[n-2] of that solution (for n = 2 the
// pair is the whole solution); before a completion event at level L, the last
// prefix event gave x[1..L] at least (a completion writes x[L+1..n] over the
// rest). Each task's stream starts with no prefix known: its first solution
// comes after a prefix event of its own.
//
// When the main thread only counts (SendRuns, search/parallel.h), the pairs of
// consecutive word nodes of one loop over x[n-2] come as one run event instead
// of node and pair events: its first and last node, how many solutions, the
// last of them and the largest x[n] among them. It follows the prefix event
// of its x[1..n-3] like a pair event.
#pragma once

#include <NTL/ZZ.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/words/words.h"

enum class EventKind : std::uint8_t { kPrefix, kNode, kPair, kCompletion, kRun };

// The solutions of the nodes x[n-2] = firstNode, firstNode - step, ...,
// lastNode (each node's pairs in enumeration order, all in words).
struct RunSummary {
  std::uint64_t solutions;
  u64 firstNode, lastNode;
  u128 lastX, lastY;  // x[n-1], x[n] of the last solution (at lastNode)
  u128 largestY;      // the largest x[n]
};

struct Event {
  EventKind kind;
  bool wide;            // kNode, kPair: the values are in the pool, not in first/second
  std::int32_t count;   // kPrefix: the number of values; kCompletion: the level L
  std::uint32_t index;  // the first value in the chunk's pool; kRun: its entry in runs
  u128 first, second;   // kNode: x[n-2]; kPair: x[n-1], x[n]
};

struct Chunk {
  std::vector<Event> events;
  std::vector<NTL::ZZ> pool;  // big values of the events; entries past poolUsed are spare
  std::size_t poolUsed = 0;
  std::vector<RunSummary> runs;  // of the run events

  void Reset() {
    events.clear();
    poolUsed = 0;
    runs.clear();
  }
  // A pool entry to fill, reusing the storage of earlier chunks.
  NTL::ZZ& NewValue() {
    if (poolUsed == pool.size()) pool.emplace_back();
    return pool[poolUsed++];
  }
};

// A chunk is handed on once it holds this many events: large enough that the
// hand-over costs little per solution, small enough to stay in cache.
constexpr std::size_t kChunkEvents = 2048;
