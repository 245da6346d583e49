// The floating window's frame: non-client insets, caption bar, close button
// with its highlight and glyph, every sizing zone at its edges, and resizing
// held at the minimum client size.
#include <gtest/gtest.h>

#include "app/docking/floating_frame.h"
#include "tests/common/main_window_layout.h"

namespace {

using app::FloatingContent;
using app::FloatingFrame;
using app::FloatingHit;
using app::Rect;
using app::Size;

// Sizing frame 4 x 4, fixed frame 3 x 3, small caption 16.
constexpr app::FrameMetrics kMetrics{{4, 4}, {3, 3}, 16, {}};
constexpr Size kOuter{200, 150};

TEST(FloatingFrame, InsetsFollowTheFrameAndTheCaption) {
  const FloatingFrame sizing(kMetrics, FloatingContent::kToolWindow, true, true);
  EXPECT_EQ(sizing.Frame(), (Size{4, 4}));
  EXPECT_EQ(sizing.NonClient(), (app::Insets{4, 18, 4, 3}));
  // The result window's client area inside those insets.
  const Size result = testing_support::kResultWindowClient;
  EXPECT_EQ(sizing.OuterSize(result), (Size{result.width + 4 + 4, result.height + 18 + 3}));
  EXPECT_EQ(sizing.ClientRect(kOuter), (Rect{4, 18, 196, 147}));

  const FloatingFrame fixed(kMetrics, FloatingContent::kToolWindow, false, true);
  EXPECT_EQ(fixed.Frame(), (Size{3, 3}));
  EXPECT_EQ(fixed.NonClient(), (app::Insets{3, 17, 3, 2}));

  const FloatingFrame wide({{8, 6}, {3, 3}, 21, {}}, FloatingContent::kToolbar, true, true);
  EXPECT_EQ(wide.NonClient(), (app::Insets{8, 25, 8, 5}));
}

TEST(FloatingFrame, CaptionBarCloseSquareHighlightAndGlyph) {
  const FloatingFrame frame(kMetrics, FloatingContent::kToolWindow, true, true);
  const Rect bar = frame.CaptionBar(kOuter);
  EXPECT_EQ(bar, (Rect{4, 3, 196, 18}));
  EXPECT_EQ(bar.bottom, frame.ClientRect(kOuter).top);  // the caption ends where the client starts
  const Rect square = frame.CloseButton(kOuter);
  EXPECT_EQ(square, (Rect{181, 3, 196, 18}));  // side 16 - 1 at the bar's right end
  EXPECT_EQ(frame.CloseButtonHighlight(kOuter), (Rect{179, -1, 198, 20}));
  EXPECT_EQ(frame.CloseGlyph(kOuter),
            (Rect{184, 7, 192, 14}));  // 3 + 4 left and right, 4 + 4 above and below
  EXPECT_EQ(frame.CaptionTextRect(kOuter), (Rect{6, 3, 181, 18}));

  // An even side centres the glyph exactly across; the spare pixel of an odd
  // remainder goes below.
  const FloatingFrame even({{4, 4}, {3, 3}, 17, {}}, FloatingContent::kToolWindow, true, true);
  EXPECT_EQ(even.CloseGlyph(kOuter), (Rect{184, 7, 192, 14}));
  EXPECT_EQ(even.CloseButton(kOuter), (Rect{180, 3, 196, 19}));
  // A caption too low for the glyph: the glyph overhangs the square, its
  // offsets still rounded down.
  const FloatingFrame tiny({{4, 4}, {3, 3}, 6, {}}, FloatingContent::kToolWindow, true, true);
  EXPECT_EQ(tiny.CloseButton(kOuter), (Rect{191, 3, 196, 8}));
  EXPECT_EQ(tiny.CloseGlyph(kOuter), (Rect{189, 2, 197, 9}));

  const FloatingFrame without(kMetrics, FloatingContent::kToolWindow, true, false);
  EXPECT_TRUE(without.CloseButton(kOuter).Empty());
  EXPECT_TRUE(without.CloseGlyph(kOuter).Empty());
  EXPECT_EQ(without.CaptionTextRect(kOuter), (Rect{6, 3, 196, 18}));
}

FloatingHit ToolWindowHit(int x, int y) {
  static const FloatingFrame frame(kMetrics, FloatingContent::kToolWindow, true, true);
  return frame.HitTest(kOuter, {x, y});
}

// Zones: left x < 4, right x >= 195, top y < 4, bottom y >= 145; a corner's
// stretch is 16 + 4 - 1 = 19 pixels along each border.
TEST(FloatingFrameHit, AToolWindowHasEightZones) {
  EXPECT_EQ(ToolWindowHit(0, 0), FloatingHit::kTopLeft);
  EXPECT_EQ(ToolWindowHit(18, 3), FloatingHit::kTopLeft);
  EXPECT_EQ(ToolWindowHit(19, 3), FloatingHit::kTop);
  EXPECT_EQ(ToolWindowHit(180, 0), FloatingHit::kTop);
  EXPECT_EQ(ToolWindowHit(181, 0), FloatingHit::kTopRight);
  EXPECT_EQ(ToolWindowHit(199, 0), FloatingHit::kTopRight);

  EXPECT_EQ(ToolWindowHit(3, 18), FloatingHit::kTopLeft);
  EXPECT_EQ(ToolWindowHit(3, 19), FloatingHit::kLeft);
  EXPECT_EQ(ToolWindowHit(3, 130), FloatingHit::kLeft);
  EXPECT_EQ(ToolWindowHit(3, 131), FloatingHit::kBottomLeft);

  EXPECT_EQ(ToolWindowHit(195, 18), FloatingHit::kTopRight);
  EXPECT_EQ(ToolWindowHit(195, 19), FloatingHit::kRight);
  EXPECT_EQ(ToolWindowHit(195, 130), FloatingHit::kRight);
  EXPECT_EQ(ToolWindowHit(199, 131), FloatingHit::kBottomRight);

  EXPECT_EQ(ToolWindowHit(18, 149), FloatingHit::kBottomLeft);
  EXPECT_EQ(ToolWindowHit(19, 145), FloatingHit::kBottom);
  EXPECT_EQ(ToolWindowHit(180, 145), FloatingHit::kBottom);
  EXPECT_EQ(ToolWindowHit(181, 145), FloatingHit::kBottomRight);
}

TEST(FloatingFrameHit, ZonesAreAsThickAsTheFrameRightAndBottomOneMore) {
  EXPECT_EQ(ToolWindowHit(3, 60), FloatingHit::kLeft);
  EXPECT_EQ(ToolWindowHit(4, 60), FloatingHit::kClient);
  EXPECT_EQ(ToolWindowHit(100, 3), FloatingHit::kTop);
  EXPECT_EQ(ToolWindowHit(100, 4), FloatingHit::kCaption);
  EXPECT_EQ(ToolWindowHit(194, 60), FloatingHit::kClient);  // the client's last column
  EXPECT_EQ(ToolWindowHit(195, 60), FloatingHit::kRight);   // reaches one pixel into the client
  EXPECT_EQ(ToolWindowHit(100, 144), FloatingHit::kClient);
  EXPECT_EQ(ToolWindowHit(100, 145),
            FloatingHit::kBottom);  // two rows of the client: the bottom frame is fh - 1
  EXPECT_EQ(ToolWindowHit(-1, 60), FloatingHit::kNowhere);
  EXPECT_EQ(ToolWindowHit(200, 60), FloatingHit::kNowhere);
  EXPECT_EQ(ToolWindowHit(100, -1), FloatingHit::kNowhere);
  EXPECT_EQ(ToolWindowHit(100, 150), FloatingHit::kNowhere);
}

TEST(FloatingFrameHit, CloseButtonAndCaptionBelowTheZones) {
  EXPECT_EQ(ToolWindowHit(181, 4), FloatingHit::kCloseButton);
  EXPECT_EQ(ToolWindowHit(180, 4), FloatingHit::kCaption);
  EXPECT_EQ(ToolWindowHit(194, 17), FloatingHit::kCloseButton);
  EXPECT_EQ(ToolWindowHit(194, 18), FloatingHit::kClient);
  EXPECT_EQ(ToolWindowHit(195, 10),
            FloatingHit::kTopRight);  // the square's last column: right zone, by the corner
  EXPECT_EQ(ToolWindowHit(185, 3), FloatingHit::kTopRight);  // its first row in the top zone
  EXPECT_EQ(ToolWindowHit(19, 10), FloatingHit::kCaption);
}

TEST(FloatingFrameHit, AToolbarHasOnlyTheFourEdges) {
  const FloatingFrame frame(kMetrics, FloatingContent::kToolbar, true, true);
  const auto hit = [&](int x, int y) { return frame.HitTest(kOuter, {x, y}); };
  EXPECT_EQ(hit(0, 0), FloatingHit::kLeft);  // the left and right zones win in a corner
  EXPECT_EQ(hit(199, 149), FloatingHit::kRight);
  EXPECT_EQ(hit(4, 0), FloatingHit::kTop);
  EXPECT_EQ(hit(18, 3), FloatingHit::kTop);
  EXPECT_EQ(hit(194, 149), FloatingHit::kBottom);
  EXPECT_EQ(hit(3, 18), FloatingHit::kLeft);
  EXPECT_EQ(hit(195, 10), FloatingHit::kRight);
  EXPECT_EQ(hit(100, 145), FloatingHit::kBottom);
  EXPECT_EQ(hit(100, 144), FloatingHit::kClient);
  EXPECT_EQ(hit(185, 10), FloatingHit::kCloseButton);
}

TEST(FloatingFrameHit, AFixedFrameHasNoZones) {
  const FloatingFrame frame(kMetrics, FloatingContent::kToolWindow, false, true);
  const auto hit = [&](int x, int y) { return frame.HitTest(kOuter, {x, y}); };
  EXPECT_EQ(hit(0, 0), FloatingHit::kBorder);
  EXPECT_EQ(hit(1, 1), FloatingHit::kBorder);
  EXPECT_EQ(hit(3, 2), FloatingHit::kCaption);
  EXPECT_EQ(hit(196, 16), FloatingHit::kCloseButton);
  EXPECT_EQ(hit(197, 16), FloatingHit::kBorder);
  EXPECT_EQ(hit(100, 147), FloatingHit::kClient);
  EXPECT_EQ(hit(100, 148), FloatingHit::kBorder);
}

TEST(FloatingFrameResize, EachZoneMovesItsEdgesAndTheClientStaysAtLeast32By32) {
  const FloatingFrame frame(kMetrics, FloatingContent::kToolWindow, true, true);
  const Rect start{100, 100, 300, 250};  // the smallest outer size is 40 x 53
  const auto resize = [&](FloatingHit zone, int dx, int dy) {
    return frame.Resize(start, zone, {dx, dy}, app::kToolWindowMinClient);
  };
  EXPECT_EQ(resize(FloatingHit::kLeft, 50, 7), (Rect{150, 100, 300, 250}));
  EXPECT_EQ(resize(FloatingHit::kLeft, 160, 0), (Rect{260, 100, 300, 250}));
  EXPECT_EQ(resize(FloatingHit::kLeft, 170, 0), (Rect{260, 100, 300, 250}));
  EXPECT_EQ(resize(FloatingHit::kRight, -159, 0), (Rect{100, 100, 141, 250}));
  EXPECT_EQ(resize(FloatingHit::kRight, -170, 0), (Rect{100, 100, 140, 250}));
  EXPECT_EQ(resize(FloatingHit::kTop, 3, 200), (Rect{100, 197, 300, 250}));
  EXPECT_EQ(resize(FloatingHit::kBottom, 0, -200), (Rect{100, 100, 300, 153}));
  EXPECT_EQ(resize(FloatingHit::kTopLeft, -10, -20), (Rect{90, 80, 300, 250}));
  EXPECT_EQ(resize(FloatingHit::kTopRight, 400, 400), (Rect{100, 197, 700, 250}));
  EXPECT_EQ(resize(FloatingHit::kBottomLeft, 5, 5), (Rect{105, 100, 300, 255}));
  EXPECT_EQ(resize(FloatingHit::kBottomRight, -500, -500), (Rect{100, 100, 140, 153}));
  const Rect smallest = resize(FloatingHit::kBottomRight, -500, -500);
  EXPECT_EQ(frame.ClientRect(smallest.Extent()).Extent(), (Size{32, 32}));
  EXPECT_EQ(resize(FloatingHit::kCaption, 10, 10), start);
  EXPECT_EQ(resize(FloatingHit::kClient, 10, 10), start);

  const FloatingFrame fixed(kMetrics, FloatingContent::kToolWindow, false, true);
  EXPECT_EQ(fixed.Resize(start, FloatingHit::kRight, {10, 0}, app::kToolWindowMinClient), start);
}

}  // namespace
