// Bytes written as hexadecimal text in tests: HexBytes("96 19 E0 BD").
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// The bytes of pairs of hexadecimal digits (upper or lower case); blanks and
// line breaks between the pairs are ignored. A test's own literal, never input.
inline std::string HexBytes(std::string_view text) {
  const auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  int high = -1;
  for (char c : text) {
    const int v = digit(c);
    if (v < 0) continue;
    if (high < 0) {
      high = v;
    } else {
      out.push_back(static_cast<char>(high * 16 + v));
      high = -1;
    }
  }
  return out;
}

}  // namespace testing_support
