#include "ui/controls/status_bar/status_bar_accessible.h"

#include <string>

#include "ui/model/control_accessible.h"

namespace ui {

AccessibleElement StatusBarAccessible::Self() const {
  std::string text;
  // A simple bar shows no panel's text.
  const std::size_t panels = bar_.simple_panel ? 0 : bar_.panels.Count();
  for (std::size_t panel = 0; panel < panels; ++panel) {
    const std::string& part = bar_.panels[panel].text;
    if (part.empty()) continue;
    if (!text.empty()) text += ' ';
    text += part;
  }
  return ControlElement(bar_, AccessibleRole::kStatusBar, text);
}

}  // namespace ui
