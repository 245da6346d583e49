#include "app/toolbar/toolbar_accessible.h"

#include "text/literal.h"
#include "ui/model/control_accessible.h"

namespace app {

namespace {
constexpr auto kOpen = text::Cp1251(u8"Открыть");
constexpr auto kClose = text::Cp1251(u8"Закрыть");
constexpr auto kRun = text::Cp1251(u8"Выполнить");
constexpr auto kMore = text::Cp1251(u8"Другие команды");
}  // namespace

ui::AccessibleElement ToolbarAccessible::Self() const {
  return ui::ControlElement(toolbar_, ui::AccessibleRole::kMenuBar, toolbar_.caption);
}

int ToolbarAccessible::CurrentButton() const {
  if (!tracker_.Tracking()) return -1;
  return tracker_.Open() >= 0 ? tracker_.Open() : tracker_.Hot();
}

ui::AccessibleElement ToolbarAccessible::Child(int child) const {
  const int button = child - 1;
  ui::AccessibleElement element;
  element.role = ui::AccessibleRole::kMenuItem;
  const TTBItem* item = bar_.ButtonItem(button);
  element.name = item ? item->caption : std::string(kMore.view());
  element.bounds = place_(button);
  element.states = ui::kAccessibleFocusable;
  if (bar_.HasDropDown(button)) {
    element.states |= ui::kAccessibleHasPopup;
    const bool open = tracker_.Open() == button;
    element.states |= open ? ui::kAccessibleExpanded : ui::kAccessibleCollapsed;
    element.default_action = std::string(open ? kClose.view() : kOpen.view());
  } else {
    element.default_action = std::string(kRun.view());
  }
  if (tracker_.Hot() == button) element.states |= ui::kAccessibleHotTracked;
  if (tracker_.Pressed() == button) element.states |= ui::kAccessiblePressed;
  if (CurrentButton() == button) element.states |= ui::kAccessibleFocused;
  return element;
}

int ToolbarAccessible::FocusedChild() const {
  return CurrentButton() + 1;
}

bool ToolbarAccessible::DoDefaultAction(int child) {
  if (child < 1 || child > ChildCount() || !toolbar_.enabled) return false;
  const MenuPointer at = MenuPointer::Button(child - 1);
  apply_(tracker_.PointerPress(at));
  apply_(tracker_.PointerRelease(at));
  return true;
}

}  // namespace app
