// ToolbarUtilityWindow: the hidden window that runs a toolbar's chosen items
// (Windows only). It owns the toolbar's ChosenItemRunner: a chosen item is
// stored and the private message 0x500 posted to this window; when the
// message is dispatched (every menu closed by then) the item is clicked, and
// an error that escapes goes to the error display. The "MenuCommand" sound
// of a choice goes through its own MenuSounds over the application's sound
// seam.
//
// The toolbar's view makes it with the bar's first window and keeps it. It
// is a component owned by the form, so it lives as long as the form's
// components and hears when one of them goes: a stored item that goes first
// is forgotten. The window is a message-only window: it only receives posted
// messages, and costs the program's start far less than a hidden top-level
// window.
#pragma once

#include <windows.h>

#include "app/menus/chosen_item_runner.h"
#include "app/menus/menu_sounds.h"
#include "base/component.h"
#include "ui/framework/window.h"

namespace ui {
class FormWindow;
}

namespace app {

class ToolbarUtilityWindow final : public base::TComponent, private ui::Window, private RunMessagePoster {
 public:
  // A utility window owned by `form`'s model. Throws base::Exception when
  // its window cannot be created.
  explicit ToolbarUtilityWindow(ui::FormWindow& form);
  ~ToolbarUtilityWindow() override;

  HWND Handle() const { return ui::Window::Handle(); }
  ChosenItemRunner& Runner() { return runner_; }

  void Notification(base::TComponent* component, base::TOperation operation) override;
  const char* ClassName() const override { return "ToolbarUtilityWindow"; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool PostRunMessage() override;

  MenuSounds sounds_;
  ChosenItemRunner runner_;
};

}  // namespace app
