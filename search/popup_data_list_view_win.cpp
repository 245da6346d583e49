#include "search/popup_data_list_view.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "search/picker_accessible.h"
#include "ui/framework/form_window.h"
#include "ui/framework/wide_text.h"

namespace search {

PopupDataListView::PopupDataListView(TRxDBLookupCombo& combo, ui::FormWindow& form)
    : ControlView(combo.List(), form), combo_(combo), list_(combo.List()) {
  list_.visible = false;  // shown only by ShowAt
}

void PopupDataListView::CreateWindowIn(HWND parent, bool) {
  // A plain one-pixel border, no 3-D edge; CS_SAVEBITS keeps the pixels
  // under it, so closing the list repaints nothing beneath.
  CreateControlWindow(parent, true, L"TRxPopupDataList", WS_EX_TOOLWINDOW, WS_BORDER, L"", nullptr,
                      CS_SAVEBITS);
}

void PopupDataListView::ShowAt(const base::Rect& screen_rect, HWND owner, const ui::DpiScale& scale) {
  if (!Handle()) Create(nullptr);
  scale_ = scale;
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner ? owner : Form().Handle()));
  UpdateScrollBar();
  SetWindowPos(Handle(), HWND_TOP, screen_rect.left, screen_rect.top, screen_rect.Width(),
               screen_rect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  AnnounceRow();
}

void PopupDataListView::HideWindow() {
  if (!Handle()) return;
  ShowWindow(Handle(), SW_HIDE);
  // A reader holding the closed list's object gets errors from now on.
  DisconnectAccessible();
  announced_row_ = -1;
  // Another top-level window the picker was in may go; the list stays with the form.
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Form().Handle()));
}

void PopupDataListView::Refresh() {
  if (!Handle()) return;
  UpdateScrollBar();
  InvalidateRect(Handle(), nullptr, FALSE);
  AnnounceRow();
}

void PopupDataListView::UpdateScrollBar() {
  const bool show = list_.ScrollBarVisible();
  const bool shown = (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
  if (show != shown) ShowScrollBar(Handle(), SB_VERT, show);
  if (!show) return;
  SCROLLINFO now{};
  now.cbSize = sizeof now;
  now.fMask = SIF_RANGE | SIF_POS;
  const int position = list_.ScrollBarPosition();
  if (GetScrollInfo(Handle(), SB_VERT, &now) && now.nMin == 0 && now.nMax == TRxDBLookupList::kScrollMax &&
      now.nPos == position) {
    return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  info.nMin = 0;
  info.nMax = TRxDBLookupList::kScrollMax;
  info.nPos = position;
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void PopupDataListView::SetAutoScroll(int32_t interval_ms) {
  timer_interval_ = interval_ms;
  if (interval_ms < 0 || !Handle()) {
    timer_.Stop();
    return;
  }
  timer_.Start(Handle(), kAutoScrollTimer, static_cast<UINT>(interval_ms));
}

bool PopupDataListView::OnTimer(UINT_PTR id) {
  if (id != kAutoScrollTimer) return false;
  list_.AutoScrollTick();
  return true;
}

void PopupDataListView::OnCaptureChanged(HWND new_capture) {
  // The capture went elsewhere while the button is still held (another
  // window took it): the drag is over. A release lets the button up first,
  // and the core ends the drag itself then.
  if (new_capture == Handle() || !list_.Tracking()) return;
  if (GetKeyState(VK_LBUTTON) < 0) list_.CancelTracking();
}

void PopupDataListView::OnCancelMode() {
  combo_.CancelMode();
}

std::string PopupDataListView::ShownText() const {
  return ListWindowText(list_);
}

LRESULT PopupDataListView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == LB_GETCURSEL) return static_cast<LRESULT>(ListCurrentSelection(list_));
  return ControlView::OnOtherMessage(message, wparam, lparam);
}

bool PopupDataListView::OnScroll(int bar, WORD code, WORD thumb) {
  if (bar != SB_VERT) return false;
  LookupScroll command = LookupScroll::kThumb;
  switch (code) {
    case SB_LINEUP:
      command = LookupScroll::kLineUp;
      break;
    case SB_LINEDOWN:
      command = LookupScroll::kLineDown;
      break;
    case SB_PAGEUP:
      command = LookupScroll::kPageUp;
      break;
    case SB_PAGEDOWN:
      command = LookupScroll::kPageDown;
      break;
    case SB_TOP:
      command = LookupScroll::kTop;
      break;
    case SB_BOTTOM:
      command = LookupScroll::kBottom;
      break;
    case SB_THUMBPOSITION:
      break;
    default:
      return true;  // thumb tracking and the end of a scroll move nothing
  }
  list_.Scroll(command, thumb);
  return true;
}

void PopupDataListView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  ui::SelectedObject font(dc, FontHandle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int row_height = list_.RowHeight();
  const int highlighted = list_.HighlightedRow();
  const int focus = list_.FocusRow();
  const std::vector<std::string> texts = list_.RowTexts();
  const ui::DrawColors colors = SchemeColors();
  const ui::DrawColors selection =
      SchemeColors(ui::clHighlight, ui::clHighlightText, ui::SchemePair::kHighlight);
  const COLORREF back = colors.back, fore = colors.text;
  const COLORREF highlight = selection.back, highlight_text = selection.text;
  int top = 0;
  for (int row = 0; row < list_.RowCount() && top < client.bottom; ++row, top += row_height) {
    const RECT area{0, top, client.right, top + row_height};
    const bool selected = row == highlighted;
    const std::string_view text =
        static_cast<size_t>(row) < texts.size() ? std::string_view(texts[static_cast<size_t>(row)]) : "";
    DrawRow(dc, area, text, selected ? highlight : back, selected ? highlight_text : fore,
            static_cast<int>(metrics.tmHeight));
    if (row == focus) DrawFocusRect(dc, &area);
  }
  if (top < client.bottom) {
    const RECT rest{0, top, client.right, client.bottom};
    FillRect(dc, &rest, Brush(static_cast<ui::TColor>(back)));
  }
}

void PopupDataListView::DrawRow(HDC dc, const RECT& row, std::string_view text, COLORREF back, COLORREF fore,
                                int text_height) {
  SetBkColor(dc, back);
  SetTextColor(dc, fore);
  SetBkMode(dc, OPAQUE);
  const int y = static_cast<int>(row.top) + (static_cast<int>(row.bottom - row.top) - text_height) / 2;
  const int indent = scale_.Length(2);
  const auto draw = [&](const RECT& cell, std::string_view part) {
    const std::wstring wide = ui::Wide(part);
    ExtTextOutW(dc, static_cast<int>(cell.left) + indent, y, ETO_OPAQUE | ETO_CLIPPED, &cell, wide.c_str(),
                static_cast<UINT>(wide.size()), nullptr);
  };
  const std::vector<data::TField*>& fields = list_.DisplayFields();
  if (list_.list_style != TLookupListStyle::lsFixed || fields.size() < 2) {
    draw(row, text);
    return;
  }
  // Fixed columns: the row's text holds the fields separated by tabs.
  SIZE m{};
  GetTextExtentPoint32W(dc, L"M", 1, &m);
  const ui::TColor line_color = list_.EffectiveColor() == ui::clBtnFace ? ui::clBtnShadow : ui::clBtnFace;
  std::string_view rest = text;
  LONG left = row.left;
  for (size_t i = 0; i < fields.size(); ++i) {
    const size_t tab = rest.find('\t');
    const std::string_view part = rest.substr(0, tab);
    rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    RECT cell{std::min(left, row.right), row.top, row.right, row.bottom};
    const bool last = i + 1 == fields.size();
    if (!last) {
      const int32_t chars =
          std::clamp(fields[i]->DisplayWidth > 0 ? fields[i]->DisplayWidth : fields[i]->Size(), 0, 4096);
      const int64_t column = FixedColumnWidth(chars, static_cast<int32_t>(m.cx), scale_);
      cell.right = static_cast<LONG>(std::min<int64_t>(row.right, cell.left + column));
    }
    draw(cell, part);
    if (last) break;
    const RECT line{cell.right, row.top, std::min<LONG>(row.right, cell.right + scale_.Length(1)),
                    row.bottom};
    FillRect(dc, &line, Brush(line_color));
    left = line.right;
  }
}

void PopupDataListView::AnnounceRow() {
  const int32_t row = combo_.ListVisible() ? list_.HighlightedRow() : -1;
  if (row == announced_row_) return;
  announced_row_ = row;
  if (row < 0) return;
  NotifyAccessible(EVENT_OBJECT_FOCUS, row + 1);
  NotifyAccessible(EVENT_OBJECT_SELECTION, row + 1);
}

std::unique_ptr<ui::AccessibleDescription> PopupDataListView::MakeAccessible() {
  return std::make_unique<NameListAccessible>(combo_);
}

}  // namespace search
