// ToolbarUtilityWindow: the toolbar code's hidden window of one form
// (Windows only). It does the toolbar work that comes from outside the
// toolbars' own windows:
//
// - Running chosen items. It owns the form's ChosenItemRunner: a chosen item
//   is stored and the private message 0x500 posted to this window; when the
//   message is dispatched (every menu closed by then) the item is clicked,
//   and an error that escapes goes to the error display.
// - The skin's colours. It keeps the SkinPalette of the form's skin, worked
//   out from the system colours when it is made (the first time a window of
//   the form draws in the skin) and again when the form's window hears
//   WM_SYSCOLORCHANGE (its toolbars' views pass it on); after a change it
//   repaints every window of the form, frames included, so everything drawn
//   in the skin takes the new colours.
// - Menu sounds: the MenuSounds rule over the application's sound seam.
//
// It is a component owned by the form, so it lives as long as the form's
// components and goes with them; a stored item that goes first is forgotten.
// The window is a message-only window: it only receives posted messages,
// and costs the program's start far less than a hidden top-level window.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/menus/chosen_item_runner.h"
#include "app/menus/menu_sounds.h"
#include "app/skin/skin_palette.h"
#include "base/component.h"
#include "ui/window.h"

namespace ui {
class FormWindow;
}

namespace app {

class ToolbarUtilityWindow final : public base::TComponent, private ui::Window, private RunMessagePoster {
 public:
  // The utility window of `form`, made on first use. Throws base::Exception
  // when its window cannot be created.
  static ToolbarUtilityWindow& Of(ui::FormWindow& form);
  ~ToolbarUtilityWindow() override;

  HWND Handle() const { return ui::Window::Handle(); }

  // The colour of the form's skin by name ("tcSelBar"), as it is drawn now.
  ui::TColor SkinColor(std::string_view name) const { return palette_.Color(name); }
  ui::TColor SkinColor(TTBColorIndex index) const { return palette_.Color(index); }
  const SkinPalette& Palette() const { return palette_; }
  // Works the colours out again under the system colours now, or under
  // `system` (a test's scheme), then repaints the form's windows.
  void RefreshColors();
  void RefreshColors(const SystemColors& system);

  ChosenItemRunner& Runner() { return runner_; }
  MenuSounds& Sounds() { return sounds_; }

  void Notification(base::TComponent* component, base::TOperation operation) override;
  const char* ClassName() const override { return "ToolbarUtilityWindow"; }

 private:
  explicit ToolbarUtilityWindow(ui::FormWindow& form);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool PostRunMessage() override;
  void RepaintForm();

  SkinPalette palette_;
  MenuSounds sounds_;
  ChosenItemRunner runner_;
};

// The system colours the skin rules read, as the desktop has them now.
SystemColors CurrentSystemColors();

}  // namespace app
