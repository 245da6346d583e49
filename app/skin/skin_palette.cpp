#include "app/skin/skin_palette.h"

#include <algorithm>
#include <iterator>

#include "app/skin/tb_skin.h"
#include "ui/model/color_rule.h"

namespace app {

SystemColors ClassicSystemColors() {
  SystemColors system;
  system.btn_face = Rgb{212, 208, 200};
  system.window = Rgb{255, 255, 255};
  system.btn_shadow = Rgb{128, 128, 128};
  system.highlight = Rgb{10, 36, 106};
  system.menu_text = Rgb{0, 0, 0};
  system.highlight_text = Rgb{255, 255, 255};
  system.btn_text = Rgb{0, 0, 0};
  return system;
}

namespace {

// The fills the highlight pair stands in for in high contrast.
constexpr TTBColorIndex kHighlightFills[] = {
    tcDockBorderTitle, tcChecked,   tcCheckedOver,     tcSelBar,    tcSelBarBorder, tcSelItem,
    tcSelItemBorder,   tcSelPushed, tcSelPushedBorder, tcGradStart, tcGradEnd,
};
// The lines and text drawn on a face in high contrast.
constexpr TTBColorIndex kFaceInk[] = {
    tcBorder, tcDockBorderIn, tcDockBorderOut, tcDragHandle, tcSeparator, tcImgListShadow, tcMenuText,
};

// The colours of every skin in high contrast: the scheme's button and
// highlight pairs, each readable or black on white.
SkinColorValues HighContrastColors(const SystemColors& system) {
  ui::ColorScheme scheme;
  scheme.system[ui::ColorScheme::kBtnFace] = ToColor(system.btn_face);
  scheme.system[ui::ColorScheme::kBtnText] = ToColor(system.btn_text);
  scheme.system[ui::ColorScheme::kHighlight] = ToColor(system.highlight);
  scheme.system[ui::ColorScheme::kHighlightText] = ToColor(system.highlight_text);
  const ui::DrawColors face = ui::SchemePairColors(ui::SchemePair::kButton, scheme);
  const ui::DrawColors highlight = ui::SchemePairColors(ui::SchemePair::kHighlight, scheme);
  SkinColorValues values;
  values.fill(static_cast<ui::TColor>(face.back));
  for (const TTBColorIndex index : kFaceInk) values[index] = static_cast<ui::TColor>(face.text);
  for (const TTBColorIndex index : kHighlightFills) values[index] = static_cast<ui::TColor>(highlight.back);
  values[tcHighlightText] = values[tcCaptionText] = static_cast<ui::TColor>(highlight.text);
  return values;
}

}  // namespace

SkinPalette::SkinPalette() {
  Refresh(nullptr, ClassicSystemColors(), {});
}

void SkinPalette::Refresh(const TTBSkin* skin, const SystemColors& system, const NearestColor& nearest,
                          bool high_contrast) {
  high_contrast_ = high_contrast;
  if (high_contrast) {
    values_ = HighContrastColors(system);
    return;
  }
  if (skin && skin->color_set == TTBColorSet::tbcCustom) {
    values_ = SkinColors(*skin, system);
    return;
  }
  const SkinRgb derived = DeriveSkinColors(system);
  std::transform(derived.begin(), derived.end(), values_.begin(),
                 [&nearest](Rgb c) { return ToColor(nearest ? nearest(c) : c); });
}

ui::TColor SkinPalette::TextOn(TTBColorIndex fill) const {
  const bool on_highlight =
      high_contrast_ &&
      std::find(std::begin(kHighlightFills), std::end(kHighlightFills), fill) != std::end(kHighlightFills);
  return values_[on_highlight ? tcHighlightText : tcMenuText];
}

}  // namespace app
