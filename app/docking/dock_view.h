// DockView: a TTBDock on screen (Windows only): a plain strip in its colour
// along its window's edge. Its docked windows are placed by the portable
// dock layout (app/docking/dock_layout.h): rows, positions along a row,
// full-size windows taking the whole row; the dock's thickness is what the
// layout says (0 when no docked window is visible). A bottom or right dock
// keeps its outer edge when its thickness changes.
#pragma once

#include "app/docking/tb_dock.h"
#include "ui/framework/control_view.h"
#include "ui/model/control_accessible.h"

namespace app {

class DockView final : public ui::ControlView {
 public:
  DockView(TTBDock& dock, ui::FormWindow& form) : ControlView(dock, form), dock_(dock) {}

  // Lays out the docked windows, and the dock's own thickness from them.
  void AlignChildren() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // A pane holding its bars, with no name of its own.
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override {
    return std::make_unique<ui::ControlAccessible>(dock_, ui::AccessibleRole::kPane, std::string());
  }

 private:
  TTBDock& dock_;
};

}  // namespace app
