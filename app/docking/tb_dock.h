// TTBDock: a docking strip along one edge of its window; dockable windows
// nested in its record sit in it.
#pragma once

#include <cstdint>

#include "ui/model/control.h"

namespace app {

enum class TTBDockPosition : std::uint8_t { dpTop, dpBottom, dpLeft, dpRight };

class TTBDock : public ui::TWinControl {
 public:
  using TWinControl::TWinControl;

  TTBDockPosition position = TTBDockPosition::dpTop;
  bool allow_drag = true;  // windows may be dragged into and out of it
  bool fix_align = false;  // keeps 1 pixel of thickness when empty

  // A dock is aligned to the edge its position names.
  void Loaded() override;

  const char* ClassName() const override { return "TTBDock"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
