#include "app/toolbar/dock_view.h"

#include <algorithm>

#include "app/toolbar/dockable_view.h"
#include "ui/form_window.h"

namespace app {

void DockView::CreateWindowIn(HWND parent, bool top_level) {
  CreateControlWindow(parent, top_level, L"TTBDock", 0, WS_CLIPCHILDREN, L"");
}

bool DockView::Horizontal() const {
  return dock_.position == TTBDockPosition::dpTop || dock_.position == TTBDockPosition::dpBottom;
}

void DockView::AlignChildren() {
  if (!Handle() || Form().Creating()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const bool horizontal = Horizontal();
  const int length = horizontal ? client.right : client.bottom;
  int thickness = 0, along = 0;
  for (ui::ControlView* child : Children()) {
    auto* docked = dynamic_cast<DockableView*>(child);
    if (!docked || !docked->Control().visible) continue;
    const SIZE size = docked->DockedSize(length);
    ui::TControl& c = docked->Control();
    c.left = horizontal ? along : 0;
    c.top = horizontal ? 0 : along;
    c.width = size.cx;
    c.height = size.cy;
    along += horizontal ? size.cx : size.cy;
    thickness = std::max(thickness, horizontal ? static_cast<int>(size.cy) : static_cast<int>(size.cx));
  }
  for (ui::ControlView* child : Children()) child->ApplyBounds();
  int& own = horizontal ? dock_.height : dock_.width;
  if (own != thickness) {
    // A bottom or right dock keeps its outer edge where it is, so it keeps
    // its place among the controls aligned to the same edge; the parent
    // then lays out again.
    if (dock_.position == TTBDockPosition::dpBottom) dock_.top += own - thickness;
    if (dock_.position == TTBDockPosition::dpRight) dock_.left += own - thickness;
    own = thickness;
    if (ParentView()) ParentView()->AlignChildren();
  }
}

}  // namespace app
