// TTBVisibilityToggleItem: an item bound to a control; clicking it shows or
// hides the control.
#pragma once

#include "app/toolbar/tb_item.h"
#include "ui/control.h"

namespace app {

class TTBVisibilityToggleItem : public TTBItem {
 public:
  using TTBItem::TTBItem;

  ui::TControl* control = nullptr;

  // Checked while the bound control is visible.
  bool Checked() const { return control && control->visible; }
  // Shows the bound control if it was hidden, hides it if it was visible,
  // then runs the click handler.
  void Click() override;
  // The bound control going first drops the binding.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  const char* ClassName() const override { return "TTBVisibilityToggleItem"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
