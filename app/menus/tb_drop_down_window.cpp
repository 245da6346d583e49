#include "app/menus/tb_drop_down_window.h"

#include <algorithm>
#include <utility>

#include "app/menus/drop_down_layout.h"

namespace app {

TTBDropDownWindow::TTBDropDownWindow(base::TComponent* owner, ui::TControl& toolbar)
    : TControl(owner), toolbar_(&toolbar) {
  visible = false;
  toolbar.FreeNotification(this);
}

void TTBDropDownWindow::SetRows(std::vector<TTBItem*> rows) {
  for (TTBItem* row : rows) {
    if (row) row->FreeNotification(this);
  }
  rows_ = std::move(rows);
  highlighted = -1;
}

std::string TTBDropDownWindow::Text() const {
  return DropDownText(rows_);
}

void TTBDropDownWindow::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove) {
    if (component == toolbar_) toolbar_ = nullptr;
    std::replace_if(
        rows_.begin(), rows_.end(), [component](const TTBItem* row) { return row == component; }, nullptr);
  }
  TControl::Notification(component, operation);
}

const resources::ClassInfo& TTBDropDownWindow::Class() {
  static const resources::ClassInfo info{"TTBDropDownWindow", &ui::TControl::Class(), {}, {}, {}, nullptr};
  return info;
}

}  // namespace app
