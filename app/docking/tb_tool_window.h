// TTBToolWindow: a dockable window with a free client area (the result
// window that holds the result memo).
#pragma once

#include <cstdint>

#include "app/docking/tb_dock.h"
#include "app/docking/tb_dockable_window.h"

namespace app {

class TTBToolWindow : public TTBDockableWindow {
 public:
  using TTBDockableWindow::TTBDockableWindow;

  std::int32_t client_area_width = 0;
  std::int32_t client_area_height = 0;
  TTBDock* default_dock = nullptr;
  bool full_size = false;

  TTBDock* DefaultDock() const override { return default_dock; }

  // The default dock going first leaves the window without one.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  // Adds the client area's size.
  void VisitLengths(const ui::LengthVisitor& visit) override;

  const char* ClassName() const override { return "TTBToolWindow"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
