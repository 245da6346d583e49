#include "app/toolbar/tb_visibility_toggle_item.h"

namespace app {

void TTBVisibilityToggleItem::Click() {
  if (control) control->SetVisible(!control->visible);
  TTBItem::Click();
}

void TTBVisibilityToggleItem::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == control) control = nullptr;
  TTBItem::Notification(component, operation);
}

const resources::ClassInfo& TTBVisibilityToggleItem::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::ComponentProperty<&TTBVisibilityToggleItem::control>("Control"),
  };
  static const resources::ClassInfo info{"TTBVisibilityToggleItem",
                                         &TTBItem::Class(),
                                         kProperties,
                                         {},
                                         {},
                                         resources::Creator<TTBVisibilityToggleItem>};
  return info;
}

}  // namespace app
