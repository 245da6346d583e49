#include "ui/align_layout.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

struct Area {
  int left, top, right, bottom;
  int Width() const { return std::max(0, right - left); }
  int Height() const { return std::max(0, bottom - top); }
};

// The visible children aligned to `align`, in the order they stack.
std::vector<TControl*> Stack(std::span<TControl* const> children, TAlign align) {
  std::vector<TControl*> stack;
  for (TControl* c : children) {
    if (c->visible && c->align == align) stack.push_back(c);
  }
  // Nearest to their edge first; ties keep the order of the children.
  std::stable_sort(stack.begin(), stack.end(), [align](const TControl* a, const TControl* b) {
    switch (align) {
      case TAlign::alTop:
        return a->top < b->top;
      case TAlign::alBottom:
        return a->top + a->height > b->top + b->height;
      case TAlign::alLeft:
        return a->left < b->left;
      case TAlign::alRight:
        return a->left + a->width > b->left + b->width;
      default:
        return false;
    }
  });
  return stack;
}

}  // namespace

void AlignControls(std::span<TControl* const> children, int client_width, int client_height) {
  Area area{0, 0, client_width, client_height};
  for (TControl* c : Stack(children, TAlign::alTop)) {
    c->left = area.left, c->top = area.top, c->width = area.Width();
    area.top += c->height;
  }
  for (TControl* c : Stack(children, TAlign::alBottom)) {
    c->left = area.left, c->top = area.bottom - c->height, c->width = area.Width();
    area.bottom -= c->height;
  }
  for (TControl* c : Stack(children, TAlign::alLeft)) {
    c->left = area.left, c->top = area.top, c->height = area.Height();
    area.left += c->width;
  }
  for (TControl* c : Stack(children, TAlign::alRight)) {
    c->left = area.right - c->width, c->top = area.top, c->height = area.Height();
    area.right -= c->width;
  }
  for (TControl* c : Stack(children, TAlign::alClient)) {
    c->left = area.left, c->top = area.top, c->width = area.Width(), c->height = area.Height();
  }
}

}  // namespace ui
