// Windows-1251, the single code page in which the whole program keeps its text.
//
// The table below is ours and is the reference on every platform: the host
// build converts with it, the Windows build converts through the system with
// code page 1251 named explicitly (never the ANSI code page), and a Windows
// test checks that both agree on every byte and every UTF-16 code unit.
//
// Rules for what 1251 cannot hold (the same on both builds):
//   * Every byte 0x00-0xFF maps to one Unicode code point. The byte 0x98 has no
//     character in 1251; it maps to the C1 control U+0098, so every byte string
//     survives a round trip through UTF-16 or UTF-8 unchanged.
//   * A code point with no 1251 byte becomes kUnmappable ('?'); there is no
//     "best fit" guessing (U+0100 does not become 'A').
//   * A UTF-16 surrogate pair is one code point (and so one '?'); an unpaired
//     surrogate is one '?'.
//   * Malformed UTF-8 is decoded by the rules of text/utf8.h: each maximal
//     ill-formed subsequence becomes U+FFFD, which then becomes one '?'.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

inline constexpr char kUnmappable = '?';

namespace detail {
// Code points of the bytes 0x80-0xFF; the lower half is ASCII.
inline constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};
}  // namespace detail

// The code point of one 1251 byte. Total: every byte has one.
constexpr char16_t Cp1251ToCodePoint(unsigned char byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : detail::kCp1251High[byte - 0x80];
}

// The 1251 byte of a code point, or nothing when 1251 has no such character.
constexpr std::optional<unsigned char> CodePointToCp1251(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  for (unsigned i = 0; i < detail::kCp1251High.size(); ++i) {
    if (detail::kCp1251High[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// Conversions. On Windows these go through the system with code page 1251;
// elsewhere through the table above. Both follow the rules in the header comment.
std::u16string Cp1251ToUtf16(std::string_view cp1251);
std::string Utf16ToCp1251(std::u16string_view utf16);
std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace text
