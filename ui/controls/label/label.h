// TLabel: a caption drawn on its parent; no focus of the system's. A label that takes its
// parent's colour (the default) shows its parent's background until code
// gives it a colour of its own.
#pragma once

#include <string>

#include "ui/model/control.h"

namespace ui {

class TLabel : public TControl {
 public:
  explicit TLabel(base::TComponent* owner) : TControl(owner) { parent_color = true; }

  TAlignment alignment = TAlignment::taLeftJustify;
  bool auto_size = true;
  bool transparent = false;

  void SetAlignment(TAlignment value);

  // Set by a window that moves a keyboard focus of its own among its labels
  // (they take none from the system): whether this one holds it, and whether
  // its focus rectangle shows. The view repaints; a label that comes to hold
  // it tells readers.
  bool holds_focus = false;
  bool focus_cue = false;
  void SetHeldFocus(bool holds, bool cue);

  const char* ClassName() const override { return "TLabel"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
