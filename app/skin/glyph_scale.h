// The whole factor by which the skin's small bitmaps and glyphs (the floating
// frame's close mark, the chevron's arrows) are enlarged on a screen of
// another density than the stored one: each of their pixels becomes a square
// block of that many pixels, so they stay sharp where a fractional factor
// would blur or break their strokes. It is the density's ratio to the stored
// one rounded to the nearest whole number (halves up), 1 at least.
#pragma once

#include "ui/model/dpi_scale.h"

namespace app {

int GlyphFactor(const ui::DpiScale& scale);

}  // namespace app
