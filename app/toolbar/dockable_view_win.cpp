#include "app/toolbar/dockable_view.h"

#include "app/toolbar/tb_skin.h"
#include "ui/form_window.h"
#include "ui/wide_text.h"

namespace app {

namespace {

void Fill(HDC dc, int left, int top, int right, int bottom, ui::TColor color) {
  const RECT area{left, top, right, bottom};
  ui::GdiObject<HBRUSH> brush(CreateSolidBrush(ui::ColorRef(color)));
  FillRect(dc, &area, brush.Get());
}

}  // namespace

void DockableView::Create(ui::ControlView& parent) {
  const std::wstring class_name = ui::Wide(window_.ClassName());
  CreateControlWindow(parent, class_name.c_str(), 0, WS_CLIPCHILDREN, ui::Wide(window_.caption));
}

ui::TColor DockableView::SkinColor(std::string_view name) const {
  const TTBSkin* skin = FindSkin(Form().Model());
  return skin ? skin->colors.Get(name) : ui::clBtnFace;
}

void DockableView::PaintFrame() {
  HDC dc = GetWindowDC(Handle());
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  const ui::TColor toolbar = SkinColor("tcToolbar"), face = SkinColor("tcFace");
  // Outer ring in the window's own colour, inner ring in the toolbar colour
  // with its corner pixels in the face colour, which rounds the corners.
  Fill(dc, 0, 0, w, 1, window_.color);
  Fill(dc, 0, h - 1, w, h, window_.color);
  Fill(dc, 0, 0, 1, h, window_.color);
  Fill(dc, w - 1, 0, w, h, window_.color);
  Fill(dc, 1, 1, w - 1, 2, toolbar);
  Fill(dc, 1, h - 2, w - 1, h - 1, toolbar);
  Fill(dc, 1, 1, 2, h - 1, toolbar);
  Fill(dc, w - 2, 1, w - 1, h - 1, toolbar);
  for (const POINT corner : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}}) {
    Fill(dc, corner.x, corner.y, corner.x + 1, corner.y + 1, face);
  }
  // The drag-handle strip with its grip: 3-pixel dashes every 2 pixels.
  Fill(dc, kBorder, kBorder, kBorder + kDragHandle, h - kBorder, toolbar);
  const ui::TColor grip = SkinColor("tcDragHandle");
  for (int y = kBorder + 2; y < h - kBorder - 2; y += 2) Fill(dc, kBorder + 1, y, kBorder + 4, y + 1, grip);
  ReleaseDC(Handle(), dc);
}

LRESULT DockableView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCALCSIZE: {
      auto* area = reinterpret_cast<RECT*>(lparam);  // the first rectangle either way
      area->left += kBorder + kDragHandle;
      area->top += kBorder;
      area->right -= kBorder;
      area->bottom -= kBorder;
      return 0;
    }
    case WM_NCPAINT:
      PaintFrame();
      return 0;
    default:
      return ControlView::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace app
