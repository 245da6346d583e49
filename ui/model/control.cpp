#include "ui/model/control.h"

#include <cassert>

namespace ui {

std::span<const resources::NamedValue> AlignNames() {
  static constexpr resources::NamedValue kNames[] = {{"alNone", 0}, {"alTop", 1},   {"alBottom", 2},
                                                     {"alLeft", 3}, {"alRight", 4}, {"alClient", 5}};
  return kNames;
}

std::span<const resources::NamedValue> AlignmentNames() {
  static constexpr resources::NamedValue kNames[] = {
      {"taLeftJustify", 0}, {"taRightJustify", 1}, {"taCenter", 2}};
  return kNames;
}

std::span<const resources::NamedValue> BorderStyleNames() {
  static constexpr resources::NamedValue kNames[] = {{"bsNone", 0}, {"bsSingle", 1}};
  return kNames;
}

const TFont& TControl::EffectiveFont() const {
  const TControl* c = this;
  while (c->parent_font && c->parent_) c = c->parent_;
  return c->font;
}

TColor TControl::EffectiveColor() const {
  const TControl* c = this;
  while (c->parent_color && c->parent_) c = c->parent_;
  return c->color;
}

void TControl::Changed(ControlChange what) {
  if (peer_) peer_->Changed(what);
}

void TControl::VisitLengths(const LengthVisitor& visit) {
  visit(left, LengthKind::kPosition);
  visit(top, LengthKind::kPosition);
  visit(width, LengthKind::kLength);
  visit(height, LengthKind::kLength);
  // Kept even while the control takes its parent's font: it is the font it
  // gets when it is given one of its own.
  visit(font.height, LengthKind::kLength);
}

void TControl::SetBounds(std::int32_t new_left, std::int32_t new_top, std::int32_t new_width,
                         std::int32_t new_height) {
  if (left == new_left && top == new_top && width == new_width && height == new_height) return;
  left = new_left;
  top = new_top;
  width = new_width;
  height = new_height;
  Changed(ControlChange::kBounds);
}

void TControl::SetVisible(bool value) {
  if (visible == value) return;
  visible = value;
  Changed(ControlChange::kVisible);
}

void TControl::SetEnabled(bool value) {
  if (enabled == value) return;
  enabled = value;
  Changed(ControlChange::kEnabled);
}

void TControl::SetColor(TColor value, SchemePair pair) {
  // A colour set in code is the control's own from then on, even when it
  // equals its parent's.
  const bool was_parents = parent_color;
  parent_color = false;
  if (color == value && scheme_pair == pair && !was_parents) return;
  color = value;
  scheme_pair = pair;
  Changed(ControlChange::kColor);
}

void TControl::SetFont(const TFont& value) {
  parent_font = false;
  font.Assign(value);
  Changed(ControlChange::kFont);
}

void TControl::SetCursor(TCursor value) {
  if (cursor == value) return;
  cursor = value;
  Changed(ControlChange::kCursor);
}

void TControl::SetCaption(std::string value) {
  if (caption == value) return;
  caption = std::move(value);
  Changed(ControlChange::kText);
}

void TControl::SetParent(TControl* parent) {
  // The controls stay a tree: a control never becomes its own ancestor
  // (EffectiveFont and EffectiveColor walk up the parents).
#ifndef NDEBUG
  for (const TControl* above = parent; above; above = above->parent_) assert(above != this);
#endif
  if (parent == parent_ && parent_component_ == parent) return;
  if (parent_) parent_->RemoveFreeNotification(this);
  parent_ = parent;
  parent_component_ = parent;
  if (parent_) parent_->FreeNotification(this);
  Changed(ControlChange::kParent);
}

void TControl::SetParentComponent(base::TComponent* parent) {
  parent_component_ = parent;
  parent_ = dynamic_cast<TControl*>(parent);
}

void TControl::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component && component == parent_component_) {
    parent_component_ = nullptr;
    parent_ = nullptr;
  }
  TComponent::Notification(component, operation);
}

void TControl::Click() {
  on_click(this);
}

void TControl::DblClick() {
  on_dbl_click(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  on_mouse_down(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  on_mouse_up(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  on_mouse_move(this, shift, x, y);
}

void TControl::MouseEnter() {
  on_mouse_enter(this);
}

void TControl::MouseLeave() {
  on_mouse_leave(this);
}

const resources::ClassInfo& TControl::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TControl::left>("Left"),
      resources::IntegerProperty<&TControl::top>("Top"),
      resources::IntegerProperty<&TControl::width>("Width"),
      resources::IntegerProperty<&TControl::height>("Height"),
      resources::EnumProperty<&TControl::align>("Align", AlignNames()),
      resources::IntegerProperty<&TControl::color>("Color", ColorNames()),
      resources::IntegerProperty<&TControl::cursor>("Cursor", CursorNames()),
      resources::ObjectProperty<&TControl::Font>("Font"),
      resources::BoolProperty<&TControl::parent_font>("ParentFont"),
      resources::BoolProperty<&TControl::parent_color>("ParentColor"),
      resources::BoolProperty<&TControl::visible>("Visible"),
      resources::BoolProperty<&TControl::enabled>("Enabled"),
      resources::EventProperty<&TControl::on_click>("OnClick"),
      resources::EventProperty<&TControl::on_dbl_click>("OnDblClick"),
      resources::EventProperty<&TControl::on_mouse_down>("OnMouseDown"),
      resources::EventProperty<&TControl::on_mouse_up>("OnMouseUp"),
      resources::EventProperty<&TControl::on_mouse_move>("OnMouseMove"),
      resources::EventProperty<&TControl::on_mouse_enter>("OnMouseEnter"),
      resources::EventProperty<&TControl::on_mouse_leave>("OnMouseLeave"),
  };
  static const resources::ClassInfo info{"TControl", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& TWinControl::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TWinControl::tab_order>("TabOrder"),
      resources::BoolProperty<&TWinControl::tab_stop>("TabStop"),
      resources::BoolProperty<&TWinControl::ctl3d>("Ctl3D"),
  };
  static const resources::ClassInfo info{"TWinControl", &TControl::Class(), kProperties, {}, {}, nullptr};
  return info;
}

}  // namespace ui
