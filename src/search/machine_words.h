// Machine words for the hot part of the search: 64-bit values with exact
// 128-bit products, and the conversions to and from NTL's integers.
#pragma once

#include <NTL/ZZ.h>

#include <cstdint>

__extension__ typedef unsigned __int128 u128;
using u64 = std::uint64_t;

constexpr u128 kU64Limit = static_cast<u128>(1) << 64;

inline u64 Low64(u128 value) { return static_cast<u64>(value); }

// (high * 2^64 + low) / divisor and its remainder, with high < divisor so that
// the quotient fits 64 bits: one hardware division where there is one.
inline u64 DivideWide(u64 high, u64 low, u64 divisor, u64& remainder) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  u64 quotient;
  __asm__("divq %4" : "=a"(quotient), "=d"(remainder) : "a"(low), "d"(high), "rm"(divisor));
  return quotient;
#else
  const u128 value = (static_cast<u128>(high) << 64) | low;
  remainder = Low64(value % divisor);
  return Low64(value / divisor);
#endif
}

// a * b mod modulus, for a and b below the modulus.
inline u64 MulMod(u64 a, u64 b, u64 modulus) {
  const u128 product = static_cast<u128>(a) * b;
  u64 remainder;
  DivideWide(Low64(product >> 64), Low64(product), modulus, remainder);
  return remainder;
}

// value mod divisor and value / divisor for a 128-bit value.
inline u64 ModWide(u128 value, u64 divisor) {
  u64 remainder;
  DivideWide(Low64(value >> 64) % divisor, Low64(value), divisor, remainder);
  return remainder;
}

inline u128 DivideWideBy(u128 value, u64 divisor) {
  const u64 high = Low64(value >> 64);
  u64 remainder;
  const u64 low = DivideWide(high % divisor, Low64(value), divisor, remainder);
  return (static_cast<u128>(high / divisor) << 64) | low;
}

inline u64 Gcd64(u64 a, u64 b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  do {
    b >>= __builtin_ctzll(b);
    if (a > b) {
      const u64 t = a;
      a = b;
      b = t;
    }
    b -= a;
  } while (b != 0);
  return a << shift;
}

// The inverse of `value` modulo `modulus` (> 1), the two being coprime.
inline u64 InverseMod(u64 value, u64 modulus) {
  // Extended Euclid; the cofactors stay below the modulus in absolute value.
  if (modulus < (static_cast<u64>(1) << 63)) {
    std::int64_t r0 = static_cast<std::int64_t>(modulus), r1 = static_cast<std::int64_t>(value % modulus);
    std::int64_t t0 = 0, t1 = 1;
    while (r1 != 0) {
      const std::int64_t q = r0 / r1;
      std::int64_t t = r0 - q * r1;
      r0 = r1;
      r1 = t;
      t = t0 - q * t1;
      t0 = t1;
      t1 = t;
    }
    if (t0 < 0) t0 += static_cast<std::int64_t>(modulus);
    return static_cast<u64>(t0);
  }
  __extension__ typedef __int128 i128;
  i128 r0 = modulus, r1 = value % modulus, t0 = 0, t1 = 1;
  while (r1 != 0) {
    const i128 q = r0 / r1;
    i128 t = r0 - q * r1;
    r0 = r1;
    r1 = t;
    t = t0 - q * t1;
    t0 = t1;
    t1 = t;
  }
  if (t0 < 0) t0 += modulus;
  return static_cast<u64>(t0);
}

inline bool FitsU64(const NTL::ZZ& value) { return NTL::sign(value) >= 0 && NTL::NumBits(value) <= 64; }

inline void SetZZ(NTL::ZZ& target, u128 value);
inline void SetZZ(NTL::ZZ& target, u64 value) { SetZZ(target, static_cast<u128>(value)); }

// Only for values that FitsU64 accepts.
inline u64 ToU64(const NTL::ZZ& value) {
  if constexpr (sizeof(unsigned long) == 8) return NTL::to_ulong(value);
  unsigned char bytes[8];
  NTL::BytesFromZZ(bytes, value, 8);
  u64 result = 0;
  for (int i = 7; i >= 0; --i) result = (result << 8) | bytes[i];
  return result;
}

inline void SetZZ(NTL::ZZ& target, u128 value) {
  if (sizeof(unsigned long) == 8 && (value >> 64) == 0) {
    NTL::conv(target, static_cast<unsigned long>(value));
    return;
  }
  unsigned char bytes[16];
  for (int i = 0; i < 16; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  NTL::ZZFromBytes(target, bytes, 16);
}
