// ToolWindowView: a TTBToolWindow on screen (Windows only): a docked window
// whose client area, of the stored client size, holds the controls nested in
// it (the result memo fills it). With full size set it takes its dock row's
// whole length.
#pragma once

#include "app/docking/dockable_view.h"
#include "app/docking/tb_tool_window.h"

namespace app {

class ToolWindowView final : public DockableView {
 public:
  ToolWindowView(TTBToolWindow& window, ui::FormWindow& form) : DockableView(window, form), window_(window) {}

  Size ContentSize(TTBDockPosition side) const override;
  DockItem DockItemFor(TTBDockPosition side) const override;

 private:
  TTBToolWindow& window_;
};

}  // namespace app
