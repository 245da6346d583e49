#include "app/skin/skin_palette.h"

#include <algorithm>

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

TTBColorIndex SkinColorIndex(std::string_view name) {
  const auto found = std::find(kSkinColorNames.begin(), kSkinColorNames.end(), name);
  return static_cast<TTBColorIndex>(found - kSkinColorNames.begin());
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

ui::TColor SkinPalette::Color(std::string_view name) const {
  const TTBColorIndex index = SkinColorIndex(name);
  return values_[index < kSkinColorCount ? index : tcFace];
}

}  // namespace app
