#include "app/skin/glyph_scale.h"

#include <algorithm>

namespace app {

int GlyphFactor(const ui::DpiScale& scale) {
  constexpr int kStored = ui::DpiScale::kStoredDpi;
  return std::max(1, (scale.Dpi() + kStored / 2) / kStored);
}

}  // namespace app
