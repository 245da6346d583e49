#include "app/skin/skin_colors.h"

#include <algorithm>
#include <cassert>

#include "app/skin/tb_skin.h"

namespace app {

TTBColorIndex SkinColorIndex(std::string_view name) {
  const auto found = std::find(kSkinColorNames.begin(), kSkinColorNames.end(), name);
  return static_cast<TTBColorIndex>(found - kSkinColorNames.begin());
}

std::uint8_t BlendChannel(std::uint8_t a, std::uint8_t b, int x_thousandths) {
  assert(x_thousandths >= 0 && x_thousandths <= 1000);
  // The exact value is scaled / 1000 with scaled in [0, 255000].
  const int scaled = (1000 - x_thousandths) * a + x_thousandths * b;
  int whole = scaled / 1000;
  const int rest = scaled % 1000;
  if (rest > 500 || (rest == 500 && whole % 2 != 0)) ++whole;
  return static_cast<std::uint8_t>(whole);
}

Rgb Blend(Rgb a, Rgb b, int x_thousandths) {
  return Rgb{BlendChannel(a.red, b.red, x_thousandths), BlendChannel(a.green, b.green, x_thousandths),
             BlendChannel(a.blue, b.blue, x_thousandths)};
}

namespace {

std::uint8_t LightenChannel(std::uint8_t c, int percent) {
  return static_cast<std::uint8_t>(c + percent * (255 - c) / 100);
}

std::uint8_t DarkenChannel(std::uint8_t c, int amount) {
  return static_cast<std::uint8_t>(std::max(0, c - amount));
}

}  // namespace

Rgb Lighten(Rgb c, int percent) {
  assert(percent >= 0 && percent <= 100);
  return Rgb{LightenChannel(c.red, percent), LightenChannel(c.green, percent),
             LightenChannel(c.blue, percent)};
}

Rgb Darken(Rgb c, int amount) {
  assert(amount >= 0);
  return Rgb{DarkenChannel(c.red, amount), DarkenChannel(c.green, amount), DarkenChannel(c.blue, amount)};
}

SkinRgb DeriveSkinColors(const SystemColors& system) {
  constexpr Rgb kBlack{0, 0, 0};
  const Rgb face = system.btn_face, window = system.window, shadow = system.btn_shadow,
            highlight = system.highlight;
  SkinRgb c{};
  c[tcFace] = face;
  c[tcPopup] = Blend(window, face, 150);
  c[tcBorder] = Blend(shadow, kBlack, 200);
  c[tcToolbar] = Blend(face, window, 160);
  c[tcImageList] = c[tcToolbar];
  c[tcDockBorderIn] = Blend(shadow, kBlack, 150);
  c[tcDockBorderOut] = c[tcDockBorderIn];
  c[tcDockBorderTitle] = shadow;
  c[tcDragHandle] = Blend(shadow, window, 231);
  c[tcSelBar] = Blend(highlight, window, 700);
  c[tcSelBarBorder] = highlight;
  c[tcSelItem] = c[tcSelBar];
  c[tcSelItemBorder] = highlight;
  c[tcSelPushed] = Blend(highlight, window, 601);
  c[tcSelPushedBorder] = highlight;
  // The checked look mixes the pushed colour with a light face colour.
  c[tcChecked] = Blend(c[tcSelPushed], Blend(face, window, 440), 794);
  c[tcCheckedOver] = c[tcSelPushed];
  c[tcSeparator] = Lighten(shadow, 15);
  c[tcImgListShadow] = Blend(highlight, shadow, 701);
  c[tcGradStart] = Lighten(c[tcSelItem], 70);
  c[tcGradEnd] = c[tcSelItem];
  c[tcPopupGradStart] = c[tcImageList];
  c[tcPopupGradEnd] = Lighten(c[tcImageList], 70);
  c[tcImgGradStart] = c[tcImageList];
  c[tcImgGradEnd] = Darken(c[tcImageList], 50);
  c[tcMenuText] = system.menu_text;
  c[tcHighlightText] = system.highlight_text;
  c[tcCaptionText] = system.highlight_text;
  return c;
}

ui::TColor StoredSkinColor(ui::TColor stored) {
  const auto value = static_cast<std::uint32_t>(stored);
  if (value >= 0x80000000u && value - 0x80000000u < kSystemColorIndices) return stored;
  return static_cast<ui::TColor>(value & 0xFFFFFFu);
}

SkinColorValues SkinColors(const TTBSkin& skin, const SystemColors& system) {
  SkinColorValues values{};
  if (skin.color_set == TTBColorSet::tbcCustom) {
    std::transform(skin.colors.colors.begin(), skin.colors.colors.end(), values.begin(), StoredSkinColor);
    return values;
  }
  const SkinRgb derived = DeriveSkinColors(system);
  std::transform(derived.begin(), derived.end(), values.begin(), ToColor);
  return values;
}

}  // namespace app
