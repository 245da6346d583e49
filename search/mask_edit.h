// TMaskEdit: a one-line edit box whose text follows an edit mask
// ("0-00-00;0;_"): the stored properties, and the state and behaviour of the
// box without a window. The mask rules live in MaskEngine; this class keeps
// the state (displayed text, selection, caret place, modified flag, old
// value, re-entering flag), runs the handlers and turns the engine's
// effects into calls of its screen side:
//   - the control's peer (ui::ControlPeer::Changed with kText) whenever the
//     text or the selection changed, whoever changed it: the screen then
//     shows EditText() and State()'s selection (a one-place cursor, State().
//     ShowsCursor(), by the simulated Shift+Left stroke);
//   - a MaskEditScreen for the beep, the focus and the clipboard.
// Without either, nothing is shown and the state still changes.
//
// The screen side reports what happens on the platform: keys (KeyDown, then
// KeyPress for a character), the platform's paste and cut, the focus
// arriving and leaving, selections the platform edit box made itself (a
// mouse press or drag, Ctrl+arrows), and the mouse as for every control
// (MouseDown, then on release Click when inside, then MouseUp).
//
//   event                | not re-entering                       | re-entering (after a failed check)
//   ---------------------+---------------------------------------+-------------------------------------
//   focus arrives (Tab)  | old value = text, select all           | flag cleared; cursor stays
//                        | (AutoSelect), OnEnter                  |
//   focus arrives (mouse)| old value = text, OnEnter              | flag cleared; cursor stays
//   focus leaves         | check: modified and a required place empty -> flag set, focus back,
//                        | cursor on the place, beep, EDBEditError; otherwise nothing
//   Enter key            | the same check, the focus being there already (no flag, no focus call)
//   Esc key              | modified: text back to the old value, not modified; else nothing
//   program sets text,   | replaces the whole text, not modified, the new text is the old value
//   clears, pastes, sets |
//   the mask             |
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/mask_engine.h"
#include "ui/model/control.h"

namespace search {

// What a masked edit box asks of the platform besides showing its text.
class MaskEditScreen {
 public:
  virtual ~MaskEditScreen() = default;
  // The default system beep.
  virtual void Beep() = 0;
  // Puts the keyboard focus back on the field (a failed check when leaving);
  // the focus's arrival is reported back through TMaskEdit::Enter.
  virtual void FocusBack() = 0;
  // Puts `text` on the clipboard (cut).
  virtual void SetClipboardText(const std::string& text) = 0;
};

class TMaskEdit : public ui::TWinControl {
 public:
  explicit TMaskEdit(base::TComponent* owner) : TWinControl(owner) {
    color = ui::clWindow;
    tab_stop = true;
  }

  // --- Stored properties (read them here; change them through the setters) ---
  std::string edit_mask;
  std::int32_t max_length = 0;  // the place count while masked
  bool auto_select = true;
  bool read_only = false;
  ui::TNotifyEvent on_enter;
  ui::TKeyPressEvent on_key_press;

  // Re-formats the current value under `mask`, sets the place count, blank,
  // save-literals flag and MaxLength; the field is no longer modified and the
  // new text is the old value; the cursor goes to the old selection start
  // when the field has the focus, else to place 0. The date and time
  // separators that "/" and ":" show are read from the user's locale
  // (ui::ServicesOf) each time.
  void SetEditMask(std::string mask);
  // The stored or set MaxLength; replaced by the place count while masked.
  void SetMaxLength(std::int32_t length);

  bool Masked() const { return engine_.Masked(); }
  const MaskEngine& Engine() const { return engine_; }
  // Text, selection, caret place and modified flag.
  const MaskEditState& State() const { return state_; }
  // The displayed text: literals and blank characters included.
  const std::string& EditText() const { return state_.text; }
  // The value: see MaskEngine::TextOf.
  std::string Text() const { return engine_.TextOf(state_.text); }
  // Sets the value (formatted, never checked); see MaskEngine::SetText.
  void SetText(std::string_view text);
  // Sets the empty value: the empty template.
  void Clear() { SetText({}); }
  void SelectAll();
  bool Modified() const { return state_.modified; }
  // The text Esc returns to.
  const std::string& OldValue() const { return old_value_; }
  bool ReEntering() const { return re_entering_; }
  bool Focused() const { return focused_; }
  // While modified the field takes Esc for itself (no window-level cancel).
  bool WantsEscape() const { return Masked() && state_.modified; }

  // Esc: when modified, the text returns to the old value and the field is
  // no longer modified.
  void Reset();
  // The check of the current text (Enter, leaving the field): only when
  // masked and modified. Raises EDBEditError with kMaskCheckFailed after
  // placing the cursor on the first empty required place and beeping; when
  // the field does not have the focus, first sets the re-entering flag and
  // asks for the focus back.
  void CheckCurrentText();

  // --- Reports from the screen side ---

  // `screen` is not owned; null detaches it.
  void SetScreen(MaskEditScreen* screen) { screen_ = screen; }
  // A key went down. Returns whether the field handled it: then the
  // platform edit box must not see it.
  bool KeyDown(MaskKey key, MaskShift shift);
  // A character key: OnKeyPress first (it may change `key`; an error it
  // raises leaves this at once), then the field. Returns whether the field
  // used the key up; false: the platform edit box gets `key` (unmasked
  // field, Ctrl+C/V/X).
  bool KeyPress(char& key);
  // The platform's paste with `clipboard` as text; false when the platform
  // should paste itself (unmasked).
  bool Paste(std::string_view clipboard);
  // The platform's cut; false when the platform should cut itself.
  bool Cut();
  // The platform's clear (delete the selection); false when unmasked.
  bool ClearSelection();
  // The focus arrived; `by_mouse` when a mouse press brought it.
  void Enter(bool by_mouse);
  // The focus left: the check of the current text (may raise EDBEditError).
  void Exit();
  // A left press remembers its x.
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  // After a left release (and the click it may have raised), the caret place
  // becomes the selection start, or its end when the mouse moved right since
  // the press; with nothing selected the cursor goes to the caret.
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  // The platform edit box selected [start, end) itself.
  void ScreenSelected(int start, int end);
  // The platform edit box changed the text itself (unmasked field only).
  void ScreenEdited(std::string text);

  const char* ClassName() const override { return "TMaskEdit"; }
  static const resources::ClassInfo& Class();

 private:
  // Tells the screen side what `effect` asks for.
  void Apply(const MaskEffect& effect);
  // Tells the peer that the text or the selection changed (kText).
  void ShowChange();

  MaskEngine engine_;
  MaskEditState state_;
  std::string old_value_;
  MaskEditScreen* screen_ = nullptr;
  bool re_entering_ = false;
  bool focused_ = false;
  int mouse_down_x_ = 0;
};

}  // namespace search
