// Dock layout: where the windows of one dock go, and how thick the dock is,
// worked out on sizes and rectangles alone. The Windows side feeds it the
// dock's windows and applies the rectangles it returns.
//
// A docked window is its client area framed by a 2-pixel border on every
// side plus a drag-handle strip on its leading side: the left side in a top
// or bottom dock, the top side in a left or right dock. With the default
// single grip and no close button the strip is 6 pixels, so a window in a
// top or bottom dock is 8 + 2 = 10 pixels wider and 4 pixels taller than its
// client area.
//
// Rows. Windows are grouped by their DockRow value; the rows follow each
// other in ascending value from the dock's top edge (left edge for a left or
// right dock), with no gaps, whatever gaps the values leave. A row is as
// thick as its thickest window and the dock is as thick as its rows
// together. Hidden windows take no room; a dock with no visible window is 0
// thick, or 1 with FixAlign.
//
// Along a row, a window's leading edge is its DockPos (-1: right after the
// window before it). Windows keep their DockPos order; one that would overlap
// the window before it is pushed along, and windows that run past the row's
// end are pushed back towards its start as far as the row allows (a row too
// short for all of them is packed from its start and overflows at its end).
//
// A window with full size set takes the whole length of the dock. It gets a
// row of its own: when others share its DockRow value, the full-size windows
// of that value come first, each in its own row, and the others follow in one
// row after them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "app/docking/tb_dock.h"
#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

using base::Rect;
using base::Size;

inline constexpr int kDockedBorder = 2;
inline constexpr int kGripWidth = 3;

enum class TTBDragHandleStyle : std::uint8_t { dhDouble, dhNone, dhSingle };

// The pixel counts of a docked window's frame are those above at the stored
// density; a window at another density has each of them scaled from that
// value (`scale`, the stored density when left out).

// The border on every side of a docked window, and the width of one grip.
int DockedBorder(const ui::DpiScale& scale = {});
int GripWidth(const ui::DpiScale& scale = {});
// Width of the drag-handle strip for `style`, without or with a close button
// on the docked window.
int DragHandleWidth(TTBDragHandleStyle style, bool close_button_when_docked, const ui::DpiScale& scale = {});
// Where the (first) grip starts, counted from the inner edge of the border;
// -1 for dhNone, which draws no grip. dhDouble draws a second grip right
// after the first.
int GripOffset(TTBDragHandleStyle style, bool close_button_when_docked, const ui::DpiScale& scale = {});

// The sides a window may dock to, one bit per TTBDockPosition.
using DockSides = std::uint8_t;
constexpr DockSides DockSideBit(TTBDockPosition side) {
  return static_cast<DockSides>(1u << static_cast<unsigned>(side));
}
inline constexpr DockSides kAllDockSides = 0x0F;

// True for a top or bottom dock, whose windows lie side by side along x.
constexpr bool IsHorizontal(TTBDockPosition side) {
  return side == TTBDockPosition::dpTop || side == TTBDockPosition::dpBottom;
}

// The outer size of a window with client area `client` docked on `side`
// with a drag-handle strip `handle` pixels wide, its border DockedBorder(scale).
Size DockedOuterSize(Size client, TTBDockPosition side, int handle, const ui::DpiScale& scale = {});
// The client area inside a docked window's outer rectangle `outer`.
Rect DockedClientRect(const Rect& outer, TTBDockPosition side, int handle, const ui::DpiScale& scale = {});
// The drag-handle strip inside the border of a docked window's outer
// rectangle `outer`: the whole strip, its length running along the window.
Rect DockedHandleRect(const Rect& outer, TTBDockPosition side, int handle, const ui::DpiScale& scale = {});

// One window of a dock as the layout sees it.
struct DockItem {
  int row = 0;   // DockRow
  int pos = -1;  // DockPos along the row; -1: after the window before it
  bool visible = true;
  bool full_size = false;
  Size client;  // client area, as the window is shaped for this dock's side
  int handle = 6;
};

// One row of a laid-out dock: its DockRow value and the band it covers
// across the dock, [start, end) from the dock's top (or left) edge.
struct DockRowBand {
  int row = 0;
  int start = 0;
  int end = 0;
  bool full = false;  // holds a full-size window, so nothing can join it
  friend bool operator==(const DockRowBand&, const DockRowBand&) = default;
};

struct DockLayout {
  int thickness = 0;
  // Per item, its outer rectangle in the dock's client coordinates; an empty
  // rectangle for a hidden window.
  std::vector<Rect> windows;
  // The visible rows in order.
  std::vector<DockRowBand> rows;
};

// Lays out `items` in a dock on `side` whose length (its width for a top or
// bottom dock, height otherwise) is `length`; the items' clients and handles
// are in pixels of `scale`, whose border frames them.
DockLayout LayoutDock(TTBDockPosition side, int length, bool fix_align, std::span<const DockItem> items,
                      const ui::DpiScale& scale = {});

// The rows of `layout` measured from the dock's top (or left) edge when the
// dock is `across` thick on screen and keeps its far edge fixed, as a bottom
// or right dock does: its rows then sit against that edge. A top or left
// dock's rows are returned as they are. While a window is dragged, the rows
// of its dock without it are placed so, which keeps them where they are
// whether or not the dragged window sits in the dock at the moment (the dock
// grows and shrinks around it).
std::vector<DockRowBand> RowsOnScreen(const DockLayout& layout, TTBDockPosition side, int across);

// A place in a dock: a DockRow value and a DockPos. With `new_row` the window
// gets a row of its own, inserted at that value: the rows of that value and
// above move one further.
struct DockPlacement {
  int row = 0;
  bool new_row = false;
  int pos = 0;
  friend bool operator==(const DockPlacement&, const DockPlacement&) = default;
};

// Puts `items[index]` at `placement`, renumbering the other items' rows
// when it opens a new row. Precondition: index < items.size().
void PlaceInDock(std::span<DockItem> items, std::size_t index, const DockPlacement& placement);

// Renumbers the items' DockRow values 0, 1, 2... in their order, equal
// values staying equal, so that the same arrangement always has the same
// numbers (opening rows would otherwise push the values up without end).
void NumberRowsFromZero(std::span<DockItem> items);

}  // namespace app
