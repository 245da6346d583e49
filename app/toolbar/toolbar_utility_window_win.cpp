#include "app/toolbar/toolbar_utility_window.h"

#include "base/exception.h"
#include "ui/framework/form_window.h"

namespace app {

ToolbarUtilityWindow::ToolbarUtilityWindow(ui::FormWindow& form)
    : base::TComponent(&form.Model()),
      sounds_(*ui::ServicesOf(form.Model()).sounds),
      runner_(*this, form.Owner(), &sounds_) {
  // A throw leaves the form's list again through the base's destructor.
  if (!CreateHandle(L"PhonebookToolbarUtility", 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE)) {
    throw base::Exception("Cannot create the toolbar's utility window");
  }
  SetErrorSink(&form.Owner());
}

ToolbarUtilityWindow::~ToolbarUtilityWindow() {
  DestroyHandle();
}

bool ToolbarUtilityWindow::PostRunMessage() {
  return PostMessageW(Handle(), kRunChosenItemMessage, 0, 0) != FALSE;
}

LRESULT ToolbarUtilityWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRunChosenItemMessage) {
    runner_.RunChosen();
    return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void ToolbarUtilityWindow::Notification(base::TComponent* component, base::TOperation operation) {
  // Only the pointer is compared: the item is half destroyed by now.
  if (operation == base::TOperation::opRemove && runner_.Chosen() && runner_.Chosen() == component) {
    runner_.Forget(*runner_.Chosen());
  }
  base::TComponent::Notification(component, operation);
}

}  // namespace app
