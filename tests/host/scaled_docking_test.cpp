// The docking and list pixel counts at other densities than the stored one:
// each scaled from its stored value, the formulas running on the scaled
// pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/docking/dock_layout.h"
#include "app/docking/drag_tracker.h"
#include "search/rx_db_lookup_list.h"
#include "ui/dpi_scale.h"

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
  result.client = s.Scale(Size{289, 93});
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
