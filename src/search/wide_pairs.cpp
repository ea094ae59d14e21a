#include "search/wide_pairs.h"

#include <algorithm>

#include "search/words/largest_pairs.h"
#include "search/zz_words.h"

namespace {

using NTL::ZZ;

struct Entry {
  ZZ key, u, v;
};

// A prime power of b as the halves use it.
struct Power {
  ZZ prime;
  int exponent;
};

class Collector {
 public:
  Collector(const ZZ& a, const ZZ& b, const WideLimits& limits, const ZZ& ceiling, std::size_t limit,
            std::vector<WidePair>& out)
      : a_(a), b_(b), limits_(limits), ceiling_(ceiling), limit_(limit), out_(out) {}

  // u and v coprime, u*v dividing b, a dividing u + v.
  void Offer(const ZZ& u, const ZZ& v) {
    if (u > v || (u == v && !limits_.allowEqual)) return;
    NTL::add(h_, u, v);
    NTL::div(h_, h_, a_);
    NTL::div(x_, b_, v);
    NTL::mul(x_, x_, h_);
    if (!NTL::IsZero(ceiling_) && x_ >= ceiling_) return;
    if (x_ < limits_.xLow || x_ > limits_.xHigh) return;
    if (x_ <= floor_) return;  // 0 until pairs were dropped: every x is at least 1
    NTL::div(y_, b_, u);
    NTL::mul(y_, y_, h_);
    if (!NTL::IsZero(limits_.yHigh) && y_ > limits_.yHigh) return;
    if (limits_.parity != 0) {
      const bool odd = limits_.parity == 1;
      if (NTL::IsOdd(x_) != odd || NTL::IsOdd(y_) != odd) return;
    }
    out_.push_back({x_, y_});
    if (KeepLargestPairs(out_, limit_, floor_)) complete_ = false;
  }

  bool Finish() { return SortLargestPairs(out_, limit_) && complete_; }

 private:
  const ZZ& a_;
  const ZZ& b_;
  const WideLimits& limits_;
  const ZZ& ceiling_;
  std::size_t limit_;
  std::vector<WidePair>& out_;
  ZZ h_, x_, y_, floor_;
  bool complete_ = true;
};

// Every way of sending the prime powers of `members` into u, into v or into
// neither, with the ratio u/v modulo a (v/u when `inverted`).
void FillHalf(const std::vector<Power>& powers, const std::vector<std::size_t>& members, const ZZ& a, bool inverted,
              std::vector<Entry>& half) {
  half.assign(1, Entry{ZZ(0), ZZ(1), ZZ(1)});
  if (!NTL::IsOne(a)) half[0].key = 1;
  ZZ residue, inverse, up, down, power, upPower, downPower;
  for (std::size_t index : members) {
    const Power& f = powers[index];
    const std::size_t before = half.size();
    if (NTL::IsOne(a)) {
      residue = 0;
      inverse = 0;
    } else {
      NTL::rem(residue, f.prime, a);
      NTL::InvMod(inverse, residue, a);
    }
    up = inverted ? inverse : residue;
    down = inverted ? residue : inverse;
    power = 1;
    upPower = NTL::IsOne(a) ? ZZ(0) : ZZ(1);
    downPower = upPower;
    for (int e = 1; e <= f.exponent; ++e) {
      power *= f.prime;
      if (!NTL::IsOne(a)) {
        NTL::MulMod(upPower, upPower, up, a);
        NTL::MulMod(downPower, downPower, down, a);
      }
      for (std::size_t i = 0; i < before; ++i) {
        Entry toU{ZZ(0), half[i].u * power, half[i].v};
        Entry toV{ZZ(0), half[i].u, half[i].v * power};
        if (!NTL::IsOne(a)) {
          NTL::MulMod(toU.key, half[i].key, upPower, a);
          NTL::MulMod(toV.key, half[i].key, downPower, a);
        }
        half.push_back(toU);
        half.push_back(toV);
      }
    }
  }
}

}  // namespace

bool SolveWidePairs(const NTL::ZZ& a, const NTL::ZZ& b, const Factorization& factors, const WideLimits& limits,
                    const NTL::ZZ& ceiling, std::size_t limit, std::vector<WidePair>& out) {
  out.clear();
  std::vector<Power> powers;
  for (const PrimePower& f : factors.words) powers.push_back({ZZOf(f.prime), f.exponent});
  for (const BigPrimePower& f : factors.bigs) powers.push_back({f.prime, f.exponent});
  // Balance the halves by their numbers of assignments, the largest exponents first.
  std::vector<std::size_t> order(powers.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t l, std::size_t r) { return powers[l].exponent > powers[r].exponent; });
  std::vector<std::size_t> membersA, membersB;
  double sizeA = 1, sizeB = 1;
  for (std::size_t index : order) {
    const double ways = 2.0 * powers[index].exponent + 1;
    if (sizeA <= sizeB) {
      membersA.push_back(index);
      sizeA *= ways;
    } else {
      membersB.push_back(index);
      sizeB *= ways;
    }
  }
  std::vector<Entry> halfA, halfB;
  FillHalf(powers, membersA, a, true, halfA);
  FillHalf(powers, membersB, a, false, halfB);
  std::sort(halfB.begin(), halfB.end(), [](const Entry& l, const Entry& r) { return l.key < r.key; });

  Collector collector(a, b, limits, ceiling, limit, out);
  Entry wanted;
  ZZ u, v;
  for (const Entry& entry : halfA) {
    // u/v = -1 mod a: the key of B is minus that of A.
    if (NTL::IsZero(entry.key)) {
      wanted.key = 0;
    } else {
      NTL::sub(wanted.key, a, entry.key);
    }
    auto matches = std::equal_range(halfB.begin(), halfB.end(), wanted,
                                    [](const Entry& l, const Entry& r) { return l.key < r.key; });
    for (auto match = matches.first; match != matches.second; ++match) {
      NTL::mul(u, entry.u, match->u);
      NTL::mul(v, entry.v, match->v);
      collector.Offer(u, v);
    }
  }
  return collector.Finish();
}
