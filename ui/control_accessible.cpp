#include "ui/control_accessible.h"

#include <algorithm>
#include <utility>

#include "ui/label.h"

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

const TLabel* LabelAbove(const TControl& control) {
  const base::TComponent* root = control.Owner();
  if (!root) return nullptr;
  const TLabel* best = nullptr;
  int best_gap = 0;
  int best_overlap = 0;
  for (const base::TComponent* component : root->Components()) {
    const auto* label = dynamic_cast<const TLabel*>(component);
    if (!label || label == &control || label->Parent() != control.Parent()) continue;
    const int gap = control.top - (label->top + label->height);
    const int overlap = std::min(label->left + label->width, control.left + control.width) -
                        std::max(label->left, control.left);
    if (gap < 0 || gap > control.height || overlap <= 0) continue;
    if (!best || gap < best_gap || (gap == best_gap && overlap > best_overlap)) {
      best = label;
      best_gap = gap;
      best_overlap = overlap;
    }
  }
  return best;
}

std::string LabelledName(const TControl& control) {
  const TLabel* label = LabelAbove(control);
  return label ? label->caption : std::string();
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
