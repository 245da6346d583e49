#include "search/picker_accessible.h"

#include "text/literal.h"
#include "ui/controls/label/label_accessible.h"
#include "ui/model/control_accessible.h"

namespace search {

namespace {
constexpr auto kOpen = text::Cp1251(u8"Открыть");
constexpr auto kClose = text::Cp1251(u8"Закрыть");
}  // namespace

ui::AccessibleElement PickerAccessible::Self() const {
  ui::AccessibleElement element =
      ui::ControlElement(picker_, ui::AccessibleRole::kComboBox, ui::LabelledName(picker_));
  element.value = picker_.ShownText();
  element.states |= ui::kAccessibleFocusable | ui::kAccessibleHasPopup;
  element.states |= picker_.ListVisible() ? ui::kAccessibleExpanded : ui::kAccessibleCollapsed;
  if (picker_.Focused()) element.states |= ui::kAccessibleFocused;
  if (!picker_.CanModify()) element.states |= ui::kAccessibleReadOnly;
  element.default_action = std::string(picker_.ListVisible() ? kClose.view() : kOpen.view());
  element.keyboard_shortcut = "Alt+Down";
  return element;
}

bool PickerAccessible::DoDefaultAction(int child) {
  if (child != 0 || !picker_.enabled) return false;
  if (picker_.ListVisible()) {
    picker_.CloseUp(true);
    return true;
  }
  if (!picker_.CanModify()) return false;
  picker_.DropDown();
  return true;
}

ui::AccessibleElement NameListAccessible::Self() const {
  const TRxPopupDataList& list = picker_.List();
  ui::AccessibleElement element =
      ui::ControlElement(list, ui::AccessibleRole::kList, ui::LabelledName(picker_));
  element.bounds = base::Rect{0, 0, list.ClientWidth(), list.ClientHeight()};
  if (!picker_.ListVisible()) element.states |= ui::kAccessibleInvisible;
  return element;
}

int NameListAccessible::ChildCount() const {
  return picker_.ListVisible() ? picker_.List().RecordsInView() : 0;
}

ui::AccessibleElement NameListAccessible::Child(int child) const {
  TRxPopupDataList& list = picker_.List();
  const int row = child - 1;
  ui::AccessibleElement element;
  element.role = ui::AccessibleRole::kListItem;
  element.name = list.RowText(row);
  element.bounds = base::Rect{0, row * list.RowHeight(), list.ClientWidth(), (row + 1) * list.RowHeight()};
  element.states = ui::kAccessibleSelectable | ui::kAccessibleFocusable;
  if (row == list.HighlightedRow()) element.states |= ui::kAccessibleSelected | ui::kAccessibleFocused;
  return element;
}

int NameListAccessible::FocusedChild() const {
  if (!picker_.ListVisible()) return 0;
  return picker_.List().HighlightedRow() + 1;
}

std::vector<int> NameListAccessible::SelectedChildren() const {
  const int focused = FocusedChild();
  if (focused <= 0) return {};
  return {focused};
}

}  // namespace search
