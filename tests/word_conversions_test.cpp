// Conversions between NTL's integers and 64-bit words, on both of their ways:
// the one of the machine at hand and the one through bytes that a machine
// with a 32-bit `long` (Windows) takes.
#include <gtest/gtest.h>

#include <NTL/ZZ.h>

#include <cstdint>
#include <string>

#include "dialogue/word_conversions.h"

namespace {

using NTL::ZZ;

TEST(WordConversions, BothWaysAreExactAcrossTheWidths) {
  const std::uint64_t words[] = {0,
                                 1,
                                 0x7fffffff,
                                 0x80000000,
                                 0xffffffff,
                                 0x100000000,
                                 0x7fffffffffffffff,
                                 0x8000000000000000,
                                 0xfffffffff,
                                 ~std::uint64_t{0}};
  for (std::uint64_t word : words) {
    SCOPED_TRACE(word);
    const ZZ expected = NTL::conv<ZZ>(std::to_string(word).c_str());
    ZZ direct, throughBytes;
    SetFromU64(direct, word);
    SetFromU64Bytes(throughBytes, word);
    EXPECT_EQ(direct, expected);
    EXPECT_EQ(throughBytes, expected);
    EXPECT_EQ(LowU64(expected), word);
    EXPECT_EQ(LowU64Bytes(expected), word);
    // Negative values wrap modulo 2^64.
    EXPECT_EQ(LowU64(-expected), 0 - word);
    EXPECT_EQ(LowU64Bytes(-expected), 0 - word);
  }
  // Beyond 64 bits only the low word is kept.
  const ZZ wide = NTL::conv<ZZ>("340282366920938463463374607431768211455");  // 2^128 - 1
  EXPECT_EQ(LowU64(wide), ~std::uint64_t{0});
  EXPECT_EQ(LowU64Bytes(wide), ~std::uint64_t{0});
}

TEST(WordConversions, SignedWordsAndComparisons) {
  const ZZ largest = NTL::conv<ZZ>("9223372036854775807");  // 2^63 - 1
  EXPECT_TRUE(FitsI64(largest));
  EXPECT_EQ(ToI64(largest), INT64_MAX);
  EXPECT_TRUE(FitsI64(-largest));
  EXPECT_EQ(ToI64(-largest), -INT64_MAX);
  EXPECT_FALSE(FitsI64(largest + 1));

  const ZZ pastLong32 = NTL::conv<ZZ>("4294967301");  // 2^32 + 5: equals 5 through a 32-bit word
  EXPECT_TRUE(EqualsI64(pastLong32, 4294967301));
  EXPECT_FALSE(EqualsI64(pastLong32, 5));
  EXPECT_TRUE(EqualsI64(-pastLong32, -4294967301));
  EXPECT_FALSE(EqualsI64(NTL::conv<ZZ>("18446744073709551621"), 5));  // 2^64 + 5
  EXPECT_TRUE(EqualsI64(ZZ(0), 0));
}

}  // namespace
