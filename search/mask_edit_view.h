// MaskEditView: a TMaskEdit on screen (Windows only), a thin adapter between
// the platform's one-line edit control and the field's state.
//
// The edit control shows the field's edit text and selection; the field
// decides every change of a masked text:
//   - key-downs go to TMaskEdit::KeyDown; what it leaves (Ctrl+arrows, Alt,
//     keys off its table) goes to the edit control;
//   - characters go to TMaskEdit::KeyPress (the key-press handler first);
//     Ctrl+C, Ctrl+V and Ctrl+X reach the edit control, which turns them into
//     copy, paste and cut;
//   - paste (WM_PASTE: Ctrl+V, Shift+Insert, the context menu) reads the
//     clipboard's text and feeds it through the field; cut and clear go
//     through the field; the edit control's own undo is switched off (Esc
//     returns to the old value instead);
//   - a selection made by the mouse or the edit control is read back before
//     the field next acts on it (and on a button's release, before the
//     click);
//   - the focus arriving (from another control of the window) and leaving
//     are TMaskEdit::Enter and Exit; Exit may refuse by raising the failed
//     check, after the field took the focus back.
// The one-place cursor at place p is shown as the edit control's own
// selection stroke: the caret after p, then a Shift+Left key-down handled by
// the edit control (Shift+Right when the control reads right to left) with
// the keyboard state showing Shift and the arrow pressed; while that stroke
// runs (the "setting cursor" flag) the view passes key-downs to the edit
// control only. The edit control's modified flag mirrors the field's.
#pragma once

#include <optional>
#include <string>

#include "search/mask_edit.h"
#include "ui/framework/control_view.h"

namespace search {

class MaskEditView final : public ui::ControlView, public MaskEditScreen {
 public:
  MaskEditView(TMaskEdit& edit, ui::FormWindow& form);
  ~MaskEditView() override;

  void Entered() override;
  void Exited() override;

  // MaskEditScreen
  void Beep() override;
  void FocusBack() override;
  void SetClipboardText(const std::string& text) override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;
  void OnChanged(ui::ControlChange what) override;
  bool OnKeyDown(WORD key, ui::TShiftState shift) override;
  bool OnChar(char& key) override;
  bool OnMouseDown(const ui::MouseInput& input) override;
  bool OnMouseUp(const ui::MouseInput& input) override;
  LRESULT OnGetDlgCodeFor(LRESULT standard, const MSG* asked) override;
  bool OnEditCommand(ui::EditCommand command) override;
  LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // Puts the field's text, modified flag and selection on the screen.
  void ShowState();
  // The one-place cursor at `place` by the simulated selection stroke.
  void SelectPlace(int place);
  // Before the field acts: the edit control's selection becomes the field's;
  // a masked text the edit control changed by itself is shown as the field
  // has it, an unmasked one becomes the field's text.
  void ReadScreen();
  // The clipboard's text in 1251, or nothing when it holds none.
  std::optional<std::string> ClipboardText();

  TMaskEdit& edit_;
  bool setting_cursor_ = false;  // the simulated stroke is running
  bool pressed_ = false;         // a mouse press is being handled (the focus comes by the mouse)
};

}  // namespace search
