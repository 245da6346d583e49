#include "search/lookup_combo_view.h"

#include <algorithm>
#include <vector>

#include "ui/wide_text.h"

namespace search {

void LookupComboView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = 0;
  if (combo_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = combo_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!combo_.ctl3d) style |= WS_BORDER;
  CreateControlWindow(parent, top_level, L"TRxDBLookupCombo", ex_style, style, L"");
}

void LookupComboView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  RECT button = client;
  button.left = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
  RECT text_area{client.left + 1, client.top + 1, button.left - 1, client.bottom - 1};
  const int length = GetWindowTextLengthW(Handle());
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
  GetWindowTextW(Handle(), text.data(), length + 1);
  DrawCaption(dc, ui::Narrow(std::wstring_view(text.data(), static_cast<std::size_t>(length))), text_area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (GetFocus() == Handle()) DrawFocusRect(dc, &text_area);
}

bool LookupComboView::OnMouseDown(const ui::MouseInput&) {
  SetFocus(Handle());
  return true;
}

}  // namespace search
