// SkinPalette: the colours a skin draws with on this screen. It is worked
// out once when the skin's first toolbar gets its window and again whenever
// the desktop's colours change (form_skin.h calls Refresh()), not at every
// paint.
//
// - A skin of the derived colour set (every skin but a custom one) takes the
//   28 colours skin_colors.h derives from the system colours, each mapped to
//   the nearest colour the screen can show (the `nearest` function: the
//   screen's own mapping on Windows).
// - A skin of the custom colour set draws with its stored colours: a system
//   colour reference stays one and is looked up when it is drawn, any other
//   value is masked to its 24 RGB bits (a description may hold any number).
//   The screen mapping is left to the drawing for these.
// - Without a skin the derived colours are used.
// - In high contrast every colour, stored or derived, collapses to the
//   scheme's pairs: faces, menus and frames to button face with button text
//   for text, borders and lines; selections, checked items and the caption
//   bar to highlight, the text on them to highlight text (TextOn). A pair
//   that is not readable is black on white (ui/model/color_rule.h).
//
// Outside high contrast the derived colours stay as the rules give them:
// they follow the user's scheme already, and the toolbar's text is the
// scheme's menu text on a blend of its faces.
//
// Before the first Refresh() the palette holds the colours the rules give on
// the classic desktop scheme.
#pragma once

#include <functional>

#include "app/skin/skin_colors.h"

namespace app {

class TTBSkin;

// The system colours of the classic desktop scheme (button face 212,208,200,
// window white, shadow 128,128,128, highlight 10,36,106).
SystemColors ClassicSystemColors();

class SkinPalette {
 public:
  // Maps a colour to the nearest one the screen shows.
  using NearestColor = std::function<Rgb(Rgb)>;

  SkinPalette();

  // Works the colours out for `skin` (null: none) under the desktop colours
  // `system`, in high contrast when `high_contrast`; `nearest` may be empty
  // (no mapping).
  void Refresh(const TTBSkin* skin, const SystemColors& system, const NearestColor& nearest,
               bool high_contrast = false);

  // The colour at `index`: an RGB value, or for a custom skin possibly a
  // system colour reference for the drawing side to look up.
  ui::TColor Color(TTBColorIndex index) const { return values_[index]; }
  const SkinColorValues& Values() const { return values_; }
  // The colour of text and glyphs drawn on the colour at `fill`: the menu
  // text, but in high contrast the highlight text on what the highlight
  // fills (a hot or pressed item, a checked one, the caption bar).
  ui::TColor TextOn(TTBColorIndex fill) const;

 private:
  SkinColorValues values_{};
  bool high_contrast_ = false;
};

}  // namespace app
