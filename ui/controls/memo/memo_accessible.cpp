#include "ui/controls/memo/memo_accessible.h"

#include <string_view>

#include "ui/model/control_accessible.h"

namespace ui {

std::string EditText(const TStrings& lines) {
  std::string text = lines.Text();
  if (text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

std::string SpokenText(const TStrings& lines) {
  std::string spoken;
  for (const std::string& line : lines.lines) {
    const std::size_t first = line.find_first_not_of(" *");
    if (first == std::string::npos) continue;
    const std::size_t last = line.find_last_not_of(" *");
    std::string_view part(line.data() + first, last - first + 1);
    if (!spoken.empty()) spoken += spoken.back() == '.' ? " " : ". ";
    spoken += part;
  }
  return spoken;
}

AccessibleElement MemoAccessible::Self() const {
  if (!memo_.enabled) {
    AccessibleElement element = ControlElement(memo_, AccessibleRole::kStaticText, EditText(memo_.lines));
    element.states &= ~kAccessibleUnavailable;  // it is read as any text is
    return element;
  }
  AccessibleElement element = ControlElement(memo_, AccessibleRole::kEditableText, EnclosingCaption(memo_));
  element.value = EditText(memo_.lines);
  element.states |= kAccessibleFocusable;
  if (memo_.read_only) element.states |= kAccessibleReadOnly;
  return element;
}

}  // namespace ui
