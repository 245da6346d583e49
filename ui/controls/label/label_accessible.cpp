#include "ui/controls/label/label_accessible.h"

#include <algorithm>

namespace ui {

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

}  // namespace ui
