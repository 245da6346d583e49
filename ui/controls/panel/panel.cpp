#include "ui/controls/panel/panel.h"

namespace ui {

std::span<const resources::NamedValue> BevelCutNames() {
  static constexpr resources::NamedValue kNames[] = {
      {"bvNone", 0}, {"bvLowered", 1}, {"bvRaised", 2}, {"bvSpace", 3}};
  return kNames;
}

const resources::ClassInfo& TPanel::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TPanel::caption>("Caption"),
      resources::EnumProperty<&TPanel::bevel_outer>("BevelOuter", BevelCutNames()),
      resources::EnumProperty<&TPanel::bevel_inner>("BevelInner", BevelCutNames()),
      resources::EnumProperty<&TPanel::border_style>("BorderStyle", BorderStyleNames()),
  };
  static const resources::ClassInfo info{"TPanel", &TWinControl::Class(),     kProperties, {},
                                         {},       resources::Creator<TPanel>};
  return info;
}

}  // namespace ui
