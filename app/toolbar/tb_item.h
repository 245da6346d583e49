// TTBItem: a toolbar or menu command with a caption and a click handler.
// Items are components but not controls: the one whose record held an item
// is its parent item or toolbar, and its children are its menu.
#pragma once

#include <string>

#include "base/component.h"
#include "resources/class_info.h"
#include "ui/control.h"

namespace app {

class TTBItem : public base::TComponent {
 public:
  using TComponent::TComponent;

  std::string caption;
  ui::TNotifyEvent on_click;

  // What choosing the item does: the click handler.
  virtual void Click() { on_click(this); }

  // The toolbar or submenu whose record held this item.
  base::TComponent* ParentComponent() const { return parent_; }
  void SetParentComponent(base::TComponent* parent) override { parent_ = parent; }

  const char* ClassName() const override { return "TTBItem"; }
  static const resources::ClassInfo& Class();

 private:
  base::TComponent* parent_ = nullptr;
};

}  // namespace app
