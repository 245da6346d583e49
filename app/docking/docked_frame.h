// DockedFrame: what the frame of a docked window is drawn as, worked out on
// sizes alone (the view fills the rectangles in the skin's colours). All
// rectangles are in window coordinates of a window `outer` large.
//
// The border (DockedBorder) is two rings: the outer one in the window's own
// colour, the inner one in tcToolbar with its four corner squares in tcFace,
// which rounds the corners. The drag-handle strip inside the border on the
// leading side is filled tcToolbar; its grip (two side by side for
// dhDouble, none for dhNone) is a column of dashes in tcDragHandle, as wide
// as the grip, one every 2 pixels along the strip from 2 pixels after its
// start to 2 before its end; in a left or right dock the pattern runs
// sideways.
//
// At the stored density the rings are 1 pixel each and the dashes 1 pixel
// long. At another the outer ring is 1 pixel scaled and the inner one the
// rest of the scaled border; the dashes' length, their spacing and the 2
// pixels at either end are each scaled from the stored value.
#pragma once

#include <vector>

#include "app/docking/dock_layout.h"

namespace app {

struct DockedFrameShape {
  int outer_ring = 1;  // width of the ring in the window's colour
  int inner_ring = 1;  // width of the ring in tcToolbar
  // The inner ring's corner squares, filled tcFace.
  std::vector<Rect> corners;
  Rect handle;             // the drag-handle strip, filled tcToolbar
  std::vector<Rect> grip;  // the grip's dashes, filled tcDragHandle
};

DockedFrameShape ShapeDockedFrame(Size outer, TTBDockPosition side, TTBDragHandleStyle style,
                                  bool close_button_when_docked, const ui::DpiScale& scale = {});

}  // namespace app
