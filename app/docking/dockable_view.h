// DockableView: what the views of a toolbar and a tool window share while
// they sit in a dock (Windows only): a frame of 2 pixels on every side and a
// drag-handle strip on the leading side (left in a top or bottom dock, top
// in a left or right dock), drawn in the skin's colours, around a client
// area that holds their content. The frame's arithmetic is the portable
// dock layout's (app/docking/dock_layout.h), its look app/docking/
// docked_frame.h; both at the density of the form the docks are on.
#pragma once

#include <windows.h>

#include <optional>

#include "app/docking/dock_layout.h"
#include "app/docking/floating_frame.h"
#include "app/docking/tb_dock.h"
#include "app/docking/tb_dockable_window.h"
#include "app/skin/skin_colors.h"
#include "ui/framework/control_view.h"
#include "ui/model/control_accessible.h"

namespace app {

// Dragging and double-clicks (app/docking/dock_drag.h): a docked window is
// dragged by its drag handle or any part of its frame, and floats on a
// double-click on its drag handle; its floating frame shows and hides with it.
class DockableView : public ui::ControlView {
 public:
  DockableView(TTBDockableWindow& window, ui::FormWindow& form)
      : ControlView(window, form), window_(window) {}

  TTBDockableWindow& Dockable() const { return window_; }
  // The size of the window's content (its client area) when docked on `side`.
  virtual Size ContentSize(TTBDockPosition side) const = 0;
  // What the dock layout needs to know of this window in a dock on `side`.
  virtual DockItem DockItemFor(TTBDockPosition side) const;
  // Floating, what the frame asks of its content while it is resized: the
  // smallest client area it may leave, and the client size the content
  // takes when the frame would give it `wanted`, resized by a left or right
  // edge (`by_width`) or by the top or bottom one (none: it takes `wanted`).
  virtual Size FloatingMinClient() const { return kToolWindowMinClient; }
  virtual std::optional<Size> FloatingFit(Size /*wanted*/, bool /*by_width*/) const { return std::nullopt; }

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // A pane named by its caption (the result window); the toolbar tells more.
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override {
    return std::make_unique<ui::ControlAccessible>(window_, ui::AccessibleRole::kPane, window_.caption);
  }
  // The skin colour at `index`, as the form's windows draw it now.
  ui::TColor SkinColor(TTBColorIndex index) const;
  // The side of the dock the window sits in (top when it is in none).
  TTBDockPosition DockSide() const;
  bool OnNcCalcSize(RECT& area) override;
  bool OnNcPaint() override;
  bool OnNcHitTest(POINT screen, LRESULT& result) override;
  bool OnNcMouseDown(const ui::MouseInput& input, LRESULT hit, POINT screen) override;
  bool OnNcDblClick(const ui::MouseInput& input, LRESULT hit, POINT screen) override;
  void OnChanged(ui::ControlChange what) override;
  // Whether it sits in a dock now (not floating).
  bool Docked() const;
  // The density of the docks (the form's) and the drag-handle strip's width
  // there for the window's style.
  ui::DpiScale DockScale() const;
  int DockedHandle() const;

 private:
  TTBDockableWindow& window_;
};

}  // namespace app
