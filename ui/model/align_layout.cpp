#include "ui/model/align_layout.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

struct Area {
  int left, top, right, bottom;
  int Width() const { return std::max(0, right - left); }
  int Height() const { return std::max(0, bottom - top); }
};

// The visible boxes aligned to `align`, in the order they stack.
std::vector<AlignedBox*> Stack(std::span<AlignedBox> boxes, TAlign align) {
  std::vector<AlignedBox*> stack;
  for (AlignedBox& b : boxes) {
    if (b.visible && b.align == align) stack.push_back(&b);
  }
  // Nearest to their edge first; ties keep the order of the children.
  std::stable_sort(stack.begin(), stack.end(), [align](const AlignedBox* a, const AlignedBox* b) {
    switch (align) {
      case TAlign::alTop:
        return a->bounds.top < b->bounds.top;
      case TAlign::alBottom:
        return a->bounds.bottom > b->bounds.bottom;
      case TAlign::alLeft:
        return a->bounds.left < b->bounds.left;
      case TAlign::alRight:
        return a->bounds.right > b->bounds.right;
      default:
        return false;
    }
  });
  return stack;
}

}  // namespace

void AlignBoxes(std::span<AlignedBox> boxes, int client_width, int client_height) {
  Area area{0, 0, client_width, client_height};
  for (AlignedBox* b : Stack(boxes, TAlign::alTop)) {
    const int height = b->bounds.Height();
    b->bounds = base::Rect{area.left, area.top, area.left + area.Width(), area.top + height};
    area.top += height;
  }
  for (AlignedBox* b : Stack(boxes, TAlign::alBottom)) {
    const int height = b->bounds.Height();
    b->bounds = base::Rect{area.left, area.bottom - height, area.left + area.Width(), area.bottom};
    area.bottom -= height;
  }
  for (AlignedBox* b : Stack(boxes, TAlign::alLeft)) {
    const int width = b->bounds.Width();
    b->bounds = base::Rect{area.left, area.top, area.left + width, area.top + area.Height()};
    area.left += width;
  }
  for (AlignedBox* b : Stack(boxes, TAlign::alRight)) {
    const int width = b->bounds.Width();
    b->bounds = base::Rect{area.right - width, area.top, area.right, area.top + area.Height()};
    area.right -= width;
  }
  for (AlignedBox* b : Stack(boxes, TAlign::alClient)) {
    b->bounds = base::Rect{area.left, area.top, area.left + area.Width(), area.top + area.Height()};
  }
}

void AlignControls(std::span<TControl* const> children, int client_width, int client_height) {
  std::vector<AlignedBox> boxes;
  boxes.reserve(children.size());
  for (const TControl* c : children) {
    boxes.push_back(
        AlignedBox{base::Rect::At({c->left, c->top}, {c->width, c->height}), c->align, c->visible});
  }
  AlignBoxes(boxes, client_width, client_height);
  for (std::size_t i = 0; i < children.size(); ++i) {
    TControl* c = children[i];
    if (!c->visible || c->align == TAlign::alNone) continue;
    const base::Rect& r = boxes[i].bounds;
    c->left = r.left, c->top = r.top, c->width = r.Width(), c->height = r.Height();
  }
}

}  // namespace ui
