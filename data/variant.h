// Variant: one typed constant handed to the table engine (a key value of
// SeekKey, later a lookup result): null, a boolean, an integer, a float or
// a 1251 text.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace data {

using Variant = std::variant<std::monostate, bool, int64_t, double, std::string>;

inline bool IsNull(const Variant& v) {
  return std::holds_alternative<std::monostate>(v);
}

}  // namespace data
