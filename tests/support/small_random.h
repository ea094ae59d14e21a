// A small generator (xorshift) of the tests' own, so that a seed gives the same
// values with every compiler and library.
#pragma once

#include <cstdint>

class SmallRandom {
 public:
  explicit SmallRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}
  std::uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DULL;
  }
  std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }
  int Between(int low, int high) { return low + static_cast<int>(Below(static_cast<std::uint64_t>(high - low + 1))); }
  bool OneIn(int chances) { return Below(static_cast<std::uint64_t>(chances)) == 0; }

 private:
  std::uint64_t state_;
};
