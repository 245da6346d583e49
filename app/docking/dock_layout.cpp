#include "app/docking/dock_layout.h"

#include <algorithm>
#include <cassert>
#include <map>

namespace app {

namespace {

int StoredDragHandleWidth(TTBDragHandleStyle style, bool close_button_when_docked) {
  if (close_button_when_docked) return 14;
  switch (style) {
    case TTBDragHandleStyle::dhDouble:
      return 9;
    case TTBDragHandleStyle::dhNone:
      return 0;
    case TTBDragHandleStyle::dhSingle:
      return 6;
  }
  return 6;
}

int StoredGripOffset(TTBDragHandleStyle style, bool close_button_when_docked) {
  switch (style) {
    case TTBDragHandleStyle::dhDouble:
      return close_button_when_docked ? 3 : 2;
    case TTBDragHandleStyle::dhNone:
      return -1;
    case TTBDragHandleStyle::dhSingle:
      return close_button_when_docked ? 5 : 1;
  }
  return -1;
}

}  // namespace

int DockedBorder(const ui::DpiScale& scale) {
  return scale.Length(kDockedBorder);
}

int GripWidth(const ui::DpiScale& scale) {
  return scale.Length(kGripWidth);
}

int DragHandleWidth(TTBDragHandleStyle style, bool close_button_when_docked, const ui::DpiScale& scale) {
  return scale.Length(StoredDragHandleWidth(style, close_button_when_docked));
}

int GripOffset(TTBDragHandleStyle style, bool close_button_when_docked, const ui::DpiScale& scale) {
  const int stored = StoredGripOffset(style, close_button_when_docked);
  return stored < 0 ? stored : scale.Length(stored);
}

Size DockedOuterSize(Size client, TTBDockPosition side, int handle, const ui::DpiScale& scale) {
  const int frame = 2 * DockedBorder(scale);
  if (IsHorizontal(side)) return Size{client.width + frame + handle, client.height + frame};
  return Size{client.width + frame, client.height + frame + handle};
}

Rect DockedClientRect(const Rect& outer, TTBDockPosition side, int handle, const ui::DpiScale& scale) {
  const Rect inner = outer.Grown(-DockedBorder(scale));
  if (IsHorizontal(side)) return Rect{inner.left + handle, inner.top, inner.right, inner.bottom};
  return Rect{inner.left, inner.top + handle, inner.right, inner.bottom};
}

Rect DockedHandleRect(const Rect& outer, TTBDockPosition side, int handle, const ui::DpiScale& scale) {
  const Rect inner = outer.Grown(-DockedBorder(scale));
  if (IsHorizontal(side)) return Rect{inner.left, inner.top, inner.left + handle, inner.bottom};
  return Rect{inner.left, inner.top, inner.right, inner.top + handle};
}

namespace {

// Sizes of one window measured along the dock and across it.
struct Extent {
  int along = 0;
  int across = 0;
};

Extent DockedExtent(const DockItem& item, TTBDockPosition side, int length, const ui::DpiScale& scale) {
  const Size outer = DockedOuterSize(item.client, side, item.handle, scale);
  Extent e = IsHorizontal(side) ? Extent{outer.width, outer.height} : Extent{outer.height, outer.width};
  if (item.full_size) e.along = length;
  return e;
}

// Leading edges along a row of `length` for windows of the given along-sizes
// that want to start at `wanted` (already in row order, -1 resolved).
std::vector<int> PackRow(const std::vector<int>& wanted, const std::vector<int>& sizes, int length) {
  const std::size_t n = wanted.size();
  std::vector<int> lead(n);
  int end = 0;
  for (std::size_t i = 0; i < n; ++i) {  // no overlap with the window before
    lead[i] = std::max(wanted[i], end);
    end = lead[i] + sizes[i];
  }
  int limit = length;
  for (std::size_t i = n; i-- > 0;) {  // back inside the row's end
    lead[i] = std::min(lead[i], limit - sizes[i]);
    limit = lead[i];
  }
  end = 0;
  for (std::size_t i = 0; i < n; ++i) {  // a row too short overflows at its end
    lead[i] = std::max(lead[i], end);
    end = lead[i] + sizes[i];
  }
  return lead;
}

}  // namespace

DockLayout LayoutDock(TTBDockPosition side, int length, bool fix_align, std::span<const DockItem> items,
                      const ui::DpiScale& scale) {
  DockLayout layout;
  layout.windows.assign(items.size(), Rect{});

  std::map<int, std::vector<std::size_t>> by_row;  // DockRow value -> visible items in item order
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].visible) by_row[items[i].row].push_back(i);

  const bool horizontal = IsHorizontal(side);
  int across_start = 0;
  // Places the windows of one row band at their leading edges.
  const auto place_band = [&](int row, const std::vector<std::size_t>& members, const std::vector<int>& leads,
                              bool full) {
    int thickness = 0;
    for (std::size_t k = 0; k < members.size(); ++k) {
      const Extent e = DockedExtent(items[members[k]], side, length, scale);
      thickness = std::max(thickness, e.across);
      layout.windows[members[k]] =
          horizontal ? Rect{leads[k], across_start, leads[k] + e.along, across_start + e.across}
                     : Rect{across_start, leads[k], across_start + e.across, leads[k] + e.along};
    }
    layout.rows.push_back(DockRowBand{row, across_start, across_start + thickness, full});
    across_start += thickness;
  };

  for (const auto& [row, members] : by_row) {
    std::vector<std::size_t> normal;
    for (const std::size_t i : members) {
      if (items[i].full_size) {
        place_band(row, {i}, {0}, true);
      } else {
        normal.push_back(i);
      }
    }
    if (normal.empty()) continue;
    // DockPos order; -1 goes after every explicit place, in item order.
    std::stable_sort(normal.begin(), normal.end(), [&](std::size_t a, std::size_t b) {
      const bool a_end = items[a].pos < 0, b_end = items[b].pos < 0;
      if (a_end != b_end) return b_end;
      return !a_end && items[a].pos < items[b].pos;
    });
    std::vector<int> wanted, sizes;
    for (const std::size_t i : normal) {
      wanted.push_back(std::max(items[i].pos, 0));
      sizes.push_back(DockedExtent(items[i], side, length, scale).along);
    }
    place_band(row, normal, PackRow(wanted, sizes, length), false);
  }

  layout.thickness = layout.rows.empty() ? (fix_align ? scale.Length(1) : 0) : across_start;
  return layout;
}

std::vector<DockRowBand> RowsOnScreen(const DockLayout& layout, TTBDockPosition side, int across) {
  std::vector<DockRowBand> rows = layout.rows;
  if (side == TTBDockPosition::dpTop || side == TTBDockPosition::dpLeft) return rows;
  const int shift = across - layout.thickness;
  for (DockRowBand& band : rows) {
    band.start += shift;
    band.end += shift;
  }
  return rows;
}

void PlaceInDock(std::span<DockItem> items, std::size_t index, const DockPlacement& placement) {
  assert(index < items.size());
  if (placement.new_row) {
    for (std::size_t i = 0; i < items.size(); ++i)
      if (i != index && items[i].row >= placement.row) ++items[i].row;
  }
  items[index].row = placement.row;
  items[index].pos = placement.pos;
}

void NumberRowsFromZero(std::span<DockItem> items) {
  std::map<int, int> numbers;  // old value -> new, in ascending order
  for (const DockItem& item : items) numbers.emplace(item.row, 0);
  int next = 0;
  for (auto& [old_value, number] : numbers) number = next++;
  for (DockItem& item : items) item.row = numbers[item.row];
}

}  // namespace app
