// LabelView: a TLabel on screen (Windows only): its caption drawn in its box
// with the stored alignment, in its font and font colour. A label with
// AutoSize takes the size of its text (again when its caption or font
// changes, and when the window's density does: the text is measured anew in
// the font of the new density, not its old size scaled); one without keeps
// its stored box. A transparent label shows its
// parent's colour behind the text, any other its own colour (which is its
// parent's until code gives it one). It takes no focus.
#pragma once

#include "ui/controls/label/label.h"
#include "ui/framework/control_view.h"
#include "ui/model/control_accessible.h"

namespace ui {

class LabelView final : public ControlView {
 public:
  LabelView(TLabel& label, FormWindow& form) : ControlView(label, form), label_(label) {}

  TColor BackgroundColor() const override;
  // The font is made again at the new density; a label with AutoSize takes
  // the size of its text in it.
  void OnDensityChanged() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // Static text holding its caption.
  std::unique_ptr<AccessibleDescription> MakeAccessible() override {
    return std::make_unique<ControlAccessible>(label_, AccessibleRole::kStaticText, label_.caption);
  }
  void OnPaint(HDC dc) override;
  void OnChanged(ControlChange what) override;

 private:
  void FitToText();

  TLabel& label_;
};

}  // namespace ui
