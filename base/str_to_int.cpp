#include "base/str_to_int.h"

#include <string>

#include "base/exception.h"

namespace base {

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at == text.size()) return std::nullopt;
  // Accumulated as a magnitude; the limit is one more on the negative side.
  const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t StrToInt(std::string_view text) {
  if (const std::optional<std::int32_t> value = TryStrToInt(text)) return *value;
  // Concatenated rather than formatted: the text may hold any byte, a zero too.
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace base
