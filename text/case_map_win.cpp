#include <windows.h>

#include "text/case_map.h"
#include "text/cp1251.h"

namespace text {

namespace {
std::string Map(std::string_view s, DWORD(WINAPI* convert)(LPWSTR, DWORD)) {
  std::u16string wide = Cp1251ToUtf16(s);
  if (!wide.empty()) convert(reinterpret_cast<wchar_t*>(wide.data()), static_cast<DWORD>(wide.size()));
  return Utf16ToCp1251(wide);
}
}  // namespace

std::string ToLower(std::string_view cp1251) {
  return Map(cp1251, CharLowerBuffW);
}
std::string ToUpper(std::string_view cp1251) {
  return Map(cp1251, CharUpperBuffW);
}

}  // namespace text
