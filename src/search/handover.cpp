#include "search/handover.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "calculation/calculation.h"
#include "dialogue/console.h"
#include "search/bounds.h"
#include "search/parallel.h"
#include "search/walk.h"
#include "search/zz_words.h"

namespace {

using NTL::ZZ;

// A value of the current solution: a word, or a big integer.
struct ValueRef {
  bool isWord;
  u128 word;
  const ZZ* big;
};

enum class Kind : std::uint8_t { kPair, kCompletion };

// The fields are grouped by size, the words first.
struct Handover {
  // The current solution. x[1..prefixLength] are in values; for a pair,
  // x[n-2] is the node and x[n-1], x[n] the pair (words, or values[n-2],
  // values[n-1], values[n] when wide); for a completion at level L, x[L+1..n]
  // are first, first + step, ... (type 2) or all first (type 1).
  u128 node = 0, pairX = 0, pairY = 0;
  u128 firstWord = 0;        // x[1] of the prefix, when firstFits
  u128 first = 0, last = 0;  // x[1] and x[n] of the solution, when endsInWords
  // The extremes in words while they fit (the state's fields are then stale).
  u128 largest = 0, smallest = 0;

  const SearchSetup* setup = nullptr;
  Chunk* chunk = nullptr;
  std::size_t position = 0;
  std::vector<ZZ> values;  // 1..n
  ZZ completionFirst;
  std::uint64_t prefixVersion = 0;  // raised with each prefix event
  // The printed text of the prefix, valid while prefixTextVersion is prefixVersion.
  std::string prefixText;
  std::uint64_t prefixTextVersion = ~std::uint64_t{0};
  // The backtracking's view: remainders after x[1..i] for i < remaindersValid,
  // whether every prefix level is at its last value (for prefixAtEndVersion),
  // and whether x[n-2] is too (for the current node).
  std::vector<ZZ> remainderA, remainderB;
  std::uint64_t prefixAtEndVersion = ~std::uint64_t{0};
  ZZ bound, scratch;

  int n = 0;
  int prefixLength = 0;
  int completionLevel = 0;
  int remaindersValid = 0;
  Kind kind = Kind::kPair;
  bool firstFits = false;
  bool endsInWords = false;
  bool nodeWide = false;
  bool pairWide = false;
  bool recorded = false;
  bool largestInWords = true, smallestInWords = true;
  bool copyPending = false;
  bool prefixAtEnd = false;
  bool nodeAtEndKnown = false;
  bool nodeAtEnd = false;

  // The run read last (a run event), while the group is a run; the current
  // solution is then one of it, its last unless select() chose another.
  bool inRun = false;
  RunSummary run{};
};

Handover h;

// --- The values of the current solution ----------------------------------------

ValueRef WordRef(u128 word) { return {true, word, nullptr}; }
ValueRef BigRef(const ZZ& big) { return {false, 0, &big}; }

// x[i] of a pair solution at or beyond the node, and x[1].
ValueRef PairValue(int i) {
  const int n = h.n;
  if (i == n) return h.pairWide ? BigRef(h.values[n]) : WordRef(h.pairY);
  if (i == n - 1) return h.pairWide ? BigRef(h.values[n - 1]) : WordRef(h.pairX);
  return h.nodeWide ? BigRef(h.values[n - 2]) : WordRef(h.node);
}

ValueRef FirstValue() {
  if (h.kind == Kind::kCompletion ? h.completionLevel >= 1 : h.n >= 4) {
    return h.firstFits ? WordRef(h.firstWord) : BigRef(h.values[1]);
  }
  if (h.kind == Kind::kCompletion) return BigRef(h.completionFirst);
  return PairValue(1);
}

// x[i] of a completion beyond its level, into `out`.
void CompletionValue(int i, ZZ& out) {
  out = h.completionFirst;
  if (h.setup->type == 2) out += static_cast<long>(i - h.completionLevel - 1) * h.setup->step;
}

// Writes x[1..n] of the current solution into values[1..n].
void Materialize() {
  const int n = h.n;
  for (int i = h.prefixLength + 1; i <= n; ++i) {
    if (h.kind == Kind::kCompletion) {
      CompletionValue(i, h.values[i]);
      continue;
    }
    const ValueRef value = PairValue(i);
    if (value.isWord) SetZZ(h.values[i], value.word);
  }
}

// --- Access for RecordSolution --------------------------------------------------

// The decimal digits of `value` followed by "\t \t", from `out` on; returns the
// end.
char* AppendWord(u128 value, char* out) {
  char digits[kU128Digits];
  char* end = digits + sizeof digits;
  for (const char* digit = FormatDecimal(value, end); digit != end; ++digit) *out++ = *digit;
  *out++ = '\t';
  *out++ = ' ';
  *out++ = '\t';
  return out;
}

// x[1..prefixLength] as printed, each followed by "\t \t": made once a prefix.
const std::string& PrefixText() {
  if (h.prefixTextVersion != h.prefixVersion) {
    std::ostringstream stream;
    for (int i = 1; i <= h.prefixLength; ++i) stream << h.values[static_cast<std::size_t>(i)] << "\t \t";
    h.prefixText = stream.str();
    h.prefixTextVersion = h.prefixVersion;
  }
  return h.prefixText;
}

// The values after the prefix: at most three words for a pair, written as one
// piece; big values and completions, which are rare, one by one.
void PrintCurrent() {
  WriteText(PrefixText());
  char line[3 * (kU128Digits + 3)];
  char* cursor = line;
  const bool pair = h.kind == Kind::kPair;
  for (int i = h.prefixLength + 1; i <= h.n; ++i) {
    const ValueRef value = pair ? PairValue(i) : ValueRef{false, 0, nullptr};
    if (value.isWord) {
      cursor = AppendWord(value.word, cursor);
      continue;
    }
    WriteBytes(line, static_cast<std::size_t>(cursor - line));
    cursor = line;
    if (pair) {
      WriteNumber(*value.big);
    } else {
      CompletionValue(i, h.scratch);
      WriteNumber(h.scratch);
    }
    WriteBytes("\t \t", 3);
  }
  WriteBytes(line, static_cast<std::size_t>(cursor - line));
}

// x[n] of the current solution, or the largest of the run.
ValueRef LastValue() {
  if (h.inRun) return WordRef(h.run.largestY);
  if (h.kind == Kind::kPair) return PairValue(h.n);
  CompletionValue(h.n, h.scratch);
  return BigRef(h.scratch);
}

const ZZ& AsZZ(const ValueRef& value, ZZ& scratch) {
  if (!value.isWord) return *value.big;
  SetZZ(scratch, value.word);
  return scratch;
}

// For a run, the largest x[n] is the run's (NoteEnds, LastValue), and the
// smallest x[1] its last solution's (x[1] is in the prefix, or is x[n-2] when
// n = 3, which only falls).
void KeepCurrentExtremes(bool first) {
  CalculationState& s = state;
  h.recorded = true;
  if (h.endsInWords && h.largestInWords && h.smallestInWords) {
    if (h.largest <= h.last) h.largest = h.last;
    if (first || h.smallest >= h.first) h.smallest = h.first;
    return;
  }
  const ValueRef last = LastValue();
  if (h.largestInWords && last.isWord) {
    if (h.largest <= last.word) h.largest = last.word;
  } else {
    if (h.largestInWords) SetZZ(s.largestLast, h.largest);
    h.largestInWords = false;
    ZZ word;
    const ZZ& value = AsZZ(last, word);
    if (s.largestLast <= value) s.largestLast = value;
  }
  const ValueRef firstValue = FirstValue();
  if (h.smallestInWords && firstValue.isWord) {
    if (first || h.smallest >= firstValue.word) h.smallest = firstValue.word;
  } else {
    if (h.smallestInWords) SetZZ(s.smallestFirst, h.smallest);
    h.smallestInWords = false;
    ZZ word;
    const ZZ& value = AsZZ(firstValue, word);
    if (first || s.smallestFirst >= value) s.smallestFirst = value;
  }
}

// The every-K mode copies every solution after it starts: the last one is
// the current one when the search ends, and is written out then.
void KeepCurrentCopy() { h.copyPending = true; }

// --- The backtracking after a solution --------------------------------------------

// The remainder after x[1..i], from values[1..i].
void EnsureRemainder(int i) {
  for (; h.remaindersValid <= i; ++h.remaindersValid) {
    const std::size_t k = static_cast<std::size_t>(h.remaindersValid);
    if (k == 0) {
      h.remainderA[0] = h.setup->p;
      h.remainderB[0] = h.setup->q;
      continue;
    }
    const ZZ& x = h.values[k];
    NTL::mul(h.remainderA[k], h.remainderA[k - 1], x);
    h.remainderA[k] -= h.remainderB[k - 1];
    NTL::mul(h.remainderB[k], h.remainderB[k - 1], x);
    NTL::GCD(h.scratch, h.remainderA[k], h.remainderB[k]);
    h.remainderA[k] /= h.scratch;
    h.remainderB[k] /= h.scratch;
  }
}

// Whether x[i] can be lowered, from values[i - 1] and values[i].
bool Lowerable(int i) {
  const SearchSetup& setup = *h.setup;
  EnsureRemainder(i - 1);
  BacktrackLowerBound(setup, h.remainderA[static_cast<std::size_t>(i - 1)],
                      h.remainderB[static_cast<std::size_t>(i - 1)], h.bound);
  NTL::sub(h.scratch, h.values[i], setup.step);
  if (h.scratch < h.bound) return false;
  NTL::sub(h.scratch, h.values[i], setup.gap);
  return i == 1 ? NTL::sign(h.scratch) > 0 : h.scratch > h.values[i - 1];
}

// Whether none of x[1..prefixLength] can be lowered.
bool PrefixAtEnd() {
  if (h.prefixAtEndVersion != h.prefixVersion) {
    h.prefixAtEndVersion = h.prefixVersion;
    h.prefixAtEnd = true;
    for (int i = 1; i <= h.prefixLength && h.prefixAtEnd; ++i) h.prefixAtEnd = !Lowerable(i);
  }
  return h.prefixAtEnd;
}

bool PairEndsSearch() {
  const int n = h.n;
  if (!PrefixAtEnd()) return false;
  Materialize();
  if (n >= 3 && !h.nodeAtEndKnown) {
    h.nodeAtEnd = !Lowerable(n - 2);
    h.nodeAtEndKnown = true;
  }
  if (n >= 3 && !h.nodeAtEnd) return false;
  return !Lowerable(n - 1);
}

bool CompletionEndsSearch() {
  const int level = h.completionLevel;
  if (!PrefixAtEnd()) return false;
  if (level + 1 > h.n - 1) return true;
  Materialize();
  return !Lowerable(level + 1);
}

// --- Reading the events -----------------------------------------------------------

// x[1] and x[n] of a pair in words, for the extremes' quick path.
void NoteEnds() {
  const ValueRef first = FirstValue();
  h.endsInWords = first.isWord;
  h.first = first.word;
  h.last = h.inRun ? h.run.largestY : h.pairY;  // the largest x[n] of the group
}

// x[n-2] has changed: what was known of it no longer holds.
void ForgetNode() {
  h.nodeAtEndKnown = false;
  if (h.remaindersValid > h.n - 2) h.remaindersValid = h.n - 2;
}

void ReadPrefix(const Event& event) {
  for (int i = 0; i < event.count; ++i)
    h.values[static_cast<std::size_t>(i) + 1] = h.chunk->pool[event.index + static_cast<std::size_t>(i)];
  h.prefixLength = event.count;
  ++h.prefixVersion;
  h.remaindersValid = 0;
  h.nodeAtEndKnown = false;
  h.firstFits = event.count >= 1 && FitsU128(h.values[1]);
  if (h.firstFits) h.firstWord = ToU128(h.values[1]);
}

// The solution x[1..n-3], node, x, y in words is the current one.
void SetCurrentPair(u128 node, u128 x, u128 y) {
  h.kind = Kind::kPair;
  if (h.nodeWide || h.node != node) {
    h.nodeWide = false;
    h.node = node;
    ForgetNode();
  }
  h.pairWide = false;
  h.pairX = x;
  h.pairY = y;
  NoteEnds();
}

void ReadNode(const Event& event) {
  h.nodeWide = event.wide;
  if (event.wide) {
    h.values[static_cast<std::size_t>(h.n - 2)] = h.chunk->pool[event.index];
  } else {
    h.node = event.first;
  }
  ForgetNode();
}

// --- Runs --------------------------------------------------------------------------

// Finds a solution inside a run by walking the run's nodes again on this
// thread, with an event for each solution (runLimit stays null): a run holds at most about
// runLimit solutions, and only those holding a printed line are walked again.
class RunReplay final : public WalkOutput {
 public:
  // x[n-2], x[n-1], x[n] of the index-th solution (from 1) of `run`, whose
  // prefix x[1..n-3] is values[1..n-3].
  void Find(const RunSummary& run, std::int64_t index, u128& node, u128& x, u128& y) {
    const int level = h.n - 3;
    EnsureRemainder(level);
    task_.level = level;
    task_.fresh = false;
    task_.prefix.assign(h.values.begin() + 1, h.values.begin() + 1 + level);
    task_.remainder.a = h.remainderA[static_cast<std::size_t>(level)];
    task_.remainder.b = h.remainderB[static_cast<std::size_t>(level)];
    task_.remainder.factored = false;
    task_.remainder.factors.Clear();
    SetZZ(task_.next, run.firstNode);
    SetZZ(task_.lowest, run.lastNode);
    left_ = index;
    chunk = &chunk_;
    walk_.Run(*h.setup, task_, *this);
    Scan();
    node = node_;
    x = x_;
    y = y_;
  }

  void ChunkFull() override { Scan(); }
  bool Poll(Walk& /*walk*/) override { return left_ > 0; }

 private:
  u128 WordOf(const Event& event, std::size_t offset, u128 word) const {
    return event.wide ? ToU128(chunk_.pool[event.index + offset]) : word;
  }

  // Reads the events written so far, then empties the chunk.
  void Scan() {
    for (const Event& event : chunk_.events) {
      if (left_ == 0) break;
      if (event.kind == EventKind::kNode) node_ = WordOf(event, 0, event.first);
      if (event.kind == EventKind::kPair && --left_ == 0) {
        x_ = WordOf(event, 0, event.first);
        y_ = WordOf(event, 1, event.second);
      }
    }
    chunk_.Reset();
  }

  Walk walk_;
  Task task_;
  Chunk chunk_;
  std::int64_t left_ = 0;
  u128 node_ = 0, x_ = 0, y_ = 0;
};

RunReplay replay;

void SelectInGroup(std::int64_t index) {
  if (!h.inRun) return;
  if (index == static_cast<std::int64_t>(h.run.solutions)) {
    SetCurrentPair(h.run.lastNode, h.run.lastX, h.run.lastY);
    return;
  }
  u128 node = 0, x = 0, y = 0;
  replay.Find(h.run, index, node, x, y);
  SetCurrentPair(node, x, y);
}

}  // namespace

const SolutionAccess kHandoverAccess = {PrintCurrent, KeepCurrentExtremes, KeepCurrentCopy, SelectInGroup};

void StartHandover(const SearchSetup& setup) {
  const CalculationState& s = state;
  h.setup = &setup;
  h.inRun = false;
  h.n = setup.n;
  h.chunk = nullptr;
  h.position = 0;
  const std::size_t size = static_cast<std::size_t>(h.n) + 1;
  if (h.values.size() < size) h.values.resize(size);
  if (h.remainderA.size() < size) {
    h.remainderA.resize(size);
    h.remainderB.resize(size);
  }
  h.prefixLength = 0;
  ++h.prefixVersion;
  h.remaindersValid = 0;
  h.nodeAtEndKnown = false;
  h.recorded = false;
  h.copyPending = false;
  h.largestInWords = FitsU128(s.largestLast);
  h.largest = h.largestInWords ? ToU128(s.largestLast) : 0;
  h.smallestInWords = FitsU128(s.smallestFirst);
  h.smallest = h.smallestInWords ? ToU128(s.smallestFirst) : 0;
}

bool NextSolution(bool& endsSearch, std::int64_t& count) {
  count = 1;
  h.inRun = false;
  for (;;) {
    if (h.chunk == nullptr || h.position == h.chunk->events.size()) {
      if (h.chunk != nullptr) ReleaseChunk(h.chunk);
      h.chunk = NextChunk();
      h.position = 0;
      if (h.chunk == nullptr) return false;
      continue;
    }
    const Event& event = h.chunk->events[h.position++];
    switch (event.kind) {
      case EventKind::kPrefix: ReadPrefix(event); break;
      case EventKind::kNode: ReadNode(event); break;
      case EventKind::kPair:
        h.kind = Kind::kPair;
        h.pairWide = event.wide;
        if (event.wide) {
          h.values[static_cast<std::size_t>(h.n - 1)] = h.chunk->pool[event.index];
          h.values[static_cast<std::size_t>(h.n)] = h.chunk->pool[event.index + 1];
          h.endsInWords = false;
        } else {
          h.pairX = event.first;
          h.pairY = event.second;
          NoteEnds();
        }
        endsSearch = PairEndsSearch();
        return true;
      case EventKind::kCompletion:
        h.kind = Kind::kCompletion;
        h.completionLevel = event.count;
        if (h.prefixLength > event.count) {
          // Its prefix is only x[1..L]; what lay beyond is written over.
          h.prefixLength = event.count;
          ++h.prefixVersion;
          h.remaindersValid = std::min(h.remaindersValid, event.count + 1);
        }
        h.completionFirst = h.chunk->pool[event.index];
        h.endsInWords = false;
        endsSearch = CompletionEndsSearch();
        return true;
      case EventKind::kRun:
        h.run = h.chunk->runs[event.index];
        h.inRun = true;
        SetCurrentPair(h.run.lastNode, h.run.lastX, h.run.lastY);
        count = static_cast<std::int64_t>(h.run.solutions);
        endsSearch = PairEndsSearch();
        return true;
    }
  }
}

void FinishHandover() {
  CalculationState& s = state;
  if (h.chunk != nullptr) {
    ReleaseChunk(h.chunk);
    h.chunk = nullptr;
  }
  if (!h.recorded) return;
  if (h.largestInWords) SetZZ(s.largestLast, h.largest);
  if (h.smallestInWords) SetZZ(s.smallestFirst, h.smallest);
  if (h.copyPending) {
    Materialize();
    for (int i = 1; i <= h.n; ++i) s.savedSolution[i] = h.values[static_cast<std::size_t>(i)];
  }
}
