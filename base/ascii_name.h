// Names compared without regard to ASCII case: component, class, property,
// method, field and index names all go through this one comparison. Bytes
// outside A-Z and a-z (1251 letters among them) must match exactly.
#pragma once

#include <string_view>

namespace base {

// True when `a` and `b` have the same length and differ at most in the case
// of ASCII letters.
bool SameNameIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace base
