#include "text/case_map.h"

#include <array>

namespace text {

namespace {
struct CaseTables {
  std::array<unsigned char, 256> lower{}, upper{};
  constexpr CaseTables() {
    for (unsigned b = 0; b < 256; ++b) {
      lower[b] = LowerCp1251Byte(static_cast<unsigned char>(b));
      upper[b] = UpperCp1251Byte(static_cast<unsigned char>(b));
    }
  }
};
constexpr CaseTables kTables;

std::string Map(std::string_view s, const std::array<unsigned char, 256>& table) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return out;
}
}  // namespace

std::string ToLower(std::string_view cp1251) {
  return Map(cp1251, kTables.lower);
}
std::string ToUpper(std::string_view cp1251) {
  return Map(cp1251, kTables.upper);
}

}  // namespace text
