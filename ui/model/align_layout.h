// Placing aligned controls inside their parent's client area.
//
// Controls aligned to an edge take the full length of the area left along
// that edge and keep their thickness: top ones stack downwards in the order
// of their tops, bottom ones upwards from the lowest, then left and right
// ones, and a client-aligned control fills what remains. Unaligned controls
// keep their place and size: they stay at their distance from the top-left
// corner whatever the parent's size. Hidden controls take no room.
#pragma once

#include <span>

#include "base/rect.h"
#include "ui/model/control.h"

namespace ui {

// One control as the aligning sees it: its place and size, how it is
// aligned and whether it shows.
struct AlignedBox {
  base::Rect bounds;
  TAlign align = TAlign::alNone;
  bool visible = true;
};

// Sets the bounds of the aligned boxes among `boxes` for a client area of
// `client_width` × `client_height` pixels, by the rules above; the order of
// `boxes` is the order of the children.
void AlignBoxes(std::span<AlignedBox> boxes, int client_width, int client_height);

// Sets left, top, width and height of the aligned controls among `children`
// for a client area of `client_width` × `client_height` pixels.
void AlignControls(std::span<TControl* const> children, int client_width, int client_height);

}  // namespace ui
