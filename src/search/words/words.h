// Machine words for the hot part of the search: 64-bit values with exact
// 128-bit products. This layer never sees a big integer nor the calculation
// state; search/zz_words.h converts between its words and NTL's integers.
#pragma once

#include <cstddef>
#include <cstdint>

__extension__ typedef unsigned __int128 u128;
using u64 = std::uint64_t;

constexpr u128 kU64Limit = static_cast<u128>(1) << 64;
constexpr u128 kU128Max = ~static_cast<u128>(0);

inline u64 Low64(u128 value) { return static_cast<u64>(value); }
inline u64 High64(u128 value) { return static_cast<u64>(value >> 64); }
inline bool FitsWord(u128 value) { return High64(value) == 0; }

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
  DivideWide(High64(product), Low64(product), modulus, remainder);
  return remainder;
}

// value mod divisor and value / divisor for a 128-bit value.
inline u64 ModWide(u128 value, u64 divisor) {
  u64 remainder;
  DivideWide(High64(value) % divisor, Low64(value), divisor, remainder);
  return remainder;
}

inline u128 DivideWideBy(u128 value, u64 divisor) {
  const u64 high = High64(value);
  u64 remainder;
  const u64 low = DivideWide(high % divisor, Low64(value), divisor, remainder);
  return (static_cast<u128>(high / divisor) << 64) | low;
}

// value / divisor when divisor divides value (the quotient of any 128-bit value
// by a 64-bit divisor, with its remainder in `remainder`).
inline u128 DivideWideRem(u128 value, u64 divisor, u64& remainder) {
  const u64 high = High64(value);
  const u64 low = DivideWide(high % divisor, Low64(value), divisor, remainder);
  return (static_cast<u128>(high / divisor) << 64) | low;
}

// a * b when it fits 128 bits; false (and the product left undefined) when not.
inline bool MulFits(u128 a, u128 b, u128& product) { return !__builtin_mul_overflow(a, b, &product); }

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

// The decimal digits of `value`, written backwards so that they end just
// before `end`; returns where they start. Two digits at a time from a table.
inline char* FormatDecimal(u128 value, char* end) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* cursor = end;
  while (!FitsWord(value)) {
    // Nineteen digits at a time through one 128/64 division.
    constexpr u64 kChunk = 10000000000000000000ULL;
    u64 part;
    value = DivideWideRem(value, kChunk, part);
    for (int i = 0; i < 19; ++i) {
      *--cursor = static_cast<char>('0' + part % 10);
      part /= 10;
    }
  }
  u64 low = Low64(value);
  while (low >= 100) {
    const u64 pair = 2 * (low % 100);
    low /= 100;
    *--cursor = kPairs[pair + 1];
    *--cursor = kPairs[pair];
  }
  if (low >= 10) {
    *--cursor = kPairs[2 * low + 1];
    *--cursor = kPairs[2 * low];
  } else {
    *--cursor = static_cast<char>('0' + low);
  }
  return cursor;
}

// Room for the decimal digits of any 128-bit value.
constexpr std::size_t kU128Digits = 40;
