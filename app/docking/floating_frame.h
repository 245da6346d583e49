// FloatingFrame: the geometry of the small window that carries a toolbar or
// a tool window while it floats, from the system's metrics given as numbers.
// All rectangles are in window coordinates: (0, 0) is the window's top-left
// corner and `outer` its whole size.
//
// The frame is the sizing frame (fw x fh) for a resizable window and the
// fixed frame otherwise; ch is the small-caption height. Around the client
// area lie, at the left and right fw, at the top fh - 1 of frame and a
// caption bar ch - 1 high (fh + ch - 2 in all), at the bottom fh - 1:
//
//   y = 0             +--------------------------------+
//                     |          frame, fh - 1         |
//   y = fh - 1        |fw +-----------------------+--+ |
//                     |   | caption text          |X | |  caption bar ch - 1 high,
//   y = fh + ch - 2   |   +-----------------------+--+ |  close square at its end
//                     |   |      client area         | |
//   y = H - (fh - 1)  |   +--------------------------+ |
//                     |          frame, fh - 1         |
//                     +--------------------------------+
//
// Sizing zones (resizable windows only) lie along the four borders, as thick
// as the frame: fw at the left, fh at the top, one pixel more at the right
// and the bottom. A tool window has eight zones: on each border the stretch
// within ch + fw - 1 pixels of a corner sizes diagonally from that corner. A
// toolbar has only the four edge zones; where two meet in a corner, the left
// or right one wins (its width is what re-flows the items).
//
// At another density than the stored one the metrics are the system's for
// that density and the formulas above run on them unchanged; the frame's
// own pixel counts are scaled from their stored values: the two rings drawn
// around it, the caption text's 2 pixels, the close button's highlight
// margins. The close glyph is enlarged by a whole factor (the density's
// ratio to the stored one, rounded, no larger than the square holds), so
// each of its pixels becomes a square block and nothing blurs.
#pragma once

#include <cstdint>

#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

using base::Point;
using base::Rect;
using base::Size;

// The system metrics the frame is made of.
struct FrameMetrics {
  Size sizing_frame;      // frame width and height of a resizable window
  Size fixed_frame;       // frame width and height of a window that is not
  int small_caption = 0;  // height of a small caption
  ui::DpiScale scale;     // the density the metrics are for
};

struct Insets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Insets&, const Insets&) = default;
};

// What lies under a point of the floating window.
enum class FloatingHit : std::uint8_t {
  kNowhere,  // outside the window
  kClient,
  kCaption,
  kCloseButton,
  kBorder,  // frame of a window that is not resizable
  kLeft,
  kRight,
  kTop,
  kBottom,
  kTopLeft,
  kTopRight,
  kBottomLeft,
  kBottomRight,
};

enum class FloatingContent : std::uint8_t { kToolbar, kToolWindow };

inline constexpr Size kCloseGlyphSize{8, 7};
// A floating tool window's client area is never smaller than this.
inline constexpr Size kToolWindowMinClient{32, 32};

class FloatingFrame {
 public:
  FloatingFrame(const FrameMetrics& metrics, FloatingContent content, bool resizable, bool close_button);

  // The frame's width and height in use (sizing or fixed).
  Size Frame() const { return frame_; }
  const ui::DpiScale& Scale() const { return scale_; }
  // The width of each of the two rings drawn around the window's edge.
  int RingWidth() const { return scale_.Length(1); }
  Insets NonClient() const;
  Size OuterSize(Size client) const;
  Rect ClientRect(Size outer) const;

  Rect CaptionBar(Size outer) const;
  // Where the caption text goes: from 2 pixels into the caption bar to the
  // close button (or the bar's end without one).
  Rect CaptionTextRect(Size outer) const;
  // The close button's square at the caption bar's right end, its side
  // ch - 1; empty when the window has no close button.
  Rect CloseButton(Size outer) const;
  // The area filled while the close button is under the pointer or pressed:
  // the square grown by 2 pixels, by 4 at its top.
  Rect CloseButtonHighlight(Size outer) const;
  // The 8 x 7 glyph enlarged by CloseGlyphFactor() and centred in the
  // square (an odd spare pixel goes right or below).
  Rect CloseGlyph(Size outer) const;
  // The whole factor the glyph is enlarged by: the density's ratio to the
  // stored one rounded (halves up), at most what the square holds, 1 at least.
  int CloseGlyphFactor() const;

  FloatingHit HitTest(Size outer, Point p) const;

  // The window rectangle after dragging sizing zone `zone` of `start` by
  // `delta`: the zone's edges move, the others stay, and the client area
  // keeps at least `min_client` by holding the moved edge back. Any other
  // hit, or a window that is not resizable, leaves `start` as it is.
  Rect Resize(const Rect& start, FloatingHit zone, Point delta, Size min_client) const;

 private:
  Size frame_;
  int caption_ = 0;
  ui::DpiScale scale_;
  FloatingContent content_;
  bool resizable_ = true;
  bool close_button_ = true;
};

}  // namespace app
