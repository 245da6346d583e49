#include "app/toolbar/toolbar_fit.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace app {

namespace {

// How many items from the start fit into `room`.
int FittingRun(std::span<const int> lengths, std::int64_t room) {
  std::int64_t used = 0;
  int count = 0;
  for (const int length : lengths) {
    assert(length >= 0);
    used += length;
    if (used > room) break;
    ++count;
  }
  return count;
}

}  // namespace

ToolbarFit FitToolbar(std::span<const int> lengths, int available) {
  ToolbarFit fit;
  const int all = static_cast<int>(lengths.size());
  if (FittingRun(lengths, available) == all) {
    fit.shown = all;
    return fit;
  }
  fit.chevron = true;
  fit.chevron_offset = available > kChevronWidth ? available - kChevronWidth : 0;
  fit.shown = FittingRun(lengths, std::int64_t{available} - kChevronWidth);
  return fit;
}

ToolbarLayout LayOutToolbar(std::span<const ItemSize> sizes, bool horizontal, int available) {
  std::vector<int> lengths;
  lengths.reserve(sizes.size());
  int thickness = 0;
  for (const ItemSize& size : sizes) {
    lengths.push_back(horizontal ? size.width : size.height);
    thickness = std::max(thickness, horizontal ? size.height : size.width);
  }
  // A button from `start`, `length` long along the bar.
  const auto along = [horizontal, thickness](int start, int length) {
    return horizontal ? Rect{start, 0, start + length, thickness} : Rect{0, start, thickness, start + length};
  };
  ToolbarLayout layout;
  layout.fit = FitToolbar(lengths, available);
  int at = 0;
  for (int i = 0; i < layout.fit.shown; ++i) {
    layout.buttons.push_back(along(at, lengths[static_cast<std::size_t>(i)]));
    at += lengths[static_cast<std::size_t>(i)];
  }
  int length = at;
  if (layout.fit.chevron) {
    layout.chevron = along(layout.fit.chevron_offset, kChevronWidth);
    length = std::max(available, kChevronWidth);
  }
  layout.content = sizes.empty() ? kEmptyToolbarSize
                   : horizontal  ? Size{length, thickness}
                                 : Size{thickness, length};
  return layout;
}

ToolbarLayout FlowToolbar(std::span<const ItemSize> sizes, int width) {
  ToolbarLayout layout;
  layout.fit.shown = static_cast<int>(sizes.size());
  int row_height = 0;
  for (const ItemSize& size : sizes) row_height = std::max(row_height, size.height);
  int x = 0, y = 0, widest = 0;
  for (const ItemSize& size : sizes) {
    // A full row moves the item to the next one; an item alone stays.
    if (x > 0 && size.width > width - x) {
      x = 0;
      y += row_height;
    }
    layout.buttons.push_back(Rect{x, y, x + size.width, y + row_height});
    x += size.width;
    widest = std::max(widest, x);
  }
  layout.content = sizes.empty() ? kEmptyToolbarSize : Size{widest, y + row_height};
  return layout;
}

Size FloatingToolbarSize(std::span<const ItemSize> sizes, Size wanted, bool by_width) {
  if (by_width || sizes.empty()) return FlowToolbar(sizes, wanted.width).content;
  int row_height = 0, total = 0, widest = 0;
  for (const ItemSize& size : sizes) {
    row_height = std::max(row_height, size.height);
    total += size.width;
    widest = std::max(widest, size.width);
  }
  const int rows = row_height > 0 ? std::max(1, wanted.height / row_height) : 1;
  // Narrower flows have more rows: the first width from the widest item up
  // whose flow needs no more rows than that (all in one row at the latest).
  for (int width = widest; width < total; ++width) {
    const Size content = FlowToolbar(sizes, width).content;
    if (content.height <= rows * row_height) return content;
  }
  return FlowToolbar(sizes, total).content;
}

}  // namespace app
