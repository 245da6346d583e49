// LabelView: a TLabel on screen (Windows only): its caption drawn in its box
// with the stored alignment, in its font and font colour. A label with
// AutoSize takes the size of its text; one without keeps its stored box. A
// transparent label shows its parent's colour behind the text. It takes no
// focus.
#pragma once

#include "ui/control_view.h"
#include "ui/label.h"

namespace ui {

class LabelView final : public ControlView {
 public:
  LabelView(TLabel& label, FormWindow& form) : ControlView(label, form), label_(label) {}

  void Create(ControlView& parent) override;
  TColor BackgroundColor() const override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint();
  void FitToText();

  TLabel& label_;
};

}  // namespace ui
