#include "app/toolbar/tool_window_view.h"

namespace app {

SIZE ToolWindowView::DockedSize(int full_length) const {
  const int frame_width = 2 * kBorder + kDragHandle, frame_height = 2 * kBorder;
  const int width = window_.full_size ? full_length : window_.client_area_width + frame_width;
  return SIZE{width, window_.client_area_height + frame_height};
}

}  // namespace app
