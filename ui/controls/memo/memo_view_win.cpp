#include "ui/controls/memo/memo_view.h"

#include <algorithm>
#include <vector>

#include "ui/controls/memo/memo_accessible.h"
#include "ui/framework/accessible_object_win.h"
#include "ui/framework/wide_text.h"

namespace ui {

namespace {

// The edit control's whole text, lines separated by CR LF.
std::wstring TextOf(HWND edit) {
  const int length = GetWindowTextLengthW(edit);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
  return text;
}

// The edit control's text split into lines at CR LF.
std::vector<std::string> LinesOf(HWND edit) {
  const std::wstring text = TextOf(edit);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(L"\r\n", start);
    lines.push_back(Narrow(std::wstring_view(text).substr(start, end - start)));
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  return lines;
}

}  // namespace

void MemoView::CreateWindowIn(HWND parent, bool top_level) {
  // The alignment's DrawText flag is the edit control's style of the same name.
  DWORD style =
      ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | AlignmentFormat(memo_.alignment);
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
  CreateControlWindow(parent, top_level, L"TMemo", ex_style, style, Wide(EditText(memo_.lines)), L"EDIT");
  ApplyFont();
}

void MemoView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, ControlColors(dc));
  // A flat border with no non-client area is the edit control's own drawing.
  RECT outer;
  GetWindowRect(Handle(), &outer);
  if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_BORDER) && outer.right - outer.left == client.right &&
      outer.bottom - outer.top == client.bottom) {
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
  }
  // Only inside the edit control's formatting rectangle, as it draws.
  RECT format = client;
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  IntersectClipRect(dc, format.left, format.top, format.right, format.bottom);
  SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = TextOf(Handle());
  const auto lines = static_cast<WPARAM>(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0));
  for (WPARAM line = 0; line < lines; ++line) {
    const LRESULT start = SendMessageW(Handle(), EM_LINEINDEX, line, 0);
    if (start < 0 || static_cast<std::size_t>(start) >= text.size()) continue;
    const LRESULT count = SendMessageW(Handle(), EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (count <= 0) continue;
    const LRESULT at = SendMessageW(Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(start), 0);
    if (at == -1) continue;
    const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
    const std::size_t shown =
        std::min(static_cast<std::size_t>(count), text.size() - static_cast<std::size_t>(start));
    TabbedTextOutW(dc, x, y, text.data() + start, static_cast<int>(shown), 0, nullptr, x);
  }
}

LRESULT MemoView::OnGetDlgCode(LRESULT standard) {
  return standard & ~static_cast<LRESULT>(DLGC_WANTTAB);
}

void MemoView::OnChanged(ControlChange what) {
  switch (what) {
    case ControlChange::kText:
      SetWindowTextW(Handle(), Wide(EditText(memo_.lines)).c_str());
      // A reader hears the new text (the answer) though the focus is elsewhere.
      NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
      AnnounceText(Handle(), SpokenText(memo_.lines));
      break;
    case ControlChange::kAlignment:
      // The edit control takes its alignment only when created. What the
      // user typed into an editable memo is kept for the new one.
      if (!memo_.read_only) memo_.lines.lines = LinesOf(Handle());
      RecreateHandle();
      break;
    default:
      break;
  }
}

std::unique_ptr<AccessibleDescription> MemoView::MakeAccessible() {
  return std::make_unique<MemoAccessible>(memo_);
}

}  // namespace ui
