// The standard text-to-integer conversion: what converts, what does not,
// the 32-bit range at both ends, and the error's exact message.
#include "base/str_to_int.h"

#include <gtest/gtest.h>

#include <string>

#include "base/exception.h"

namespace {

using base::StrToInt;
using base::TryStrToInt;

TEST(StrToIntTest, BlanksSignAndDigits) {
  EXPECT_EQ(StrToInt("12345"), 12345);
  EXPECT_EQ(StrToInt(" 2345"), 2345);
  EXPECT_EQ(StrToInt("   7"), 7);
  EXPECT_EQ(StrToInt("01234"), 1234);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("  -0"), 0);
  EXPECT_EQ(StrToInt("0000000000000000000042"), 42);  // many leading zeros are no overflow
}

TEST(StrToIntTest, AnythingElseDoesNotConvert) {
  for (const char* text : {"", " ", "-", "+", " -", "1 345", "12345 ", "1-23", "12a", "a12", "- 5", "+-5",
                           "\t5", "0x10", "1e3", "1.0"}) {
    EXPECT_EQ(TryStrToInt(text), std::nullopt) << text;
  }
  EXPECT_EQ(TryStrToInt(std::string("12\0", 3)), std::nullopt);
}

TEST(StrToIntTest, TheSigned32BitRangeAndNoFurther) {
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(TryStrToInt("2147483648"), std::nullopt);
  EXPECT_EQ(TryStrToInt("-2147483649"), std::nullopt);
  EXPECT_EQ(TryStrToInt("99999999999999999999999"), std::nullopt);
}

TEST(StrToIntTest, ErrorNamesTheTextBetweenQuotes) {
  const auto message = [](std::string_view text) {
    try {
      StrToInt(text);
    } catch (const base::EConvertError& e) {
      EXPECT_STREQ(e.ClassName(), "EConvertError");
      return e.Message();
    }
    return std::string("converted");
  };
  EXPECT_EQ(message(""), "'' is not a valid integer value");
  EXPECT_EQ(message("1 345"), "'1 345' is not a valid integer value");
  EXPECT_EQ(message("%s%n"), "'%s%n' is not a valid integer value");  // not a format
  EXPECT_EQ(message("2147483648"), "'2147483648' is not a valid integer value");
}

}  // namespace
