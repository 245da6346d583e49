// The one comparison of names without regard to ASCII case.
#include "base/ascii_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using base::SameNameIgnoringAsciiCase;

TEST(AsciiNameTest, OnlyTheCaseOfAsciiLettersIsIgnored) {
  EXPECT_TRUE(SameNameIgnoringAsciiCase("DEFAULT_ORDER", "default_Order"));
  EXPECT_TRUE(SameNameIgnoringAsciiCase("", ""));
  EXPECT_FALSE(SameNameIgnoringAsciiCase("FIO", "FIO_1"));
  EXPECT_FALSE(SameNameIgnoringAsciiCase("FIO_", "FIO"));
  // Neighbours of the letters that differ from them by the case bit alone.
  EXPECT_FALSE(SameNameIgnoringAsciiCase("@", "`"));
  EXPECT_FALSE(SameNameIgnoringAsciiCase("[", "{"));
  EXPECT_FALSE(SameNameIgnoringAsciiCase("_", "\x7F"));
  // 1251 capital and small "А" are different bytes, and stay different.
  EXPECT_FALSE(SameNameIgnoringAsciiCase("\xC0", "\xE0"));
  const std::string capital_a = "\xC0";
  EXPECT_TRUE(SameNameIgnoringAsciiCase(capital_a + "b", capital_a + "B"));
}

}  // namespace
