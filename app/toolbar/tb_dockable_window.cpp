#include "app/toolbar/tb_dockable_window.h"

namespace app {

const resources::ClassInfo& TTBDockableWindow::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TTBDockableWindow::caption>("Caption"),
      resources::IntegerProperty<&TTBDockableWindow::dock_row>("DockRow"),
      resources::IntegerProperty<&TTBDockableWindow::dock_pos>("DockPos"),
  };
  static const resources::ClassInfo info{
      "TTBDockableWindow", &ui::TWinControl::Class(), kProperties, {}, {}, nullptr};
  return info;
}

}  // namespace app
