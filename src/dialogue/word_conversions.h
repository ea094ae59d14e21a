// Exact conversions between NTL's integers and 64-bit machine words. NTL takes
// and gives machine integers as `long` and `unsigned long`, which hold only 32
// bits on Windows: where they are narrower than 64 bits, a value goes through
// its eight bytes instead.
#pragma once

#include <NTL/ZZ.h>

#include <cstdint>

constexpr bool kLongHolds64Bits = sizeof(unsigned long) >= sizeof(std::uint64_t);

// The ways through the eight bytes, whatever the width of `long`.
inline void SetFromU64Bytes(NTL::ZZ& target, std::uint64_t value) {
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  NTL::ZZFromBytes(target, bytes, 8);
}

inline std::uint64_t LowU64Bytes(const NTL::ZZ& value) {
  unsigned char bytes[8];
  NTL::BytesFromZZ(bytes, value, 8);  // of |value|
  std::uint64_t magnitude = 0;
  for (int i = 7; i >= 0; --i) magnitude = magnitude << 8 | bytes[i];
  return NTL::sign(value) < 0 ? 0 - magnitude : magnitude;
}

// target = value.
inline void SetFromU64(NTL::ZZ& target, std::uint64_t value) {
  if (kLongHolds64Bits)
    NTL::conv(target, static_cast<unsigned long>(value));
  else
    SetFromU64Bytes(target, value);
}

// value mod 2^64, as NTL converts into narrower types.
inline std::uint64_t LowU64(const NTL::ZZ& value) {
  return kLongHolds64Bits ? NTL::to_ulong(value) : LowU64Bytes(value);
}

// True when |value| < 2^63.
inline bool FitsI64(const NTL::ZZ& value) { return NTL::NumBits(value) < 64; }

// Only for values that FitsI64 accepts.
inline std::int64_t ToI64(const NTL::ZZ& value) { return static_cast<std::int64_t>(LowU64(value)); }

// value == number, for |number| < 2^63, without making a ZZ of the number.
inline bool EqualsI64(const NTL::ZZ& value, std::int64_t number) { return FitsI64(value) && ToI64(value) == number; }
