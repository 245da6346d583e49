// The program's own texts are written in UTF-8 in the source and become 1251
// at compile time:
//
//   constexpr auto kCaption = text::Cp1251(u8"Телефон");
//   std::string_view caption = kCaption;   // 7 bytes of 1251
//
// A character that 1251 cannot hold, or malformed UTF-8, stops the build.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/cp1251.h"
#include "text/utf8.h"

namespace text {

template <size_t N>
struct Cp1251Text {
  char bytes[N] = {};
  size_t size = 0;

  constexpr std::string_view view() const { return {bytes, size}; }
  constexpr operator std::string_view() const { return view(); }
  std::string str() const { return std::string(view()); }
};

template <size_t N>
consteval Cp1251Text<N> Cp1251(const char8_t (&utf8)[N]) {
  char raw[N] = {};
  for (size_t i = 0; i < N; ++i) raw[i] = static_cast<char>(utf8[i]);
  std::string_view rest(raw, N - 1);  // without the terminating zero
  Cp1251Text<N> out;
  while (!rest.empty()) {
    const char32_t cp = DecodeUtf8(rest);
    const auto byte = CodePointToCp1251(cp);
    if (cp == kReplacementCharacter || !byte) throw "text literal has no Windows-1251 form";
    out.bytes[out.size++] = static_cast<char>(*byte);
  }
  return out;
}

}  // namespace text
