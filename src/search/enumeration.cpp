// The enumeration keeps its own position: for each fixed unknown the remainder
// in lowest terms and the factorisation of its denominator, so that the last
// two unknowns can be solved from the divisors of that denominator. The upper
// levels take their bounds from ComputeLevelBounds, exactly as the step-by-step
// search does; the unknown before the last two runs over its bounds in machine
// words whenever the values allow, which is where nearly all the time goes.
#include "search/enumeration.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "calculation/calculation.h"
#include "dialogue/console.h"
#include "dialogue/terminal.h"
#include "search/factoring.h"
#include "search/pair_solver.h"
#include "search/search.h"

namespace {

using NTL::ZZ;

// Solutions of one pair node are produced in batches of at most this many.
constexpr std::size_t kPairBatch = 1 << 16;

// A fixed prefix x[1..level] with more than two unknowns left after it.
struct Frame {
  ZZ a, b;                          // the remainder after x[1..level], in lowest terms
  ZZ value;                         // x[level]; 0 at level 0
  std::vector<PrimePower> factors;  // of b, when `factored`
  bool factored = false;
  ZZ next, lowest;  // children still to try: next, next - step, ... down to lowest
};

// A prefix x[1..n-2]: the last two unknowns are solved at once.
struct PairNode {
  bool active = false;
  bool word = false;  // the remainder fits machine words
  // x[n-2]: a word in the hot loop, a ZZ otherwise.
  bool valueIsWord = false;
  u64 valueWord = 0;
  ZZ value;
  // Word form: the remainder, its factorisation and a batch of solutions.
  u64 a = 0, b = 0;
  std::vector<PrimePower> factors;
  PairLimits limits;
  std::vector<Pair> pairs;
  std::size_t index = 0;
  bool complete = true;
  // Wide form: the remainder, the next x to try (downwards) and the pair found.
  ZZ wideA, wideB, cursor, cursorLowest;
  ZZ pairX, pairY;
  bool widePending = false;
  bool lowerBoundKnown = false;
};

// The machine-word loop over x[n-2] under the frame at level n-3.
struct HotLoop {
  bool active = false;
  bool more = false;  // children left: next, next - step, ... down to lowest
  u64 a = 0, b = 0, next = 0, lowest = 0;
  unsigned visited = 0;
  RangeFactorizer factorizer;
};

struct Enumeration {
  int n = 0;
  int type = 2;
  long step = 1;
  int depth = -1;            // the frame whose children are being tried; -1: finished
  std::deque<Frame> frames;  // grown with the depth reached; references stay valid
  HotLoop hot;
  PairNode node;
  // A completion from the bound of an upper level, not yet handed out.
  bool completionPending = false;
  int completionLevel = 0;
  ZZ completionFirst;
  int staleFrom = 1;  // x[staleFrom..] in the state may differ from the enumeration
  // Bounds in the forms the hot loop needs.
  u128 minFirstWord = 0;
  u128 maxLastWord = 0;  // 0: none, or above anything a word solution reaches
  bool minFirstFits = false;
  // Scratch.
  ZZ work1, work2, work3;
  std::vector<PrimePower> scratchFactors;
  PrimePower childFactors[kMaxPrimesOf64];
};

Enumeration e;

bool FitsU128(const ZZ& value) { return NTL::sign(value) >= 0 && NTL::NumBits(value) <= 128; }

u128 ToU128(const ZZ& value) {
  unsigned char bytes[16];
  NTL::BytesFromZZ(bytes, value, 16);
  u128 result = 0;
  for (int i = 15; i >= 0; --i) result = (result << 8) | bytes[i];
  return result;
}

// The smallest admissible value strictly above floor(b/a), and at least N:
// the lower bound that the step-by-step search gives an unknown before the last.
void LowerBoundAbove(const ZZ& a, const ZZ& b, ZZ& bound) {
  const CalculationState& s = state;
  NTL::div(bound, b, a);
  if (s.parity == 0) {
    bound += 1;
  } else if ((s.parity == 1) != NTL::IsOdd(bound)) {
    bound += 1;
  } else {
    bound += 2;
  }
  if (bound < s.minFirst) bound = s.minFirst;
}

// The exact factorisation of b from the candidate primes, or false when some
// prime of b is not among them.
bool FactorFrom(const std::vector<PrimePower>& candidates, const ZZ& b, std::vector<PrimePower>& factors) {
  factors.clear();
  ZZ& rest = e.work3;
  rest = b;
  for (const PrimePower& c : candidates) {
    if (!factors.empty() && factors.back().prime == c.prime) continue;
    SetZZ(e.work1, c.prime);
    int exponent = 0;
    while (NTL::divide(e.work2, rest, e.work1)) {
      rest = e.work2;
      ++exponent;
    }
    if (exponent > 0) factors.push_back({c.prime, exponent});
  }
  return NTL::IsOne(rest);
}

void MergeFactors(const std::vector<PrimePower>& left, const std::vector<PrimePower>& right,
                  std::vector<PrimePower>& merged) {
  merged.clear();
  std::merge(left.begin(), left.end(), right.begin(), right.end(), std::back_inserter(merged),
             [](const PrimePower& l, const PrimePower& r) { return l.prime < r.prime; });
}

// frames[level] from its parent and x[level] = value.
void MakeChildFrame(int level, const ZZ& value) {
  if (e.frames.size() <= static_cast<std::size_t>(level)) e.frames.resize(static_cast<std::size_t>(level) + 1);
  Frame& parent = e.frames[static_cast<std::size_t>(level - 1)];
  Frame& f = e.frames[static_cast<std::size_t>(level)];
  f.value = value;
  NTL::mul(f.a, parent.a, value);
  NTL::sub(f.a, f.a, parent.b);
  NTL::mul(f.b, parent.b, value);
  NTL::GCD(e.work1, f.a, f.b);
  if (!NTL::IsOne(e.work1)) {
    NTL::div(f.a, f.a, e.work1);
    NTL::div(f.b, f.b, e.work1);
  }
  f.factored = false;
  if (parent.factored && FitsU64(value)) {
    e.scratchFactors.clear();
    Factor64(ToU64(value), e.scratchFactors);
    std::vector<PrimePower> candidates;
    MergeFactors(parent.factors, e.scratchFactors, candidates);
    f.factored = FactorFrom(candidates, f.b, f.factors);
  }
}

// The step-by-step search's decision at the frame of `level`: the bounds of
// x[level+1], the completion from its upper bound, and the children to try.
void EnterFrame(int level) {
  CalculationState& s = state;
  Frame& f = e.frames[static_cast<std::size_t>(level)];
  const int n = e.n;
  s.x[level] = f.value;
  // The running sum as P/Q minus the remainder: (p*b - a*q) / (q*b).
  NTL::mul(e.work2, s.q, f.b);
  NTL::mul(e.work1, s.p, f.b);
  NTL::mul(e.work3, f.a, s.q);
  NTL::sub(e.work1, e.work1, e.work3);
  s.upperBound = ComputeLevelBounds(level, e.work2, e.work1);
  const ZZ& upper = s.upperBound;
  const ZZ& childLower = s.lowerBounds[level + 1];
  f.next = 0;
  f.lowest = 1;
  if (level == n - 3) e.hot.active = false;
  if (childLower > upper && (level == 0 || level < n - 1)) return;
  if (!NTL::IsZero(s.maxLast)) {
    NTL::mul(e.work1, s.maxLast, s.remainderNum);
    if (e.work1 < s.remainingTimesQDen) return;
  }
  if (e.type == 2 ? f.value >= upper : f.value > upper) return;
  f.next = upper;
  if (NTL::IsZero(s.boundAux)) {
    // The completion from the bound is the only solution with x[level+1] = U.
    NTL::add(e.work1, upper, (n - level - 1) * (e.type == 2 ? e.step : 0));
    if (e.type == 1 || NTL::IsZero(s.maxLast) || e.work1 <= s.maxLast) {
      e.completionPending = true;
      e.completionLevel = level;
      e.completionFirst = upper;
    }
    NTL::sub(f.next, upper, e.step);
  }
  if (level == n - 1) {
    f.next = 0;  // the last unknown has no children
    return;
  }
  // Children above x[level] (type 2) or not below it (type 1), of the parity of U.
  f.lowest = childLower;
  NTL::add(e.work1, f.value, e.type == 2 ? 1 : 0);
  if (f.lowest < e.work1) f.lowest = e.work1;
  if (e.step == 2 && NTL::IsOdd(f.lowest) != NTL::IsOdd(upper)) f.lowest += 1;
  if (level == n - 3 && f.next >= f.lowest) {
    e.hot.active = f.factored && FitsU64(f.a) && FitsU64(f.b) && FitsU64(f.next);
    e.hot.more = e.hot.active;
    if (e.hot.active) {
      e.hot.a = ToU64(f.a);
      e.hot.b = ToU64(f.b);
      e.hot.next = ToU64(f.next);
      e.hot.lowest = ToU64(f.lowest);
      e.hot.factorizer.Start(e.hot.lowest, e.hot.next);
    }
  }
}

// --- Pair nodes -----------------------------------------------------------

void SetPairLimits(PairLimits& limits, u128 valueAbove) {
  limits.xAbove = valueAbove;
  if (e.minFirstFits) {
    if (e.minFirstWord > 0 && limits.xAbove < e.minFirstWord - 1) limits.xAbove = e.minFirstWord - 1;
  } else {
    limits.xAbove = ~static_cast<u128>(0);
  }
  limits.yAtMost = e.maxLastWord;
  limits.parity = state.parity;
  limits.allowEqual = e.type == 1;
}

bool SolveWordNode(u128 ceiling) {
  PairNode& node = e.node;
  node.index = 0;
  node.complete = SolvePairs(node.a, node.b, node.factors.data(), static_cast<int>(node.factors.size()), node.limits,
                             ceiling, kPairBatch, node.pairs);
  return !node.pairs.empty();
}

// The wide form scans x downwards from floor(2b/a), as the step-by-step search
// would, for the remainders that do not fit machine words: node.wideA/wideB.
void StartWideNode(const ZZ& value) {
  CalculationState& s = state;
  PairNode& node = e.node;
  node.word = false;
  node.widePending = false;
  NTL::mul(node.cursor, node.wideB, 2);
  NTL::div(node.cursor, node.cursor, node.wideA);
  // x > b/a, x above x[n-2] (type 2) or not below it (type 1), and at least N.
  NTL::div(node.cursorLowest, node.wideB, node.wideA);
  node.cursorLowest += 1;
  NTL::add(e.work1, value, e.type == 2 ? 1 : 0);
  if (node.cursorLowest < e.work1) node.cursorLowest = e.work1;
  if (node.cursorLowest < s.minFirst) node.cursorLowest = s.minFirst;
  if (s.parity != 0 && NTL::IsOdd(node.cursor) != (s.parity == 1)) node.cursor -= 1;
}

// Finds the next wide pair into pairX/pairY.
bool FindWidePair() {
  CalculationState& s = state;
  PairNode& node = e.node;
  ZZ& t = e.work1;
  ZZ& quotient = e.work2;
  unsigned tried = 0;
  while (node.cursor >= node.cursorLowest) {
    if ((++tried & 0xffff) == 0) {
      Pulse();
      if (StopRequested()) return false;
    }
    const ZZ& x = node.cursor;
    // y = b*x / (a*x - b) when that is an integer.
    NTL::mul(t, node.wideA, x);
    NTL::sub(t, t, node.wideB);
    NTL::mul(e.work3, node.wideB, x);
    const bool integral = NTL::divide(quotient, e.work3, t) != 0;
    if (integral && (e.type == 1 ? quotient >= x : quotient > x) && (NTL::IsZero(s.maxLast) || quotient <= s.maxLast) &&
        (s.parity == 0 || NTL::IsOdd(quotient) == (s.parity == 1))) {
      node.pairX = x;
      node.pairY = quotient;
      NTL::sub(node.cursor, node.cursor, e.step);
      return true;
    }
    NTL::sub(node.cursor, node.cursor, e.step);
  }
  return false;
}

// Whether the current pair node has a solution left to hand out.
bool NodeHasPair() {
  PairNode& node = e.node;
  if (!node.active) return false;
  if (!node.word) {
    if (!node.widePending) node.widePending = FindWidePair();
    return node.widePending;
  }
  if (node.index < node.pairs.size()) return true;
  if (node.complete || node.pairs.empty()) return false;
  return SolveWordNode(node.pairs.back().x);
}

// The pair node of the prefix with x[n-2] = value, from a frame in ZZ (or the
// root when n = 2, with value 0); in word form when the values allow.
void StartPairNodeFromZZ(const Frame& parent, const ZZ& value) {
  PairNode& node = e.node;
  node.active = true;
  node.lowerBoundKnown = false;
  node.valueIsWord = false;
  node.value = value;
  ZZ& a = node.wideA;
  ZZ& b = node.wideB;
  if (NTL::IsZero(value)) {
    a = parent.a;
    b = parent.b;
  } else {
    NTL::mul(a, parent.a, value);
    NTL::sub(a, a, parent.b);
    NTL::mul(b, parent.b, value);
    NTL::GCD(e.work3, a, b);
    if (!NTL::IsOne(e.work3)) {
      NTL::div(a, a, e.work3);
      NTL::div(b, b, e.work3);
    }
  }
  bool factored = false;
  if (parent.factored && FitsU64(value) && FitsU64(a) && FitsU64(b)) {
    e.scratchFactors.clear();
    if (!NTL::IsZero(value)) Factor64(ToU64(value), e.scratchFactors);
    std::vector<PrimePower> candidates;
    MergeFactors(parent.factors, e.scratchFactors, candidates);
    factored = FactorFrom(candidates, b, node.factors);
  }
  if (!factored) {
    StartWideNode(value);
    return;
  }
  node.word = true;
  node.a = ToU64(a);
  node.b = ToU64(b);
  const u64 v = ToU64(value);
  SetPairLimits(node.limits, e.type == 2 ? v : (v == 0 ? 0 : v - 1));
  node.complete = false;
  SolveWordNode(~static_cast<u128>(0));
}

// The next child of the hot loop as a pair node with at least one solution.
bool NextHotPairNode() {
  HotLoop& hot = e.hot;
  PairNode& node = e.node;
  const Frame& parent = e.frames[static_cast<std::size_t>(e.n - 3)];
  const std::vector<PrimePower>& parentFactors = parent.factors;
  const u64 step = static_cast<u64>(e.step);
  while (hot.more) {
    // Lines already found are shown while the search goes on.
    if ((++hot.visited & 0x3ff) == 0) {
      Pulse();
      if (StopRequested()) return false;
    }
    const u64 v = hot.next;
    if (v - hot.lowest < step) {
      hot.more = false;
    } else {
      hot.next = v - step;
    }
    u128 a = static_cast<u128>(hot.a) * v - hot.b;
    u128 b = static_cast<u128>(hot.b) * v;
    const int childCount = hot.factorizer.Factor(v, e.childFactors);
    // Merge the primes of b and of v; a common prime may also divide a*v - b.
    node.factors.clear();
    u128 g = 1;
    std::size_t i = 0;
    int j = 0;
    while (i < parentFactors.size() || j < childCount) {
      PrimePower f;
      if (j == childCount || (i < parentFactors.size() && parentFactors[i].prime < e.childFactors[j].prime)) {
        f = parentFactors[i++];
      } else if (i == parentFactors.size() || e.childFactors[j].prime < parentFactors[i].prime) {
        f = e.childFactors[j++];
      } else {
        f = {parentFactors[i].prime, parentFactors[i].exponent + e.childFactors[j].exponent};
        ++i;
        ++j;
        int common = 0;
        while (common < f.exponent && ModWide(a, f.prime) == 0) {
          a = DivideWideBy(a, f.prime);
          g *= f.prime;
          ++common;
        }
        f.exponent -= common;
        if (f.exponent == 0) continue;
      }
      node.factors.push_back(f);
    }
    if (g != 1) b = (g >> 64) == 0 ? DivideWideBy(b, Low64(g)) : b / g;
    node.active = true;
    node.lowerBoundKnown = false;
    node.valueIsWord = true;
    node.valueWord = v;
    if ((a >> 64) != 0 || (b >> 64) != 0) {
      SetZZ(node.wideA, a);
      SetZZ(node.wideB, b);
      SetZZ(e.work3, v);
      const ZZ value = e.work3;
      StartWideNode(value);
      if (NodeHasPair()) return true;
      continue;
    }
    node.word = true;
    node.a = Low64(a);
    node.b = Low64(b);
    SetPairLimits(node.limits, e.type == 2 ? v : v - 1);
    if (SolveWordNode(~static_cast<u128>(0))) return true;
  }
  return false;
}

// --- Walking the frames ----------------------------------------------------

// Moves to the next completion or pair node with a solution; false at the end.
bool Advance() {
  while (e.depth >= 0) {
    Frame& f = e.frames[static_cast<std::size_t>(e.depth)];
    if (e.depth == e.n - 3) {
      if (e.hot.active) {
        if (NextHotPairNode()) return true;
        e.hot.active = false;
        f.next = 0;
        f.lowest = 1;
      }
      while (f.next >= f.lowest) {
        const ZZ value = f.next;
        NTL::sub(f.next, f.next, e.step);
        StartPairNodeFromZZ(f, value);
        if (NodeHasPair()) return true;
      }
      --e.depth;
      continue;
    }
    if (f.next < f.lowest) {
      --e.depth;
      continue;
    }
    Pulse();
    if (StopRequested()) {
      e.depth = -1;
      return false;
    }
    const ZZ value = f.next;
    NTL::sub(f.next, f.next, e.step);
    ++e.depth;
    MakeChildFrame(e.depth, value);
    EnterFrame(e.depth);
    e.staleFrom = std::min(e.staleFrom, e.depth);
    if (e.completionPending) return true;
  }
  return false;
}

// x[i] of the state back to the enumeration's prefix, from `staleFrom` to `last`.
void WritePrefix(int last) {
  CalculationState& s = state;
  for (int i = std::max(e.staleFrom, 1); i <= last; ++i) s.x[i] = e.frames[static_cast<std::size_t>(i)].value;
  e.staleFrom = last + 1;
}

void HandOutCompletion(int& top) {
  CalculationState& s = state;
  const int n = e.n;
  const int level = e.completionLevel;
  WritePrefix(level);
  for (int i = level + 1; i <= n; ++i) {
    NTL::add(s.x[i], e.completionFirst, (i - level - 1) * (e.type == 2 ? e.step : 0));
  }
  // lowerBounds[level + 1] still holds the bound computed at this frame.
  top = std::min(level + 1, n - 1);
  e.staleFrom = std::min(e.staleFrom, level + 1);
  e.completionPending = false;
}

void HandOutPair(int& top) {
  CalculationState& s = state;
  PairNode& node = e.node;
  const int n = e.n;
  WritePrefix(n - 3);
  if (n >= 3) {
    if (node.valueIsWord) {
      SetZZ(s.x[n - 2], node.valueWord);
    } else {
      s.x[n - 2] = node.value;
    }
  }
  if (node.word) {
    const Pair& pair = node.pairs[node.index++];
    SetZZ(s.x[n - 1], pair.x);
    SetZZ(s.x[n], pair.y);
  } else {
    s.x[n - 1] = node.pairX;
    s.x[n] = node.pairY;
    node.widePending = false;
  }
  if (!node.lowerBoundKnown) {
    if (node.word) {
      SetZZ(e.work1, node.a);
      SetZZ(e.work2, node.b);
      LowerBoundAbove(e.work1, e.work2, s.lowerBounds[n - 1]);
    } else {
      LowerBoundAbove(node.wideA, node.wideB, s.lowerBounds[n - 1]);
    }
    node.lowerBoundKnown = true;
  }
  top = n - 1;
}

}  // namespace

void StartEnumeration() {
  CalculationState& s = state;
  e.n = s.unknownCount;
  e.type = s.equationType;
  e.step = s.step;
  if (e.frames.empty()) e.frames.resize(1);
  e.node.active = false;
  e.hot.active = false;
  e.completionPending = false;
  e.staleFrom = 1;
  e.minFirstFits = FitsU128(s.minFirst);
  e.minFirstWord = e.minFirstFits ? ToU128(s.minFirst) : 0;
  e.maxLastWord = FitsU128(s.maxLast) ? ToU128(s.maxLast) : 0;

  Frame& root = e.frames[0];
  root.a = s.p;
  root.b = s.q;
  root.value = 0;
  root.factored = FitsU64(s.q);
  if (root.factored) {
    root.factors.clear();
    Factor64(ToU64(s.q), root.factors);
  }
  e.depth = 0;
  if (e.n == 2) {
    // The root itself is the pair node.
    e.depth = -1;
    StartPairNodeFromZZ(root, root.value);
    return;
  }
  EnterFrame(0);
  if (e.n == 1) e.depth = -1;
}

bool NextSolution(int& top) {
  for (;;) {
    if (e.completionPending) {
      HandOutCompletion(top);
      return true;
    }
    if (NodeHasPair()) {
      HandOutPair(top);
      return true;
    }
    e.node.active = false;
    if (!Advance()) return false;
  }
}

void MarkPositionChanged(int level) { e.staleFrom = std::min(e.staleFrom, level); }

bool CurrentFirstUnknown(ZZ& value) {
  if (e.n >= 4 && e.depth >= 1) {
    value = e.frames[1].value;
    return true;
  }
  if (e.n != 3 || !e.node.active) return false;
  // x1 is the x[n-2] of the pair nodes.
  if (e.node.valueIsWord) {
    SetZZ(value, e.node.valueWord);
  } else {
    value = e.node.value;
  }
  return true;
}
