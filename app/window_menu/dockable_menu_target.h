// DockableMenuTarget: the window menu's target (app/window_menu/window_menu.h)
// over a dockable window on screen (Windows only): it floats and docks the
// window as the double-clicks do (app/docking/dock_drag.h), hides it as its
// close button does, and places and sizes its floating frame as the mouse
// does (FloatingWindowView::PlaceAt, ResizedBy).
#pragma once

#include "app/docking/dockable_view.h"
#include "app/window_menu/window_menu.h"

namespace app {

class DockableMenuTarget final : public WindowMenuTarget {
 public:
  // `view` must outlive the target.
  explicit DockableMenuTarget(DockableView& view) : view_(view) {}

  DockableView& View() const { return view_; }

  bool Floating() const override { return view_.Dockable().Floating(); }
  void Float() override;
  void Dock() override;
  void Hide() override;
  Rect FrameRect() const override;
  void PlaceFrame(const Rect& place) override;
  Rect WorkArea() const override;
  Rect Resized(const Rect& start, FloatingHit edge, int delta) const override;
  ui::DpiScale Scale() const override;

 private:
  DockableView& view_;
};

}  // namespace app
