// MemoView: a TMemo on screen (Windows only): a multi-line edit control with
// the stored lines, alignment, colours, font and border; read-only when
// stored so (the text can still be selected and copied). Tab is not typed
// into it: it moves the focus on.
#pragma once

#include "ui/control_view.h"
#include "ui/memo.h"

namespace ui {

class MemoView final : public ControlView {
 public:
  MemoView(TMemo& memo, FormWindow& form) : ControlView(memo, form), memo_(memo) {}

  void Create(ControlView& parent) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  TMemo& memo_;
};

}  // namespace ui
