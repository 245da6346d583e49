#include "app/toolbar/toolbar_fit.h"

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

}  // namespace app
