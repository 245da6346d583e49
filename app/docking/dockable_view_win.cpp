#include "app/docking/dockable_view.h"

#include "app/docking/dock_drag.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/skin/form_skin.h"
#include "ui/form_window.h"
#include "ui/wide_text.h"

namespace app {

void DockableView::CreateWindowIn(HWND parent, bool top_level) {
  const std::wstring class_name = ui::Wide(window_.ClassName());
  CreateControlWindow(parent, top_level, class_name.c_str(), 0, WS_CLIPCHILDREN, ui::Wide(window_.caption));
}

DockItem DockableView::DockItemFor(TTBDockPosition side) const {
  DockItem item;
  item.row = window_.dock_row;
  item.pos = window_.dock_pos;
  item.visible = window_.visible;
  item.client = ContentSize(side);
  item.handle = kDragHandle;
  return item;
}

TTBDockPosition DockableView::DockSide() const {
  const auto* dock = dynamic_cast<const TTBDock*>(window_.Parent());
  return dock ? dock->position : TTBDockPosition::dpTop;
}

ui::TColor DockableView::SkinColor(TTBColorIndex index) const {
  return SkinColorOf(Form().Model(), index);
}

bool DockableView::Docked() const {
  return dynamic_cast<const TTBDock*>(window_.Parent()) != nullptr;
}

bool DockableView::OnNcPaint() {
  if (!Docked()) return false;
  ui::WindowDC window_dc(Handle());
  const HDC dc = window_dc.Get();
  const auto Fill = [this, dc](int left, int top, int right, int bottom, ui::TColor color) {
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, Brush(color));
  };
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  const ui::TColor toolbar = SkinColor(tcToolbar), face = SkinColor(tcFace);
  // Outer ring in the window's own colour, inner ring in the toolbar colour
  // with its corner pixels in the face colour, which rounds the corners.
  Fill(0, 0, w, 1, window_.color);
  Fill(0, h - 1, w, h, window_.color);
  Fill(0, 0, 1, h, window_.color);
  Fill(w - 1, 0, w, h, window_.color);
  Fill(1, 1, w - 1, 2, toolbar);
  Fill(1, h - 2, w - 1, h - 1, toolbar);
  Fill(1, 1, 2, h - 1, toolbar);
  Fill(w - 2, 1, w - 1, h - 1, toolbar);
  for (const POINT corner : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}}) {
    Fill(corner.x, corner.y, corner.x + 1, corner.y + 1, face);
  }
  // The drag-handle strip with its grip: 3-pixel dashes every 2 pixels,
  // running across the strip's length (sideways in a left or right dock).
  const ui::TColor grip = SkinColor(tcDragHandle);
  const int border = kDockedBorder, grip_at = border + GripOffset(TTBDragHandleStyle::dhSingle, false);
  if (IsHorizontal(DockSide())) {
    Fill(border, border, border + kDragHandle, h - border, toolbar);
    for (int y = border + 2; y < h - border - 2; y += 2) Fill(grip_at, y, grip_at + kGripWidth, y + 1, grip);
  } else {
    Fill(border, border, w - border, border + kDragHandle, toolbar);
    for (int x = border + 2; x < w - border - 2; x += 2) Fill(x, grip_at, x + 1, grip_at + kGripWidth, grip);
  }
  return true;
}

bool DockableView::OnNcCalcSize(RECT& area) {
  // Floating, the frame window draws the frame: the content has none.
  if (!Docked()) return true;
  const Rect inner =
      DockedClientRect(Rect{area.left, area.top, area.right, area.bottom}, DockSide(), kDragHandle);
  area = RECT{inner.left, inner.top, std::max(inner.left, inner.right), std::max(inner.top, inner.bottom)};
  return true;
}

bool DockableView::OnNcHitTest(POINT screen, LRESULT& result) {
  if (!Docked()) return false;
  // The whole frame, drag handle included, is where a drag starts.
  RECT window{};
  GetWindowRect(Handle(), &window);
  if (!PtInRect(&window, screen)) return false;
  POINT client = screen;
  ScreenToClient(Handle(), &client);
  RECT inside{};
  GetClientRect(Handle(), &inside);
  result = PtInRect(&inside, client) ? HTCLIENT : HTCAPTION;
  return true;
}

bool DockableView::OnNcMouseDown(const ui::MouseInput& input, LRESULT hit, POINT screen) {
  if (!Docked() || hit != HTCAPTION) return false;
  if (input.button == ui::TMouseButton::mbLeft) RunDockDrag(*this, screen);
  return true;  // no system move of a child window
}

bool DockableView::OnNcDblClick(const ui::MouseInput&, LRESULT hit, POINT screen) {
  if (!Docked() || hit != HTCAPTION) return false;
  // Only the drag handle floats the window; the borders drag it but take no
  // double-click.
  RECT window{};
  GetWindowRect(Handle(), &window);
  const Rect handle = DockedHandleRect(Rect{0, 0, window.right - window.left, window.bottom - window.top},
                                       DockSide(), kDragHandle);
  if (handle.Contains(Point{screen.x - window.left, screen.y - window.top})) FloatWindow(*this);
  return true;
}

void DockableView::OnChanged(ui::ControlChange what) {
  // A floating window shows and hides with its frame.
  if (what == ui::ControlChange::kVisible && window_.Floating()) {
    if (TTBFloatingWindowParent* frame = FloatingFrameOf(window_)) frame->SetVisible(window_.visible);
  }
}

}  // namespace app
