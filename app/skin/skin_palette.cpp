#include "app/skin/skin_palette.h"

#include <algorithm>

#include "app/skin/tb_skin.h"

namespace app {

SystemColors ClassicSystemColors() {
  SystemColors system;
  system.btn_face = Rgb{212, 208, 200};
  system.window = Rgb{255, 255, 255};
  system.btn_shadow = Rgb{128, 128, 128};
  system.highlight = Rgb{10, 36, 106};
  system.menu_text = Rgb{0, 0, 0};
  system.highlight_text = Rgb{255, 255, 255};
  return system;
}

SkinPalette::SkinPalette() {
  Refresh(nullptr, ClassicSystemColors(), {});
}

void SkinPalette::Refresh(const TTBSkin* skin, const SystemColors& system, const NearestColor& nearest) {
  if (skin && skin->color_set == TTBColorSet::tbcCustom) {
    values_ = SkinColors(*skin, system);
    return;
  }
  const SkinRgb derived = DeriveSkinColors(system);
  std::transform(derived.begin(), derived.end(), values_.begin(),
                 [&nearest](Rgb c) { return ToColor(nearest ? nearest(c) : c); });
}

}  // namespace app
