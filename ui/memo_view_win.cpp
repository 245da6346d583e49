#include "ui/memo_view.h"

#include "ui/wide_text.h"

namespace ui {

namespace {

// The lines as the edit control shows them: no line break after the last.
std::string ShownText(const TStrings& lines) {
  std::string text = lines.Text();
  if (text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

}  // namespace

void MemoView::Create(ControlView& parent) {
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  switch (memo_.alignment) {
    case TAlignment::taLeftJustify:
      style |= ES_LEFT;
      break;
    case TAlignment::taRightJustify:
      style |= ES_RIGHT;
      break;
    case TAlignment::taCenter:
      style |= ES_CENTER;
      break;
  }
  if (memo_.read_only) style |= ES_READONLY;
  if (memo_.tab_stop) style |= WS_TABSTOP;
  DWORD ex_style = 0;
  if (memo_.border_style == TBorderStyle::bsSingle) {
    if (memo_.ctl3d) {
      ex_style |= WS_EX_CLIENTEDGE;
    } else {
      style |= WS_BORDER;  // flat: one plain line
    }
  }
  CreateControlWindow(parent, L"TMemo", ex_style, style, Wide(ShownText(memo_.lines)), L"EDIT");
  ApplyFont();
}

LRESULT MemoView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_GETDLGCODE) {
    return ControlView::HandleMessage(message, wparam, lparam) & ~static_cast<LRESULT>(DLGC_WANTTAB);
  }
  return ControlView::HandleMessage(message, wparam, lparam);
}

}  // namespace ui
