#include "app/toolbar/tb_tool_window.h"

namespace app {

const resources::ClassInfo& TTBToolWindow::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TTBToolWindow::client_area_width>("ClientAreaWidth"),
      resources::IntegerProperty<&TTBToolWindow::client_area_height>("ClientAreaHeight"),
      resources::ComponentProperty<&TTBToolWindow::default_dock>("DefaultDock"),
      resources::BoolProperty<&TTBToolWindow::full_size>("FullSize"),
  };
  static const resources::ClassInfo info{
      "TTBToolWindow", &TTBDockableWindow::Class(), kProperties, {}, {}, resources::Creator<TTBToolWindow>};
  return info;
}

}  // namespace app
