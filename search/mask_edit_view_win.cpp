#include "search/mask_edit_view.h"

#include "search/edit_mask.h"
#include "ui/wide_text.h"

namespace search {

void MaskEditView::Create(ui::ControlView& parent) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL;
  if (edit_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = edit_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!edit_.ctl3d) style |= WS_BORDER;  // flat: one plain line
  CreateControlWindow(parent, L"TMaskEdit", ex_style, style, ui::Wide(EditMask(edit_.edit_mask).BlankText()),
                      L"EDIT");
  ApplyFont();
  if (edit_.max_length > 0) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(edit_.max_length), 0);
}

void MaskEditView::Entered() {
  edit_.on_enter(&edit_);
}

LRESULT MaskEditView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR: {
      const wchar_t typed[] = {static_cast<wchar_t>(wparam), L'\0'};
      std::string key = ui::Narrow(typed);
      if (key.size() != 1) break;
      edit_.on_key_press(&edit_, key[0]);
      if (key[0] == '\0') return 0;
      const std::wstring passed = ui::Wide(key);
      return ControlView::HandleMessage(message, passed[0], lparam);
    }
    case WM_LBUTTONUP: {
      const LRESULT result = ControlView::HandleMessage(message, wparam, lparam);
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (PtInRect(&client, at)) edit_.on_click(&edit_);
      return result;
    }
    default:
      break;
  }
  return ControlView::HandleMessage(message, wparam, lparam);
}

}  // namespace search
