#include "app/menus/drop_down_accessible.h"

#include <algorithm>

#include "text/literal.h"
#include "ui/model/control_accessible.h"

namespace app {

namespace {

constexpr auto kRun = text::Cp1251(u8"Выполнить");

// The caption of the item whose drop-down holds every item of `rows`, or "".
std::string OpenerCaption(const std::vector<TTBItem*>& rows) {
  const base::TComponent* opener = nullptr;
  for (const TTBItem* row : rows) {
    if (!row) continue;
    if (opener && row->ParentComponent() != opener) return {};
    opener = row->ParentComponent();
  }
  const auto* item = dynamic_cast<const TTBItem*>(opener);
  return item ? item->caption : std::string();
}

}  // namespace

ui::AccessibleElement DropDownAccessible::Self() const {
  ui::AccessibleElement element =
      ui::ControlElement(menu_, ui::AccessibleRole::kPopupMenu, OpenerCaption(menu_.Rows()));
  element.bounds = base::Rect{0, 0, layout_.size.width, layout_.size.height};
  return element;
}

int DropDownAccessible::ChildCount() const {
  if (!menu_.visible) return 0;
  return static_cast<int>(std::min(menu_.Rows().size(), layout_.rows.size()));
}

ui::AccessibleElement DropDownAccessible::Child(int child) const {
  const auto row = static_cast<std::size_t>(child - 1);
  const TTBItem* item = menu_.Rows()[row];
  ui::AccessibleElement element;
  element.bounds = layout_.rows[row].row;
  if (!item) {
    element.role = ui::AccessibleRole::kSeparator;
    return element;
  }
  element.role = ui::AccessibleRole::kMenuItem;
  element.name = item->caption;
  element.default_action = std::string(kRun.view());
  element.states = ui::kAccessibleFocusable;
  if (item->checked) element.states |= ui::kAccessibleChecked;
  if (child - 1 == menu_.highlighted) element.states |= ui::kAccessibleFocused | ui::kAccessibleHotTracked;
  return element;
}

int DropDownAccessible::FocusedChild() const {
  return menu_.visible && menu_.highlighted >= 0 ? menu_.highlighted + 1 : 0;
}

bool DropDownAccessible::DoDefaultAction(int child) {
  if (child < 1 || child > ChildCount() || !menu_.Rows()[static_cast<std::size_t>(child - 1)]) return false;
  choose_(child - 1);
  return true;
}

}  // namespace app
