// The dock layout: the frame of a docked window, rows and their thickness,
// places along a row, full-size windows, the collapse of an empty dock, and
// left and right docks laid out sideways.
#include <gtest/gtest.h>

#include <vector>

#include "app/docking/dock_layout.h"
#include "tests/common/main_window_layout.h"

namespace {

using app::DockItem;
using app::Rect;
using app::Size;
using app::TTBDockPosition;

// The result window as the main window stores it: full size, client 289 x 93.
DockItem ResultWindow() {
  DockItem item;
  item.row = 1;
  item.pos = 0;
  item.full_size = true;
  item.client = testing_support::kResultWindowClient;
  return item;
}

// A toolbar whose items take `width` x 22.
DockItem Toolbar(int width, int row = 0, int pos = -1) {
  DockItem item;
  item.row = row;
  item.pos = pos;
  item.client = Size{width, 22};
  return item;
}

TEST(DockLayout, TheResultWindowFillsItsDockAtEveryWidth) {
  for (const int width : {299, 500, 120, 11}) {
    const std::vector<DockItem> items{ResultWindow()};
    const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpBottom, width, false, items);
    EXPECT_EQ(layout.thickness, 97) << width;  // client height + 4
    EXPECT_EQ(layout.windows[0], (Rect{0, 0, width, 97})) << width;
    const Rect client = app::DockedClientRect(layout.windows[0], TTBDockPosition::dpBottom, 6);
    EXPECT_EQ(client, (Rect{8, 2, width - 2, 95})) << width;
    EXPECT_EQ(client.Width(), width - 10) << width;
  }
}

TEST(DockLayout, ADockedWindowIsItsClientWithTenPixelsAlongAndFourAcross) {
  EXPECT_EQ(app::DockedOuterSize({200, 22}, TTBDockPosition::dpTop, 6), (Size{210, 26}));
  EXPECT_EQ(app::DockedOuterSize({200, 22}, TTBDockPosition::dpBottom, 6), (Size{210, 26}));
  EXPECT_EQ(app::DockedOuterSize({22, 200}, TTBDockPosition::dpLeft, 6), (Size{26, 210}));
  EXPECT_EQ(app::DockedOuterSize({22, 200}, TTBDockPosition::dpRight, 14), (Size{26, 218}));

  const std::vector<DockItem> items{Toolbar(170)};
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpTop, 299, false, items);
  EXPECT_EQ(layout.thickness, 26);
  EXPECT_EQ(layout.windows[0], (Rect{0, 0, 180, 26}));
  EXPECT_EQ(app::DockedClientRect(layout.windows[0], TTBDockPosition::dpTop, 6), (Rect{8, 2, 178, 24}));
  // The drag handle: between the border and the client area, inside the
  // border across the window too.
  EXPECT_EQ(app::DockedHandleRect(layout.windows[0], TTBDockPosition::dpTop, 6), (Rect{2, 2, 8, 24}));
}

TEST(DockLayout, DragHandleWidthsAndGripsFollowTheStyle) {
  using app::TTBDragHandleStyle;
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhDouble, false), 9);
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhNone, false), 0);
  EXPECT_EQ(app::DragHandleWidth(TTBDragHandleStyle::dhSingle, false), 6);
  for (const auto style :
       {TTBDragHandleStyle::dhDouble, TTBDragHandleStyle::dhNone, TTBDragHandleStyle::dhSingle})
    EXPECT_EQ(app::DragHandleWidth(style, true), 14);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhDouble, false), 2);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhDouble, true), 3);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhSingle, false), 1);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhSingle, true), 5);
  EXPECT_EQ(app::GripOffset(TTBDragHandleStyle::dhNone, false), -1);
  // Every grip fits inside its strip.
  EXPECT_LE(app::GripOffset(TTBDragHandleStyle::dhDouble, false) + 2 * app::kGripWidth, 9);
  EXPECT_LE(app::GripOffset(TTBDragHandleStyle::dhSingle, false) + app::kGripWidth, 6);
}

TEST(DockLayout, RowsStackInOrderOfTheirValuesEachAsThickAsItsThickestWindow) {
  std::vector<DockItem> items{Toolbar(100, 7, 0), Toolbar(50, 2, 0), Toolbar(60, 7, 120)};
  items[2].client.height = 40;  // the thickest window of its row
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpTop, 299, false, items);
  ASSERT_EQ(layout.rows.size(), 2u);
  EXPECT_EQ(layout.rows[0], (app::DockRowBand{2, 0, 26, false}));
  EXPECT_EQ(layout.rows[1], (app::DockRowBand{7, 26, 70, false}));
  EXPECT_EQ(layout.thickness, 26 + 44);
  EXPECT_EQ(layout.windows[1], (Rect{0, 0, 60, 26}));
  EXPECT_EQ(layout.windows[0], (Rect{0, 26, 110, 52}));  // keeps its own height in a thicker row
  EXPECT_EQ(layout.windows[2], (Rect{120, 26, 190, 70}));
}

TEST(DockLayout, PlacesAlongARowKeepOrderAndNeverOverlap) {
  const auto lefts = [](const std::vector<DockItem>& items, int length) {
    const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpTop, length, false, items);
    std::vector<int> result;
    for (const Rect& r : layout.windows) result.push_back(r.left);
    return result;
  };
  // Explicit places are kept (widths are 50 + 10 = 60 each).
  EXPECT_EQ(lefts({Toolbar(50, 0, 100), Toolbar(50, 0, 10)}, 299), (std::vector<int>{100, 10}));
  // One that would overlap the window before it moves along.
  EXPECT_EQ(lefts({Toolbar(50, 0, 0), Toolbar(50, 0, 30)}, 299), (std::vector<int>{0, 60}));
  // -1 follows the window before it, after every explicit place, in item order.
  EXPECT_EQ(lefts({Toolbar(50, 0, -1), Toolbar(50, 0, 20), Toolbar(50, 0, -1)}, 299),
            (std::vector<int>{80, 20, 140}));
  // Past the row's end they are pushed back, as far as needed.
  EXPECT_EQ(lefts({Toolbar(50, 0, 0), Toolbar(50, 0, 250)}, 299), (std::vector<int>{0, 239}));
  EXPECT_EQ(lefts({Toolbar(50, 0, 150), Toolbar(50, 0, 260)}, 200), (std::vector<int>{80, 140}));
  // A row too short for them packs them from its start.
  EXPECT_EQ(lefts({Toolbar(50, 0, 90), Toolbar(50, 0, 100)}, 100), (std::vector<int>{0, 60}));
  // A negative DockPos other than -1 still counts as the end of the row.
  EXPECT_EQ(lefts({Toolbar(50, 0, -7), Toolbar(50, 0, 5)}, 299), (std::vector<int>{65, 5}));
}

TEST(DockLayout, AFullSizeWindowTakesARowOfItsOwn) {
  std::vector<DockItem> items{Toolbar(100, 1, 40), ResultWindow()};
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpBottom, 299, false, items);
  ASSERT_EQ(layout.rows.size(), 2u);
  EXPECT_EQ(layout.rows[0], (app::DockRowBand{1, 0, 97, true}));
  EXPECT_EQ(layout.rows[1], (app::DockRowBand{1, 97, 123, false}));
  EXPECT_EQ(layout.windows[1], (Rect{0, 0, 299, 97}));
  EXPECT_EQ(layout.windows[0], (Rect{40, 97, 150, 123}));
  EXPECT_EQ(layout.thickness, 123);
  // A toolbar and the result window in rows of their own: the dock is both.
  items[0].row = 0;
  const app::DockLayout apart = app::LayoutDock(TTBDockPosition::dpBottom, 299, false, items);
  EXPECT_EQ(apart.windows[0], (Rect{40, 0, 150, 26}));
  EXPECT_EQ(apart.windows[1], (Rect{0, 26, 299, 123}));
  EXPECT_EQ(apart.thickness, 26 + 97);
}

TEST(DockLayout, ADockWithNothingVisibleCollapses) {
  std::vector<DockItem> items{ResultWindow()};
  items[0].visible = false;
  const app::DockLayout hidden = app::LayoutDock(TTBDockPosition::dpBottom, 299, false, items);
  EXPECT_EQ(hidden.thickness, 0);
  EXPECT_TRUE(hidden.rows.empty());
  EXPECT_TRUE(hidden.windows[0].Empty());
  EXPECT_EQ(app::LayoutDock(TTBDockPosition::dpBottom, 299, true, items).thickness, 1);
  EXPECT_EQ(app::LayoutDock(TTBDockPosition::dpTop, 299, false, {}).thickness, 0);
  EXPECT_EQ(app::LayoutDock(TTBDockPosition::dpTop, 299, true, {}).thickness, 1);
  // A hidden window takes no room beside visible ones either.
  items.push_back(Toolbar(100, 0, 0));
  const app::DockLayout one = app::LayoutDock(TTBDockPosition::dpBottom, 299, false, items);
  EXPECT_EQ(one.thickness, 26);
  EXPECT_EQ(one.rows.size(), 1u);
  // A visible window keeps the FixAlign dock at its own thickness.
  EXPECT_EQ(app::LayoutDock(TTBDockPosition::dpBottom, 299, true, items).thickness, 26);
}

TEST(DockLayout, LeftAndRightDocksLayTheirWindowsOutSideways) {
  for (const auto side : {TTBDockPosition::dpLeft, TTBDockPosition::dpRight}) {
    std::vector<DockItem> items{Toolbar(0, 0, 30), ResultWindow(), Toolbar(0, 3, -1)};
    items[0].client = Size{22, 90};
    items[2].client = Size{30, 40};
    items[1].client = Size{93, 289};
    const app::DockLayout layout = app::LayoutDock(side, 400, false, items);
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.windows[0], (Rect{0, 30, 26, 130}));   // the strip is on top: 90 + 4 + 6 high
    EXPECT_EQ(layout.windows[1], (Rect{26, 0, 123, 400}));  // full size: the whole height
    EXPECT_EQ(layout.windows[2], (Rect{123, 0, 157, 50}));
    EXPECT_EQ(layout.thickness, 26 + 97 + 34);
    EXPECT_EQ(app::DockedClientRect(layout.windows[0], side, 6), (Rect{2, 38, 24, 128}));
    EXPECT_EQ(app::DockedHandleRect(layout.windows[0], side, 6), (Rect{2, 32, 24, 38}));
    EXPECT_EQ(app::DockedClientRect(layout.windows[1], side, 6).Height(), 400 - 10);
  }
}

TEST(DockLayout, PlacingInANewRowMovesTheRowsFromThereOn) {
  std::vector<DockItem> items{Toolbar(50, 0, 0), Toolbar(50, 1, 0), Toolbar(50, 2, 0), ResultWindow()};
  items[3].row = 5;
  app::PlaceInDock(items, 0, app::DockPlacement{1, true, 33});
  EXPECT_EQ(items[0].row, 1);
  EXPECT_EQ(items[0].pos, 33);
  EXPECT_EQ(items[1].row, 2);
  EXPECT_EQ(items[2].row, 3);
  EXPECT_EQ(items[3].row, 6);
  // Joining a row moves nobody else.
  app::PlaceInDock(items, 2, app::DockPlacement{1, false, 80});
  EXPECT_EQ(items[2].row, 1);
  EXPECT_EQ(items[2].pos, 80);
  EXPECT_EQ(items[0].row, 1);
  EXPECT_EQ(items[1].row, 2);
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpTop, 299, false, items);
  EXPECT_EQ(layout.windows[0], (Rect{33, 0, 93, 26}));
  EXPECT_EQ(layout.windows[2], (Rect{93, 0, 153, 26}));
}

TEST(DockLayout, RowsOnScreenSitAgainstTheEdgeADockKeepsFixed) {
  // The bottom dock without the dragged window holds the result window
  // (97 thick) while it is 123 thick on screen with a toolbar row in it.
  const std::vector<DockItem> items{ResultWindow()};
  const app::DockLayout layout = app::LayoutDock(TTBDockPosition::dpBottom, 299, false, items);
  using app::DockRowBand;
  for (const auto side : {TTBDockPosition::dpBottom, TTBDockPosition::dpRight}) {
    EXPECT_EQ(app::RowsOnScreen(layout, side, 123), (std::vector<DockRowBand>{{1, 26, 123, true}}));
    // Collapsed to the layout's own thickness nothing moves.
    EXPECT_EQ(app::RowsOnScreen(layout, side, 97), layout.rows);
  }
  for (const auto side : {TTBDockPosition::dpTop, TTBDockPosition::dpLeft}) {
    EXPECT_EQ(app::RowsOnScreen(layout, side, 123), layout.rows);
  }
  // An empty dock has no rows wherever its edges are.
  EXPECT_TRUE(app::RowsOnScreen(app::LayoutDock(TTBDockPosition::dpBottom, 299, false, {}),
                                TTBDockPosition::dpBottom, 40)
                  .empty());
}

TEST(DockLayout, RowNumbersStartAtZeroAndKeepTheirOrderAndTies) {
  std::vector<DockItem> items{Toolbar(50, 7), ResultWindow(), Toolbar(50, 3), Toolbar(50, 7),
                              Toolbar(50, -2)};
  app::NumberRowsFromZero(items);
  EXPECT_EQ(items[0].row, 3);
  EXPECT_EQ(items[1].row, 1);
  EXPECT_EQ(items[2].row, 2);
  EXPECT_EQ(items[3].row, 3);
  EXPECT_EQ(items[4].row, 0);
  // Placing a window before a row and numbering again gives the same numbers
  // each time: the arrangement, not the history, decides them.
  std::vector<DockItem> dock{ResultWindow(), Toolbar(50, 0)};
  for (int round = 0; round < 3; ++round) {
    app::PlaceInDock(dock, 1, app::DockPlacement{dock[0].row, true, 0});
    app::NumberRowsFromZero(dock);
    EXPECT_EQ(dock[1].row, 0) << round;
    EXPECT_EQ(dock[0].row, 1) << round;
  }
}

}  // namespace
