#include "app/docking/dock_view.h"

#include <vector>

#include "app/docking/dock_layout.h"
#include "app/docking/dockable_view.h"
#include "ui/framework/form_window.h"

namespace app {

void DockView::CreateWindowIn(HWND parent, bool top_level) {
  CreateControlWindow(parent, top_level, L"TTBDock", 0, WS_CLIPCHILDREN, L"");
}

void DockView::AlignChildren() {
  if (!Handle() || Form().Creating()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const bool horizontal = IsHorizontal(dock_.position);
  std::vector<DockableView*> docked;
  std::vector<DockItem> items;
  for (ui::ControlView* child : Children()) {
    auto* view = dynamic_cast<DockableView*>(child);
    if (!view) continue;
    docked.push_back(view);
    items.push_back(view->DockItemFor(dock_.position));
  }
  const DockLayout layout = LayoutDock(dock_.position, horizontal ? client.right : client.bottom,
                                       dock_.fix_align, items, WindowScale());
  for (std::size_t i = 0; i < docked.size(); ++i) {
    const Rect& place = layout.windows[i];
    if (!docked[i]->Control().visible) continue;
    docked[i]->Control().SetBounds(place.left, place.top, place.Width(), place.Height());
  }
  int& own = horizontal ? dock_.height : dock_.width;
  if (own != layout.thickness) {
    // A bottom or right dock keeps its outer edge where it is, so it keeps
    // its place among the controls aligned to the same edge; the parent
    // then lays out again.
    if (dock_.position == TTBDockPosition::dpBottom) dock_.top += own - layout.thickness;
    if (dock_.position == TTBDockPosition::dpRight) dock_.left += own - layout.thickness;
    own = layout.thickness;
    if (ParentView()) ParentView()->AlignChildren();
  }
}

}  // namespace app
