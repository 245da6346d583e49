// 1251 <-> UTF-16 through our own table (host build).
#include "text/cp1251.h"

namespace text {

std::u16string Cp1251ToUtf16(std::string_view cp1251) {
  std::u16string out(cp1251.size(), u'\0');
  for (size_t i = 0; i < cp1251.size(); ++i) {
    out[i] = Cp1251ToCodePoint(static_cast<unsigned char>(cp1251[i]));
  }
  return out;
}

namespace {
// Reverse of the upper half of the table, built once.
struct ReverseTable {
  std::array<unsigned char, 0x10000> byte_of{};  // 0 = no 1251 form (U+0000 is handled apart)
  constexpr ReverseTable() {
    for (unsigned b = 1; b < 0x100; ++b)
      byte_of[Cp1251ToCodePoint(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
  }
};
const ReverseTable& Reverse() {
  static const ReverseTable table;
  return table;
}
}  // namespace

std::string Utf16ToCp1251(std::u16string_view utf16) {
  const ReverseTable& reverse = Reverse();
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (unit == 0) {
      out.push_back('\0');
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
               utf16[i + 1] <= 0xDFFF) {
      out.push_back(kUnmappable);  // a pair is one character outside the BMP
      ++i;
    } else {
      const unsigned char byte = reverse.byte_of[unit];
      out.push_back(byte != 0 ? static_cast<char>(byte) : kUnmappable);
    }
  }
  return out;
}

}  // namespace text
