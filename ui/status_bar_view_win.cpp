#include "ui/status_bar_view.h"

#include <commctrl.h>

#include <vector>

#include "ui/form_window.h"
#include "ui/wide_text.h"

namespace ui {

bool StatusBarView::ShowsSizeGrip(HWND parent) const {
  const auto* form = dynamic_cast<const FormWindow*>(Window::FromHandle(parent));
  if (!form) return false;
  const TFormBorderStyle border = form->Model().border_style;
  if (border != TFormBorderStyle::bsSizeable && border != TFormBorderStyle::bsSizeToolWin) return false;
  RECT client;
  GetClientRect(form->Handle(), &client);
  return bar_.left + bar_.width == client.right && bar_.top + bar_.height == client.bottom;
}

void StatusBarView::CreateWindowIn(HWND parent, bool top_level) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  // The bar is placed by its alignment like every control, not by itself.
  DWORD style = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (ShowsSizeGrip(parent)) style |= SBARS_SIZEGRIP;
  CreateControlWindow(parent, top_level, L"TStatusBar", 0, style, L"", STATUSCLASSNAMEW);
  SetPanels();
}

void StatusBarView::SetPanels() {
  const std::size_t count = bar_.panels.Count();
  if (bar_.simple_panel || count == 0) {
    SendMessageW(Handle(), SB_SIMPLE, TRUE, 0);
    return;
  }
  std::vector<int> rights(count);
  int right = 0;
  for (std::size_t i = 0; i < count; ++i) {
    right += bar_.panels[i].width;
    rights[i] = i + 1 == count ? -1 : right;
  }
  SendMessageW(Handle(), SB_SETPARTS, count, reinterpret_cast<LPARAM>(rights.data()));
  for (std::size_t i = 0; i < count; ++i) {
    const TStatusPanel& panel = bar_.panels[i];
    WPARAM part = i;
    if (panel.bevel == TStatusPanelBevel::pbNone) part |= SBT_NOBORDERS;
    if (panel.bevel == TStatusPanelBevel::pbRaised) part |= SBT_POPOUT;
    // A tab before the text centres it, two put it at the right.
    std::string text = panel.text;
    if (panel.alignment == TAlignment::taCenter) text = "\t" + text;
    if (panel.alignment == TAlignment::taRightJustify) text = "\t\t" + text;
    const std::wstring wide = Wide(text);
    SendMessageW(Handle(), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

}  // namespace ui
