// ToolbarAccessible: the menu toolbar as a reader finds it: a menu bar named
// by the toolbar's caption ("Главное меню") whose children are its buttons
// (child id = button + 1, the chevron last when some items left the bar):
// menu items, those with a drop-down marked as opening one and expanded
// while it is open. While the menus are tracked the hot button (or the one
// whose drop-down is open) is the focused child.
//
// A button's default action is what a click on it does: a drop-down opens
// (or closes when it is open), a command runs. It goes through the bar's
// tracker as a press and a release on the button; `apply` hands the
// tracker's answer to the screen, as the view does with the mouse's.
#pragma once

#include <functional>

#include "app/menus/menu_tracker.h"
#include "app/menus/toolbar_menu_bar.h"
#include "app/toolbar/tb_toolbar.h"
#include "base/rect.h"
#include "ui/model/accessible.h"

namespace app {

class ToolbarAccessible final : public ui::AccessibleDescription {
 public:
  using PlaceOf = std::function<base::Rect(int button)>;
  using Apply = std::function<void(const MenuEvents&)>;

  ToolbarAccessible(const TTBToolbar& toolbar, const ToolbarMenuBar& bar, MenuTracker& tracker, PlaceOf place,
                    Apply apply)
      : toolbar_(toolbar), bar_(bar), tracker_(tracker), place_(std::move(place)), apply_(std::move(apply)) {}

  ui::AccessibleElement Self() const override;
  int ChildCount() const override { return bar_.ButtonCount(); }
  ui::AccessibleElement Child(int child) const override;
  int FocusedChild() const override;
  bool DoDefaultAction(int child) override;

 private:
  // The button shown as the user's place in the bar while it tracks, or -1.
  int CurrentButton() const;

  const TTBToolbar& toolbar_;
  const ToolbarMenuBar& bar_;
  MenuTracker& tracker_;
  PlaceOf place_;
  Apply apply_;
};

}  // namespace app
