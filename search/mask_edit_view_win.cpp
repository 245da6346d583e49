#include "search/mask_edit_view.h"

#include "ui/wide_text.h"

namespace search {

void MaskEditView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL;
  if (edit_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = edit_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!edit_.ctl3d) style |= WS_BORDER;  // flat: one plain line
  CreateControlWindow(parent, top_level, L"TMaskEdit", ex_style, style, ui::Wide(edit_.EditText()), L"EDIT");
  ApplyFont();
  if (edit_.max_length > 0) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(edit_.max_length), 0);
}

void MaskEditView::Entered() {
  edit_.on_enter(&edit_);
}

bool MaskEditView::OnChar(char& key) {
  edit_.on_key_press(&edit_, key);
  return false;  // the edit control types what the handler left (nothing for 0)
}

}  // namespace search
