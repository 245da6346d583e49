// UTF-8 <-> UTF-16, portable and strict.
//
// Decoding follows the Unicode recommendation for ill-formed input: every
// maximal subpart of an ill-formed sequence (a stray continuation byte, a
// truncated sequence, an overlong form, a surrogate or a value above U+10FFFF)
// becomes one U+FFFD and decoding resumes at the next byte that can start a
// sequence. Encoding turns an unpaired surrogate into U+FFFD. Neither function
// ever reads outside its argument.
#pragma once

#include <string>
#include <string_view>

namespace text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Decodes one code point at the front of `utf8` and removes its bytes.
// Precondition: `utf8` is not empty. Returns U+FFFD for an ill-formed subpart.
constexpr char32_t DecodeUtf8(std::string_view& utf8) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    utf8.remove_prefix(1);
    return lead;
  }
  size_t length = 0;
  char32_t cp = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    utf8.remove_prefix(1);
    return kReplacementCharacter;
  }
  for (size_t i = 1; i < length; ++i) {
    const unsigned char lo = i == 1 ? low : 0x80, hi = i == 1 ? high : 0xBF;
    if (i >= utf8.size() || byte(i) < lo || byte(i) > hi) {
      utf8.remove_prefix(i);  // the maximal subpart read so far
      return kReplacementCharacter;
    }
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  utf8.remove_prefix(length);
  return cp;
}

}  // namespace text
