#include "app/docking/tb_tool_window.h"

namespace app {

void TTBToolWindow::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == default_dock) default_dock = nullptr;
  TTBDockableWindow::Notification(component, operation);
}

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

void TTBToolWindow::VisitLengths(const ui::LengthVisitor& visit) {
  TTBDockableWindow::VisitLengths(visit);
  visit(client_area_width, ui::LengthKind::kLength);
  visit(client_area_height, ui::LengthKind::kLength);
}

}  // namespace app
