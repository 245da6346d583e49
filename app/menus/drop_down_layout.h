// The layout of a drop-down menu of toolbar items, and the text it answers
// to WM_GETTEXT.
//
// In window coordinates, top to bottom:
//
//   +-----------------------------------------------+  1-pixel frame
//   |[image col]  Caption                           |  item: text height + 9 high
//   |[ v ]        Панель результата                 |  checked: a square in the image column
//   |[image col] ----------------------------------- |  separator: 7 high, a line in the middle
//   +-----------------------------------------------+
//
// - Rows are stacked inside the frame, full width. An item row is as high as
//   a toolbar text item (text height + 9: 22 for the 13-pixel menu font); a
//   separator row is kSeparatorHeight (7) with a 1-pixel line at its middle,
//   from the text column to the row's end less kSeparatorInset.
// - The image column at a row's left is the item height + 2 wide (24 for the
//   13-pixel font): square enough for a 16-pixel image or the check mark.
// - The text starts kTextGap (8) after the image column; kTextEndMargin (16)
//   follows the widest text, room where a submenu arrow would go.
// - The highlighted item is the row inset 1 pixel at its left and right ends;
//   a checked item's square is its image column inset 2 left and right and 1
//   top and bottom.
// - The window is the frame around the widest row; its width is never less
//   than the image column, text gap and end margin with no text at all.
// - The check mark is 7 x 7: seven columns of 3-pixel strokes, a tick.
// Every pixel count above is the one at the stored density; a menu opened on
// a screen of another density has each scaled to it from that value, its
// text measured in the menu font of that density. The check mark, a glyph,
// is enlarged by a whole factor instead (app/skin/glyph_scale.h), so its
// columns stay one block each.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "app/menus/tb_item.h"
#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

using base::Point;
using base::Rect;
using base::Size;

inline constexpr int kDropDownFrame = 1;
inline constexpr int kSeparatorHeight = 7;
inline constexpr int kSeparatorInset = 2;
inline constexpr int kTextGap = 8;
inline constexpr int kTextEndMargin = 16;

// One row as the view measured it.
struct DropDownRow {
  bool separator = false;
  int text_width = 0;  // of the caption in the menu font; >= 0
};

struct DropDownRowPlace {
  Rect row;        // the whole row
  Rect highlight;  // filled and framed while the item is highlighted
  Rect image;      // the image column of the row
  Rect check;      // the square drawn when the item is checked
  Rect text;       // the caption, drawn vertically centred
  Rect line;       // separators only: the 1-pixel line
  bool separator = false;
};

// The widths of the frames the menu draws: its own frame, and those of the
// highlighted item and of a checked item's square (1 pixel, scaled).
struct DropDownFrames {
  int window = kDropDownFrame;
  int item = 1;
};

struct DropDownLayout {
  Size size;  // of the whole drop-down window
  std::vector<DropDownRowPlace> rows;
  DropDownFrames frames;

  // The row at `at` (window coordinates) that is an item, or -1 (a separator,
  // the frame, outside).
  int ItemAt(Point at) const;
  // The row at `at`, a separator too, or -1 outside the window. A point on
  // the frame counts as in the row beside it, so the whole window belongs to
  // the menu. -1 as well when there are no rows.
  int RowAt(Point at) const;
};

// Lays out `rows` for a menu font of `text_height` pixels (> 0) on a screen
// of `scale`.
DropDownLayout LayOutDropDown(std::span<const DropDownRow> rows, int text_height,
                              const ui::DpiScale& scale = {});

// The check mark's strokes, one rectangle per column, centred in `square`
// (a checked item's), at `scale`: the 7 x 7 tick enlarged by the glyph
// factor of `scale`.
std::vector<Rect> CheckMarkStrokes(const Rect& square, const ui::DpiScale& scale = {});

// Where a drop-down window of `size` goes for the button `button` that opens
// it (both in screen coordinates): on a bar running left to right
// (`horizontal_bar`) below the button, its left edges aligned; on a bar
// running top to bottom to the right of the button, their tops aligned. When
// it does not fit into the work area `work` that way but does on the other
// side of the button (above it, to its left), it goes there. Along the
// other axis it is moved into the work area, its start edge kept visible
// when it is larger than the work area.
Rect PlaceDropDown(const Rect& button, Size size, const Rect& work, bool horizontal_bar);

// What an open drop-down of `items` answers to WM_GETTEXT: the captions
// separated by tabs, a checked item's followed by " [x]" (null entries are
// skipped). 1251 text, as the captions are.
std::string DropDownText(std::span<TTBItem* const> items);

}  // namespace app
