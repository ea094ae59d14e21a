#include "search/walk.h"

#include <algorithm>

#include "search/zz_words.h"

namespace {

using NTL::ZZ;

// The word loop asks whether to go on once per this many values of x[n-2]:
// some hundred microseconds of work.
constexpr u64 kPollEvery = 256;

// The primes of `from` added to those of `into` (exponents are not kept:
// the list serves as candidates).
void AddPrimes(Factorization& into, const Factorization& from) {
  for (const PrimePower& f : from.words) {
    auto at = std::lower_bound(into.words.begin(), into.words.end(), f,
                               [](const PrimePower& l, const PrimePower& r) { return l.prime < r.prime; });
    if (at == into.words.end() || at->prime != f.prime) into.words.insert(at, f);
  }
  for (const BigPrimePower& f : from.bigs) {
    auto at = std::lower_bound(into.bigs.begin(), into.bigs.end(), f,
                               [](const BigPrimePower& l, const BigPrimePower& r) { return l.prime < r.prime; });
    if (at == into.bigs.end() || at->prime != f.prime) into.bigs.insert(at, f);
  }
}

// The factorisation of b from candidate primes that include all of its own,
// by division; false when some prime of b is not among them.
bool FactorFrom(const Factorization& candidates, const ZZ& b, Factorization& out, ZZ& scratch) {
  out.Clear();
  ZZ rest = b;
  for (const PrimePower& c : candidates.words) {
    int exponent = 0;
    while (DivideOut(rest, c.prime, scratch)) ++exponent;
    if (exponent > 0) out.words.push_back({c.prime, exponent});
  }
  for (const BigPrimePower& c : candidates.bigs) {
    int exponent = 0;
    while (NTL::divide(rest, rest, c.prime)) ++exponent;
    if (exponent > 0) out.bigs.push_back({c.prime, exponent});
  }
  return NTL::IsOne(rest);
}

}  // namespace

bool Walk::Run(const SearchSetup& setup, const Task& task, WalkOutput& output) {
  setup_ = &setup;
  output_ = &output;
  base_ = task.level;
  firstUnknown_.store(base_ >= 1 && FitsU64(task.prefix[0]) ? ToU64(task.prefix[0]) : 0, std::memory_order_relaxed);
  depth_ = base_;
  prefixValid_ = 0;
  nodePending_ = false;
  run_.open = false;
  loop_.active = false;
  const int n = setup.n;
  if (frames_.size() < static_cast<std::size_t>(std::max(n, base_ + 1))) {
    frames_.resize(static_cast<std::size_t>(std::max(n, base_ + 1)));
  }
  for (int i = 1; i <= base_; ++i)
    frames_[static_cast<std::size_t>(i)].value = task.prefix[static_cast<std::size_t>(i - 1)];
  Frame& top = frames_[static_cast<std::size_t>(base_)];
  if (base_ == 0) top.value = 0;
  top.remainder = task.remainder;
  top.unfactorable = false;

  if (n == 1) {
    // x1 = q/p: a solution when p is 1 and q is admissible between N and M.
    const bool admissible = setup.parity == 0 || NTL::IsOdd(setup.q) == (setup.parity == 1);
    if (NTL::IsOne(setup.p) && admissible && setup.q >= setup.minFirst && (!setup.hasMax || setup.q <= setup.maxLast)) {
      EmitCompletion(0, setup.q);
    }
    return true;
  }
  if (n == 2) {
    // The root is the pair node.
    const bool factored = EnsureFactored(0);
    if (!StartPairNode(node_, setup, top.remainder.a, top.remainder.b, factored ? &top.remainder.factors : nullptr,
                       top.value)) {
      return true;
    }
    return WalkPairNode(nullptr, 0);
  }
  if (task.fresh) {
    EnterFrame(base_);
  } else {
    top.range.completion = false;
    top.range.next = task.next;
    top.range.lowest = task.lowest;
  }
  return WalkFrames();
}

bool Walk::WalkFrames() {
  const int n = setup_->n;
  while (depth_ >= base_) {
    Frame& frame = frames_[static_cast<std::size_t>(depth_)];
    if (depth_ == n - 3) {
      if (!WalkPairNodes(frame)) return false;
      --depth_;
      continue;
    }
    if (frame.range.next < frame.range.lowest) {
      --depth_;
      continue;
    }
    if (!PollNow()) return false;
    if (frame.range.next < frame.range.lowest) continue;  // given away meanwhile
    Frame& child = frames_[static_cast<std::size_t>(depth_) + 1];
    child.value = frame.range.next;
    NTL::sub(frame.range.next, frame.range.next, setup_->step);
    // With the parent's factorisation and a value in a word, the child's comes cheaply.
    const Factorization* valueFactors = nullptr;
    if (frame.remainder.factored && FitsU64(child.value)) {
      valueFactors_.Clear();
      Factor64(ToU64(child.value), valueFactors_.words);
      valueFactors = &valueFactors_;
    }
    SubtractUnit(frame.remainder, child.value, valueFactors, child.remainder, remainderWork_);
    child.unfactorable = false;
    if (depth_ == 0) NoteFirstUnknown(child.value);
    prefixValid_ = std::min(prefixValid_, depth_);
    ++depth_;
    EnterFrame(depth_);
  }
  return true;
}

void Walk::EnterFrame(int level) {
  Frame& frame = frames_[static_cast<std::size_t>(level)];
  ComputeChildRange(*setup_, level, frame.value, frame.remainder, frame.range, bounds_);
  if (frame.range.completion) EmitCompletion(level, frame.range.first);
}

bool Walk::WalkPairNodes(Frame& frame) {
  if (frame.range.next < frame.range.lowest) return true;
  const int level = setup_->n - 3;
  const bool factored = EnsureFactored(level);
  const Remainder& r = frame.remainder;
  if (factored && r.factors.bigs.empty() && FitsU64(r.a) && FitsU64(r.b) && FitsU64(frame.range.next)) {
    return WalkWordLoop(frame);
  }
  return WalkZZLoop(frame);
}

bool Walk::WalkWordLoop(Frame& frame) {
  WordLoop& loop = loop_;
  const u64 step = static_cast<u64>(setup_->step);
  loop.a = ToU64(frame.remainder.a);
  loop.b = ToU64(frame.remainder.b);
  loop.next = ToU64(frame.range.next);
  loop.lowest = ToU64(frame.range.lowest);
  loop.active = true;
  loop.more = true;
  loop.factorizer.Start(loop.lowest, loop.next);
  const std::vector<PrimePower>& parentFactors = frame.remainder.factors.words;
  while (loop.more) {
    if ((++loop.visited % kPollEvery) == 0) {
      // What the main thread may be waiting for goes out before the poll.
      if (run_.open) CloseRun();
      loop.betweenNodes = true;
      const bool goOn = PollNow();
      loop.betweenNodes = false;
      if (!goOn) {
        loop.active = false;
        return false;
      }
      if (!loop.more) break;  // given away meanwhile
    }
    const u64 v = loop.next;
    if (setup_->n == 3 && loop.visited % kPollEvery == 1) firstUnknown_.store(v, std::memory_order_relaxed);
    if (v - loop.lowest < step) {
      loop.more = false;
    } else {
      loop.next = v - step;
    }
    // The remainder after x[n-2] = v, and its factorisation from the sieve's.
    u128 a = static_cast<u128>(loop.a) * v - loop.b;
    u128 b = static_cast<u128>(loop.b) * v;
    const int childCount = loop.factorizer.Factor(v, loop.childFactors);
    u128 gcd = 1;
    MergeCancelling(
        parentFactors.data(), parentFactors.size(), loop.childFactors, static_cast<std::size_t>(childCount), a,
        [](u128& number, u64 prime) { return DivideOut(number, prime); }, [&gcd](u64 prime) { gcd *= prime; },
        loop.merged);
    if (gcd != 1) b = FitsWord(gcd) ? DivideWideBy(b, Low64(gcd)) : b / gcd;
    bool started;
    if (FitsWord(a) && FitsWord(b)) {
      started = StartWordPairNode(node_, *setup_, Low64(a), Low64(b), loop.merged.data(), loop.merged.size(), v);
    } else {
      scratchRemainder_.a = ZZOf(a);
      scratchRemainder_.b = ZZOf(b);
      valueFactors_.Clear();
      valueFactors_.words = loop.merged;
      SetZZ(value_, v);
      started = StartPairNode(node_, *setup_, scratchRemainder_.a, scratchRemainder_.b, &valueFactors_, value_);
    }
    if (started && !WalkPairNode(nullptr, v)) {
      loop.active = false;
      run_.open = false;
      return false;
    }
    if (run_.open && run_.summary.solutions >= run_.limit) CloseRun();
  }
  if (run_.open) CloseRun();
  loop.active = false;
  return true;
}

bool Walk::WalkZZLoop(Frame& frame) {
  while (frame.range.next >= frame.range.lowest) {
    if (!PollNow()) return false;
    if (frame.range.next < frame.range.lowest) break;  // given away meanwhile
    value_ = frame.range.next;
    NTL::sub(frame.range.next, frame.range.next, setup_->step);
    if (setup_->n == 3) NoteFirstUnknown(value_);
    Remainder& child = scratchRemainder_;
    SubtractUnit(frame.remainder, value_, nullptr, child, remainderWork_);
    if (!StartPairNode(node_, *setup_, child.a, child.b, nullptr, value_)) continue;
    if (node_.wantsFactors && frame.remainder.factored && FactorValue(value_, valueFactors_)) {
      // A long range: the divisors of b pay for the factorisation of x[n-2].
      candidates_ = frame.remainder.factors;
      AddPrimes(candidates_, valueFactors_);
      if (FactorFrom(candidates_, child.b, child.factors, t1_)) {
        StartPairNode(node_, *setup_, child.a, child.b, &child.factors, value_);
      }
    }
    if (!WalkPairNode(&value_, 0)) return false;
  }
  return true;
}

bool Walk::WalkPairNode(const NTL::ZZ* value, u128 wordValue) {
  nodePending_ = setup_->n >= 3;
  nodeValue_ = value;
  nodeWord_ = wordValue;
  while (NextPairBatch(node_, *setup_)) {
    EmitPairs();
    if (node_.form != PairForm::kDone && !PollNow()) return false;
  }
  return true;
}

bool Walk::EnsureFactored(int level) {
  Frame& frame = frames_[static_cast<std::size_t>(level)];
  if (frame.remainder.factored) return true;
  if (frame.unfactorable) return false;
  frame.unfactorable = true;  // until shown otherwise
  const Factorization* root = RootFactors(*setup_);
  if (root == nullptr) return false;
  if (level == 0) {
    frame.remainder.factors = *root;
    frame.remainder.factored = true;
    frame.unfactorable = false;
    return true;
  }
  // The primes of b are among those of q and of x[1..level].
  if (level > base_) {
    if (!EnsureFactored(level - 1)) return false;
    candidates_ = frames_[static_cast<std::size_t>(level - 1)].remainder.factors;
  } else {
    candidates_ = *root;
    for (int i = 1; i < level; ++i) {
      if (!FactorValue(frames_[static_cast<std::size_t>(i)].value, valueFactors_)) return false;
      AddPrimes(candidates_, valueFactors_);
    }
  }
  if (!FactorValue(frame.value, valueFactors_)) return false;
  AddPrimes(candidates_, valueFactors_);
  if (!FactorFrom(candidates_, frame.remainder.b, frame.remainder.factors, t1_)) return false;
  frame.remainder.factored = true;
  frame.unfactorable = false;
  return true;
}

bool Walk::PollNow() { return output_->Poll(*this); }

void Walk::NoteFirstUnknown(const NTL::ZZ& value) {
  firstUnknown_.store(FitsU64(value) ? ToU64(value) : 0, std::memory_order_relaxed);
}

// A walk that stands between two children of the frame it splits keeps at
// least one of them (the upper half, rounded up): given all, it would have
// nothing left, and a thread given a single child could hand it straight on
// at its first poll, and so on for ever. Inside a child it gives the lower
// half rounded up.
bool Walk::Split(Task& taken) {
  const int n = setup_->n;
  const long step = setup_->step;
  for (int level = base_; level <= depth_ && level <= n - 3; ++level) {
    const Frame& frame = frames_[static_cast<std::size_t>(level)];
    if (level == n - 3 && loop_.active) {
      if (!loop_.more) return false;
      const u64 count = (loop_.next - loop_.lowest) / static_cast<u64>(step) + 1;
      const u64 given = loop_.betweenNodes ? count / 2 : (count + 1) / 2;
      if (given == 0) return false;
      TakePrefix(level, taken);
      SetZZ(taken.lowest, loop_.lowest);
      SetZZ(taken.next, loop_.lowest + (given - 1) * static_cast<u64>(step));
      if (given == count) {
        loop_.more = false;
      } else {
        loop_.lowest += given * static_cast<u64>(step);
      }
      return true;
    }
    const ChildRange& range = frame.range;
    if (range.next < range.lowest) continue;
    // Standing at this frame: between its children, or (at level n-3) perhaps
    // inside a pair node, where keeping one more costs nothing.
    const bool standing = level == depth_;
    NTL::sub(t1_, range.next, range.lowest);
    NTL::div(t1_, t1_, step);
    t1_ += standing ? 1 : 2;
    NTL::RightShift(t1_, t1_, 1);  // half of the count, rounded down when standing, else up
    if (NTL::IsZero(t1_)) return false;
    TakePrefix(level, taken);
    taken.lowest = range.lowest;
    NTL::mul(taken.next, t1_ - 1, step);
    taken.next += range.lowest;
    NTL::add(frames_[static_cast<std::size_t>(level)].range.lowest, taken.next, step);
    return true;
  }
  return false;
}

// A task at the frame of `level`: its prefix and remainder; the range is the caller's.
void Walk::TakePrefix(int level, Task& taken) const {
  taken.level = level;
  taken.fresh = false;
  taken.prefix.resize(static_cast<std::size_t>(level));
  for (int i = 1; i <= level; ++i)
    taken.prefix[static_cast<std::size_t>(i - 1)] = frames_[static_cast<std::size_t>(i)].value;
  taken.remainder = frames_[static_cast<std::size_t>(level)].remainder;
}

// --- Output ------------------------------------------------------------------

// A new event of `kind` at the end of the chunk; a wide one's values are then
// appended to the pool from `index` on.
Event& Walk::NewEvent(EventKind kind, bool wide, int count) {
  if (run_.open) CloseRun();
  if (output_->chunk->events.size() >= kChunkEvents) output_->ChunkFull();
  Chunk& chunk = *output_->chunk;
  chunk.events.emplace_back();
  Event& event = chunk.events.back();
  event.kind = kind;
  event.wide = wide;
  event.count = count;
  event.index = static_cast<std::uint32_t>(chunk.poolUsed);
  return event;
}

// Writes x[1..length] out unless they are out already.
void Walk::NeedPrefix(int length) {
  if (prefixValid_ >= length) return;
  NewEvent(EventKind::kPrefix, true, length);
  for (int i = 1; i <= length; ++i) output_->chunk->NewValue() = frames_[static_cast<std::size_t>(i)].value;
  prefixValid_ = length;
}

void Walk::EmitCompletion(int level, const NTL::ZZ& first) {
  NeedPrefix(level);
  NewEvent(EventKind::kCompletion, true, level);
  output_->chunk->NewValue() = first;
  // The completion wrote x[level+1..n] over the prefix.
  prefixValid_ = level;
}

void Walk::EmitNode(const NTL::ZZ* value, u128 wordValue) {
  NeedPrefix(setup_->n - 3);
  Event& event = NewEvent(EventKind::kNode, value != nullptr, 0);
  if (value != nullptr) {
    output_->chunk->NewValue() = *value;
  } else {
    event.first = wordValue;
  }
  nodePending_ = false;
}

std::uint64_t Walk::RunLimit() const {
  return output_->runLimit == nullptr ? 0 : output_->runLimit->load(std::memory_order_relaxed);
}

// Writes the open run out as a run event.
void Walk::CloseRun() {
  run_.open = false;
  Event& event = NewEvent(EventKind::kRun, false, 0);
  event.index = static_cast<std::uint32_t>(output_->chunk->runs.size());
  output_->chunk->runs.push_back(run_.summary);
}

// Adds the pairs of the current word node to the open run, opening one if need be.
void Walk::AddToRun() {
  if (node_.pairs.empty()) return;
  const u64 node = Low64(nodeWord_);
  RunSummary& run = run_.summary;
  if (!run_.open) {
    NeedPrefix(setup_->n - 3);
    run = RunSummary{0, node, node, 0, 0, 0};
    run_.open = true;
    run_.limit = RunLimit();
  }
  run.lastNode = node;
  for (const Pair& pair : node_.pairs) {
    if (run.largestY < pair.y) run.largestY = pair.y;
  }
  run.solutions += node_.pairs.size();
  run.lastX = node_.pairs.back().x;
  run.lastY = node_.pairs.back().y;
  nodePending_ = false;
}

void Walk::EmitPairs() {
  if (loop_.active && !node_.wide && (run_.open || RunLimit() != 0)) {
    AddToRun();
    return;
  }
  if (node_.wide) {
    for (const WidePair& pair : node_.widePairs) {
      if (nodePending_) EmitNode(nodeValue_, nodeWord_);
      NewEvent(EventKind::kPair, true, 0);
      output_->chunk->NewValue() = pair.x;
      output_->chunk->NewValue() = pair.y;
    }
    return;
  }
  for (const Pair& pair : node_.pairs) {
    if (nodePending_) EmitNode(nodeValue_, nodeWord_);
    Event& event = NewEvent(EventKind::kPair, false, 0);
    event.first = pair.x;
    event.second = pair.y;
  }
}
