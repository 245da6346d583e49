#include "ui/controls/panel/panel_view.h"

#include "ui/framework/wide_text.h"

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

void PanelView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex_style = 0;
  if (panel_.border_style == TBorderStyle::bsSingle) {
    if (panel_.ctl3d) {
      ex_style |= WS_EX_CLIENTEDGE;
    } else {
      style |= WS_BORDER;
    }
  }
  CreateControlWindow(parent, top_level, L"TPanel", ex_style, style, Wide(panel_.caption));
}

void PanelView::OnPaint(HDC dc) {
  RECT area;
  GetClientRect(Handle(), &area);
  DrawBevel(dc, area, panel_.bevel_outer);
  DrawBevel(dc, area, panel_.bevel_inner);
  if (!panel_.caption.empty()) DrawCaption(dc, panel_.caption, area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace ui
