#include "app/skin/skin_frame.h"

#include <algorithm>

namespace app {

void FrameArea(HDC dc, const RECT& area, HBRUSH brush, int width) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  const int w = std::max(1, width);
  if (w == 1) {
    FrameRect(dc, &area, brush);
    return;
  }
  const LONG top_end = std::min(area.bottom, area.top + w), bottom_start = std::max(top_end, area.bottom - w);
  const RECT sides[] = {
      {area.left, area.top, area.right, top_end},
      {area.left, bottom_start, area.right, area.bottom},
      {area.left, top_end, std::min(area.right, area.left + w), bottom_start},
      {std::max(area.left, area.right - w), top_end, area.right, bottom_start},
  };
  for (const RECT& side : sides) {
    if (side.right > side.left && side.bottom > side.top) FillRect(dc, &side, brush);
  }
}

}  // namespace app
