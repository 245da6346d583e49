#include "app/toolbar/toolbar_utility_window.h"

#include "base/exception.h"
#include "ui/form_window.h"
#include "ui/gdi.h"

namespace app {

namespace {

Rgb SystemRgb(int index) {
  return ToRgb(GetSysColor(index));
}

// The colour the screen shows for `c`.
Rgb ScreenNearest(HDC screen, Rgb c) {
  const COLORREF nearest = GetNearestColor(screen, RGB(c.red, c.green, c.blue));
  return nearest == CLR_INVALID ? c : ToRgb(nearest);
}

}  // namespace

SystemColors CurrentSystemColors() {
  SystemColors system;
  system.btn_face = SystemRgb(COLOR_BTNFACE);
  system.window = SystemRgb(COLOR_WINDOW);
  system.btn_shadow = SystemRgb(COLOR_BTNSHADOW);
  system.highlight = SystemRgb(COLOR_HIGHLIGHT);
  system.menu_text = SystemRgb(COLOR_MENUTEXT);
  system.highlight_text = SystemRgb(COLOR_HIGHLIGHTTEXT);
  return system;
}

ToolbarUtilityWindow& ToolbarUtilityWindow::Of(ui::FormWindow& form) {
  for (base::TComponent* component : form.Model().Components()) {
    if (auto* utility = dynamic_cast<ToolbarUtilityWindow*>(component)) return *utility;
  }
  return *new ToolbarUtilityWindow(form);
}

ToolbarUtilityWindow::ToolbarUtilityWindow(ui::FormWindow& form)
    : base::TComponent(&form.Model()),
      sounds_(*ui::ServicesOf(form.Model()).sounds),
      runner_(*this, form.Owner(), &sounds_) {
  // A throw leaves the form's list again through the base's destructor.
  if (!CreateHandle(L"PhonebookToolbarUtility", 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE)) {
    throw base::Exception("Cannot create the toolbar's utility window");
  }
  SetErrorSink(&form.Owner());
  RefreshColors();
}

ToolbarUtilityWindow::~ToolbarUtilityWindow() {
  DestroyHandle();
}

void ToolbarUtilityWindow::RefreshColors() {
  RefreshColors(CurrentSystemColors());
}

void ToolbarUtilityWindow::RefreshColors(const SystemColors& system) {
  const auto* form = dynamic_cast<const ui::TForm*>(Owner());
  ui::WindowDC screen(nullptr);
  palette_.Refresh(form ? FindSkin(*form) : nullptr, system,
                   [dc = screen.Get()](Rgb c) { return dc ? ScreenNearest(dc, c) : c; });
  RepaintForm();
}

void ToolbarUtilityWindow::RepaintForm() {
  const auto* form = dynamic_cast<const ui::TForm*>(Owner());
  auto* form_window = form ? dynamic_cast<ui::FormWindow*>(form->Host()) : nullptr;
  if (!form_window) return;
  // The form's window and the pop-ups of its controls (floating windows,
  // drop-down menus), each with its frame and children.
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM target) -> BOOL {
        if (ui::FormWindow::FromHandle(window) == reinterpret_cast<ui::FormWindow*>(target)) {
          RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(form_window));
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
