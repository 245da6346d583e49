#include "search/number_field_accessible.h"

#include "ui/controls/label/label_accessible.h"
#include "ui/model/control_accessible.h"

namespace search {

ui::AccessibleElement NumberFieldAccessible::Self() const {
  ui::AccessibleElement element =
      ui::ControlElement(field_, ui::AccessibleRole::kEditableText, ui::LabelledName(field_));
  element.value = field_.EditText();
  element.states |= ui::kAccessibleFocusable;
  if (field_.Focused()) element.states |= ui::kAccessibleFocused;
  if (field_.read_only) element.states |= ui::kAccessibleReadOnly;
  return element;
}

}  // namespace search
