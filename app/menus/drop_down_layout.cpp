#include "app/menus/drop_down_layout.h"

#include <algorithm>

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

DropDownLayout LayOutDropDown(std::span<const DropDownRow> rows, int text_height) {
  const int item_height = TextItemSize(0, text_height).height;
  const int image_width = item_height + 2;
  int widest_text = 0;
  for (const DropDownRow& row : rows) {
    if (!row.separator) widest_text = std::max(widest_text, row.text_width);
  }
  const int row_width = image_width + kTextGap + widest_text + kTextEndMargin;

  DropDownLayout layout;
  layout.rows.reserve(rows.size());
  const int left = kDropDownFrame, right = left + row_width;
  int top = kDropDownFrame;
  for (const DropDownRow& row : rows) {
    DropDownRowPlace place;
    place.separator = row.separator;
    const int height = row.separator ? kSeparatorHeight : item_height;
    place.row = Rect{left, top, right, top + height};
    place.image = Rect{left, top, left + image_width, top + height};
    const int text_left = place.image.right + kTextGap;
    if (row.separator) {
      const int middle = top + height / 2;
      place.line = Rect{text_left, middle, right - kSeparatorInset, middle + 1};
    } else {
      place.highlight = place.row.Grown(-1, 0, -1, 0);
      place.check = place.image.Grown(-2, -1, -2, -1);
      place.text = Rect{text_left, top, right - kTextEndMargin, top + height};
    }
    layout.rows.push_back(place);
    top += height;
  }
  layout.size = Size{row_width + 2 * kDropDownFrame, top + kDropDownFrame};
  return layout;
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
