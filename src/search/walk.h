// One thread's depth-first walk over part of the enumeration tree, writing
// its solutions as events (search/events.h) in enumeration order: strictly
// decreasing lexicographic order of (x1, ..., xn).
//
// A frame is a prefix x[1..level], level <= n-3, with its remainder and the
// range of its children x[level+1] (search/bounds.h), walked from the largest
// down. Under a frame at level n-3 the children are the pair nodes
// (search/pair_node.h): x[n-2] runs over its range, in 128-bit words with a
// sieve of the range whenever the values allow, and the last two unknowns
// come from divisors or trials. A completion from a level bound comes before
// the children of its frame.
//
// A walk can give away the lower part of the remaining children of its
// topmost frame (keeping at least one when it stands between them) as a new
// task, which another thread walks: the tasks' outputs in that order are the
// enumeration's.
#pragma once

#include <NTL/ZZ.h>

#include <atomic>
#include <deque>
#include <vector>

#include "search/bounds.h"
#include "search/events.h"
#include "search/pair_node.h"
#include "search/remainder.h"
#include "search/setup.h"
#include "search/words/factoring.h"

// The children next, next - step, ..., lowest of the prefix x[1..level], or
// with `fresh`, the whole subtree of the prefix (its bounds not yet taken).
struct Task {
  int level = 0;
  bool fresh = true;
  std::vector<NTL::ZZ> prefix;  // x[1..level]
  Remainder remainder;          // after the prefix
  NTL::ZZ next, lowest;
};

class Walk;

// Where a walk writes and whom it asks whether to go on.
class WalkOutput {
 public:
  Chunk* chunk = nullptr;  // events are appended here
  // Set when solutions may be sent as runs (search/events.h) of at most about
  // this many: 0 while each must come alone. It may change during a walk.
  const std::atomic<std::uint64_t>* const runLimit;
  // Hands `chunk` on (it holds kChunkEvents events) and sets a fresh one.
  virtual void ChunkFull() = 0;
  // Called between nodes, about every millisecond or more often: false when
  // the walk must stop at once. It may take a task from the walk (Split).
  virtual bool Poll(Walk& walk) = 0;

 protected:
  explicit WalkOutput(const std::atomic<std::uint64_t>* limit = nullptr) : runLimit(limit) {}
  ~WalkOutput() = default;
};

class Walk {
 public:
  // Walks the task to its end; false when Poll stopped it.
  bool Run(const SearchSetup& setup, const Task& task, WalkOutput& output);
  // Gives away the lower half of the remaining children of the topmost frame
  // that has any, as `taken`, keeping at least one of a frame the walk stands
  // at; false when there is nothing to give.
  bool Split(Task& taken);
  // x1 where the walk stands, when it fits 64 bits (0 otherwise, and for
  // n <= 2): for the status line, from any thread.
  u64 FirstUnknown() const { return firstUnknown_.load(std::memory_order_relaxed); }

 private:
  struct Frame {
    NTL::ZZ value;  // x[level]; 0 at level 0
    Remainder remainder;
    bool unfactorable = false;
    ChildRange range;
  };
  // The loop over x[n-2] in words, under the frame at level n-3.
  struct WordLoop {
    bool active = false;
    bool more = false;          // values left: next, next - step, ..., lowest
    bool betweenNodes = false;  // polling before it takes `next`
    u64 a = 0, b = 0, next = 0, lowest = 0;
    u64 visited = 0;
    RangeFactorizer factorizer;
    PrimePower childFactors[kMaxPrimesOf64] = {};
    std::vector<PrimePower> merged;
  };

  bool WalkFrames();
  void EnterFrame(int level);
  bool WalkPairNodes(Frame& frame);
  bool WalkWordLoop(Frame& frame);
  bool WalkZZLoop(Frame& frame);
  bool WalkPairNode(const NTL::ZZ* value, u128 wordValue);
  bool EnsureFactored(int level);
  void TakePrefix(int level, Task& taken) const;
  bool PollNow();
  void NoteFirstUnknown(const NTL::ZZ& value);
  void NeedPrefix(int length);
  void EmitCompletion(int level, const NTL::ZZ& first);
  void EmitNode(const NTL::ZZ* value, u128 wordValue);
  void EmitPairs();
  std::uint64_t RunLimit() const;
  void AddToRun();
  void CloseRun();
  Event& NewEvent(EventKind kind, bool wide, int count);

  const SearchSetup* setup_ = nullptr;
  WalkOutput* output_ = nullptr;
  int base_ = 0;   // the task's level
  int depth_ = 0;  // the deepest frame entered
  std::deque<Frame> frames_;
  WordLoop loop_;
  PairNode node_;
  int prefixValid_ = 0;  // x[1..prefixValid_] as last written out are still those of the walk
  bool nodePending_ = false;
  // The run being summed up (while output_->runLimit is set), not yet written out.
  struct {
    bool open = false;
    std::uint64_t limit = 0;
    RunSummary summary{};
  } run_;
  const NTL::ZZ* nodeValue_ = nullptr;
  u128 nodeWord_ = 0;
  BoundsWork bounds_;
  RemainderWork remainderWork_;
  Factorization valueFactors_, candidates_;
  Remainder scratchRemainder_;
  NTL::ZZ value_, t1_;
  std::atomic<u64> firstUnknown_{0};
};
