#include "ui/panel_view.h"

#include "ui/wide_text.h"

namespace ui {

namespace {

// Draws one bevel ring inside `area` and shrinks it by that ring.
void DrawBevel(HDC dc, RECT& area, TBevelCut cut) {
  if (cut == TBevelCut::bvNone) return;
  if (cut == TBevelCut::bvRaised) DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  if (cut == TBevelCut::bvLowered) DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
  InflateRect(&area, -1, -1);
}

}  // namespace

void PanelView::Create(ControlView& parent) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex_style = 0;
  if (panel_.border_style == TBorderStyle::bsSingle) {
    if (panel_.ctl3d) {
      ex_style |= WS_EX_CLIENTEDGE;
    } else {
      style |= WS_BORDER;
    }
  }
  CreateControlWindow(parent, L"TPanel", ex_style, style, Wide(panel_.caption));
}

void PanelView::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT area;
  GetClientRect(Handle(), &area);
  DrawBevel(dc, area, panel_.bevel_outer);
  DrawBevel(dc, area, panel_.bevel_inner);
  if (!panel_.caption.empty()) {
    const HGDIOBJ old_font = SelectObject(dc, FontHandle());
    SetTextColor(dc, ColorRef(panel_.EffectiveFont().color));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = Wide(panel_.caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old_font);
  }
  EndPaint(Handle(), &paint);
}

LRESULT PanelView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
