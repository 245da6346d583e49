// Sections:
//   1. the form's docks and their geometry (the DragHost the tracker asks)
//   2. applying a placement: dock or float
//   3. the capture loop
//   4. double-clicks: float, dock again
#include "app/docking/dock_drag.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/docking/dock_layout.h"
#include "app/docking/dockable_view.h"
#include "app/docking/drag_tracker.h"
#include "app/docking/floating_window_view.h"
#include "app/docking/tb_dock.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/docking/tb_tool_window.h"
#include "ui/framework/capture_loop.h"
#include "ui/framework/form_window.h"
#include "ui/framework/mouse_capture.h"

namespace app {

namespace {

Rect ScreenRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

// --- 1. The form's docks and their geometry ---

// The docks of the form in the form's order, and what the tracker asks of
// the screen about them while `dragged` moves.
class DockScene final : public DragHost {
 public:
  explicit DockScene(DockableView& dragged) : dragged_(dragged), form_(dragged.Form()) {
    for (base::TComponent* c : form_.Model().Components()) {
      if (auto* dock = dynamic_cast<TTBDock*>(c); dock && form_.ViewOf(*dock)) docks_.push_back(dock);
    }
  }

  const std::vector<TTBDock*>& Docks() const { return docks_; }
  std::optional<int> IdOf(const TTBDock* dock) const {
    const auto found = std::find(docks_.begin(), docks_.end(), dock);
    if (found == docks_.end()) return std::nullopt;
    return static_cast<int>(found - docks_.begin());
  }

  // The dock's dockable windows other than the dragged one, with their items.
  void ItemsOf(const TTBDock& dock, std::vector<TTBDockableWindow*>& windows,
               std::vector<DockItem>& items) const {
    const ui::ControlView* view = form_.ViewOf(dock);
    for (ui::ControlView* child : view->Children()) {
      auto* docked = dynamic_cast<DockableView*>(child);
      if (!docked || docked == &dragged_) continue;
      windows.push_back(&docked->Dockable());
      items.push_back(docked->DockItemFor(dock.position));
    }
  }

  DockGeometry Geometry(int dock_id) const override {
    const TTBDock& dock = *docks_[static_cast<std::size_t>(dock_id)];
    DockGeometry geometry;
    geometry.screen = ScreenRectOf(form_.ViewOf(dock)->Handle());
    const ui::DpiScale scale = form_.WindowScale();
    const DockItem self = dragged_.DockItemFor(dock.position);
    geometry.docked_size = DockedOuterSize(self.client, dock.position, self.handle, scale);
    std::vector<TTBDockableWindow*> windows;
    std::vector<DockItem> items;
    ItemsOf(dock, windows, items);
    const bool horizontal = IsHorizontal(dock.position);
    const int length = horizontal ? geometry.screen.Width() : geometry.screen.Height();
    const int across = horizontal ? geometry.screen.Height() : geometry.screen.Width();
    geometry.rows =
        RowsOnScreen(LayoutDock(dock.position, length, dock.fix_align, items, scale), dock.position, across);
    return geometry;
  }

  Rect WorkArea(Point pointer) const override {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromPoint(POINT{pointer.x, pointer.y}, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) {
      return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  }

 private:
  DockableView& dragged_;
  ui::FormWindow& form_;
  std::vector<TTBDock*> docks_;
};

// The density `view`'s window floats at: its frame's, once it has one, else
// where it is now.
ui::DpiScale FloatingScaleOf(DockableView& view) {
  if (TTBFloatingWindowParent* frame = FloatingFrameOf(view.Dockable())) {
    if (const ui::ControlView* frame_view = view.Form().ViewOf(*frame)) return frame_view->WindowScale();
  }
  return view.WindowScale();
}

// The outer size of `view`'s window when it floats: its last floating size,
// or its frame around its content.
Size FloatingSizeOf(DockableView& view) {
  const TTBDockableWindow& window = view.Dockable();
  if (window.floating_rect) return window.floating_rect->Extent();
  return FloatingGeometryFor(window, FloatingScaleOf(view))
      .OuterSize(view.ContentSize(TTBDockPosition::dpTop));
}

// --- 2. Applying a placement ---

void DockAt(DockScene& scene, DockableView& view, TTBDock& dock, const DockPlacement& placement) {
  TTBDockableWindow& window = view.Dockable();
  std::vector<TTBDockableWindow*> windows;
  std::vector<DockItem> items;
  scene.ItemsOf(dock, windows, items);
  windows.push_back(&window);
  items.push_back(view.DockItemFor(dock.position));
  PlaceInDock(items, items.size() - 1, placement);
  NumberRowsFromZero(items);
  for (std::size_t i = 0; i + 1 < windows.size(); ++i) windows[i]->dock_row = items[i].row;
  TTBFloatingWindowParent* frame = window.Floating() ? FloatingFrameOf(window) : nullptr;
  window.DockInto(dock, items.back().row, items.back().pos);
  if (frame) frame->SetVisible(false);
  if (ui::ControlView* dock_view = view.Form().ViewOf(dock)) dock_view->AlignChildren();
}

void FloatAt(DockableView& view, const Rect& place) {
  TTBDockableWindow& window = view.Dockable();
  FloatingWindowView& frame_view = FloatingFrameViewFor(view);
  auto& frame = static_cast<TTBFloatingWindowParent&>(frame_view.Control());
  frame.caption = window.caption;
  frame.SetBounds(place.left, place.top, place.Width(), place.Height());
  window.floating_rect = place;
  if (!window.Floating()) window.FloatIn(frame);
  frame_view.AlignChildren();
  frame.SetVisible(window.visible);
}

void Apply(DockScene& scene, DockableView& view, const DragTarget& target) {
  if (target.docked) {
    DockAt(scene, view, *scene.Docks()[static_cast<std::size_t>(target.dock)], target.placement);
  } else {
    FloatAt(view, target.rect);
  }
}

}  // namespace

FloatingWindowView& FloatingFrameViewFor(DockableView& view) {
  TTBDockableWindow& window = view.Dockable();
  TTBFloatingWindowParent* frame = FloatingFrameOf(window);
  if (!frame) {
    frame = new TTBFloatingWindowParent(window.Owner(), window);
    frame->SetName("");
  }
  return static_cast<FloatingWindowView&>(view.Form().CreateViewFor(*frame));
}

// --- 3. The capture loop ---

void RunDockDrag(DockableView& view, POINT screen) {
  TTBDockableWindow& window = view.Dockable();
  if (window.dock_mode != TTBDockMode::dmCanFloat) return;
  DockScene scene(view);
  DragTracker tracker(scene);

  DragStart start;
  const HWND moving = window.Floating() ? FloatingFrameViewFor(view).Handle() : view.Handle();
  start.window = ScreenRectOf(moving);
  start.pointer = Point{screen.x, screen.y};
  start.floating_size = FloatingSizeOf(view);
  start.dockable_to = window.dockable_to;
  if (const auto* tool = dynamic_cast<const TTBToolWindow*>(&window)) start.full_size = tool->full_size;
  start.own_dock = window.Floating() ? std::nullopt : scene.IdOf(window.CurrentDock());
  for (TTBDock* dock : scene.Docks()) {
    start.docks.push_back(DragDock{*scene.IdOf(dock), dock->position, dock->allow_drag});
  }
  start.ctrl_down = GetKeyState(VK_CONTROL) < 0;
  // The docks are the form's: their growth is at its density.
  start.scale = view.Form().WindowScale();

  // The capture goes to the form's window, which stays put, not to the window
  // that moves: the pointer's positions are then reported against a window
  // that does not move under them.
  ui::MouseCapture capture(view.Form().Handle());
  Point pointer = start.pointer;
  const auto apply = [&](const DragOutput& output) {
    if (!output.place) return;
    Apply(scene, view, *output.place);
    // The window moved under the pointer, which stays where it is; said
    // again, so that a system that reports the move as a pointer motion
    // relative to the window's old place does not see the pointer jump.
    SetCursorPos(pointer.x, pointer.y);
  };
  apply(tracker.Begin(start));
  ui::CaptureLoop loop;
  loop.running = [&] { return tracker.State() == DragState::kDragging; };
  loop.move = [&](POINT now) {
    pointer = Point{now.x, now.y};
    apply(tracker.Move(pointer));
  };
  loop.left_down = [&] { apply(tracker.ButtonDown(ui::TMouseButton::mbLeft)); };
  // After a move, the release point counts as the last move (a release
  // where the press was places nothing). It is the place the release
  // carries, not the cursor's place when the message is taken: the system
  // may by then report a position from before the last move (the echo of an
  // earlier move), which would drop the window there.
  loop.left_up = [&](POINT at) {
    pointer = Point{at.x, at.y};
    apply(tracker.ButtonUp(ui::TMouseButton::mbLeft, pointer));
  };
  loop.key = [&](const ui::KeyStroke& stroke) {
    const DragKey key = stroke.key == VK_CONTROL  ? DragKey::kControl
                        : stroke.key == VK_ESCAPE ? DragKey::kEscape
                                                  : DragKey::kOther;
    apply(tracker.Key(key, stroke.down));
  };
  // The other buttons and typed characters are ignored during the drag;
  // wheels reach their windows.
  loop.input = ui::CaptureInput::kButtonsAndKeys;
  // Where the pointer is now: moving the window under it makes the system
  // send moves of its own, some with an older position.
  loop.move_point = ui::MovePoint::kCursor;
  if (ui::RunCaptureLoop(capture, loop) != ui::CaptureEnd::kDone) tracker.CaptureLost();
}

// --- 4. Double-clicks ---

void FloatWindow(DockableView& view) {
  TTBDockableWindow& window = view.Dockable();
  if (window.Floating() || window.dock_mode != TTBDockMode::dmCanFloat) return;
  Rect place;
  if (window.floating_rect) {
    place = *window.floating_rect;
  } else {
    // The content stays where it is on the screen; the frame goes around it.
    const FloatingFrame geometry = FloatingGeometryFor(window, FloatingScaleOf(view));
    const Insets insets = geometry.NonClient();
    RECT client{};
    GetClientRect(view.Handle(), &client);
    POINT origin{0, 0};
    ClientToScreen(view.Handle(), &origin);
    place = Rect::At(Point{origin.x - insets.left, origin.y - insets.top},
                     geometry.OuterSize(view.ContentSize(TTBDockPosition::dpTop)));
  }
  DockScene scene(view);
  FloatAt(view, KeepOnWorkArea(place, scene.WorkArea(place.TopLeft()), FloatingScaleOf(view)));
}

void DockWindowAgain(DockableView& view) {
  TTBDockableWindow& window = view.Dockable();
  if (!window.Floating()) return;
  DockScene scene(view);
  TTBDock* dock = window.DockToReturnTo();
  if (!dock || !scene.IdOf(dock)) return;
  DockPlacement placement;
  if (dock == window.LastDock()) {
    placement = DockPlacement{window.dock_row, false, std::max(0, window.dock_pos)};
  } else {
    // The first row, at its start.
    std::vector<TTBDockableWindow*> windows;
    std::vector<DockItem> items;
    scene.ItemsOf(*dock, windows, items);
    int first = items.empty() ? 0 : items.front().row;
    for (const DockItem& item : items) first = std::min(first, item.row);
    placement = DockPlacement{first, false, 0};
  }
  DockAt(scene, view, *dock, placement);
}

}  // namespace app
