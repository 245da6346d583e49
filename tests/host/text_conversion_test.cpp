// UTF-8, UTF-16 and 1251 conversions, including the documented rules for
// input that cannot be mapped.
#include <gtest/gtest.h>

#include "text/cp1251.h"
#include "text/utf8.h"

namespace {

using text::Cp1251ToUtf16;
using text::Cp1251ToUtf8;
using text::Utf16ToCp1251;
using text::Utf8ToCp1251;

std::string AllBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s.push_back(static_cast<char>(b));
  return s;
}

TEST(Cp1251, EveryByteRoundTripsThroughUtf16AndUtf8) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(bytes)), bytes);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(bytes)), bytes);
}

TEST(Cp1251, RussianLettersAndTheUndefinedByte) {
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xDF\xE0\xFF\xA8\xB8"), "АЯаяЁё");
  EXPECT_EQ(Utf8ToCp1251("Телефон №"), "\xD2\xE5\xEB\xE5\xF4\xEE\xED \xB9");
  EXPECT_EQ(Cp1251ToUtf16("\x98"), std::u16string(1, u'\u0098'));
  EXPECT_EQ(Cp1251ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Cp1251, CharactersWithoutA1251FormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("Ā"), "?");  // no best fit to 'A'
  EXPECT_EQ(Utf8ToCp1251("日本"), "??");
  EXPECT_EQ(Utf8ToCp1251("x😀y"), "x?y");  // one character outside the BMP: one '?'
  EXPECT_EQ(Utf16ToCp1251(u"\xD83D\xDE00"), "?");
  EXPECT_EQ(Utf16ToCp1251(std::u16string(1, char16_t{0xD800}) + u"a"), "?a");  // unpaired high
  EXPECT_EQ(Utf16ToCp1251(std::u16string(1, char16_t{0xDC00})), "?");          // unpaired low
}

TEST(Utf8, MalformedInputGivesOneReplacementPerMaximalSubpart) {
  const std::u16string fffd(1, u'\uFFFD');
  EXPECT_EQ(text::Utf8ToUtf16("\x80"), fffd);                                   // stray continuation
  EXPECT_EQ(text::Utf8ToUtf16("\xC3"), fffd);                                   // truncated at the end
  EXPECT_EQ(text::Utf8ToUtf16(std::string("\xE2\x82") + 'A'), fffd + u"A");     // truncated, then ASCII
  EXPECT_EQ(text::Utf8ToUtf16("\xC0\xAF"), fffd + fffd);                        // overlong: two subparts
  EXPECT_EQ(text::Utf8ToUtf16("\xED\xA0\x80"), fffd + fffd + fffd);             // encoded surrogate
  EXPECT_EQ(text::Utf8ToUtf16("\xF4\x90\x80\x80"), fffd + fffd + fffd + fffd);  // above U+10FFFF
  EXPECT_EQ(text::Utf8ToUtf16("\xF0\x9F\x98"), fffd);                           // a 4-byte form cut short
  EXPECT_EQ(text::Utf8ToUtf16("\xFF\xFE"), fffd + fffd);
  EXPECT_EQ(Utf8ToCp1251("\xD0\x90\xD0"), "\xC0?");
}

TEST(Utf8, WellFormedInputRoundTrips) {
  const std::string sample = "ASCII, Ёлка, €, 😀, \xF4\x8F\xBF\xBF";
  EXPECT_EQ(text::Utf16ToUtf8(text::Utf8ToUtf16(sample)), sample);
  EXPECT_EQ(text::Utf16ToUtf8(std::u16string(1, char16_t{0xDFFF})), "\xEF\xBF\xBD");
}

}  // namespace
