#include "ui/model/control_accessible.h"

#include <utility>

namespace ui {

AccessibleElement ControlElement(const TControl& control, AccessibleRole role, std::string name) {
  AccessibleElement element;
  element.role = role;
  element.name = std::move(name);
  element.bounds = base::Rect{0, 0, control.width, control.height};
  if (!control.enabled) element.states |= kAccessibleUnavailable;
  if (!control.visible) element.states |= kAccessibleInvisible;
  return element;
}

std::string EnclosingCaption(const TControl& control) {
  for (const TControl* above = control.Parent(); above; above = above->Parent()) {
    if (!above->caption.empty()) return above->caption;
  }
  return {};
}

AccessibleElement CommandAccessible::Self() const {
  AccessibleElement element = ControlElement(control_, role_, name_);
  element.default_action = action_;
  if (role_ == AccessibleRole::kLink) element.states |= kAccessibleLinked;
  return element;
}

bool CommandAccessible::DoDefaultAction(int child) {
  if (child != 0 || !control_.enabled || !control_.visible) return false;
  control_.Click();
  return true;
}

}  // namespace ui
