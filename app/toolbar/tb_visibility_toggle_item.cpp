#include "app/toolbar/tb_visibility_toggle_item.h"

#include <string>

#include "app/docking/tb_dockable_window.h"
#include "ui/model/form.h"

namespace app {

namespace {

// The caption of a control that has one: a dockable window's (shown while it
// floats) or a form's; null for other controls.
const std::string* CaptionOf(const ui::TControl& control) {
  if (const auto* dockable = dynamic_cast<const TTBDockableWindow*>(&control)) return &dockable->caption;
  if (const auto* form = dynamic_cast<const ui::TForm*>(&control)) return &form->caption;
  return nullptr;
}

bool Settling(const base::TComponent& component) {
  return component.Loading() || component.Destroying();
}

}  // namespace

void TTBVisibilityToggleItem::SetControl(ui::TControl* value) {
  if (control && control != value) control->RemoveFreeNotification(this);
  control = value;
  if (!control) return;
  control->FreeNotification(this);
  if (caption.empty()) {
    if (const std::string* own = CaptionOf(*control)) caption = *own;
  }
}

void TTBVisibilityToggleItem::Click() {
  if (control) control->SetVisible(!control->visible);
  TTBItem::Click();
}

void TTBVisibilityToggleItem::UpdateState() {
  if (Settling(*this) || (Owner() && Settling(*Owner()))) return;
  checked = Checked();
}

void TTBVisibilityToggleItem::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == control) control = nullptr;
  TTBItem::Notification(component, operation);
}

const resources::ClassInfo& TTBVisibilityToggleItem::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::ComponentProperty<&TTBVisibilityToggleItem::SetControl>("Control"),
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
