// TTBVisibilityToggleItem: an item bound to a control; clicking it shows or
// hides the control, and its check mark says whether the control is visible.
//
// The check mark (`checked`) follows the control only through the
// item-update pass (UpdateItems, run each time the item's menu opens), and
// not while the item's window is loading or being destroyed. Bound to a
// control while it has no caption of its own, the item takes the control's
// caption when the control has one (a dockable window or a form). When the
// bound control is destroyed first the item drops the binding.
#pragma once

#include "app/menus/tb_item.h"
#include "ui/model/control.h"

namespace app {

class TTBVisibilityToggleItem : public TTBItem {
 public:
  using TTBItem::TTBItem;

  // The bound control, or null. Bind it with SetControl().
  ui::TControl* control = nullptr;

  // Binds `value` (may be null); an item without a caption takes the
  // control's caption.
  void SetControl(ui::TControl* value);
  // Whether the bound control is visible now: what the next item-update pass
  // copies into `checked`.
  bool Checked() const { return control && control->visible; }
  // Shows the bound control if it was hidden, hides it if it was visible,
  // then runs the click handler.
  void Click() override;
  // `checked` from the control's visibility, unless the item or its window
  // is loading or being destroyed.
  void UpdateState() override;
  // The bound control going first drops the binding.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  const char* ClassName() const override { return "TTBVisibilityToggleItem"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
