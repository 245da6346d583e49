#include "app/window_menu/dockable_menu_target.h"

#include "app/docking/dock_drag.h"
#include "app/docking/floating_window_view.h"

namespace app {

void DockableMenuTarget::Float() {
  FloatWindow(view_);
}

void DockableMenuTarget::Dock() {
  DockWindowAgain(view_);
}

void DockableMenuTarget::Hide() {
  view_.Dockable().SetVisible(false);
}

Rect DockableMenuTarget::FrameRect() const {
  RECT r{};
  GetWindowRect(FloatingFrameViewFor(view_).Handle(), &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void DockableMenuTarget::PlaceFrame(const Rect& place) {
  FloatingFrameViewFor(view_).PlaceAt(place);
}

Rect DockableMenuTarget::WorkArea() const {
  const Rect frame = FrameRect();
  const RECT r{frame.left, frame.top, frame.right, frame.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

Rect DockableMenuTarget::Resized(const Rect& start, FloatingHit edge, int delta) const {
  const Point by = edge == FloatingHit::kRight ? Point{delta, 0} : Point{0, delta};
  return FloatingFrameViewFor(view_).ResizedBy(start, edge, by);
}

ui::DpiScale DockableMenuTarget::Scale() const {
  return FloatingFrameViewFor(view_).WindowScale();
}

}  // namespace app
