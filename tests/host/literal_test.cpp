#include <gtest/gtest.h>

#include "text/cp1251.h"
#include "text/literal.h"

namespace {

constexpr auto kStatus = text::Cp1251(u8"База от 01.10.2003");
static_assert(kStatus.view().size() == 18, "one byte per character in 1251");
static_assert(static_cast<unsigned char>(kStatus.view()[0]) == 0xC1, "Б is 0xC1");

TEST(Cp1251Literal, ConvertsAtCompileTime) {
  EXPECT_EQ(text::Cp1251ToUtf8(kStatus), "База от 01.10.2003");
  constexpr auto kEmpty = text::Cp1251(u8"");
  EXPECT_TRUE(kEmpty.view().empty());
  EXPECT_EQ(text::Cp1251(u8"Ёё№").str(), "\xA8\xB8\xB9");
}

}  // namespace
