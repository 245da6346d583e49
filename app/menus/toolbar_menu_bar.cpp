#include "app/menus/toolbar_menu_bar.h"

#include <algorithm>

#include "app/menus/tb_submenu_item.h"

namespace app {

std::vector<TTBItem*> ChildItems(const base::TComponent& window, const base::TComponent* parent) {
  std::vector<TTBItem*> items;
  for (base::TComponent* component : window.Components()) {
    auto* item = dynamic_cast<TTBItem*>(component);
    if (item && item->ParentComponent() == parent) items.push_back(item);
  }
  return items;
}

bool OpensDropDown(const TTBItem& item) {
  return dynamic_cast<const TTBSubmenuItem*>(&item) != nullptr;
}

ToolbarMenuBar::ToolbarMenuBar(const base::TComponent& window, const base::TComponent& toolbar)
    : window_(window), items_(ChildItems(window, &toolbar)), shown_(static_cast<int>(items_.size())) {}

void ToolbarMenuBar::SetShown(int shown, bool chevron) {
  shown_ = std::clamp(shown, 0, static_cast<int>(items_.size()));
  chevron_ = chevron;
}

TTBItem* ToolbarMenuBar::ButtonItem(int button) const {
  return button >= 0 && button < shown_ ? items_[static_cast<std::size_t>(button)] : nullptr;
}

bool ToolbarMenuBar::HasDropDown(int button) const {
  if (button == Chevron()) return true;
  const TTBItem* item = ButtonItem(button);
  return item && OpensDropDown(*item);
}

std::vector<TTBItem*> ToolbarMenuBar::DropDownItems(int button) const {
  if (button != Chevron()) {
    const TTBItem* item = ButtonItem(button);
    return item && OpensDropDown(*item) ? ChildItems(window_, item) : std::vector<TTBItem*>{};
  }
  std::vector<TTBItem*> rows;
  bool last_was_group = false;  // the rows so far end with a submenu's items
  for (std::size_t i = static_cast<std::size_t>(shown_); i < items_.size(); ++i) {
    TTBItem* item = items_[i];
    if (!OpensDropDown(*item)) {
      if (last_was_group) rows.push_back(nullptr);
      rows.push_back(item);
      last_was_group = false;
      continue;
    }
    const std::vector<TTBItem*> group = ChildItems(window_, item);
    if (group.empty()) continue;
    if (!rows.empty()) rows.push_back(nullptr);
    rows.insert(rows.end(), group.begin(), group.end());
    last_was_group = true;
  }
  return rows;
}

int ToolbarMenuBar::ItemCount(int button) const {
  return static_cast<int>(DropDownItems(button).size());
}

bool ToolbarMenuBar::CanChoose(int button, int item) const {
  const std::vector<TTBItem*> rows = DropDownItems(button);
  if (item < 0 || item >= static_cast<int>(rows.size())) return false;
  const TTBItem* row = rows[static_cast<std::size_t>(item)];
  return row && !OpensDropDown(*row);
}

}  // namespace app
