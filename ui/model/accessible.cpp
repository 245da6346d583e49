#include "ui/model/accessible.h"

namespace ui {

int AccessibleDescription::HitTest(base::Point point) const {
  for (int child = 1; child <= ChildCount(); ++child) {
    if (Child(child).bounds.Contains(point)) return child;
  }
  return Self().bounds.Contains(point) ? 0 : -1;
}

}  // namespace ui
