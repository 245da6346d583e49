#include "app/docking/tb_dockable_window.h"

namespace app {

TTBDock* TTBDockableWindow::DockToReturnTo() const {
  if (use_last_dock && last_dock_) return last_dock_;
  return DefaultDock() ? DefaultDock() : last_dock_;
}

void TTBDockableWindow::SetLastDock(TTBDock* dock) {
  if (last_dock_ == dock) return;
  if (last_dock_) last_dock_->RemoveFreeNotification(this);
  last_dock_ = dock;
  if (last_dock_) last_dock_->FreeNotification(this);
}

void TTBDockableWindow::DockInto(TTBDock& dock, int row, int pos) {
  dock_row = row;
  dock_pos = pos;
  floating_ = false;
  SetLastDock(&dock);
  if (Parent() == &dock) {
    Changed(ui::ControlChange::kBounds);  // a new place in the same dock
  } else {
    SetParent(&dock);
  }
}

void TTBDockableWindow::FloatIn(ui::TWinControl& frame) {
  floating_ = true;
  SetParent(&frame);
}

void TTBDockableWindow::Loaded() {
  TWinControl::Loaded();
  if (TTBDock* dock = CurrentDock()) SetLastDock(dock);
}

void TTBDockableWindow::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == last_dock_) last_dock_ = nullptr;
  TWinControl::Notification(component, operation);
}

const resources::ClassInfo& TTBDockableWindow::Class() {
  static constexpr resources::NamedValue kSides[] = {
      {"dpTop", 0}, {"dpBottom", 1}, {"dpLeft", 2}, {"dpRight", 3}};
  static constexpr resources::NamedValue kDockModes[] = {
      {"dmCanFloat", 0}, {"dmCannotFloat", 1}, {"dmCannotFloatOrChangeDocks", 2}};
  static constexpr resources::NamedValue kFloatingModes[] = {{"fmOnTopOfParentForm", 0},
                                                             {"fmOnTopOfAllForms", 1}};
  static constexpr resources::NamedValue kHandleStyles[] = {{"dhDouble", 0}, {"dhNone", 1}, {"dhSingle", 2}};
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TTBDockableWindow::caption>("Caption"),
      resources::IntegerProperty<&TTBDockableWindow::dock_row>("DockRow"),
      resources::IntegerProperty<&TTBDockableWindow::dock_pos>("DockPos"),
      resources::SetProperty<&TTBDockableWindow::dockable_to>("DockableTo", kSides),
      resources::EnumProperty<&TTBDockableWindow::dock_mode>("DockMode", kDockModes),
      resources::EnumProperty<&TTBDockableWindow::floating_mode>("FloatingMode", kFloatingModes),
      resources::EnumProperty<&TTBDockableWindow::drag_handle_style>("DragHandleStyle", kHandleStyles),
      resources::BoolProperty<&TTBDockableWindow::close_button>("CloseButton"),
      resources::BoolProperty<&TTBDockableWindow::close_button_when_docked>("CloseButtonWhenDocked"),
      resources::BoolProperty<&TTBDockableWindow::show_caption>("ShowCaption"),
      resources::BoolProperty<&TTBDockableWindow::resizable>("Resizable"),
      resources::BoolProperty<&TTBDockableWindow::smooth_drag>("SmoothDrag"),
      resources::BoolProperty<&TTBDockableWindow::use_last_dock>("UseLastDock"),
      resources::BoolProperty<&TTBDockableWindow::hide_when_inactive>("HideWhenInactive"),
  };
  static const resources::ClassInfo info{
      "TTBDockableWindow", &ui::TWinControl::Class(), kProperties, {}, {}, nullptr};
  return info;
}

void TTBDockableWindow::VisitLengths(const ui::LengthVisitor& visit) {
  TWinControl::VisitLengths(visit);
  visit(dock_pos, ui::LengthKind::kPositionOrNone);
}

}  // namespace app
