#include "app/docking/tool_window_view.h"

namespace app {

Size ToolWindowView::ContentSize(TTBDockPosition) const {
  return Size{window_.client_area_width, window_.client_area_height};
}

DockItem ToolWindowView::DockItemFor(TTBDockPosition side) const {
  DockItem item = DockableView::DockItemFor(side);
  item.full_size = window_.full_size;
  return item;
}

}  // namespace app
