// TTBDropDownWindow: the drop-down menu of a toolbar, as a control made at
// run time (never read from a description). A toolbar's view makes one the
// first time a menu opens, owned by the toolbar's window and with no parent
// control, so its view is a pop-up window of its own; it is then reused for
// every menu of that toolbar.
//
// It keeps what the open menu shows: its rows (items, or null for a
// separator) and the highlighted row. An item destroyed while listed leaves
// a null row behind. Its text, for WM_GETTEXT, is DropDownText() of its rows.
#pragma once

#include <string>
#include <vector>

#include "app/menus/tb_item.h"
#include "ui/model/control.h"

namespace app {

class TTBDropDownWindow final : public ui::TControl {
 public:
  // Hidden, owned by `owner` (the toolbar's window); `toolbar` is the control
  // whose view drives it (it is forgotten should it go first).
  TTBDropDownWindow(base::TComponent* owner, ui::TControl& toolbar);

  ui::TControl* Toolbar() const { return toolbar_; }

  // The rows shown; set before the window shows.
  const std::vector<TTBItem*>& Rows() const { return rows_; }
  void SetRows(std::vector<TTBItem*> rows);
  // The highlighted row, or -1.
  int highlighted = -1;

  // The captions of the rows separated by tabs, a checked item's followed by
  // " [x]".
  std::string Text() const;

  void Notification(base::TComponent* component, base::TOperation operation) override;

  const char* ClassName() const override { return "TTBDropDownWindow"; }
  // Known to the view factory only; no description creates one.
  static const resources::ClassInfo& Class();

 private:
  ui::TControl* toolbar_;
  std::vector<TTBItem*> rows_;
};

}  // namespace app
