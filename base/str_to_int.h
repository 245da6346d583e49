// The standard conversion of a text to a 32-bit integer: leading blanks are
// skipped, an optional "+" or "-" and one or more decimal digits follow, and
// nothing else may follow (not even a blank). The value must lie in the
// signed 32-bit range.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace base {

// The value of `text`, or nothing when it does not convert.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The value of `text`; raises EConvertError "'<text>' is not a valid integer
// value" when it does not convert.
std::int32_t StrToInt(std::string_view text);

}  // namespace base
