#include "ui/control.h"

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

void TControl::SetVisible(bool value) {
  if (visible == value) return;
  visible = value;
  if (peer_) peer_->VisibilityChanged();
}

void TControl::SetParentComponent(base::TComponent* parent) {
  parent_component_ = parent;
  parent_ = dynamic_cast<TControl*>(parent);
}

const resources::ClassInfo& TControl::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TControl::left>("Left"),
      resources::IntegerProperty<&TControl::top>("Top"),
      resources::IntegerProperty<&TControl::width>("Width"),
      resources::IntegerProperty<&TControl::height>("Height"),
      resources::EnumProperty<&TControl::align>("Align", AlignNames()),
      resources::IntegerProperty<&TControl::color>("Color", ColorNames()),
      resources::ObjectProperty<&TControl::Font>("Font"),
      resources::BoolProperty<&TControl::parent_font>("ParentFont"),
      resources::BoolProperty<&TControl::parent_color>("ParentColor"),
      resources::BoolProperty<&TControl::visible>("Visible"),
      resources::BoolProperty<&TControl::enabled>("Enabled"),
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
