// DockableView: what the views of a toolbar and a tool window share while
// they sit in a dock (Windows only): a frame of 2 pixels on every side and a
// drag-handle strip of 6 more on the leading side, drawn in the skin's
// colours, around a client area that holds their content.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/toolbar/tb_dockable_window.h"
#include "ui/control_view.h"

namespace app {

class DockableView : public ui::ControlView {
 public:
  // The frame around the client area of a docked window.
  static constexpr int kBorder = 2;
  static constexpr int kDragHandle = 6;

  DockableView(TTBDockableWindow& window, ui::FormWindow& form)
      : ControlView(window, form), window_(window) {}

  TTBDockableWindow& Dockable() const { return window_; }
  // The outer size the window takes in its dock (`full_length`: the dock's
  // length, for a window that fills its row).
  virtual SIZE DockedSize(int full_length) const = 0;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // The skin colour of that name ("tcToolbar").
  ui::TColor SkinColor(std::string_view name) const;
  bool OnNcCalcSize(RECT& area) override;
  bool OnNcPaint() override;

  TTBDockableWindow& window_;
};

}  // namespace app
