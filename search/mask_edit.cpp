#include "search/mask_edit.h"

#include <algorithm>
#include <cassert>

#include "search/db_edit_error.h"
#include "ui/framework/platform_services.h"

namespace search {

void TMaskEdit::SetEditMask(std::string mask) {
  const std::string value = engine_.ValueOf(state_.text);
  const int old_start = state_.sel_start;
  edit_mask = std::move(mask);
  // "/" and ":" show the separators of the user's locale as it is now.
  ui::UserLocale& locale = *ui::ServicesOf(*this).locale;
  engine_ = MaskEngine(edit_mask, MaskSeparators{locale.DateSeparator(), locale.TimeSeparator()});
  state_.text = engine_.Masked() ? engine_.Format(value) : value;
  state_.modified = false;
  old_value_ = state_.text;
  if (engine_.Masked()) {
    max_length = engine_.PlaceCount();
    engine_.PlaceCursor(state_, focused_ ? old_start : 0);
  } else {
    state_.sel_start = state_.sel_end = state_.caret = 0;
  }
  ShowChange();
}

void TMaskEdit::SetMaxLength(std::int32_t length) {
  max_length = Masked() ? engine_.PlaceCount() : length;
}

void TMaskEdit::SetText(std::string_view text) {
  Apply(engine_.SetText(state_, text));
  old_value_ = state_.text;
}

void TMaskEdit::SelectAll() {
  engine_.SelectAll(state_);
  ShowChange();
}

void TMaskEdit::Reset() {
  if (!Masked() || !state_.modified) return;
  if (state_.text != old_value_) {
    state_.text = old_value_;
    engine_.PlaceCursor(state_, 0);
  }
  state_.modified = false;
  ShowChange();
}

void TMaskEdit::CheckCurrentText() {
  if (!Masked() || !state_.modified) return;
  const std::optional<int> failing = engine_.FirstFailingPlace(state_.text);
  if (!failing) return;
  if (!focused_) {
    re_entering_ = true;
    if (screen_) screen_->FocusBack();
  }
  engine_.PlaceCursor(state_, *failing);
  ShowChange();
  if (screen_) screen_->Beep();
  throw EDBEditError(std::string(kMaskCheckFailed));
}

bool TMaskEdit::KeyDown(MaskKey key, MaskShift shift) {
  state_.read_only = read_only;
  const MaskEffect effect = engine_.KeyDown(state_, key, shift);
  Apply(effect);
  return effect.handled;
}

bool TMaskEdit::KeyPress(char& key) {
  on_key_press(this, key);
  if (key == '\0') return true;
  state_.read_only = read_only;
  const MaskEffect effect = engine_.TypeChar(state_, key);
  Apply(effect);
  if (effect.request == MaskRequest::kReset) Reset();
  if (effect.request == MaskRequest::kCheck) CheckCurrentText();
  return effect.handled;
}

bool TMaskEdit::Paste(std::string_view clipboard) {
  state_.read_only = read_only;
  const MaskEffect effect = engine_.Paste(state_, clipboard);
  if (effect.handled && !read_only) old_value_ = state_.text;
  Apply(effect);
  return effect.handled;
}

bool TMaskEdit::Cut() {
  state_.read_only = read_only;
  const MaskEffect effect = engine_.Cut(state_);
  Apply(effect);
  return effect.handled;
}

bool TMaskEdit::ClearSelection() {
  state_.read_only = read_only;
  const MaskEffect effect = engine_.Delete(state_);
  Apply(effect);
  return effect.handled;
}

void TMaskEdit::Enter(bool by_mouse) {
  focused_ = true;
  if (!re_entering_) {
    old_value_ = state_.text;
    if (auto_select && !by_mouse) SelectAll();
    on_enter(this);
  }
  re_entering_ = false;
  if (!Masked()) return;
  engine_.CheckCursor(state_);
  ShowChange();
}

void TMaskEdit::Exit() {
  focused_ = false;
  CheckCurrentText();
}

void TMaskEdit::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button == ui::TMouseButton::mbLeft) mouse_down_x_ = x;
  TWinControl::MouseDown(button, shift, x, y);
}

void TMaskEdit::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TWinControl::MouseUp(button, shift, x, y);
  if (button != ui::TMouseButton::mbLeft || !Masked()) return;
  state_.caret = state_.sel_start;
  if (state_.sel_start != state_.sel_end && x > mouse_down_x_) state_.caret = state_.sel_end;
  engine_.CheckCursor(state_);
  ShowChange();
}

void TMaskEdit::ScreenSelected(int start, int end) {
  const int length = static_cast<int>(state_.text.size());
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  state_.sel_start = std::min(start, end);
  state_.sel_end = std::max(start, end);
  state_.caret = std::clamp(state_.caret, 0, length);
}

void TMaskEdit::ScreenEdited(std::string text) {
  if (Masked()) return;  // a masked text changes only through the engine
  state_.text = std::move(text);
  state_.modified = true;
  ScreenSelected(state_.sel_start, state_.sel_end);
}

void TMaskEdit::Apply(const MaskEffect& effect) {
  if (screen_ && effect.clipboard) screen_->SetClipboardText(*effect.clipboard);
  if (effect.text_changed || effect.selection_changed) ShowChange();
  if (screen_ && effect.beep) screen_->Beep();
}

void TMaskEdit::ShowChange() {
  Changed(ui::ControlChange::kText);
}

const resources::ClassInfo& TMaskEdit::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TMaskEdit::SetEditMask>("EditMask"),
      resources::IntegerProperty<&TMaskEdit::SetMaxLength>("MaxLength"),
      resources::EventProperty<&TMaskEdit::on_enter>("OnEnter"),
      resources::EventProperty<&TMaskEdit::on_key_press>("OnKeyPress"),
  };
  static const resources::ClassInfo info{"TMaskEdit", &ui::TWinControl::Class(),    kProperties, {},
                                         {},          resources::Creator<TMaskEdit>};
  return info;
}

}  // namespace search
