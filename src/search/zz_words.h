// Conversions between NTL's integers and the word layer's 64- and 128-bit
// words. NTL's `long` is 32 bits on some platforms: nothing here goes through
// it; a machine-width conversion is used only where unsigned long has 64 bits
// (dialogue/word_conversions.h for 64 bits).
#pragma once

#include <NTL/ZZ.h>

#include "dialogue/word_conversions.h"
#include "search/words/words.h"

inline bool FitsU64(const NTL::ZZ& value) { return NTL::sign(value) >= 0 && NTL::NumBits(value) <= 64; }
inline bool FitsU128(const NTL::ZZ& value) { return NTL::sign(value) >= 0 && NTL::NumBits(value) <= 128; }

// Only for values that FitsU128 accepts.
inline u128 ToU128(const NTL::ZZ& value) {
  if (NTL::NumBits(value) <= 64) return LowU64(value);
  unsigned char bytes[16];
  NTL::BytesFromZZ(bytes, value, 16);
  u128 result = 0;
  for (int i = 15; i >= 0; --i) result = (result << 8) | bytes[i];
  return result;
}

// Only for values that FitsU64 accepts.
inline u64 ToU64(const NTL::ZZ& value) { return LowU64(value); }

inline void SetZZ(NTL::ZZ& target, u128 value) {
  if (FitsWord(value)) {
    SetFromU64(target, Low64(value));
    return;
  }
  unsigned char bytes[16];
  for (int i = 0; i < 16; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  NTL::ZZFromBytes(target, bytes, 16);
}

inline void SetZZ(NTL::ZZ& target, u64 value) { SetFromU64(target, value); }

inline NTL::ZZ ZZOf(u128 value) {
  NTL::ZZ result;
  SetZZ(result, value);
  return result;
}
