// MaskEditView: the number field on screen (Windows only): a one-line edit
// control in its own font, flat, limited to the stored length, showing the
// empty mask ("_-__-__") at first. A typed character reaches the field's
// key-press handler before the edit control, which may change it or swallow
// it (by making it 0); the enter handler runs when the field becomes the
// window's focused control, the click handler after a click in it.
#pragma once

#include "search/mask_edit.h"
#include "ui/control_view.h"

namespace search {

class MaskEditView final : public ui::ControlView {
 public:
  MaskEditView(TMaskEdit& edit, ui::FormWindow& form) : ControlView(edit, form), edit_(edit) {}

  void Entered() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  bool OnChar(char& key) override;

 private:
  TMaskEdit& edit_;
};

}  // namespace search
