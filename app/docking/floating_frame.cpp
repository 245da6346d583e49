#include "app/docking/floating_frame.h"

#include <algorithm>

#include "app/skin/glyph_scale.h"

namespace app {

namespace {

constexpr int kCaptionTextIndent = 2;

// Half of `v`, rounded down (also for negative values).
int FloorHalf(int v) {
  return v >= 0 ? v / 2 : -((1 - v) / 2);
}

}  // namespace

FloatingFrame::FloatingFrame(const FrameMetrics& metrics, FloatingContent content, bool resizable,
                             bool close_button)
    : frame_(resizable ? metrics.sizing_frame : metrics.fixed_frame),
      caption_(metrics.small_caption),
      scale_(metrics.scale),
      content_(content),
      resizable_(resizable),
      close_button_(close_button) {}

Insets FloatingFrame::NonClient() const {
  return Insets{frame_.width, frame_.height + caption_ - 2, frame_.width, frame_.height - 1};
}

Size FloatingFrame::OuterSize(Size client) const {
  const Insets in = NonClient();
  return Size{client.width + in.left + in.right, client.height + in.top + in.bottom};
}

Rect FloatingFrame::ClientRect(Size outer) const {
  const Insets in = NonClient();
  return Rect{in.left, in.top, outer.width - in.right, outer.height - in.bottom};
}

Rect FloatingFrame::CaptionBar(Size outer) const {
  const int top = frame_.height - 1;
  return Rect{frame_.width, top, outer.width - frame_.width, top + caption_ - 1};
}

Rect FloatingFrame::CloseButton(Size outer) const {
  if (!close_button_) return Rect{};
  const Rect bar = CaptionBar(outer);
  const int side = caption_ - 1;
  return Rect{bar.right - side, bar.top, bar.right, bar.top + side};
}

Rect FloatingFrame::CloseButtonHighlight(Size outer) const {
  if (!close_button_) return Rect{};
  const int side = scale_.Length(2);
  return CloseButton(outer).Grown(side, scale_.Length(4), side, side);
}

Rect FloatingFrame::CloseGlyph(Size outer) const {
  if (!close_button_) return Rect{};
  const Rect square = CloseButton(outer);
  const int factor = CloseGlyphFactor();
  const Size glyph{kCloseGlyphSize.width * factor, kCloseGlyphSize.height * factor};
  const Point at{square.left + FloorHalf(square.Width() - glyph.width),
                 square.top + FloorHalf(square.Height() - glyph.height)};
  return Rect::At(at, glyph);
}

int FloatingFrame::CloseGlyphFactor() const {
  const int side = caption_ - 1;
  const int room = std::min(side / kCloseGlyphSize.width, side / kCloseGlyphSize.height);
  return std::max(1, std::min(GlyphFactor(scale_), room));
}

Rect FloatingFrame::CaptionTextRect(Size outer) const {
  const Rect bar = CaptionBar(outer);
  const int right = close_button_ ? CloseButton(outer).left : bar.right;
  const int indent = scale_.Length(kCaptionTextIndent);
  return Rect{bar.left + indent, bar.top, std::max(right, bar.left + indent), bar.bottom};
}

FloatingHit FloatingFrame::HitTest(Size outer, Point p) const {
  if (!Rect::At(Point{}, outer).Contains(p)) return FloatingHit::kNowhere;
  if (resizable_) {
    const bool left = p.x < frame_.width, right = p.x >= outer.width - frame_.width - 1;
    const bool top = p.y < frame_.height, bottom = p.y >= outer.height - frame_.height - 1;
    if (content_ == FloatingContent::kToolbar) {
      if (left) return FloatingHit::kLeft;
      if (right) return FloatingHit::kRight;
      if (top) return FloatingHit::kTop;
      if (bottom) return FloatingHit::kBottom;
    } else {
      // Within `corner` pixels of a corner a border sizes diagonally.
      const int corner = caption_ + frame_.width - 1;
      const bool near_left = p.x < corner, near_right = p.x >= outer.width - corner;
      const bool near_top = p.y < corner, near_bottom = p.y >= outer.height - corner;
      if (top || bottom) {
        if (near_left) return top ? FloatingHit::kTopLeft : FloatingHit::kBottomLeft;
        if (near_right) return top ? FloatingHit::kTopRight : FloatingHit::kBottomRight;
        return top ? FloatingHit::kTop : FloatingHit::kBottom;
      }
      if (left || right) {
        if (near_top) return left ? FloatingHit::kTopLeft : FloatingHit::kTopRight;
        if (near_bottom) return left ? FloatingHit::kBottomLeft : FloatingHit::kBottomRight;
        return left ? FloatingHit::kLeft : FloatingHit::kRight;
      }
    }
  }
  if (CloseButton(outer).Contains(p)) return FloatingHit::kCloseButton;
  if (CaptionBar(outer).Contains(p)) return FloatingHit::kCaption;
  if (ClientRect(outer).Contains(p)) return FloatingHit::kClient;
  return FloatingHit::kBorder;
}

Rect FloatingFrame::Resize(const Rect& start, FloatingHit zone, Point delta, Size min_client) const {
  if (!resizable_) return start;
  bool moves_left = false, moves_right = false, moves_top = false, moves_bottom = false;
  switch (zone) {
    case FloatingHit::kLeft:
      moves_left = true;
      break;
    case FloatingHit::kRight:
      moves_right = true;
      break;
    case FloatingHit::kTop:
      moves_top = true;
      break;
    case FloatingHit::kBottom:
      moves_bottom = true;
      break;
    case FloatingHit::kTopLeft:
      moves_top = moves_left = true;
      break;
    case FloatingHit::kTopRight:
      moves_top = moves_right = true;
      break;
    case FloatingHit::kBottomLeft:
      moves_bottom = moves_left = true;
      break;
    case FloatingHit::kBottomRight:
      moves_bottom = moves_right = true;
      break;
    default:
      return start;
  }
  const Size min_outer = OuterSize(min_client);
  Rect r = start;
  if (moves_left) r.left = std::min(start.left + delta.x, start.right - min_outer.width);
  if (moves_right) r.right = std::max(start.right + delta.x, start.left + min_outer.width);
  if (moves_top) r.top = std::min(start.top + delta.y, start.bottom - min_outer.height);
  if (moves_bottom) r.bottom = std::max(start.bottom + delta.y, start.top + min_outer.height);
  return r;
}

}  // namespace app
