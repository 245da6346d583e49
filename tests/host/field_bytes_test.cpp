// Little-endian numbers of field values and property values.
#include "data/field_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using data::PropertyNumber;
using data::SignedFieldValue;
using data::UnsignedFieldValue;

TEST(FieldBytesTest, SignedValuesAreSignExtendedFromTheirWidth) {
  EXPECT_EQ(SignedFieldValue(std::string("\xFF", 1)), -1);
  EXPECT_EQ(SignedFieldValue(std::string("\x7F", 1)), 127);
  EXPECT_EQ(SignedFieldValue(std::string("\x00\x80", 2)), -32768);
  EXPECT_EQ(SignedFieldValue(std::string("\x39\x30\x00\x00", 4)), 12345);
  EXPECT_EQ(SignedFieldValue(std::string("\xFE\xFF\xFF\xFF", 4)), -2);
  EXPECT_EQ(SignedFieldValue(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 8)), INT64_MAX);
  EXPECT_EQ(SignedFieldValue(std::string()), 0);
  // Bytes past the eighth are ignored.
  EXPECT_EQ(SignedFieldValue(std::string("\x01\x00\x00\x00\x00\x00\x00\x00\xFF", 9)), 1);
}

TEST(FieldBytesTest, UnsignedValuesAreNotExtendedAndBothViewsAgree) {
  EXPECT_EQ(UnsignedFieldValue(std::string("\xFF", 1)), 255u);
  EXPECT_EQ(UnsignedFieldValue(std::string("\x00\x80", 2)), 32768u);
  const std::array<uint8_t, 3> bytes{0x01, 0x02, 0x83};
  EXPECT_EQ(UnsignedFieldValue(bytes), 0x830201u);
  EXPECT_EQ(SignedFieldValue(bytes), static_cast<int64_t>(0xFFFFFFFFFF830201u));
  EXPECT_EQ(SignedFieldValue(std::string("\x01\x02\x83", 3)), SignedFieldValue(bytes));
}

TEST(FieldBytesTest, PropertyNumbersRead16BitsForWidthTwoElse32) {
  using data::packet::kClassUnsigned;
  using data::packet::TypeWord;
  const std::array<uint8_t, 4> value{0x18, 0x00, 0x01, 0x00};
  EXPECT_EQ(PropertyNumber(TypeWord(kClassUnsigned, 2), value), 24u);
  EXPECT_EQ(PropertyNumber(TypeWord(kClassUnsigned, 4), value), 0x10018u);
  // Shorter values: their first two bytes, their one byte, or nothing.
  EXPECT_EQ(PropertyNumber(TypeWord(kClassUnsigned, 4), std::span(value).first(3)), 24u);
  EXPECT_EQ(PropertyNumber(TypeWord(kClassUnsigned, 4), std::span(value).first(1)), 24u);
  EXPECT_EQ(PropertyNumber(TypeWord(kClassUnsigned, 1), {}), 0u);
}

}  // namespace
