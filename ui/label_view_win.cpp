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
  DrawCaption(dc, label_.caption, client, format);
  EndPaint(Handle(), &paint);
}

LRESULT LabelView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return ControlView::HandleMessage(message, wparam, lparam);
  Paint();
  return 0;
}

}  // namespace ui
