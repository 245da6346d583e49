// Conversions shared by both builds: UTF-8 goes through UTF-16, so the
// platform part only has to know 1251 <-> UTF-16.
#include "text/cp1251.h"

#include "text/utf8.h"

namespace text {

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return Utf16ToUtf8(Cp1251ToUtf16(cp1251));
}

std::string Utf8ToCp1251(std::string_view utf8) {
  return Utf16ToCp1251(Utf8ToUtf16(utf8));
}

}  // namespace text
