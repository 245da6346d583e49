// TLabel: a caption drawn on its parent; no focus. A label that takes its
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

  const char* ClassName() const override { return "TLabel"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
