#include "ui/label_view.h"

#include "ui/wide_text.h"

namespace ui {

void LabelView::Create(ControlView& parent) {
  if (label_.auto_size) FitToText();
  CreateControlWindow(parent, L"TLabel", 0, 0, Wide(label_.caption));
}

void LabelView::FitToText() {
  // An empty caption still takes one line's height.
  const std::wstring text = label_.caption.empty() ? std::wstring(L" ") : Wide(label_.caption);
  HDC dc = GetDC(nullptr);
  const HGDIOBJ old_font = SelectObject(dc, FontHandle());
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dc, old_font);
  ReleaseDC(nullptr, dc);
  // A right-aligned label keeps its right edge, any other its left edge.
  if (label_.alignment == TAlignment::taRightJustify) label_.left += label_.width - extent.right;
  label_.width = extent.right;
  label_.height = extent.bottom;
}

TColor LabelView::BackgroundColor() const {
  if ((label_.transparent || label_.parent_color) && ParentView()) return ParentView()->BackgroundColor();
  return label_.color;
}

void LabelView::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  const HGDIOBJ old_font = SelectObject(dc, FontHandle());
  SetTextColor(dc, ColorRef(label_.EffectiveFont().color));
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_EXPANDTABS;
  switch (label_.alignment) {
    case TAlignment::taLeftJustify:
      format |= DT_LEFT;
      break;
    case TAlignment::taRightJustify:
      format |= DT_RIGHT;
      break;
    case TAlignment::taCenter:
      format |= DT_CENTER;
      break;
  }
  const std::wstring text = Wide(label_.caption);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  SelectObject(dc, old_font);
  EndPaint(Handle(), &paint);
}

LRESULT LabelView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      FillBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return ControlView::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace ui
