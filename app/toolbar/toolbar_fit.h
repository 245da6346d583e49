// Which of a toolbar's items stay on the bar when it is shorter than they
// need. The size of a text item is the menus' (app/menus/tb_item.h).
//
// The items keep their order. When all of them fit into the bar's length
// they all stay and there is no chevron. Otherwise the chevron button takes
// kChevronWidth pixels at the bar's far end, the longest run of items from
// the start that fits into what is left stays, and every item after it moves
// to the chevron's drop-down, also in order (a later, narrower item does not
// jump ahead of one that did not fit). The chevron is there even when the bar
// is too short for it alone.
//
// Lengths run along the bar: widths in a top or bottom dock, heights in a
// left or right one. They are pixels of the bar's screen, whose density
// (`scale`, the stored one when left out) also scales the chevron's width
// and the size of a bar without items.
//
// LayOutToolbar() then places the buttons in the bar's client area: the
// items that stay, one after the other from its start, each as thick as the
// thickest item, and the chevron button at the far end.
#pragma once

#include <limits>
#include <span>
#include <vector>

#include "app/menus/tb_item.h"
#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

using base::Rect;
using base::Size;

// 13 pixels: room for the chevron's double arrow (5 pixels wide) with 4 on
// each side, as narrow as a button can be and still be aimed at.
inline constexpr int kChevronWidth = 13;

struct ToolbarFit {
  int shown = 0;           // items 0 .. shown-1 stay on the bar
  bool chevron = false;    // items shown .. end go to the chevron's drop-down
  int chevron_offset = 0;  // where the chevron starts along the bar: its length less
                           // kChevronWidth, 0 at least
};

// Fits items of `lengths` (each >= 0) into a bar `available` pixels long (may
// be 0 or negative: nothing fits). Sums are taken without overflow.
ToolbarFit FitToolbar(std::span<const int> lengths, int available, const ui::DpiScale& scale = {});
// The chevron's width and an empty bar's content size at `scale`.
int ChevronWidth(const ui::DpiScale& scale = {});
Size EmptyToolbarSize(const ui::DpiScale& scale = {});

// The content size of a bar without items, in a dock or floating: 22 wide,
// 23 high.
inline constexpr Size kEmptyToolbarSize{22, 23};

// A bar with no limit to its length (a floating one, or one in no dock).
inline constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

struct ToolbarLayout {
  ToolbarFit fit;
  std::vector<Rect> buttons;  // of items 0 .. fit.shown-1, in the client area
  Rect chevron;               // empty when there is none
  // The client size the bar asks for: all its items, or, with the chevron,
  // `available` long (kChevronWidth at least); kEmptyToolbarSize without items.
  Size content;
};

// Lays out items of `sizes` on a bar running left to right (`horizontal`) or
// top to bottom, `available` pixels long (kUnlimitedLength: no limit).
ToolbarLayout LayOutToolbar(std::span<const ItemSize> sizes, bool horizontal, int available,
                            const ui::DpiScale& scale = {});

// A floating bar's items re-flowed into rows at most `width` pixels wide
// (wider only where one item alone is wider): each row takes the next items
// while they fit, at least one; the rows lie one under the other, each as
// high as the highest item. Every item is shown and there is no chevron.
// `content` is the widest row's width by the rows' total height
// (kEmptyToolbarSize with no items).
ToolbarLayout FlowToolbar(std::span<const ItemSize> sizes, int width, const ui::DpiScale& scale = {});

// The client size a floating bar takes when its frame is resized so that its
// client area would be `wanted`. Resized by a left or right edge
// (`by_width`), the items flow at wanted.width and the height follows the
// rows. Resized by the top or bottom edge, the bar takes as many rows as fit
// into wanted.height (1 at least) and the narrowest flow that needs no more.
Size FloatingToolbarSize(std::span<const ItemSize> sizes, Size wanted, bool by_width,
                         const ui::DpiScale& scale = {});

}  // namespace app
