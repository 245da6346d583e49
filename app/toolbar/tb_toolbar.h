// TTBToolbar: a dockable bar of items; the items nested in its record are
// its top-level items, in order.
#pragma once

#include "app/docking/tb_dockable_window.h"

namespace app {

class TTBToolbar : public TTBDockableWindow {
 public:
  using TTBDockableWindow::TTBDockableWindow;

  FloatingContent FloatingKind() const override { return FloatingContent::kToolbar; }

  const char* ClassName() const override { return "TTBToolbar"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
