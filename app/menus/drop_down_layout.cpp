#include "app/menus/drop_down_layout.h"

#include <algorithm>

#include "app/skin/glyph_scale.h"

namespace app {

int DropDownLayout::ItemAt(Point at) const {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].separator && rows[i].row.Contains(at)) return static_cast<int>(i);
  }
  return -1;
}

int DropDownLayout::RowAt(Point at) const {
  if (rows.empty() || !Rect::At(Point{}, size).Contains(at)) return -1;
  // The frame above the first row and below the last belongs to them.
  const int y = std::clamp(at.y, rows.front().row.top, rows.back().row.bottom - 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (y >= rows[i].row.top && y < rows[i].row.bottom) return static_cast<int>(i);
  }
  return -1;
}

namespace {

// The start of a span of `length` placed at `start` and moved into
// [low, high); `low` wins when it is too long for it.
int KeptInside(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

Rect PlaceDropDown(const Rect& button, Size size, const Rect& work, bool horizontal_bar) {
  if (horizontal_bar) {
    int top = button.bottom;
    if (top + size.height > work.bottom && button.top - size.height >= work.top)
      top = button.top - size.height;
    return Rect::At(Point{KeptInside(button.left, size.width, work.left, work.right), top}, size);
  }
  int left = button.right;
  if (left + size.width > work.right && button.left - size.width >= work.left)
    left = button.left - size.width;
  return Rect::At(Point{left, KeptInside(button.top, size.height, work.top, work.bottom)}, size);
}

DropDownLayout LayOutDropDown(std::span<const DropDownRow> rows, int text_height, const ui::DpiScale& scale) {
  const int item_height = TextItemSize(0, text_height, scale).height;
  const int image_width = item_height + scale.Length(2);
  const int text_gap = scale.Length(kTextGap), end_margin = scale.Length(kTextEndMargin);
  int widest_text = 0;
  for (const DropDownRow& row : rows) {
    if (!row.separator) widest_text = std::max(widest_text, row.text_width);
  }
  const int row_width = image_width + text_gap + widest_text + end_margin;

  DropDownLayout layout;
  layout.frames = DropDownFrames{scale.Length(kDropDownFrame), scale.Length(1)};
  layout.rows.reserve(rows.size());
  const int frame = layout.frames.window;
  const int left = frame, right = left + row_width;
  const int separator_height = scale.Length(kSeparatorHeight), line = scale.Length(1);
  const int row_inset = scale.Length(1), check_inset_x = scale.Length(2), check_inset_y = scale.Length(1);
  int top = frame;
  for (const DropDownRow& row : rows) {
    DropDownRowPlace place;
    place.separator = row.separator;
    const int height = row.separator ? separator_height : item_height;
    place.row = Rect{left, top, right, top + height};
    place.image = Rect{left, top, left + image_width, top + height};
    const int text_left = place.image.right + text_gap;
    if (row.separator) {
      const int middle = top + (height - line + 1) / 2;
      place.line = Rect{text_left, middle, right - scale.Length(kSeparatorInset), middle + line};
    } else {
      place.highlight = place.row.Grown(-row_inset, 0, -row_inset, 0);
      place.check = place.image.Grown(-check_inset_x, -check_inset_y, -check_inset_x, -check_inset_y);
      place.text = Rect{text_left, top, right - end_margin, top + height};
    }
    layout.rows.push_back(place);
    top += height;
  }
  layout.size = Size{row_width + 2 * frame, top + frame};
  return layout;
}

std::vector<Rect> CheckMarkStrokes(const Rect& square, const ui::DpiScale& scale) {
  // Where each column's stroke starts below the mark's top.
  constexpr int kTops[] = {2, 3, 4, 3, 2, 1, 0};
  constexpr int kSize = 7, kStroke = 3;
  const int k = GlyphFactor(scale);
  const int left = square.left + (square.Width() - kSize * k) / 2;
  const int top = square.top + (square.Height() - kSize * k) / 2;
  std::vector<Rect> strokes;
  for (int column = 0; column < kSize; ++column) {
    const int x = left + column * k, y = top + kTops[column] * k;
    strokes.push_back(Rect{x, y, x + k, y + kStroke * k});
  }
  return strokes;
}

std::string DropDownText(std::span<TTBItem* const> items) {
  std::string text;
  bool first = true;
  for (const TTBItem* item : items) {
    if (!item) continue;
    if (!first) text += '\t';
    first = false;
    text += item->caption;
    if (item->checked) text += " [x]";
  }
  return text;
}

}  // namespace app
