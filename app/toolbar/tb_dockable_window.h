// TTBDockableWindow: what a toolbar and a tool window share: a caption shown
// while floating, and the row and position they take in their dock.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace app {

class TTBDockableWindow : public ui::TWinControl {
 public:
  using TWinControl::TWinControl;

  std::int32_t dock_row = 0;
  std::int32_t dock_pos = -1;  // -1: at the end of its row

  const char* ClassName() const override { return "TTBDockableWindow"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
