// The docking and list pixel counts at other densities than the stored one:
// each scaled from its stored value, the formulas running on the scaled
// pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/docking/dock_layout.h"
#include "app/docking/docked_frame.h"
#include "app/docking/drag_tracker.h"
#include "app/docking/floating_frame.h"
#include "search/rx_db_lookup_list.h"
#include "tests/common/main_window_layout.h"
#include "ui/model/dpi_scale.h"

namespace {

using app::TTBDockPosition;
using app::TTBDragHandleStyle;
using base::Point;
using base::Rect;
using base::Size;
using ui::DpiScale;

constexpr int kDensities[] = {72, 96, 120, 144, 192, 480};

TEST(ScaledDocking, TheDockedFrameScalesAndItsGripsStayInsideTheStrip) {
  EXPECT_EQ(app::DockedBorder(), 2);
  EXPECT_EQ(app::DockedBorder(DpiScale(144)), 3);
  EXPECT_EQ(app::DockedBorder(DpiScale(72)), 2);  // 1.5
  EXPECT_EQ(app::DockedBorder(DpiScale(192)), 4);
  EXPECT_EQ(app::DockedBorder(DpiScale(480)), 10);
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhSingle, false, DpiScale(144)), 9);
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhSingle, false, DpiScale(120)), 8);  // 7.5
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhNone, false, DpiScale(480)), 0);
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhNone, true, DpiScale(192)), 28);
  EXPECT_EQ(app::GripWidth(DpiScale(144)), 5);  // 4.5
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhSingle, false, DpiScale(144)), 2);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhNone, false, DpiScale(144)), -1);
  for (const int dpi : kDensities) {
    const DpiScale s(dpi);
    for (const bool close : {false, true}) {
      EXPECT_LE(app::GripOffset(TTBDragHandleStyle::dhSingle, close, s) + app::GripWidth(s),
                app::DragHandleWidth(TTBDragHandleStyle::dhSingle, close, s))
          << dpi;
      EXPECT_LE(app::GripOffset(TTBDragHandleStyle::dhDouble, close, s) + 2 * app::GripWidth(s),
                app::DragHandleWidth(TTBDragHandleStyle::dhDouble, close, s))
          << dpi;
    }
  }
}

TEST(ScaledDocking, ADockIsItsScaledWindowPlusTheScaledFrame) {
  const DpiScale s(120);
  const int handle = app::DragHandleWidth(TTBDragHandleStyle::dhSingle, false, s);
  EXPECT_EQ(app::DockedOuterSize({200, 33}, TTBDockPosition::dpTop, handle, s), (Size{200 + 6 + 8, 39}));
  EXPECT_EQ(app::DockedOuterSize({33, 200}, TTBDockPosition::dpLeft, handle, s), (Size{39, 214}));
  // The result window, stored 289 x 93, full size in a dock 374 long: its
  // thickness is 93 scaled (116.25 -> 116) plus twice the border (2.5 -> 3),
  // a pixel more than its dock's stored 97 scaled (121.25 -> 121).
  app::DockItem result;
  result.full_size = true;
  result.client = s.Scale(testing_support::kResultWindowClient);
  result.handle = handle;
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpBottom, 374, false, {&result, 1}, s);
  EXPECT_EQ(layout.thickness, 122);
  EXPECT_EQ(layout.windows[0], (Rect{0, 0, 374, 122}));
  EXPECT_EQ(app::DockedClientRect(layout.windows[0], TTBDockPosition::dpBottom, handle, s),
            (Rect{3 + 8, 3, 374 - 3, 122 - 3}));
  EXPECT_EQ(app::LayoutDock(TTBDockPosition::dpTop, 374, true, {}, DpiScale(480)).thickness, 5);
}

TEST(ScaledDocking, TheDockTestGrowsTheDockByThreeScaledPixels) {
  // A top dock at y 100..126, a window 100 x 26 grabbed at its top-left
  // corner (margins 0): the pointer's y is taken up to the grown bottom.
  const Rect dock{0, 100, 300, 126};
  for (const int dpi : kDensities) {
    const DpiScale s(dpi);
    const int bottom = 126 + s.Length(3);
    const auto takes = [&](int y) {
      return app::DockTakes(dock, TTBDockPosition::dpTop, {10, y}, {0, 0}, {100, 26}, {100, 26}, s);
    };
    EXPECT_TRUE(takes(bottom - 1)) << dpi;
    EXPECT_FALSE(takes(bottom)) << dpi;
    // The margins' span of 25 is not a stored length: it runs on the pixels.
    EXPECT_TRUE(takes(100 - s.Length(3) - 25)) << dpi;
    EXPECT_FALSE(takes(100 - s.Length(3) - 26)) << dpi;
  }
  EXPECT_EQ(DpiScale(144).Length(3), 5);
}

TEST(ScaledDocking, AFloatKeepsFourScaledPixelsOnTheWorkArea) {
  const Rect work{0, 0, 1024, 768};
  for (const int dpi : kDensities) {
    const int inside = DpiScale(dpi).Length(4);
    EXPECT_EQ(app::KeepOnWorkArea(Rect{-500, 900, -400, 950}, work, DpiScale(dpi)),
              (Rect{inside - 100, 768 - inside, inside, 768 - inside + 50}))
        << dpi;
  }
  EXPECT_EQ(DpiScale(144).Length(4), 6);
}

TEST(ScaledDocking, TheDragTrackerFloatsAtTheDensityItBeganWith) {
  struct NoDocks : app::DragHost {
    app::DockGeometry Geometry(int) const override { return {}; }
    Rect WorkArea(Point) const override { return Rect{0, 0, 1024, 768}; }
  } host;
  app::DragTracker tracker(host);
  app::DragStart start;
  start.window = Rect{100, 100, 200, 150};
  start.pointer = Point{110, 110};
  start.floating_size = Size{100, 50};
  start.scale = DpiScale(192);
  tracker.Begin(start);
  const app::DragOutput out = tracker.Move(Point{1100, 110});
  ASSERT_TRUE(out.place);
  EXPECT_FALSE(out.place->docked);
  EXPECT_EQ(out.place->rect.left, 1024 - 8);
}

// Every rectangle of `rects` lies inside `area`, is not empty and shares no
// pixel with another.
::testing::AssertionResult DisjointInside(const std::vector<Rect>& rects, const Rect& area) {
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    if (r.Width() <= 0 || r.Height() <= 0) return ::testing::AssertionFailure() << "empty rectangle " << i;
    if (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom)
      return ::testing::AssertionFailure() << "rectangle " << i << " outside";
    for (std::size_t j = 0; j < i; ++j) {
      const Rect& o = rects[j];
      if (r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom)
        return ::testing::AssertionFailure() << "rectangles " << j << " and " << i << " overlap";
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(ScaledDocking, TheDockedFrameIsDrawnAsBeforeAtTheStoredDensity) {
  const app::DockedFrameShape shape =
      app::ShapeDockedFrame({100, 26}, TTBDockPosition::dpTop, TTBDragHandleStyle::dhSingle, false);
  EXPECT_EQ(shape.outer_ring, 1);
  EXPECT_EQ(shape.inner_ring, 1);
  EXPECT_EQ(shape.corners,
            (std::vector<Rect>{{1, 1, 2, 2}, {98, 1, 99, 2}, {1, 24, 2, 25}, {98, 24, 99, 25}}));
  EXPECT_EQ(shape.handle, (Rect{2, 2, 8, 24}));
  // Dashes 3 wide one pixel in from the border, every 2 pixels from y 4 while
  // they end 2 pixels above the strip's end (y 22).
  std::vector<Rect> dashes;
  for (int y = 4; y < 22; y += 2) dashes.push_back(Rect{3, y, 6, y + 1});
  EXPECT_EQ(shape.grip, dashes);
  // In a left dock the strip runs along the top and the dashes sideways.
  const app::DockedFrameShape left =
      app::ShapeDockedFrame({26, 100}, TTBDockPosition::dpLeft, TTBDragHandleStyle::dhSingle, false);
  EXPECT_EQ(left.handle, (Rect{2, 2, 24, 8}));
  ASSERT_FALSE(left.grip.empty());
  EXPECT_EQ(left.grip.front(), (Rect{4, 3, 5, 6}));
  EXPECT_EQ(left.grip.back(), (Rect{20, 3, 21, 6}));
}

TEST(ScaledDocking, TheDockedFrameScalesItsRingsDashesAndGaps) {
  const app::DockedFrameShape at144 = app::ShapeDockedFrame(
      {150, 39}, TTBDockPosition::dpTop, TTBDragHandleStyle::dhSingle, false, DpiScale(144));
  EXPECT_EQ(at144.outer_ring, 2);  // 1.5
  EXPECT_EQ(at144.inner_ring, 1);  // the rest of the border of 3
  EXPECT_EQ(at144.handle, (Rect{3, 3, 12, 36}));
  ASSERT_FALSE(at144.grip.empty());
  EXPECT_EQ(at144.grip.front(), (Rect{5, 6, 10, 8}));  // 2 in, 5 wide, 3 down, 2 long
  EXPECT_EQ(at144.grip[1].top, 9);                     // every 3 pixels
  EXPECT_LE(at144.grip.back().bottom, 36 - 3);
  const app::DockedFrameShape at192 = app::ShapeDockedFrame(
      {200, 52}, TTBDockPosition::dpBottom, TTBDragHandleStyle::dhSingle, false, DpiScale(192));
  EXPECT_EQ(at192.outer_ring, 2);
  EXPECT_EQ(at192.inner_ring, 2);
  EXPECT_EQ(at192.corners.front(), (Rect{2, 2, 4, 4}));
  // Exactly the stored pattern doubled.
  const app::DockedFrameShape stored =
      app::ShapeDockedFrame({100, 26}, TTBDockPosition::dpBottom, TTBDragHandleStyle::dhSingle, false);
  ASSERT_EQ(at192.grip.size(), stored.grip.size());
  for (std::size_t i = 0; i < stored.grip.size(); ++i) {
    const Rect& r = stored.grip[i];
    EXPECT_EQ(at192.grip[i], (Rect{2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom})) << i;
  }
  for (const int dpi : kDensities) {
    for (const auto style :
         {TTBDragHandleStyle::dhSingle, TTBDragHandleStyle::dhDouble, TTBDragHandleStyle::dhNone}) {
      for (const auto side : {TTBDockPosition::dpTop, TTBDockPosition::dpRight}) {
        const DpiScale s(dpi);
        const Size outer =
            IsHorizontal(side) ? Size{s.Length(120), s.Length(30)} : Size{s.Length(30), s.Length(120)};
        const app::DockedFrameShape shape = app::ShapeDockedFrame(outer, side, style, false, s);
        EXPECT_EQ(shape.outer_ring + shape.inner_ring, app::DockedBorder(s)) << dpi;
        EXPECT_GE(shape.outer_ring, 1) << dpi;
        EXPECT_TRUE(DisjointInside(shape.grip, shape.handle)) << dpi << " style " << static_cast<int>(style);
        EXPECT_EQ(shape.grip.empty(), style == TTBDragHandleStyle::dhNone) << dpi;
        EXPECT_TRUE(DisjointInside(shape.corners, Rect::At({}, outer))) << dpi;
      }
    }
  }
}

TEST(ScaledDocking, TheHandleStripIsInsideTheScaledBorder) {
  const DpiScale s(144);
  EXPECT_EQ(app::DockedHandleRect({0, 0, 150, 39}, TTBDockPosition::dpTop, 9, s), (Rect{3, 3, 12, 36}));
  EXPECT_EQ(app::DockedHandleRect({0, 0, 39, 150}, TTBDockPosition::dpRight, 9, s), (Rect{3, 3, 36, 12}));
  EXPECT_EQ(app::DockedHandleRect({0, 0, 100, 26}, TTBDockPosition::dpTop, 6), (Rect{2, 2, 8, 24}));
}

// The frame's metrics as a system gives them at `dpi` (its stored ones
// scaled): sizing frame 4, fixed 3, small caption 16.
app::FrameMetrics MetricsAt(int dpi) {
  const DpiScale s(dpi);
  return app::FrameMetrics{{s.Length(4), s.Length(4)}, {s.Length(3), s.Length(3)}, s.Length(16), s};
}

TEST(ScaledFloatingFrame, TheMetricsRunTheFormulasAndTheOwnCountsScale) {
  const app::FloatingFrame frame(MetricsAt(144), app::FloatingContent::kToolWindow, true, true);
  const Size outer{300, 200};
  // Frame 6, caption 24: the formulas unchanged on those.
  EXPECT_EQ(frame.NonClient(), (app::Insets{6, 28, 6, 5}));
  const Rect bar = frame.CaptionBar(outer);
  EXPECT_EQ(bar, (Rect{6, 5, 294, 28}));
  EXPECT_EQ(frame.CloseButton(outer), (Rect{271, 5, 294, 28}));
  EXPECT_EQ(frame.CaptionTextRect(outer).left, 6 + 3);                     // 2 scaled
  EXPECT_EQ(frame.CloseButtonHighlight(outer), (Rect{268, -1, 297, 31}));  // grown by 3, 6 at the top
  EXPECT_EQ(frame.RingWidth(), 2);
  EXPECT_EQ(frame.CloseGlyphFactor(), 2);
  EXPECT_EQ(frame.CloseGlyph(outer), (Rect{274, 9, 290, 23}));  // 16 x 14 centred in 23 x 23

  const app::FloatingFrame stored(MetricsAt(96), app::FloatingContent::kToolWindow, true, true);
  EXPECT_EQ(stored.CloseGlyphFactor(), 1);
  EXPECT_EQ(stored.RingWidth(), 1);
  EXPECT_EQ(stored.CloseGlyph(outer).Extent(), app::kCloseGlyphSize);
}

TEST(ScaledFloatingFrame, TheCloseGlyphGrowsByWholeFactorsThatFitItsSquare) {
  const std::pair<int, int> factors[] = {{72, 1}, {96, 1}, {120, 1}, {144, 2}, {192, 2}, {240, 3}, {480, 5}};
  for (const auto& [dpi, factor] : factors) {
    const app::FloatingFrame frame(MetricsAt(dpi), app::FloatingContent::kToolbar, true, true);
    EXPECT_EQ(frame.CloseGlyphFactor(), factor) << dpi;
    const Size outer = DpiScale(dpi).Scale(Size{200, 100});
    const Rect square = frame.CloseButton(outer), glyph = frame.CloseGlyph(outer);
    EXPECT_EQ(glyph.Extent(), (Size{8 * factor, 7 * factor})) << dpi;
    EXPECT_TRUE(DisjointInside({glyph}, square)) << dpi;
    EXPECT_TRUE(DisjointInside({frame.CaptionTextRect(outer), square}, frame.CaptionBar(outer))) << dpi;
  }
  // A system whose small caption stays small at a high density: the factor
  // is what the square holds.
  app::FrameMetrics small = MetricsAt(480);
  small.small_caption = 20;
  const app::FloatingFrame frame(small, app::FloatingContent::kToolWindow, true, true);
  EXPECT_EQ(frame.CloseGlyphFactor(), 2);
  small.small_caption = 5;
  EXPECT_EQ(app::FloatingFrame(small, app::FloatingContent::kToolWindow, true, true).CloseGlyphFactor(), 1);
}

TEST(ScaledList, TheAutoScrollRunsAsFastAtTheSameDistanceInInches) {
  for (int beyond = 0; beyond <= 20; ++beyond) {
    EXPECT_EQ(search::AutoScrollIntervalMs(beyond), std::max(0, 200 - 15 * beyond)) << beyond;
  }
  EXPECT_EQ(search::AutoScrollIntervalMs(1000), 0);
  EXPECT_EQ(search::AutoScrollIntervalMs(-3), 200);
  for (int stored = 0; stored <= 14; ++stored) {
    const int ms = std::max(0, 200 - 15 * stored);
    EXPECT_EQ(search::AutoScrollIntervalMs(2 * stored, DpiScale(192)), ms) << stored;
    EXPECT_EQ(search::AutoScrollIntervalMs(5 * stored, DpiScale(480)), ms) << stored;
    if (stored % 2 == 0) {
      EXPECT_EQ(search::AutoScrollIntervalMs(3 * stored / 2, DpiScale(144)), ms) << stored;
    }
  }
  // 1 pixel at 144 is 2/3 of a stored pixel: 10 ms; at 72 it is 4/3: 20 ms.
  EXPECT_EQ(search::AutoScrollIntervalMs(1, DpiScale(144)), 190);
  EXPECT_EQ(search::AutoScrollIntervalMs(1, DpiScale(72)), 180);
  EXPECT_EQ(search::AutoScrollIntervalMs(1, DpiScale(120)), 188);
}

}  // namespace
