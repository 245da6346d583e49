#include "ui/controls/status_bar/status_bar_layout.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kTopStrip = 2;
constexpr int kPanelGap = 2;
constexpr int kTextInset = 3;

StatusBarPart MakePart(base::Rect frame, TStatusPanelBevel bevel, TAlignment alignment, std::string caption,
                       bool bevels) {
  StatusBarPart part{frame, frame, bevel, alignment, std::move(caption)};
  if (bevels && bevel != TStatusPanelBevel::pbNone) {
    part.text = base::Rect{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
  }
  part.text.left += kTextInset;
  return part;
}

}  // namespace

StatusBarLayout::StatusBarLayout(const TStatusBar& bar, const StatusBarMetrics& metrics, bool grip)
    : client_{0, 0, metrics.width, metrics.height}, grip_(grip) {
  const int top = std::min(kTopStrip, metrics.height);
  const std::size_t count = bar.panels.Count();
  if (bar.simple_panel || count == 0) {
    parts_.push_back(MakePart(base::Rect{0, top, metrics.width, metrics.height}, TStatusPanelBevel::pbLowered,
                              TAlignment::taLeftJustify, {}, metrics.bevels));
  } else {
    int left = 0;
    int right = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const TStatusPanel& panel = bar.panels[i];
      right += panel.width;
      const int end = i + 1 == count ? metrics.width : right;
      parts_.push_back(MakePart(base::Rect{left, top, end, metrics.height}, panel.bevel, panel.alignment,
                                panel.text, metrics.bevels));
      left = end + kPanelGap;
    }
  }
  grip_box_ = base::Rect{std::max(0, metrics.width - metrics.grip_width),
                         std::max(0, metrics.height - metrics.grip_height), metrics.width, metrics.height};
  grip_column_ = metrics.width - metrics.scroll_width;
}

bool StatusBarLayout::OnGrip(int x, int y) const {
  return grip_ && client_.Contains({x, y}) && x >= grip_column_;
}

int StatusBarLayout::PartAt(int x, int y) const {
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    if (parts_[i].frame.Contains({x, y})) return static_cast<int>(i);
  }
  return -1;
}

std::string StatusBarLayout::Text() const {
  std::string text;
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    if (i > 0) text += '\t';
    text += parts_[i].caption;
  }
  return text;
}

}  // namespace ui
