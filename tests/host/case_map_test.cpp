#include <gtest/gtest.h>

#include "text/case_map.h"
#include "text/cp1251.h"

namespace {

TEST(CaseMap, RussianAndLatinLettersChangeCase) {
  EXPECT_EQ(text::Cp1251ToUtf8(text::ToLower(text::Utf8ToCp1251("ИВАНОВ ЁЖ Viravoz"))), "иванов ёж viravoz");
  EXPECT_EQ(text::Cp1251ToUtf8(text::ToUpper(text::Utf8ToCp1251("смирнова еа ё"))), "СМИРНОВА ЕА Ё");
  EXPECT_EQ(text::Cp1251ToUtf8(text::ToLower(text::Utf8ToCp1251("ЂЃЉЊЌЋЏЎЈҐЄЇІЅ"))), "ђѓљњќћџўјґєїіѕ");
}

TEST(CaseMap, NonLettersAndLettersWithoutAPartnerStay) {
  const std::string others = text::Utf8ToCp1251("0-9 .,!?№€µ«»");
  EXPECT_EQ(text::ToLower(others), others);
  EXPECT_EQ(text::ToUpper(others), others);
}

TEST(CaseMap, UpperIsTheInverseOfLowerOnEveryByte) {
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const unsigned char lower = text::LowerCp1251Byte(byte);
    if (lower != byte) {
      EXPECT_EQ(text::UpperCp1251Byte(lower), byte) << "byte " << b;
    }
  }
}

}  // namespace

namespace {

TEST(CaseMap, LowerIsTheInverseOfUpperOnEveryByte) {
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const unsigned char upper = text::UpperCp1251Byte(byte);
    if (upper != byte) {
      EXPECT_EQ(text::LowerCp1251Byte(upper), byte) << "byte " << b;
    }
  }
}

}  // namespace
