// The toolbar code's geometry is the shared one of base/rect.h.
#pragma once

#include "base/rect.h"

namespace app {

using base::Point;
using base::Rect;
using base::Size;

}  // namespace app
