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

int ChevronWidth(const ui::DpiScale& scale) {
  return scale.Length(kChevronWidth);
}

Size EmptyToolbarSize(const ui::DpiScale& scale) {
  return scale.Scale(kEmptyToolbarSize);
}

ToolbarFit FitToolbar(std::span<const int> lengths, int available, const ui::DpiScale& scale) {
  ToolbarFit fit;
  const int all = static_cast<int>(lengths.size());
  if (FittingRun(lengths, available) == all) {
    fit.shown = all;
    return fit;
  }
  fit.chevron = true;
  const int chevron = ChevronWidth(scale);
  fit.chevron_offset = available > chevron ? available - chevron : 0;
  fit.shown = FittingRun(lengths, std::int64_t{available} - chevron);
  return fit;
}

ToolbarLayout LayOutToolbar(std::span<const ItemSize> sizes, bool horizontal, int available,
                            const ui::DpiScale& scale) {
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
  layout.fit = FitToolbar(lengths, available, scale);
  int at = 0;
  for (int i = 0; i < layout.fit.shown; ++i) {
    layout.buttons.push_back(along(at, lengths[static_cast<std::size_t>(i)]));
    at += lengths[static_cast<std::size_t>(i)];
  }
  int length = at;
  if (layout.fit.chevron) {
    const int chevron = ChevronWidth(scale);
    layout.chevron = along(layout.fit.chevron_offset, chevron);
    length = std::max(available, chevron);
  }
  layout.content = sizes.empty() ? EmptyToolbarSize(scale)
                   : horizontal  ? Size{length, thickness}
                                 : Size{thickness, length};
  return layout;
}

ToolbarLayout FlowToolbar(std::span<const ItemSize> sizes, int width, const ui::DpiScale& scale) {
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
  layout.content = sizes.empty() ? EmptyToolbarSize(scale) : Size{widest, y + row_height};
  return layout;
}

Size FloatingToolbarSize(std::span<const ItemSize> sizes, Size wanted, bool by_width,
                         const ui::DpiScale& scale) {
  if (by_width || sizes.empty()) return FlowToolbar(sizes, wanted.width, scale).content;
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
