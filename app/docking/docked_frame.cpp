#include "app/docking/docked_frame.h"

#include <algorithm>

namespace app {

DockedFrameShape ShapeDockedFrame(Size outer, TTBDockPosition side, TTBDragHandleStyle style,
                                  bool close_button_when_docked, const ui::DpiScale& scale) {
  DockedFrameShape shape;
  const int border = DockedBorder(scale);
  shape.outer_ring = std::min(border, scale.Length(1));
  shape.inner_ring = border - shape.outer_ring;
  const int o = shape.outer_ring, in = shape.inner_ring, w = outer.width, h = outer.height;
  if (in > 0) {
    shape.corners = {Rect{o, o, o + in, o + in}, Rect{w - o - in, o, w - o, o + in},
                     Rect{o, h - o - in, o + in, h - o}, Rect{w - o - in, h - o - in, w - o, h - o}};
  }
  const int handle = DragHandleWidth(style, close_button_when_docked, scale);
  const bool horizontal = IsHorizontal(side);
  shape.handle = DockedHandleRect(Rect::At(base::Point{}, outer), side, handle, scale);
  const int offset = GripOffset(style, close_button_when_docked, scale);
  if (offset < 0) return shape;
  const int grip = GripWidth(scale), grips = style == TTBDragHandleStyle::dhDouble ? 2 : 1;
  const int dash = scale.Length(1), step = scale.Length(2), end_gap = scale.Length(2);
  // Along the strip: from its start to its end, less the gaps at both ends.
  const int along_end = (horizontal ? h : w) - border - end_gap;
  for (int at = border + end_gap; at + dash <= along_end; at += step) {
    for (int g = 0; g < grips; ++g) {
      const int across = border + offset + g * grip;
      shape.grip.push_back(horizontal ? Rect{across, at, across + grip, at + dash}
                                      : Rect{at, across, at + dash, across + grip});
    }
  }
  return shape;
}

}  // namespace app
