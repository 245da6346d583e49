// TMemo: a multi-line text box; its lines come from "Lines.Strings".
#pragma once

#include "ui/control.h"
#include "ui/strings.h"

namespace ui {

class TMemo : public TWinControl {
 public:
  explicit TMemo(base::TComponent* owner) : TWinControl(owner) {
    color = clWindow;
    tab_stop = true;
  }

  TStrings lines;
  TAlignment alignment = TAlignment::taLeftJustify;
  TBorderStyle border_style = TBorderStyle::bsSingle;
  bool read_only = false;
  TMouseEvent on_mouse_down;

  TStrings* Lines() { return &lines; }

  const char* ClassName() const override { return "TMemo"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
