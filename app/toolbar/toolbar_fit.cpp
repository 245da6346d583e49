#include "app/toolbar/toolbar_fit.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace app {

ItemSize TextItemSize(int text_width, int text_height) {
  return {text_width + kTextItemMarginWidth, text_height + kTextItemMarginHeight};
}

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
  layout.content = horizontal ? Size{length, thickness} : Size{thickness, length};
  return layout;
}

}  // namespace app
