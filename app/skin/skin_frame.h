// Frames drawn in the skin's looks at any density (Windows only): the system's
// FrameRect draws one pixel, while a frame of a skinned window is as wide as
// its pixel count scaled to the window's density.
#pragma once

#include <windows.h>

namespace app {

// Paints a frame `width` pixels wide (1 at least) just inside `area` in
// `brush`; a frame wider than half the area fills it.
void FrameArea(HDC dc, const RECT& area, HBRUSH brush, int width);

}  // namespace app
