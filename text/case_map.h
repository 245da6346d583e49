// Upper and lower case of 1251 text.
//
// The rule is Unicode's simple case mapping restricted to the characters that
// 1251 holds: A-Z, А-Я, Ё, and the other Cyrillic letters of the code page
// (Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ). A letter whose partner is not in 1251 (µ)
// and every non-letter stay as they are. The Windows build asks the system
// (CharLowerBuffW / CharUpperBuffW on the converted text); a Windows test
// checks that it agrees with the table on all 256 bytes.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The table rule for one byte (used by the host build and by the test that
// compares the system with it).
constexpr unsigned char LowerCp1251Byte(unsigned char b) {
  if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDF) return static_cast<unsigned char>(b + 0x20);  // А-Я
  // One line per letter.
  // clang-format off
  switch (b) {
    case 0x80: return 0x90;  // Ђ
    case 0x81: return 0x83;  // Ѓ
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F:  // Љ Њ Ќ Ћ Џ
      return static_cast<unsigned char>(b + 0x10);
    case 0xA1: return 0xA2;  // Ў
    case 0xA3: return 0xBC;  // Ј
    case 0xA5: return 0xB4;  // Ґ
    case 0xA8: return 0xB8;  // Ё
    case 0xAA: return 0xBA;  // Є
    case 0xAF: return 0xBF;  // Ї
    case 0xB2: return 0xB3;  // І
    case 0xBD: return 0xBE;  // Ѕ
    default: return b;
  }
  // clang-format on
}

constexpr unsigned char UpperCp1251Byte(unsigned char b) {
  if (b >= 'a' && b <= 'z') return static_cast<unsigned char>(b - 0x20);
  if (b >= 0xE0) return static_cast<unsigned char>(b - 0x20);  // а-я
  // One line per letter.
  // clang-format off
  switch (b) {
    case 0x90: return 0x80;  // ђ
    case 0x83: return 0x81;  // ѓ
    case 0x9A: case 0x9C: case 0x9D: case 0x9E: case 0x9F:  // љ њ ќ ћ џ
      return static_cast<unsigned char>(b - 0x10);
    case 0xA2: return 0xA1;  // ў
    case 0xBC: return 0xA3;  // ј
    case 0xB4: return 0xA5;  // ґ
    case 0xB8: return 0xA8;  // ё
    case 0xBA: return 0xAA;  // є
    case 0xBF: return 0xAF;  // ї
    case 0xB3: return 0xB2;  // і
    case 0xBE: return 0xBD;  // ѕ
    default: return b;
  }
  // clang-format on
}

// Whole texts; through the system on Windows, through the table elsewhere.
std::string ToLower(std::string_view cp1251);
std::string ToUpper(std::string_view cp1251);

}  // namespace text
