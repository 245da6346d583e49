// TMemo: a multi-line text box; its lines come from "Lines.Strings". Code
// that changes the lines or the alignment at run time reaches the screen.
#pragma once

#include "ui/model/control.h"
#include "ui/model/strings.h"

namespace ui {

class TMemo : public TWinControl {
 public:
  explicit TMemo(base::TComponent* owner);

  TStrings lines;
  TAlignment alignment = TAlignment::taLeftJustify;
  TBorderStyle border_style = TBorderStyle::bsSingle;
  bool read_only = false;

  TStrings* Lines() { return &lines; }
  // A real change re-creates the memo's window with the new alignment; the
  // text stays.
  void SetAlignment(TAlignment value);

  const char* ClassName() const override { return "TMemo"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
