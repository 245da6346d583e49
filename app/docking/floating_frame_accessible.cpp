#include "app/docking/floating_frame_accessible.h"

#include "text/literal.h"
#include "ui/model/control_accessible.h"

namespace app {

namespace {
constexpr auto kClose = text::Cp1251(u8"Закрыть");
}  // namespace

ui::AccessibleElement FloatingFrameAccessible::Self() const {
  return ui::ControlElement(frame_, ui::AccessibleRole::kWindow, frame_.caption);
}

ui::AccessibleElement FloatingFrameAccessible::Child(int /*child*/) const {
  ui::AccessibleElement element;
  element.role = ui::AccessibleRole::kPushButton;
  element.name = std::string(kClose.view());
  element.default_action = std::string(kClose.view());
  element.bounds = close_place_();
  if (!frame_.Content()) element.states |= ui::kAccessibleUnavailable;
  return element;
}

bool FloatingFrameAccessible::DoDefaultAction(int child) {
  TTBDockableWindow* content = frame_.Content();
  if (child != 1 || !content || !frame_.visible) return false;
  content->SetVisible(false);
  return true;
}

}  // namespace app
