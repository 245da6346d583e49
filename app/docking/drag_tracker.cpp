#include "app/docking/drag_tracker.h"

#include <algorithm>
#include <cstdint>

namespace app {

namespace {

constexpr int kDockSlack = 3;    // a dock catches the window 3 pixels beyond its edges
constexpr int kMarginSpan = 25;  // the largest grab margin
constexpr int kKeepInside = 4;   // a floating window keeps this much on its work area

// The grab point as it lies in a window of `size` (a float may be smaller
// than the docked window it was grabbed from).
Point GrabInside(Point grab, Size size) {
  return Point{std::clamp(grab.x, 0, std::max(size.width - 1, 0)),
               std::clamp(grab.y, 0, std::max(size.height - 1, 0))};
}

}  // namespace

int GrabMargin(int grab, int extent) {
  if (extent <= 1) return 0;
  const std::int64_t divisor = std::int64_t{extent} - 1;
  const std::int64_t g = std::clamp<std::int64_t>(grab, 0, divisor);
  // g >= 0 and divisor > 0, so rounding halves up is rounding them away from zero.
  return static_cast<int>((2 * kMarginSpan * g + divisor) / (2 * divisor));
}

bool DockTakes(const Rect& dock_screen, TTBDockPosition side, Point pointer, Point grab, Size window_size,
               Size docked_size, const ui::DpiScale& scale) {
  const Rect d = dock_screen.Grown(scale.Length(kDockSlack));
  const int mx = GrabMargin(grab.x, window_size.width);
  const int my = GrabMargin(grab.y, window_size.height);
  if (pointer.x < d.left + mx - kMarginSpan || pointer.x >= d.right + mx) return false;
  if (pointer.y < d.top + my - kMarginSpan || pointer.y >= d.bottom + my) return false;
  if (!IsHorizontal(side) && (pointer.y < d.top || pointer.y >= d.bottom)) return false;
  const Rect would_be = Rect::At(Point{pointer.x - grab.x, pointer.y - grab.y}, docked_size);
  return would_be.Intersects(d);
}

DockPlacement PlacementInDock(const Rect& dock_screen, TTBDockPosition side,
                              const std::vector<DockRowBand>& rows, const Rect& would_be, bool full_size) {
  const bool horizontal = IsHorizontal(side);
  // Across the dock: the middle of the would-be rectangle, from the dock's edge.
  const int middle = horizontal ? would_be.top + (would_be.bottom - would_be.top) / 2 - dock_screen.top
                                : would_be.left + (would_be.right - would_be.left) / 2 - dock_screen.left;
  const int lead = horizontal ? would_be.left - dock_screen.left : would_be.top - dock_screen.top;
  const int pos = full_size ? 0 : std::max(lead, 0);
  for (const DockRowBand& band : rows) {
    if (middle < band.start) return DockPlacement{band.row, true, pos};
    if (middle < band.end) {
      if (!full_size && !band.full) return DockPlacement{band.row, false, pos};
      const bool before = middle - band.start < (band.end - band.start) / 2;
      return DockPlacement{before ? band.row : band.row + 1, true, pos};
    }
  }
  return DockPlacement{rows.empty() ? 0 : rows.back().row + 1, true, pos};
}

Rect KeepOnWorkArea(const Rect& floating, const Rect& work_area, const ui::DpiScale& scale) {
  const int width = floating.Width(), height = floating.Height();
  const int inside = scale.Length(kKeepInside);
  int left = std::min(floating.left, work_area.right - inside);
  left = std::max(left, work_area.left + inside - width);
  int top = std::min(floating.top, work_area.bottom - inside);
  top = std::max(top, work_area.top + inside - height);
  return Rect::At(Point{left, top}, Size{width, height});
}

void DragTracker::SetState(DragState state) {
  state_ = state;
}

DragOutput DragTracker::Begin(const DragStart& start) {
  if (state_ != DragState::kIdle) return {};
  const auto accepted = [&](const DragDock& dock) {
    return dock.allows_drag && (start.dockable_to & DockSideBit(dock.side)) != 0;
  };
  candidates_.clear();
  if (start.own_dock) {
    for (const DragDock& dock : start.docks)
      if (dock.id == *start.own_dock && accepted(dock)) candidates_.push_back(dock);
  }
  for (const TTBDockPosition side : {TTBDockPosition::dpTop, TTBDockPosition::dpBottom,
                                     TTBDockPosition::dpLeft, TTBDockPosition::dpRight}) {
    for (const DragDock& dock : start.docks) {
      const bool own = start.own_dock && dock.id == *start.own_dock;
      if (dock.side == side && !own && accepted(dock)) candidates_.push_back(dock);
    }
  }
  size_ = start.window.Extent();
  grab_ = Point{start.pointer.x - start.window.left, start.pointer.y - start.window.top};
  floating_size_ = start.floating_size;
  full_size_ = start.full_size;
  ctrl_down_ = start.ctrl_down;
  scale_ = start.scale;
  pointer_ = start.pointer;
  moved_ = false;
  last_.reset();
  SetState(DragState::kDragging);
  DragOutput out;
  out.capture = true;
  return out;
}

DragOutput DragTracker::Move(Point pointer) {
  if (state_ != DragState::kDragging) return {};
  // Until the pointer leaves the press point it has not moved: the system
  // also reports moves when windows change under a resting pointer.
  if (!moved_ && pointer == pointer_) return {};
  moved_ = true;
  pointer_ = pointer;
  DragOutput out;
  out.place = Retest();
  return out;
}

DragOutput DragTracker::ButtonDown(ui::TMouseButton button) {
  if (state_ != DragState::kDragging || button != ui::TMouseButton::mbLeft) return {};
  return End(true);
}

DragOutput DragTracker::ButtonUp(ui::TMouseButton button, std::optional<Point> at) {
  if (state_ != DragState::kDragging || button != ui::TMouseButton::mbLeft) return {};
  const std::optional<DragTarget> place = at ? Move(*at).place : std::nullopt;
  DragOutput out = End(true);
  out.place = place;
  return out;
}

DragOutput DragTracker::Key(DragKey key, bool down) {
  if (state_ != DragState::kDragging) return {};
  switch (key) {
    case DragKey::kControl: {
      if (ctrl_down_ == down) return {};
      ctrl_down_ = down;
      DragOutput out;
      out.place = Retest();
      return out;
    }
    case DragKey::kEscape:
      return down ? End(true) : DragOutput{};
    case DragKey::kOther:
      return {};
  }
  return {};
}

DragOutput DragTracker::CaptureLost() {
  if (state_ != DragState::kDragging) return {};
  return End(false);
}

DragOutput DragTracker::End(bool release) {
  SetState(DragState::kIdle);
  candidates_.clear();
  last_.reset();
  DragOutput out;
  out.release_capture = release;
  out.ended = true;
  return out;
}

DragTarget DragTracker::Target() const {
  if (!ctrl_down_) {
    for (const DragDock& dock : candidates_) {
      const DockGeometry geometry = host_.Geometry(dock.id);
      if (!DockTakes(geometry.screen, dock.side, pointer_, grab_, size_, geometry.docked_size, scale_)) {
        continue;
      }
      const Rect would_be = Rect::At(Point{pointer_.x - grab_.x, pointer_.y - grab_.y}, geometry.docked_size);
      return DragTarget{true, dock.id,
                        PlacementInDock(geometry.screen, dock.side, geometry.rows, would_be, full_size_),
                        would_be};
    }
  }
  const Point grab = GrabInside(grab_, floating_size_);
  const Rect floating = Rect::At(Point{pointer_.x - grab.x, pointer_.y - grab.y}, floating_size_);
  return DragTarget{false, 0, DockPlacement{}, KeepOnWorkArea(floating, host_.WorkArea(pointer_), scale_)};
}

std::optional<DragTarget> DragTracker::Retest() {
  const DragTarget target = Target();
  if (last_ && *last_ == target) return std::nullopt;
  last_ = target;
  return target;
}

}  // namespace app
