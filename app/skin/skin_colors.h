// Skin colours: the 28 colours of the toolbar skin (kSkinColorNames), worked
// out from the desktop's system colours on plain RGB triples.
//
// Unless a skin's colour set is the custom one, its stored colours are not
// used: every colour follows from six system colours (button face, window,
// button shadow, highlight, menu text, highlight text) by three rules applied
// to red, green and blue separately:
//
//   blend(a, b, x) = (1 - x) * a + x * b, rounded to the nearest integer,
//                    an exact half to the even neighbour
//   lighten(c, p)  = c + p * (255 - c) div 100
//   darken(c, n)   = max(0, c - n)
//
// The blend factors are given in thousandths and worked out in integers, so
// a factor such as 0.7 (not exact in binary floating point) cannot tip an
// exact half to the wrong side. On the classic scheme (face 212,208,200,
// window white, shadow 128,128,128, highlight 10,36,106) the rules give the
// colours stored with the main window's skin.
//
// These are the colours before the screen's own nearest-colour mapping,
// which the Windows side applies when it draws.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/model/colors.h"

namespace app {

class TTBSkin;

// The names of the 28 colours, in the order TTBColors keeps them.
inline constexpr std::array<std::string_view, 28> kSkinColorNames = {
    "tcFace",         "tcPopup",           "tcBorder",          "tcToolbar",       "tcImageList",
    "tcDockBorderIn", "tcDockBorderOut",   "tcDockBorderTitle", "tcDragHandle",    "tcChecked",
    "tcCheckedOver",  "tcSelBar",          "tcSelBarBorder",    "tcSelItem",       "tcSelItemBorder",
    "tcSelPushed",    "tcSelPushedBorder", "tcSeparator",       "tcImgListShadow", "tcGradStart",
    "tcGradEnd",      "tcPopupGradStart",  "tcPopupGradEnd",    "tcImgGradStart",  "tcImgGradEnd",
    "tcMenuText",     "tcHighlightText",   "tcCaptionText",
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour value (0x00BBGGRR) of `c`.
constexpr ui::TColor ToColor(Rgb c) {
  return static_cast<ui::TColor>(c.red | (c.green << 8) | (c.blue << 16));
}

// The RGB triple of a colour value; only its low 24 bits are read.
constexpr Rgb ToRgb(std::uint32_t value) {
  return Rgb{static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
             static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

// Positions of the colours in TTBColors::colors and in the arrays below.
enum TTBColorIndex : std::size_t {
  tcFace,
  tcPopup,
  tcBorder,
  tcToolbar,
  tcImageList,
  tcDockBorderIn,
  tcDockBorderOut,
  tcDockBorderTitle,
  tcDragHandle,
  tcChecked,
  tcCheckedOver,
  tcSelBar,
  tcSelBarBorder,
  tcSelItem,
  tcSelItemBorder,
  tcSelPushed,
  tcSelPushedBorder,
  tcSeparator,
  tcImgListShadow,
  tcGradStart,
  tcGradEnd,
  tcPopupGradStart,
  tcPopupGradEnd,
  tcImgGradStart,
  tcImgGradEnd,
  tcMenuText,
  tcHighlightText,
  tcCaptionText,
  kSkinColorCount,
};
static_assert(kSkinColorCount == kSkinColorNames.size());
static_assert(kSkinColorNames[tcDragHandle] == "tcDragHandle" &&
              kSkinColorNames[tcCaptionText] == "tcCaptionText");

// The index of the skin colour named `name`, or kSkinColorCount for a name
// that is none. For names read from outside (a description); the program
// itself names its colours by their index.
TTBColorIndex SkinColorIndex(std::string_view name);

// The system colours the rules read.
struct SystemColors {
  Rgb btn_face;
  Rgb window;
  Rgb btn_shadow;
  Rgb highlight;
  Rgb menu_text;
  Rgb highlight_text;
  Rgb btn_text;  // read only in high contrast (skin_palette.h)
};

using SkinRgb = std::array<Rgb, kSkinColorCount>;
using SkinColorValues = std::array<ui::TColor, kSkinColorCount>;

// blend of one channel with x = `x_thousandths` / 1000; the caller
// guarantees 0 <= x_thousandths <= 1000.
std::uint8_t BlendChannel(std::uint8_t a, std::uint8_t b, int x_thousandths);
// blend, lighten and darken of each channel; `percent` is in [0, 100] and
// `amount` is not negative (caller's guarantee).
Rgb Blend(Rgb a, Rgb b, int x_thousandths);
Rgb Lighten(Rgb c, int percent);
Rgb Darken(Rgb c, int amount);

// The 28 colours of a skin whose colour set is not the custom one, in the
// order of kSkinColorNames.
SkinRgb DeriveSkinColors(const SystemColors& system);

// The system colour indices the desktop defines: 0x80000000 + n names one
// for n below this.
inline constexpr std::uint32_t kSystemColorIndices = 31;

// A stored colour as a custom skin draws with it: a system colour stays as
// it is, for the drawing side to look up; any other value, out-of-range
// ones included, is masked to its 24 RGB bits.
ui::TColor StoredSkinColor(ui::TColor stored);

// The colours `skin` draws with, in the order of kSkinColorNames: the
// derived ones as RGB values, or for the custom colour set the stored ones
// through StoredSkinColor.
SkinColorValues SkinColors(const TTBSkin& skin, const SystemColors& system);

}  // namespace app
