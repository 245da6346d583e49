// EDBEditError: a masked edit box's text failed the check against its mask.
#pragma once

#include <string_view>

#include "base/exception.h"

namespace search {

PHONEBOOK_DEFINE_EXCEPTION(EDBEditError, base::Exception);

// The message of a failed check (two blanks after the first full stop).
inline constexpr std::string_view kMaskCheckFailed =
    "Invalid input value.  Use escape key to abandon changes";

}  // namespace search
