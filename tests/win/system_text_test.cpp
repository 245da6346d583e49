// The system's 1251 conversion and case mapping agree with our table.
#include <gtest/gtest.h>

#include "text/case_map.h"
#include "text/cp1251.h"

namespace {

TEST(SystemCp1251, EveryByteMapsToTheTableCodePoint) {
  for (unsigned b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::u16string wide = text::Cp1251ToUtf16(byte);
    ASSERT_EQ(wide.size(), 1u) << "byte " << b;
    EXPECT_EQ(wide[0], text::Cp1251ToCodePoint(static_cast<unsigned char>(b))) << "byte " << b;
  }
}

TEST(SystemCp1251, EveryUtf16UnitMapsAsTheTableSays) {
  for (unsigned unit = 0; unit < 0x10000; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;  // surrogates: checked below
    const std::u16string wide(1, static_cast<char16_t>(unit));
    const auto expected = text::CodePointToCp1251(unit);
    const std::string got = text::Utf16ToCp1251(wide);
    ASSERT_EQ(got.size(), 1u) << "unit " << unit;
    ASSERT_EQ(static_cast<unsigned char>(got[0]), expected ? *expected : static_cast<unsigned char>('?'))
        << "unit U+" << std::hex << unit;
  }
}

TEST(SystemCp1251, SurrogatesAndMalformedUtf8FollowTheDocumentedRule) {
  EXPECT_EQ(text::Utf16ToCp1251(std::u16string{u'a', char16_t{0xD83D}, char16_t{0xDE00}, u'b'}), "a?b");
  EXPECT_EQ(text::Utf16ToCp1251(std::u16string{char16_t{0xD800}, u'x', char16_t{0xDC00}}), "?x?");
  EXPECT_EQ(text::Utf8ToCp1251("\xD0\x90\xC0\xAF\xE2\x82"), "\xC0???");
  EXPECT_EQ(text::Utf8ToCp1251("Ā"), "?");  // no best fit
}

TEST(SystemCaseMap, AgreesWithTheTableOnEveryByte) {
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(static_cast<unsigned char>(text::ToLower(one)[0]), text::LowerCp1251Byte(byte)) << "byte " << b;
    EXPECT_EQ(static_cast<unsigned char>(text::ToUpper(one)[0]), text::UpperCp1251Byte(byte)) << "byte " << b;
  }
}

}  // namespace
