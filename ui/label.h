// TLabel: a caption drawn on its parent; no focus, no window of its own.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class TLabel : public TControl {
 public:
  explicit TLabel(base::TComponent* owner) : TControl(owner) { parent_color = true; }

  std::string caption;
  TAlignment alignment = TAlignment::taLeftJustify;
  bool auto_size = true;
  bool transparent = false;
  TNotifyEvent on_click;
  TNotifyEvent on_mouse_enter;
  TNotifyEvent on_mouse_leave;

  const char* ClassName() const override { return "TLabel"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
