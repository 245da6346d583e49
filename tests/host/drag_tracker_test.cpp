// The drag of a dockable window: the dock test at each of its boundaries,
// the margins' rounding and 64-bit products, the row a dropped window takes,
// the float kept on the work area, the candidate docks and their order, and
// whole drags through the tracker's states.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <vector>

#include "app/docking/drag_tracker.h"

namespace {

using app::DockPlacement;
using app::DockRowBand;
using app::DragKey;
using app::DragState;
using app::Point;
using app::Rect;
using app::Size;
using app::TTBDockPosition;
using ui::TMouseButton;

TEST(DragMargin, IsTheGrabPointScaledToTwentyFiveRoundedHalfAway) {
  EXPECT_EQ(app::GrabMargin(0, 2), 0);
  EXPECT_EQ(app::GrabMargin(1, 2), 25);
  EXPECT_EQ(app::GrabMargin(1, 3), 13);    // 12.5
  EXPECT_EQ(app::GrabMargin(1, 11), 3);    // 2.5
  EXPECT_EQ(app::GrabMargin(3, 11), 8);    // 7.5
  EXPECT_EQ(app::GrabMargin(1, 5), 6);     // 6.25
  EXPECT_EQ(app::GrabMargin(3, 5), 19);    // 18.75
  EXPECT_EQ(app::GrabMargin(40, 97), 10);  // 10.42, the result window grabbed at its handle
  EXPECT_EQ(app::GrabMargin(95, 97), 25);  // 24.74
}

TEST(DragMargin, AWindowOnePixelAcrossHasNoMarginAndGrabsOutsideAreKeptIn) {
  EXPECT_EQ(app::GrabMargin(0, 1), 0);
  EXPECT_EQ(app::GrabMargin(5, 1), 0);
  EXPECT_EQ(app::GrabMargin(0, 0), 0);
  EXPECT_EQ(app::GrabMargin(3, -4), 0);
  EXPECT_EQ(app::GrabMargin(-8, 50), 0);
  EXPECT_EQ(app::GrabMargin(80, 50), 25);
}

TEST(DragMargin, ProductsBeyond32BitsStayExact) {
  EXPECT_EQ(app::GrabMargin(INT_MAX - 1, INT_MAX), 25);
  EXPECT_EQ(app::GrabMargin((INT_MAX - 1) / 2, INT_MAX), 13);  // exactly 12.5
  // 25 x 85899346 does not fit in 32 bits; the quotient is just above 1.
  EXPECT_EQ(app::GrabMargin(85899346, INT_MAX), 1);
  EXPECT_EQ(app::GrabMargin(INT_MAX, INT_MAX), 25);
}

// A top dock at (100, 200), 300 x 26; a window 110 x 26 grabbed at (3, 10):
// mx = round(75 / 109) = 1, my = round(250 / 25) = 10, D = (97, 197)-(403, 229).
constexpr Rect kTopDock{100, 200, 400, 226};
constexpr Point kGrab{3, 10};
constexpr Size kWindow{110, 26};

bool TakesTop(int x, int y) {
  return app::DockTakes(kTopDock, TTBDockPosition::dpTop, {x, y}, kGrab, kWindow, kWindow);
}

TEST(DockTest, EachInequalityHoldsOnOneSideOfItsBoundaryOnly) {
  EXPECT_TRUE(TakesTop(73, 210));  // D.left + mx - 25
  EXPECT_FALSE(TakesTop(72, 210));
  EXPECT_TRUE(TakesTop(403, 210));  // D.right + mx, excluded
  EXPECT_FALSE(TakesTop(404, 210));
  EXPECT_TRUE(TakesTop(200, 182));  // D.top + my - 25
  EXPECT_FALSE(TakesTop(200, 181));
  EXPECT_TRUE(TakesTop(200, 238));  // D.bottom + my, excluded
  EXPECT_FALSE(TakesTop(200, 239));
}

TEST(DockTest, TheWouldBeRectangleMustShareAPixelWithTheGrownDock) {
  // Grabbed 100 pixels in, but only 30 wide in the dock: the pointer may be
  // inside the bounds while the docked rectangle lies left of D.
  const auto takes = [](int x) {
    return app::DockTakes(kTopDock, TTBDockPosition::dpTop, {x, 210}, {100, 10}, kWindow, {30, 26});
  };
  EXPECT_FALSE(takes(167));  // right edge 97 touches D.left but shares no pixel
  EXPECT_TRUE(takes(168));
  // The same across: grabbed 60 down, 26 high in the dock.
  const auto takes_y = [](int y) {
    return app::DockTakes(kTopDock, TTBDockPosition::dpTop, {200, y}, {3, 60}, {110, 80}, {110, 26});
  };
  EXPECT_EQ(app::GrabMargin(60, 80), 19);
  EXPECT_FALSE(takes_y(231));  // bottom edge 197 on D.top's line, outside D
  EXPECT_TRUE(takes_y(232));
  EXPECT_TRUE(takes_y(247));   // D.bottom + my - 1
  EXPECT_FALSE(takes_y(248));  // its rectangle would still meet D, but the pointer is too low
}

TEST(DockTest, ALeftOrRightDockAlsoNeedsThePointerWithinItsHeight) {
  const Rect dock{0, 50, 26, 300};  // D = (-3, 47)-(29, 303)
  const Point grab{10, 50};         // my = round(1250 / 99) = 13
  const Size window{26, 100};
  for (const auto side : {TTBDockPosition::dpLeft, TTBDockPosition::dpRight}) {
    EXPECT_FALSE(app::DockTakes(dock, side, {10, 46}, grab, window, window));
    EXPECT_TRUE(app::DockTakes(dock, side, {10, 47}, grab, window, window));
    EXPECT_TRUE(app::DockTakes(dock, side, {10, 302}, grab, window, window));
    EXPECT_FALSE(app::DockTakes(dock, side, {10, 303}, grab, window, window));
  }
  // A top or bottom dock of the same place takes the margins instead.
  EXPECT_TRUE(app::DockTakes(dock, TTBDockPosition::dpTop, {10, 46}, grab, window, window));
  EXPECT_TRUE(app::DockTakes(dock, TTBDockPosition::dpBottom, {10, 303}, grab, window, window));
  EXPECT_TRUE(app::DockTakes(dock, TTBDockPosition::dpBottom, {10, 315}, grab, window, window));
  EXPECT_FALSE(app::DockTakes(dock, TTBDockPosition::dpBottom, {10, 316}, grab, window, window));
}

TEST(DockTest, ACollapsedDockStillCatchesAWindowNearItsLine) {
  const Rect empty{100, 277, 399, 277};  // 0 thick: D is 6 pixels high
  const Size window{299, 97};
  EXPECT_TRUE(app::DockTakes(empty, TTBDockPosition::dpBottom, {110, 289}, {3, 40}, window, window));
  EXPECT_FALSE(app::DockTakes(empty, TTBDockPosition::dpBottom, {110, 289}, {3, 10}, window, window));
}

TEST(DropPlace, TheRowUnderTheMiddleOrANewOneBeforeOrAfter) {
  const Rect dock{0, 100, 300, 160};
  const std::vector<DockRowBand> rows{{2, 0, 26, false}, {4, 26, 60, false}};
  const auto at = [&](int top, int left) {
    return app::PlacementInDock(dock, TTBDockPosition::dpTop, rows, Rect{left, top, left + 50, top + 20},
                                false);
  };
  EXPECT_EQ(at(89, 30), (DockPlacement{2, true, 30}));    // middle 99: above the first row
  EXPECT_EQ(at(90, 30), (DockPlacement{2, false, 30}));   // middle 100: the first row's top line
  EXPECT_EQ(at(105, -20), (DockPlacement{2, false, 0}));  // never before the row's start
  EXPECT_EQ(at(115, 30), (DockPlacement{2, false, 30}));  // middle 125: the first row's last line
  EXPECT_EQ(at(116, 30), (DockPlacement{4, false, 30}));  // middle 126: the second row
  EXPECT_EQ(at(149, 30), (DockPlacement{4, false, 30}));  // middle 159: its last line
  EXPECT_EQ(at(150, 30), (DockPlacement{5, true, 30}));   // middle 160: after the last row
  EXPECT_EQ(app::PlacementInDock(dock, TTBDockPosition::dpTop, {}, Rect{0, 0, 10, 10}, false),
            (DockPlacement{0, true, 0}));
}

TEST(DropPlace, FullSizeWindowsNeverShareARow) {
  const Rect dock{0, 100, 300, 160};
  const std::vector<DockRowBand> rows{{0, 0, 26, false}, {1, 26, 60, true}};
  const auto at = [&](int middle, bool full) {
    return app::PlacementInDock(dock, TTBDockPosition::dpTop, rows, Rect{40, middle - 10, 90, middle + 10},
                                full);
  };
  EXPECT_EQ(at(112, true), (DockPlacement{0, true, 0}));    // upper half of the toolbar's row: before it
  EXPECT_EQ(at(113, true), (DockPlacement{1, true, 0}));    // lower half: after it
  EXPECT_EQ(at(142, false), (DockPlacement{1, true, 40}));  // a toolbar over the full row: before it
  EXPECT_EQ(at(143, false), (DockPlacement{2, true, 40}));
  EXPECT_EQ(at(112, false), (DockPlacement{0, false, 40}));
}

TEST(DropPlace, LeftAndRightDocksMeasureRowsAcrossX) {
  const Rect dock{500, 0, 560, 400};
  const std::vector<DockRowBand> rows{{0, 0, 30, false}};
  EXPECT_EQ(app::PlacementInDock(dock, TTBDockPosition::dpRight, rows, Rect{505, 70, 525, 170}, false),
            (DockPlacement{0, false, 70}));
  EXPECT_EQ(app::PlacementInDock(dock, TTBDockPosition::dpRight, rows, Rect{520, 70, 540, 170}, false),
            (DockPlacement{1, true, 70}));
}

TEST(FloatPlace, KeepsFourPixelsOnTheWorkAreaOnEverySide) {
  const Rect work{0, 0, 1024, 740};
  const auto at = [&](int left, int top) {
    return app::KeepOnWorkArea(Rect{left, top, left + 100, top + 50}, work);
  };
  EXPECT_EQ(at(300, 200), (Rect{300, 200, 400, 250}));
  EXPECT_EQ(at(-96, -46), (Rect{-96, -46, 4, 4}));
  EXPECT_EQ(at(-97, -47), (Rect{-96, -46, 4, 4}));
  EXPECT_EQ(at(1020, 736), (Rect{1020, 736, 1120, 786}));
  EXPECT_EQ(at(1021, 737), (Rect{1020, 736, 1120, 786}));
  EXPECT_EQ(at(-5000, 9000), (Rect{-96, 736, 4, 786}));
  // A work area that does not start at 0 (a second monitor).
  EXPECT_EQ(app::KeepOnWorkArea(Rect{900, 10, 1000, 60}, Rect{1024, 0, 2048, 768}),
            (Rect{928, 10, 1028, 60}));
}

// The screen side as the tracker sees it: docks by id, a work area per monitor.
class FakeScreen : public app::DragHost {
 public:
  app::DockGeometry Geometry(int id) const override {
    ++asked;
    return docks.at(id);
  }
  Rect WorkArea(Point p) const override {
    return p.x < 1024 ? Rect{0, 0, 1024, 740} : Rect{1024, 0, 2048, 768};
  }

  std::map<int, app::DockGeometry> docks;
  mutable int asked = 0;
};

constexpr int kTop = 1, kBottom = 2, kLeft = 3, kRight = 4;

// The main window's docks on the screen with the result window docked in
// doBott and dragged by its handle.
class ResultWindowDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    screen.docks[kTop] = {Rect{100, 100, 399, 126}, Size{299, 97}, {{0, 0, 26, false}}};
    screen.docks[kBottom] = {Rect{100, 180, 399, 277}, Size{299, 97}, {}};
    start.window = Rect{100, 180, 399, 277};
    start.pointer = Point{103, 220};  // grab (3, 40): mx 0, my 10
    start.floating_size = Size{299, 112};
    start.full_size = true;
    start.own_dock = kBottom;
    start.docks = {{kTop, TTBDockPosition::dpTop, true}, {kBottom, TTBDockPosition::dpBottom, true}};
  }

  static app::DragTarget Docked(int dock, DockPlacement placement, Rect rect) {
    return app::DragTarget{true, dock, placement, rect};
  }
  static app::DragTarget Floating(Rect rect) { return app::DragTarget{false, 0, {}, rect}; }

  FakeScreen screen;
  app::DragStart start;
  app::DragTracker tracker{screen};
};

TEST_F(ResultWindowDrag, OutOfItsDockAndBackThenReleased) {
  const app::DragOutput begun = tracker.Begin(start);
  EXPECT_TRUE(begun.capture);
  EXPECT_FALSE(begun.place);
  EXPECT_EQ(tracker.State(), DragState::kDragging);

  // Over its own dock a pixel away from the press: it stays in it, in the
  // first row.
  app::DragOutput out = tracker.Move({103, 221});
  EXPECT_EQ(out.place, Docked(kBottom, {0, true, 0}, Rect{100, 181, 399, 278}));
  // The middle of the screen: it floats with the grab point under the pointer.
  out = tracker.Move({500, 500});
  EXPECT_EQ(out.place, Floating(Rect{497, 460, 796, 572}));
  // The same place again changes nothing.
  EXPECT_FALSE(tracker.Move({500, 500}).place);
  // doBott collapsed meanwhile: the tracker reads where it is now.
  screen.docks[kBottom].screen = Rect{100, 277, 399, 277};
  EXPECT_FALSE(tracker.Move({103, 290}).place->docked);  // D.bottom + my: still floating there
  out = tracker.Move({103, 289});
  EXPECT_EQ(out.place, Docked(kBottom, {0, true, 0}, Rect{100, 249, 399, 346}));
  EXPECT_FALSE(out.release_capture);

  out = tracker.ButtonUp(TMouseButton::mbLeft);
  EXPECT_TRUE(out.ended);
  EXPECT_TRUE(out.release_capture);
  EXPECT_FALSE(out.place);  // it stays where the last move put it
  EXPECT_EQ(tracker.State(), DragState::kIdle);
  EXPECT_TRUE(tracker.Candidates().empty());
  // Nothing after the end moves it.
  EXPECT_FALSE(tracker.Move({500, 500}).place);
  EXPECT_FALSE(tracker.ButtonUp(TMouseButton::mbLeft).ended);
}

TEST_F(ResultWindowDrag, IntoTheTopDockBeforeOrAfterTheToolbarsRow) {
  tracker.Begin(start);
  // Would-be top 60, middle 108: in the upper half of the toolbar's row.
  EXPECT_EQ(tracker.Move({103, 100}).place, Docked(kTop, {0, true, 0}, Rect{100, 60, 399, 157}));
  // Would-be top 80, middle 128: below the row.
  EXPECT_EQ(tracker.Move({103, 120}).place, Docked(kTop, {1, true, 0}, Rect{100, 80, 399, 177}));
}

TEST_F(ResultWindowDrag, CtrlKeepsItFloatingAndTakesEffectAtOnce) {
  tracker.Begin(start);
  tracker.Move({500, 500});
  EXPECT_EQ(tracker.Move({103, 220}).place, Docked(kBottom, {0, true, 0}, start.window));
  const app::DragOutput pressed = tracker.Key(DragKey::kControl, true);
  EXPECT_EQ(pressed.place, Floating(Rect{100, 180, 399, 292}));
  EXPECT_FALSE(tracker.Key(DragKey::kControl, true).place);  // key repeat
  EXPECT_EQ(tracker.Move({110, 221}).place, Floating(Rect{107, 181, 406, 293}));
  const app::DragOutput released = tracker.Key(DragKey::kControl, false);
  EXPECT_EQ(released.place, Docked(kBottom, {0, true, 0}, Rect{107, 181, 406, 278}));
  EXPECT_EQ(tracker.State(), DragState::kDragging);
}

TEST_F(ResultWindowDrag, CtrlHeldAtThePressFloatsItOverItsOwnDock) {
  start.ctrl_down = true;
  tracker.Begin(start);
  tracker.Move({500, 500});
  EXPECT_EQ(tracker.Move({103, 220}).place, Floating(Rect{100, 180, 399, 292}));
  EXPECT_EQ(screen.asked, 0);  // no dock was even looked at
}

TEST_F(ResultWindowDrag, APressAndAReleaseWithoutAMoveBetweenThemPlaceNothing) {
  tracker.Begin(start);
  // Moves reported at the press point are no moves.
  EXPECT_FALSE(tracker.Move({103, 220}).place);
  const app::DragOutput out = tracker.ButtonUp(ui::TMouseButton::mbLeft, Point{103, 220});
  EXPECT_TRUE(out.ended);
  EXPECT_TRUE(out.release_capture);
  EXPECT_FALSE(out.place);
  EXPECT_EQ(screen.asked, 0) << "no dock was tested";
}

TEST_F(ResultWindowDrag, AfterAMoveTheReleasePointIsTheLastMove) {
  tracker.Begin(start);
  ASSERT_EQ(tracker.Move({500, 500}).place, Floating(Rect{497, 460, 796, 572}));
  // Released back over its dock (the cursor read on the last move may lag
  // behind): it docks there as the drag ends.
  app::DragOutput out = tracker.ButtonUp(ui::TMouseButton::mbLeft, Point{103, 220});
  EXPECT_TRUE(out.ended);
  EXPECT_EQ(out.place, Docked(kBottom, {0, true, 0}, start.window));
  // Once the pointer left the press point, coming back to it is a move.
  tracker.Begin(start);
  tracker.Move({500, 500});
  EXPECT_EQ(tracker.Move({103, 220}).place, Docked(kBottom, {0, true, 0}, start.window));
  // A release where the last move was changes nothing more.
  out = tracker.ButtonUp(ui::TMouseButton::mbLeft, Point{103, 220});
  EXPECT_TRUE(out.ended);
  EXPECT_FALSE(out.place);
}

TEST_F(ResultWindowDrag, OtherButtonsAndKeysAreIgnoredAndEscEndsIt) {
  tracker.Begin(start);
  tracker.Move({500, 500});
  for (const auto button : {TMouseButton::mbRight, TMouseButton::mbMiddle}) {
    EXPECT_FALSE(tracker.ButtonDown(button).ended);
    EXPECT_FALSE(tracker.ButtonUp(button).ended);
  }
  EXPECT_FALSE(tracker.Key(DragKey::kOther, true).ended);
  EXPECT_FALSE(tracker.Key(DragKey::kEscape, false).ended);
  EXPECT_EQ(tracker.State(), DragState::kDragging);
  const app::DragOutput out = tracker.Key(DragKey::kEscape, true);
  EXPECT_TRUE(out.ended);
  EXPECT_TRUE(out.release_capture);
  EXPECT_FALSE(out.place);
  EXPECT_EQ(tracker.State(), DragState::kIdle);
}

TEST_F(ResultWindowDrag, AnotherLeftPressEndsIt) {
  tracker.Begin(start);
  tracker.Move({500, 500});
  const app::DragOutput out = tracker.ButtonDown(TMouseButton::mbLeft);
  EXPECT_TRUE(out.ended);
  EXPECT_TRUE(out.release_capture);
  EXPECT_EQ(tracker.State(), DragState::kIdle);
}

TEST_F(ResultWindowDrag, ALostCaptureEndsItWithNothingToRelease) {
  tracker.Begin(start);
  tracker.Move({500, 500});
  const app::DragOutput out = tracker.CaptureLost();
  EXPECT_TRUE(out.ended);
  EXPECT_FALSE(out.release_capture);
  EXPECT_EQ(tracker.State(), DragState::kIdle);
  EXPECT_FALSE(tracker.CaptureLost().ended);
}

TEST_F(ResultWindowDrag, EventsBeforeABeginAndASecondBeginAreIgnored) {
  EXPECT_FALSE(tracker.Move({103, 220}).place);
  EXPECT_FALSE(tracker.ButtonDown(TMouseButton::mbLeft).ended);
  EXPECT_FALSE(tracker.Key(DragKey::kEscape, true).ended);
  EXPECT_FALSE(tracker.Key(DragKey::kControl, true).place);
  EXPECT_EQ(tracker.State(), DragState::kIdle);
  EXPECT_TRUE(tracker.Begin(start).capture);
  app::DragStart other = start;
  other.pointer = Point{390, 270};
  EXPECT_FALSE(tracker.Begin(other).capture);
  // The first drag's grab point still holds.
  EXPECT_EQ(tracker.Move({500, 500}).place, Floating(Rect{497, 460, 796, 572}));
}

TEST_F(ResultWindowDrag, AFloatStaysOnTheMonitorUnderThePointer) {
  tracker.Begin(start);
  EXPECT_EQ(tracker.Move({1010, 735}).place, Floating(Rect{1007, 695, 1306, 807}));
  // Just over the edge onto the second monitor, whose work area is taller.
  EXPECT_EQ(tracker.Move({1030, 900}).place, Floating(Rect{1027, 764, 1326, 876}));
  EXPECT_EQ(tracker.Move({5000, -300}).place, Floating(Rect{2044, -108, 2343, 4}));
}

TEST_F(ResultWindowDrag, AFloatSmallerThanTheGrabKeepsThePointerOnIt) {
  start.floating_size = Size{50, 30};
  start.pointer = Point{390, 270};  // grab (290, 90)
  tracker.Begin(start);
  EXPECT_EQ(tracker.Move({500, 500}).place, Floating(Rect{451, 471, 501, 501}));
}

TEST(DragCandidates, OwnDockFirstThenTopBottomLeftRightInFormOrder) {
  FakeScreen screen;
  app::DragTracker tracker(screen);
  app::DragStart start;
  start.window = Rect{0, 0, 50, 26};
  start.own_dock = 5;
  start.docks = {{kRight, TTBDockPosition::dpRight, true}, {kBottom, TTBDockPosition::dpBottom, true},
                 {5, TTBDockPosition::dpLeft, true},       {kLeft, TTBDockPosition::dpLeft, true},
                 {kTop, TTBDockPosition::dpTop, true},     {6, TTBDockPosition::dpTop, true}};
  tracker.Begin(start);
  std::vector<int> ids;
  for (const auto& dock : tracker.Candidates()) ids.push_back(dock.id);
  EXPECT_EQ(ids, (std::vector<int>{5, kTop, 6, kBottom, kLeft, kRight}));
}

TEST(DragCandidates, DocksThatRefuseDragsOrSidesTheWindowCannotTakeAreLeftOut) {
  FakeScreen screen;
  app::DragTracker tracker(screen);
  app::DragStart start;
  start.window = Rect{0, 0, 50, 26};
  start.own_dock = kTop;
  start.dockable_to =
      app::DockSideBit(TTBDockPosition::dpBottom) | app::DockSideBit(TTBDockPosition::dpRight);
  start.docks = {{kTop, TTBDockPosition::dpTop, true},
                 {kBottom, TTBDockPosition::dpBottom, true},
                 {kLeft, TTBDockPosition::dpLeft, true},
                 {kRight, TTBDockPosition::dpRight, false}};
  tracker.Begin(start);
  ASSERT_EQ(tracker.Candidates().size(), 1u);
  EXPECT_EQ(tracker.Candidates()[0].id, kBottom);
}

TEST(DragCandidates, TheFirstDockThatTakesTheWindowWins) {
  FakeScreen screen;
  screen.docks[1] = {Rect{0, 0, 300, 26}, Size{60, 26}, {}};
  screen.docks[2] = {Rect{0, 0, 300, 26}, Size{60, 26}, {}};
  app::DragStart start;
  start.window = Rect{10, 0, 70, 26};
  start.pointer = Point{12, 10};
  start.floating_size = Size{60, 40};
  start.docks = {{1, TTBDockPosition::dpTop, true}, {2, TTBDockPosition::dpTop, true}};
  {
    app::DragTracker tracker(screen);
    tracker.Begin(start);  // floating: form order
    EXPECT_EQ(tracker.Move({40, 10}).place->dock, 1);
  }
  start.own_dock = 2;
  app::DragTracker tracker(screen);
  tracker.Begin(start);
  EXPECT_EQ(tracker.Move({40, 10}).place->dock, 2);
}

}  // namespace
