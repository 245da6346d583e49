#include "app/docking/dockable_view.h"

#include "app/docking/dock_drag.h"
#include "app/docking/docked_frame.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/skin/form_skin.h"
#include "ui/framework/form_window.h"
#include "ui/framework/wide_text.h"

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
  item.handle = DockedHandle();
  return item;
}

ui::DpiScale DockableView::DockScale() const {
  return Form().WindowScale();
}

int DockableView::DockedHandle() const {
  return DragHandleWidth(window_.drag_handle_style, window_.close_button_when_docked, DockScale());
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
  const DockedFrameShape shape = ShapeDockedFrame(Size{w, h}, DockSide(), window_.drag_handle_style,
                                                  window_.close_button_when_docked, DockScale());
  const ui::TColor toolbar = SkinColor(tcToolbar), face = SkinColor(tcFace);
  // Outer ring in the window's own colour, inner ring in the toolbar colour
  // with its corners in the face colour, which rounds the corners.
  const int o = shape.outer_ring, in = shape.inner_ring;
  Fill(0, 0, w, o, window_.color);
  Fill(0, h - o, w, h, window_.color);
  Fill(0, 0, o, h, window_.color);
  Fill(w - o, 0, w, h, window_.color);
  if (in > 0) {
    Fill(o, o, w - o, o + in, toolbar);
    Fill(o, h - o - in, w - o, h - o, toolbar);
    Fill(o, o, o + in, h - o, toolbar);
    Fill(w - o - in, o, w - o, h - o, toolbar);
  }
  for (const Rect& corner : shape.corners) Fill(corner.left, corner.top, corner.right, corner.bottom, face);
  // The drag-handle strip with its grip.
  const Rect& strip = shape.handle;
  Fill(strip.left, strip.top, strip.right, strip.bottom, toolbar);
  const ui::TColor grip = SkinColor(tcDragHandle);
  for (const Rect& dash : shape.grip) Fill(dash.left, dash.top, dash.right, dash.bottom, grip);
  return true;
}

bool DockableView::OnNcCalcSize(RECT& area) {
  // Floating, the frame window draws the frame: the content has none.
  if (!Docked()) return true;
  const Rect inner = DockedClientRect(Rect{area.left, area.top, area.right, area.bottom}, DockSide(),
                                      DockedHandle(), DockScale());
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
                                       DockSide(), DockedHandle(), DockScale());
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
