// Rect, Point and Size: the plain integer geometry of the portable parts that
// place things in pixels (dock layout, drag tracking, floating frame, status
// bar layout, the name picker and its list). A Rect is
// half-open: it holds x in [left, right) and y in [top, bottom), the way
// window rectangles are given on the desktop.
#pragma once

#include <algorithm>

namespace base {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  // A rectangle of `size` with its top-left corner at `origin`.
  static Rect At(Point origin, Size size) {
    return Rect{origin.x, origin.y, origin.x + size.width, origin.y + size.height};
  }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Point TopLeft() const { return Point{left, top}; }
  Size Extent() const { return Size{Width(), Height()}; }
  // True when the rectangle holds no pixel.
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // True when the two rectangles share at least one pixel.
  bool Intersects(const Rect& other) const {
    return std::max(left, other.left) < std::min(right, other.right) &&
           std::max(top, other.top) < std::min(bottom, other.bottom);
  }
  // The rectangle grown by the given amounts on each side (negative shrinks).
  Rect Grown(int dl, int dt, int dr, int db) const {
    return Rect{left - dl, top - dt, right + dr, bottom + db};
  }
  Rect Grown(int d) const { return Grown(d, d, d, d); }
  Rect Moved(int dx, int dy) const { return Rect{left + dx, top + dy, right + dx, bottom + dy}; }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace base
