// DockView: a TTBDock on screen (Windows only): a plain strip in its colour
// along its window's edge whose thickness is that of the docked windows it
// shows (0 when none is visible). Its docked windows sit side by side in
// their row; a tool window with full size set takes the whole row.
#pragma once

#include "app/toolbar/tb_dock.h"
#include "ui/control_view.h"

namespace app {

class DockView final : public ui::ControlView {
 public:
  DockView(TTBDock& dock, ui::FormWindow& form) : ControlView(dock, form), dock_(dock) {}

  // Lays out the docked windows, and the dock's own thickness from them.
  void AlignChildren() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;

 private:
  bool Horizontal() const;

  TTBDock& dock_;
};

}  // namespace app
