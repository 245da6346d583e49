// LookupPlatform: everything the name picker and its drop-down list need
// from the screen, behind one small interface. The picker's core
// (search/rx_db_lookup_combo.h) and its list (search/rx_db_lookup_list.h)
// hold no window handles: they decide, and ask this interface to show or
// hide the pop-up, capture the mouse, take the focus, repaint, and show the
// hourglass while a search scans the table. The Windows view implements it
// for both of its windows; tests implement it with a recorder.
//
// Coordinates are pixels; rectangles are base::Rect, half-open (right and
// bottom are one past the last pixel), as Win32 keeps them.
#pragma once

#include <cstdint>

#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace search {

// The two windows of a picker.
enum class LookupPart : uint8_t { kPicker, kList };

// Sizes that come from the system and the font, at the density of the
// screen the picker is on.
struct LookupMetrics {
  int32_t font_height = 13;       // the control font's character cell height
  int32_t char_width = 8;         // width of "M" in that font (fixed columns)
  int32_t scroll_bar_width = 17;  // the system's vertical scroll bar width
  int32_t list_border = 1;        // the drop-down window's border, each side
};

// Where the picker stands, in screen coordinates, and the screen it is on.
// The list opens next to the picker, so on that screen, and takes its
// density: the pixel counts it draws and measures with (margins, the
// auto-scroll distances) are scaled by `scale`.
struct LookupGeometry {
  base::Rect picker_window;  // the picker's window, border included
  base::Rect picker_client;  // its client area
  base::Rect screen;         // the screen area the list must stay on
  ui::DpiScale scale;        // that screen's density
  LookupMetrics metrics;
};

class LookupPlatform {
 public:
  // The picker's place and the system sizes, asked when the list opens and
  // when the mouse moves between the two windows.
  virtual LookupGeometry Geometry() = 0;
  // Shows the drop-down window at `screen_rect` without activating it, so
  // the picker keeps the focus; HideList hides it.
  virtual void ShowList(const base::Rect& screen_rect) = 0;
  virtual void HideList() = 0;
  // Sends the mouse to `part` until ReleaseMouse (which releases whichever
  // part holds it, and nothing when none does).
  virtual void CaptureMouse(LookupPart part) = 0;
  virtual void ReleaseMouse() = 0;
  // Gives the picker the keyboard focus; false when another control kept it.
  virtual bool TakeFocus() = 0;
  // `part` must be painted again from the core's state.
  virtual void Repaint(LookupPart part) = 0;
  // The hourglass pointer on (true) or back off (false); calls pair up.
  virtual void SetBusyCursor(bool busy) = 0;
  // The list's auto-scroll timer: a tick (TRxDBLookupList::AutoScrollTick)
  // every `interval_ms` milliseconds from now on, or no timer when negative.
  // Told only when the interval changes, so a pointer held still beyond the
  // list's edge keeps its rhythm; a platform without timers may ignore it.
  virtual void SetAutoScrollTimer(int32_t /*interval_ms*/) {}

 protected:
  ~LookupPlatform() = default;
};

}  // namespace search
