// ToolbarMenuBar: a toolbar's items as the menu bar MenuTracker works on.
//
// Buttons 0 .. Shown()-1 are the toolbar's top-level items that stay on the
// bar (toolbar_fit.h decides how many); when some do not fit, button Shown()
// is the chevron. A submenu item's drop-down holds the items nested in its
// record; a plain item is a command button with no drop-down. The chevron's
// drop-down holds the items that left the bar, in order: a command item as
// itself, a submenu item as the items of its drop-down (a drop-down has no
// drop-downs of its own), each such group set off from its neighbours by a
// separator. Separators (null entries) cannot be chosen, nor can an item
// that opens a drop-down.
#pragma once

#include <vector>

#include "app/menus/menu_tracker.h"
#include "app/menus/tb_item.h"

namespace app {

// The items whose record is nested in `parent`'s, in reading order, among
// `window`'s components.
std::vector<TTBItem*> ChildItems(const base::TComponent& window, const base::TComponent* parent);

// Whether `item` opens a drop-down of its own (a submenu item).
bool OpensDropDown(const TTBItem& item);

class ToolbarMenuBar final : public MenuBarModel {
 public:
  // The bar of `toolbar`'s items among `window`'s components, all shown. Both
  // must outlive the bar; the items are read once, here.
  ToolbarMenuBar(const base::TComponent& window, const base::TComponent& toolbar);

  // The toolbar's top-level items in order, shown or not.
  const std::vector<TTBItem*>& Items() const { return items_; }
  // Keeps items 0 .. `shown`-1 on the bar (clamped to the items there are)
  // and, with `chevron`, puts the others behind the chevron.
  void SetShown(int shown, bool chevron);
  int Shown() const { return shown_; }
  // The chevron's button index, or -1 without one.
  int Chevron() const { return chevron_ ? shown_ : -1; }

  // The item button `button` stands for; null for the chevron and outside.
  TTBItem* ButtonItem(int button) const;
  // The rows of `button`'s drop-down (null: a separator); empty for a
  // command button and outside.
  std::vector<TTBItem*> DropDownItems(int button) const;

  // MenuBarModel
  int ButtonCount() const override { return shown_ + (chevron_ ? 1 : 0); }
  bool HasDropDown(int button) const override;
  int ItemCount(int button) const override;
  bool CanChoose(int button, int item) const override;

 private:
  const base::TComponent& window_;
  std::vector<TTBItem*> items_;
  int shown_ = 0;
  bool chevron_ = false;
};

}  // namespace app
