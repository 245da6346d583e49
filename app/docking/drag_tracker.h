// DragTracker: the drag of a dockable window (a toolbar or a tool window) by
// the mouse, as plain data in and plain data out. The Windows side runs the
// capture loop, turns its messages into the calls below and applies what
// they return: take or release the capture, dock the window in a dock at a
// row and a place, or float it at a screen rectangle. Every move is applied
// at once (the window itself moves; there is no outline), so when the drag
// ends the window simply stays where the last move put it. A press and a
// release with no move between them is no drag: nothing is placed.
//
// The candidate docks are fixed when the drag begins: the window's own dock
// first, then its form's docks by side (top, bottom, left, right; the docks
// of one side in the form's order), each only if it allows drags and the
// window may dock to its side. On every test they are tried in that order
// and the first that takes the window wins; while Ctrl is down none is
// tried, so the window floats.
//
// A dock takes the window (DockTakes) when, with D its screen rectangle grown
// by 3 on every side, W x H the window's size and (gx, gy) the grab point in
// it when the drag began, mx = 25 gx / (W - 1) and my = 25 gy / (H - 1)
// rounded to the nearest integer (halves away from zero, products in 64
// bits):
//   D.left + mx - 25 <= x < D.right + mx, D.top + my - 25 <= y < D.bottom + my,
//   for a left or right dock also D.top <= y < D.bottom,
//   and the rectangle the window would have in the dock with the grab point
//   under the pointer shares a pixel with D.
// The margins mx and my let the pointer stray further from a dock on the
// side the window was grabbed from. At another density than the stored one
// the 3 pixels of growth (and the 4 a float keeps on its work area, below)
// are scaled from those values; the margins' formula runs unchanged on the
// screen's pixels.
//
// States against events (one enum, changed only in SetState):
//
//   event                     | kIdle                        | kDragging
//   --------------------------+------------------------------+------------------------------
//   Begin (left press on a    | candidates fixed, grab noted | ignored
//     drag area)              | -> kDragging, capture        |
//   Move                      | ignored                      | test docks, place if changed
//                             |                              | (none while still at the press
//                             |                              | point: no move yet)
//   Ctrl down / Ctrl up       | ignored                      | noted, test again at the last
//                             |                              | pointer, place if changed
//   left button up at p       | ignored                      | as a move to p, then -> kIdle,
//                             |                              | release capture
//   left button down          | ignored                      | -> kIdle, release capture
//   right / middle button     | ignored                      | ignored
//   Esc down                  | ignored                      | -> kIdle, release capture
//   other keys                | ignored                      | ignored
//   capture lost              | ignored                      | -> kIdle (nothing to release)
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/docking/dock_layout.h"
#include "app/docking/tb_dock.h"
#include "base/rect.h"
#include "ui/model/control.h"
#include "ui/model/dpi_scale.h"

namespace app {

using base::Point;
using base::Rect;
using base::Size;

enum class DragKey : std::uint8_t { kControl, kEscape, kOther };
enum class DragState : std::uint8_t { kIdle, kDragging };

// A dock of the form as the drag sees it when it begins.
struct DragDock {
  int id = 0;  // the caller's name for it, returned in DragTarget::dock
  TTBDockPosition side = TTBDockPosition::dpTop;
  bool allows_drag = true;
  friend bool operator==(const DragDock&, const DragDock&) = default;
};

// Where a dock is now; docks move and change thickness while the window
// leaves and enters them, so the tracker asks on every test.
struct DockGeometry {
  Rect screen;       // the dock on the screen
  Size docked_size;  // the dragged window's outer size when docked here
  // The dock's rows without the dragged window, as LayoutDock gives them.
  std::vector<DockRowBand> rows;
};

// What the tracker asks of the screen while it tests.
class DragHost {
 public:
  // The geometry of the dock named `dock_id` (an id of DragStart::docks).
  virtual DockGeometry Geometry(int dock_id) const = 0;
  // The work area of the monitor under `pointer`, or of the nearest one when
  // the pointer is on none.
  virtual Rect WorkArea(Point pointer) const = 0;

 protected:
  ~DragHost() = default;
};

struct DragStart {
  Rect window;         // the window on the screen when pressed
  Point pointer;       // where the left button went down, on the screen
  Size floating_size;  // the window's outer size when it floats
  DockSides dockable_to = kAllDockSides;
  bool full_size = false;       // a full-size window never shares a row
  std::optional<int> own_dock;  // the dock it is in; none while floating
  std::vector<DragDock> docks;  // every dock of its form, in the form's order
  bool ctrl_down = false;       // Ctrl's state at the press
  ui::DpiScale scale;           // the density of the window's screen
};

// Where the window goes.
struct DragTarget {
  bool docked = false;
  int dock = 0;             // docked: the dock's id
  DockPlacement placement;  // docked: its row and place in the dock
  Rect rect;                // on the screen: the would-be docked rectangle, or the floating one
  friend bool operator==(const DragTarget&, const DragTarget&) = default;
};

// What the caller does after an event, in this order: take the capture,
// move the window, release the capture.
struct DragOutput {
  bool capture = false;
  std::optional<DragTarget> place;
  bool release_capture = false;
  bool ended = false;
};

class DragTracker {
 public:
  // `host` outlives the tracker.
  explicit DragTracker(const DragHost& host) : host_(host) {}

  DragState State() const { return state_; }
  // The candidate docks of the running drag, in test order.
  const std::vector<DragDock>& Candidates() const { return candidates_; }

  // The left button went down on a drag area of the window (its drag handle,
  // frame, floating caption or free toolbar space).
  DragOutput Begin(const DragStart& start);
  DragOutput Move(Point pointer);
  DragOutput ButtonDown(ui::TMouseButton button);
  // A release; the left one's point `at`, when given, is taken as a last
  // move first (so a release where the press was places nothing).
  DragOutput ButtonUp(ui::TMouseButton button, std::optional<Point> at = std::nullopt);
  DragOutput Key(DragKey key, bool down);
  // The capture went to another window (or was taken away by the system).
  DragOutput CaptureLost();

 private:
  void SetState(DragState state);
  // Tests the docks for the pointer at `pointer_` and returns the place if it
  // differs from the last one returned.
  std::optional<DragTarget> Retest();
  DragTarget Target() const;
  DragOutput End(bool release);

  const DragHost& host_;
  DragState state_ = DragState::kIdle;
  std::vector<DragDock> candidates_;
  Size size_;   // W x H, when the drag began
  Point grab_;  // grab point in the window, when the drag began
  Size floating_size_;
  bool full_size_ = false;
  bool ctrl_down_ = false;
  ui::DpiScale scale_;
  Point pointer_;
  bool moved_ = false;  // the pointer left the press point
  std::optional<DragTarget> last_;
};

// mx (or my): 25 * grab / (extent - 1) rounded to the nearest integer,
// halves away from zero, computed in 64 bits. `grab` is first kept inside
// [0, extent - 1]. A window 1 pixel (or less) across has only its leading
// pixel to grab, so its margin is 0 (no division by zero).
int GrabMargin(int grab, int extent);

// The dock test above for one dock on `side` at `dock_screen`: `pointer` on
// the screen, `grab` and `window_size` as at the start of the drag,
// `docked_size` the window's outer size in that dock, `scale` the density.
bool DockTakes(const Rect& dock_screen, TTBDockPosition side, Point pointer, Point grab, Size window_size,
               Size docked_size, const ui::DpiScale& scale = {});

// Where a window whose would-be rectangle in a dock on `side` at
// `dock_screen` is `would_be` goes in that dock, given the dock's rows
// without it: the row under the middle of `would_be` (a new row before the
// first or after the last when the middle is outside them), its leading
// edge where `would_be` puts it (0 at least). A full-size window, or any
// window over a row holding a full-size one, opens a new row before or
// after that row, by the half the middle is in.
DockPlacement PlacementInDock(const Rect& dock_screen, TTBDockPosition side,
                              const std::vector<DockRowBand>& rows, const Rect& would_be, bool full_size);

// `floating` moved, not resized, so that at least 4 pixels of it stay inside
// `work_area` on every side: its right edge at least 4 pixels right of the
// area's left edge, its left edge at least 4 pixels left of the area's right
// edge, and the same across. On an area too small for both, the rule at the
// area's left (top) edge wins. The 4 pixels are scaled to `scale`.
Rect KeepOnWorkArea(const Rect& floating, const Rect& work_area, const ui::DpiScale& scale = {});

}  // namespace app
