#include "search/lookup_combo_view.h"

#include <algorithm>
#include <vector>

#include "ui/wide_text.h"

namespace search {

void LookupComboView::Create(ui::ControlView& parent) {
  DWORD style = 0;
  if (combo_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = combo_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!combo_.ctl3d) style |= WS_BORDER;
  CreateControlWindow(parent, L"TRxDBLookupCombo", ex_style, style, L"");
}

void LookupComboView::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
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
  EndPaint(Handle(), &paint);
}

LRESULT LookupComboView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
      SetFocus(Handle());
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, TRUE);
      return ControlView::HandleMessage(message, wparam, lparam);
    default:
      return ControlView::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace search
