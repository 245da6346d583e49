// MaskEditView: the number field on screen (Windows only): a one-line edit
// control in its own font, flat, limited to the stored length, showing the
// empty mask ("_-__-__") at first. A typed character reaches the field's
// key-press handler before the edit control, which may change it or swallow
// it (by making it 0); the enter and click handlers run when the field
// becomes the window's focused control and after a click in it.
#pragma once

#include "search/mask_edit.h"
#include "ui/control_view.h"

namespace search {

class MaskEditView final : public ui::ControlView {
 public:
  MaskEditView(TMaskEdit& edit, ui::FormWindow& form) : ControlView(edit, form), edit_(edit) {}

  void Create(ui::ControlView& parent) override;
  void Entered() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  TMaskEdit& edit_;
};

}  // namespace search
