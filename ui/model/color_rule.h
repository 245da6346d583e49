// The colour rule: which colours a control draws with on the user's desktop.
//
// A control stores a background and a text colour (RGB values or system
// colour references). They are drawn as stored unless the desktop asks for
// readable colours:
//
//   high contrast | stored pair on this scheme | drawn with
//   --------------+----------------------------+----------------------------------
//   off           | 4.5:1 or more              | the stored pair
//   off           | below 4.5:1                | the scheme's pair for the control
//   on            | anything                   | the scheme's pair for the control
//
// When the pair chosen so does not reach 4.5:1 either, the better of the
// two choices (flag on: the scheme's pair) is drawn if it reaches 3:1, the
// least at which a text can still be made out: the desktop's own selection
// colours may sit there (Wine's default highlight pair is 3.06:1), and a
// user's scheme is not overruled for that. Below 3:1 in every choice (the
// same colour for a background and its text) the pair is black on white.
//
// The scheme's pairs are window / window text (text areas, the About
// window), button face / button text (controls on the window's face),
// highlight / highlight text (focus, selection, a mark under the pointer)
// and, for links, the hot-tracking colour on the window colour, or the
// window text when the hot-tracking colour does not reach 4.5:1 against the
// window (the program's links are underlined, so they still show as links). Contrast is the ratio of the two
// colours' relative luminances (each plus 0.05), the measure readability guidance uses, so a dark scheme a
// user made without turning high contrast on stays readable as well.
#pragma once

#include <array>
#include <cstdint>

#include "ui/model/colors.h"

namespace ui {

class TControl;

// An RGB colour as the screen takes it: 0x00BBGGRR.
using RgbColor = std::uint32_t;

inline constexpr RgbColor kBlackRgb = 0x000000;
inline constexpr RgbColor kWhiteRgb = 0xFFFFFF;

// The contrast a text needs against its background to be read, and the
// least at which it can still be made out.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kLegibleContrast = 3.0;

// The relative luminance of `c` (0 black, 1 white) from its sRGB channels.
double RelativeLuminance(RgbColor c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on
// white; the order of the two does not matter.
double ContrastRatio(RgbColor a, RgbColor b);

// The desktop's colours: every system colour index (COLOR_*) and whether
// high contrast is on.
struct ColorScheme {
  static constexpr std::uint32_t kIndices = 31;  // 0x80000000 + n names one for n below this
  static constexpr std::uint32_t kWindow = 5, kWindowText = 8, kHighlight = 13, kHighlightText = 14,
                                 kBtnFace = 15, kBtnText = 18, kHotLight = 26;

  std::array<RgbColor, kIndices> system{};
  bool high_contrast = false;

  // The RGB value `color` draws as: a system colour looked up (an index the
  // desktop does not have draws as the button face), an RGB value its low
  // 24 bits.
  RgbColor Resolve(TColor color) const;
};

struct DrawColors {
  RgbColor back = kWhiteRgb;
  RgbColor text = kBlackRgb;
  friend bool operator==(const DrawColors&, const DrawColors&) = default;
};

// The scheme's pair for `pair` (kAuto reads as kWindow), or black on white
// when that pair is below 3:1.
DrawColors SchemePairColors(SchemePair pair, const ColorScheme& scheme);

// The colours to draw a text in `text` on `back` with, `pair` the scheme's
// pair that stands in for them (kAuto reads as kWindow); see the table above.
DrawColors ColorsToDraw(TColor back, TColor text, SchemePair pair, const ColorScheme& scheme);

// The pair that stands in for `control`'s colours: the one it was given
// (TControl::scheme_pair); otherwise links (underlined text) take the link
// pair, controls on the button face the button pair, the rest the window
// pair.
SchemePair PairFor(const TControl& control);

}  // namespace ui
