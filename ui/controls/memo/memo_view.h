// MemoView: a TMemo on screen (Windows only): a multi-line edit control with
// the memo's lines, alignment, colours, font and border; read-only when
// stored so (the text can still be selected and copied). Tab is not typed
// into it: it moves the focus on. Lines changed by code show at once; a new
// alignment re-creates the edit control with the text kept.
//
// A disabled memo takes no input (its presses reach its parent) but still
// shows its text in its own font colour: the edit control would draw it grey,
// so the view draws the lines itself then, at the places the edit control
// laid them out (its margins, wrapping, alignment and scroll position).
#pragma once

#include "ui/controls/memo/memo.h"
#include "ui/framework/control_view.h"

namespace ui {

class MemoView final : public ControlView {
 public:
  MemoView(TMemo& memo, FormWindow& form) : ControlView(memo, form), memo_(memo) {}

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  LRESULT OnGetDlgCode(LRESULT standard) override;
  void OnChanged(ControlChange what) override;
  bool PaintsItself() const override { return !memo_.enabled; }
  void OnPaint(HDC dc) override;
  std::unique_ptr<AccessibleDescription> MakeAccessible() override;

 private:
  TMemo& memo_;
};

}  // namespace ui
