// 1251 text <-> the wide strings of the W functions (Windows build only):
// the one place where the program's text meets the Win32 boundary.
#pragma once

#include <string>
#include <string_view>

#include "text/cp1251.h"

namespace ui {

inline std::wstring Wide(std::string_view cp1251) {
  const std::u16string utf16 = text::Cp1251ToUtf16(cp1251);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Narrow(std::wstring_view wide) {
  return text::Utf16ToCp1251(std::u16string(wide.begin(), wide.end()));
}

}  // namespace ui
