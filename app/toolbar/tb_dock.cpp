#include "app/toolbar/tb_dock.h"

namespace app {

const resources::ClassInfo& TTBDock::Class() {
  static constexpr resources::NamedValue kPositions[] = {
      {"dpTop", 0}, {"dpBottom", 1}, {"dpLeft", 2}, {"dpRight", 3}};
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::EnumProperty<&TTBDock::position>("Position", kPositions),
  };
  static const resources::ClassInfo info{"TTBDock", &ui::TWinControl::Class(),  kProperties, {},
                                         {},        resources::Creator<TTBDock>};
  return info;
}

}  // namespace app
