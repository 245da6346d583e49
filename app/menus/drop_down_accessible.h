// DropDownAccessible: an open drop-down menu as a reader finds it: a pop-up
// menu named by the item that opened it ("Показать"; no name for the
// chevron's, whose rows come from several items), whose children are its
// rows (child id = row + 1): separators as separators, items as menu items,
// checked while the item is (the result window's toggle while the window is
// visible), the highlighted item focused and hot. An item's default action
// chooses it, as a click on it would: `choose` gets the row. While the menu
// is closed it is invisible and has no rows.
#pragma once

#include <functional>

#include "app/menus/drop_down_layout.h"
#include "app/menus/tb_drop_down_window.h"
#include "ui/model/accessible.h"

namespace app {

class DropDownAccessible final : public ui::AccessibleDescription {
 public:
  // `layout` holds the rows' places while the menu is open (the view's).
  DropDownAccessible(const TTBDropDownWindow& menu, const DropDownLayout& layout,
                     std::function<void(int row)> choose)
      : menu_(menu), layout_(layout), choose_(std::move(choose)) {}

  ui::AccessibleElement Self() const override;
  int ChildCount() const override;
  ui::AccessibleElement Child(int child) const override;
  int FocusedChild() const override;
  bool DoDefaultAction(int child) override;

 private:
  const TTBDropDownWindow& menu_;
  const DropDownLayout& layout_;
  std::function<void(int row)> choose_;
};

}  // namespace app
