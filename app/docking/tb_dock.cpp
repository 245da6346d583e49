#include "app/docking/tb_dock.h"

namespace app {

void TTBDock::Loaded() {
  TWinControl::Loaded();
  constexpr ui::TAlign kAligns[] = {ui::TAlign::alTop, ui::TAlign::alBottom, ui::TAlign::alLeft,
                                    ui::TAlign::alRight};
  align = kAligns[static_cast<int>(position)];
}

const resources::ClassInfo& TTBDock::Class() {
  static constexpr resources::NamedValue kPositions[] = {
      {"dpTop", 0}, {"dpBottom", 1}, {"dpLeft", 2}, {"dpRight", 3}};
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::EnumProperty<&TTBDock::position>("Position", kPositions),
      resources::BoolProperty<&TTBDock::allow_drag>("AllowDrag"),
      resources::BoolProperty<&TTBDock::fix_align>("FixAlign"),
  };
  static const resources::ClassInfo info{"TTBDock", &ui::TWinControl::Class(),  kProperties, {},
                                         {},        resources::Creator<TTBDock>};
  return info;
}

}  // namespace app
