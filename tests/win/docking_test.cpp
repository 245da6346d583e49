// Docking on the real main window with real mouse input: the result window
// and the toolbar dragged out of their docks to float and back in, Ctrl
// keeping a window afloat, double-clicks, the floating frame's close button,
// resizing by every zone, the frame kept on the screen, activation staying
// with the main window, and drags cut short.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/docking/dock_drag.h"
#include "app/docking/dock_layout.h"
#include "app/docking/dockable_view.h"
#include "app/docking/floating_window_view.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/skin/form_skin.h"
#include "app/toolbar/toolbar_view.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/gdi.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::PlaceInParent;
using testing_support::ScreenPixel;
using testing_support::TextOf;
using testing_support::W;

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

int HeightOf(HWND window) {
  const RECT r = ScreenRect(window);
  return r.bottom - r.top;
}

class DockingTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    ShowAndSettle();
  }

  app::TTBFloatingWindowParent* FrameOf(app::TTBDockableWindow& window) const {
    return app::FloatingFrameOf(window);
  }
  HWND FrameHandle(app::TTBDockableWindow& window) const {
    app::TTBFloatingWindowParent* frame = FrameOf(window);
    ui::ControlView* view = frame ? window_->ViewOf(*frame) : nullptr;
    return view ? view->Handle() : nullptr;
  }
  app::FloatingWindowView* FrameView(app::TTBDockableWindow& window) const {
    app::TTBFloatingWindowParent* frame = FrameOf(window);
    return frame ? dynamic_cast<app::FloatingWindowView*>(window_->ViewOf(*frame)) : nullptr;
  }
  // A point on the drag handle of a docked window (its left strip).
  POINT HandleOf(HWND docked) const {
    const RECT r = ScreenRect(docked);
    return POINT{r.left + 5, (r.top + r.bottom) / 2};
  }
  // A point on the floating frame's caption bar, left of the close button.
  POINT CaptionOf(app::TTBDockableWindow& window) const {
    const RECT r = ScreenRect(FrameHandle(window));
    const app::FloatingFrame geometry = FrameView(window)->Geometry();
    const app::Rect bar = geometry.CaptionBar(app::Size{r.right - r.left, r.bottom - r.top});
    return POINT{r.left + bar.left + 10, r.top + (bar.top + bar.bottom) / 2};
  }
  // Drags, input by input, while the program takes every message of it.
  void DragAndSettle(POINT from, POINT to, int steps = 10) {
    testing_support::InputSender sender(testing_support::DragInputs(from, to, steps));
    SettleUntil([&] { return sender.Done(); }, 5000);
    Settle(100);
  }
  app::DockableView& ResultView() const {
    return *dynamic_cast<app::DockableView*>(window_->ViewOf(*form_->twResult));
  }
  // Keys go to the foreground window's thread: the main window is made the
  // foreground one before a test sends keys during a drag.
  void MakeForeground() {
    SetForegroundWindow(Handle());
    Settle();
    ASSERT_EQ(GetForegroundWindow(), Handle());
  }
  // Sends `inputs` from the sender's thread while this thread takes every
  // message (a drag's loop runs inside the handling of its press).
  void SendAndSettle(std::vector<INPUT> inputs) {
    testing_support::InputSender sender(std::move(inputs));
    ASSERT_TRUE(SettleUntil([&] { return sender.Done(); }, 8000));
    Settle(100);
  }
  // A floating window's frame on the screen with its geometry.
  struct FloatShape {
    HWND handle;
    RECT screen;
    app::Size outer;
    app::FloatingFrame geometry;
    POINT At(int x, int y) const { return POINT{screen.left + x, screen.top + y}; }
  };
  FloatShape ShapeOf(app::TTBDockableWindow& window) const {
    const HWND handle = FrameHandle(window);
    const RECT r = ScreenRect(handle);
    return FloatShape{handle, r, app::Size{r.right - r.left, r.bottom - r.top},
                      FrameView(window)->Geometry()};
  }
  // Chooses "Панель результата" from the "Показать" menu with real input:
  // a click opens the menu, Down and Enter choose its first item.
  void ChooseToggleItem() {
    auto* bar = dynamic_cast<app::ToolbarView*>(window_->ViewOf(*form_->TBToolbar1));
    ASSERT_NE(bar, nullptr);
    const RECT place = bar->Buttons().at(1).place;
    testing_support::Click(testing_support::ScreenPoint(
        bar->Handle(), POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
    ASSERT_TRUE(SettleUntil([&] { return bar->Tracker().Open() == 1; }));
    testing_support::PressKey(VK_DOWN);
    testing_support::PressKey(VK_RETURN);
    ASSERT_TRUE(SettleUntil([&] { return !bar->Tracker().Tracking(); }));
    Settle(100);
  }
  // From the picker, Tab goes to the number field and from there back to
  // the picker.
  void ExpectTabCyclesTheSearchControlsOnly() {
    SetFocus(Of("RxDBLookupCombo1"));
    Settle();
    testing_support::PressKey(VK_TAB);
    ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Of("MaskEdit1"); }));
    testing_support::PressKey(VK_TAB);
    EXPECT_TRUE(SettleUntil([&] { return GetFocus() == Of("RxDBLookupCombo1"); }));
  }
  COLORREF Skin(app::TTBColorIndex index) const {
    return ui::ColorRef(app::SkinColorOf(window_->Model(), index));
  }
  // A stored pixel count at the main window's density (itself at 96 dpi).
  int S(int stored) const { return window_->WindowScale().Length(stored); }
  // The bottom dock's thickness holding the result window: its client
  // height and the docked border above and below (97 at 96 dpi).
  int ResultDockHeight() const { return S(93) + 2 * app::DockedBorder(window_->WindowScale()); }
  // Waits until the screen shows `want` at `screen`; the pixel then.
  COLORREF PixelBecomes(POINT screen, COLORREF want) {
    SettleUntil([&] { return ScreenPixel(screen) == want; }, 2000);
    return ScreenPixel(screen);
  }
  // Over the bottom dock, 40 pixels in from its left and 20 from its top.
  POINT OverTheBottomDock() const {
    const RECT bottom = ScreenRect(Of("doBott"));
    return POINT{bottom.left + 40, bottom.top + 20};
  }
  // Drags the toolbar by its handle away from the docks and, with Ctrl held
  // (a key pressed by a program rather than a hand is forgotten by the X
  // server the moment the pointer enters another window, so it is pressed
  // where the pointer stays in the moving frame), over the bottom dock,
  // where it is released and stays afloat.
  void FloatToolbarOverTheBottomDock() {
    using testing_support::ButtonEvent;
    using testing_support::KeyEvent;
    using testing_support::MoveInputs;
    const POINT over_bottom = OverTheBottomDock();
    const POINT grab = HandleOf(Of("TBToolbar1"));
    const POINT away{over_bottom.x + 320, over_bottom.y + 150};
    std::vector<INPUT> inputs = MoveInputs(grab, grab, 0);
    inputs.push_back(ButtonEvent(grab, testing_support::Button::kLeft, true));
    for (const INPUT& move : MoveInputs(grab, away, 6)) inputs.push_back(move);
    inputs.push_back(KeyEvent(VK_CONTROL, true));
    for (const INPUT& move : MoveInputs(away, over_bottom, 8)) inputs.push_back(move);
    inputs.push_back(ButtonEvent(over_bottom, testing_support::Button::kLeft, false));
    inputs.push_back(KeyEvent(VK_CONTROL, false));
    {
      testing_support::InputSender sender(inputs);
      ASSERT_TRUE(SettleUntil([&] { return sender.Done(); }, 5000));
    }
    Settle(100);
  }
  // Floats the result window by dragging its handle to `to`.
  // Somewhere on the 1024 x 768 test screen away from the main window and its
  // docks, with the whole frame on the screen.
  static constexpr POINT kAfloat{560, 620};
  void FloatResult(POINT to = kAfloat) {
    DragAndSettle(HandleOf(Of("twResult")), to);
    ASSERT_TRUE(form_->twResult->Floating()) << "the result window did not float";
  }
};

TEST_F(DockingTest, TheResultWindowDraggedOutFloatsAtThePointerAndItsDockCollapses) {
  ASSERT_EQ(HeightOf(Of("doBott")), ResultDockHeight());
  const POINT grab = HandleOf(Of("twResult"));
  const POINT to = kAfloat;
  DragAndSettle(grab, to);
  ASSERT_TRUE(form_->twResult->Floating());
  const HWND frame = FrameHandle(*form_->twResult);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(IsWindowVisible(frame));
  // A top-level tool window owned by the main window, captioned as the Part says.
  EXPECT_EQ(GetAncestor(frame, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(frame, GW_OWNER), Handle());
  EXPECT_TRUE(GetWindowLongPtrW(frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(TextOf(frame), W(u8"Окно результата"));
  const RECT place = ScreenRect(frame);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_TRUE(PtInRect(&place, to)) << "the frame is at the pointer: frame " << place.left << "," << place.top
                                    << "-" << place.right << "," << place.bottom << " cursor " << cursor.x
                                    << "," << cursor.y;
  // The memo moved with it, its text kept.
  EXPECT_EQ(GetAncestor(Of("meResult"), GA_ROOT), frame);
  EXPECT_EQ(TextOf(Of("meResult")), W(u8"Пока ничего нет!"));
  // The dock collapsed; the main window, the labels and the search controls stayed.
  EXPECT_EQ(HeightOf(Of("doBott")), 0);
  EXPECT_EQ(testing_support::ClientSize(Handle()).cy, S(196));
  EXPECT_EQ(PlaceInParent(Of("MaskEdit1")).left, S(176));
  EXPECT_EQ(PlaceInParent(Of("MaskEdit1")).top, S(48));
}

TEST_F(DockingTest, DraggedBackOverItsDockTheResultWindowDocksAgain) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  // The collapsed dock lies just above the status bar.
  const RECT dock = ScreenRect(Of("doBott"));
  DragAndSettle(CaptionOf(*form_->twResult), POINT{dock.left + 60, dock.top});
  EXPECT_FALSE(form_->twResult->Floating());
  EXPECT_EQ(form_->twResult->CurrentDock(), form_->doBott);
  EXPECT_EQ(HeightOf(Of("doBott")), ResultDockHeight());
  EXPECT_FALSE(IsWindowVisible(FrameHandle(*form_->twResult)));
  EXPECT_EQ(GetParent(Of("twResult")), Of("doBott"));
  // The memo as wide as the dock less the docked frame (289 at 96 dpi).
  EXPECT_EQ(PlaceInParent(Of("meResult")).right,
            testing_support::ClientSize(Handle()).cx - 2 * app::DockedBorder(window_->WindowScale()) -
                app::DragHandleWidth(app::TTBDragHandleStyle::dhSingle, false, window_->WindowScale()));
}

TEST_F(DockingTest, CtrlKeepsTheToolbarAfloatOverTheBottomDock) {
  using testing_support::ButtonEvent;
  using testing_support::KeyEvent;
  using testing_support::MoveInputs;
  ASSERT_NO_FATAL_FAILURE(FloatToolbarOverTheBottomDock());
  const POINT over_bottom = OverTheBottomDock();
  EXPECT_TRUE(form_->TBToolbar1->Floating());
  EXPECT_EQ(HeightOf(Of("doTop")), 0);
  EXPECT_EQ(HeightOf(Of("doBott")), ResultDockHeight());
  // Over the bottom dock with Ctrl held it stays afloat; Ctrl let go there
  // docks it at once: before the button is released, where the pointer rests.
  // (The whole drag is sent from the sender's thread: while the button is
  // down the program is in its drag loop and this thread cannot act.)
  const POINT caption = CaptionOf(*form_->TBToolbar1);
  const POINT over_again{over_bottom.x, ScreenRect(Of("doBott")).top + 10};
  std::vector<INPUT> inputs = MoveInputs(caption, caption, 0);
  inputs.push_back(ButtonEvent(caption, testing_support::Button::kLeft, true));
  inputs.push_back(KeyEvent(VK_CONTROL, true));
  for (const INPUT& move : MoveInputs(caption, over_again, 8)) inputs.push_back(move);
  inputs.push_back(KeyEvent(VK_CONTROL, false));
  for (const INPUT& move : MoveInputs(over_again, over_again, 0)) inputs.push_back(move);
  inputs.push_back(ButtonEvent(over_again, testing_support::Button::kLeft, false));
  {
    testing_support::InputSender sender(inputs);
    ASSERT_TRUE(SettleUntil([&] { return sender.Done(); }, 5000));
  }
  Settle(100);
  EXPECT_EQ(form_->TBToolbar1->CurrentDock(), form_->doBott);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_GT(HeightOf(Of("doBott")), ResultDockHeight()) << "two rows now";
  // The search controls never moved.
  EXPECT_EQ(PlaceInParent(Of("RxDBLookupCombo1")).top, S(48));
}

TEST_F(DockingTest, AMotionlessClickOnTheCaptionOfAFloatOverADockLeavesItFloating) {
  using testing_support::ButtonEvent;
  ASSERT_NO_FATAL_FAILURE(FloatToolbarOverTheBottomDock());
  ASSERT_TRUE(form_->TBToolbar1->Floating());
  const RECT frame = ScreenRect(FrameHandle(*form_->TBToolbar1));
  const POINT caption = CaptionOf(*form_->TBToolbar1);
  const RECT bottom = ScreenRect(Of("doBott"));
  ASSERT_TRUE(PtInRect(&bottom, caption)) << "the caption is over the bottom dock, which would take the bar";
  // The pointer rests on the caption first; then a press and a release there.
  testing_support::MoveMouse(caption);
  Settle(100);
  SendAndSettle({ButtonEvent(caption, testing_support::Button::kLeft, true),
                 ButtonEvent(caption, testing_support::Button::kLeft, false)});
  EXPECT_TRUE(form_->TBToolbar1->Floating()) << "a click without a move is no drag";
  const RECT after = ScreenRect(FrameHandle(*form_->TBToolbar1));
  EXPECT_TRUE(EqualRect(&frame, &after)) << "the frame did not move";
  EXPECT_EQ(HeightOf(Of("doBott")), ResultDockHeight());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockingTest, DoubleClicksFloatAndDockAgain) {
  testing_support::DoubleClick(HandleOf(Of("twResult")));
  ASSERT_TRUE(SettleUntil([&] { return form_->twResult->Floating(); }));
  EXPECT_EQ(HeightOf(Of("doBott")), 0);
  testing_support::DoubleClick(CaptionOf(*form_->twResult));
  ASSERT_TRUE(SettleUntil([&] { return !form_->twResult->Floating(); }));
  EXPECT_EQ(form_->twResult->CurrentDock(), form_->doBott);
  EXPECT_EQ(HeightOf(Of("doBott")), ResultDockHeight());
}

TEST_F(DockingTest, ADoubleClickOnTheBordersOfADockedWindowFloatsNothing) {
  const RECT result = ScreenRect(Of("twResult"));
  const RECT bar = ScreenRect(Of("TBToolbar1"));
  const int middle = (result.left + result.right) / 2, across = (result.top + result.bottom) / 2;
  // The outer and inner rings of the border on each side, and the border
  // just above and below the toolbar's drag handle.
  for (const POINT at :
       {POINT{middle, result.top}, POINT{middle, result.top + 1}, POINT{middle, result.bottom - 1},
        POINT{result.left, across}, POINT{result.left + 1, across}, POINT{result.right - 2, across},
        POINT{bar.left + 4, bar.top + 1}, POINT{bar.left + 4, bar.bottom - 2}}) {
    testing_support::DoubleClick(at);
    Settle(300);
    EXPECT_FALSE(form_->twResult->Floating()) << at.x << "," << at.y;
    EXPECT_FALSE(form_->TBToolbar1->Floating()) << at.x << "," << at.y;
  }
  EXPECT_EQ(GetCapture(), nullptr);
  // The drag handle itself still floats the window.
  testing_support::DoubleClick(HandleOf(Of("TBToolbar1")));
  EXPECT_TRUE(SettleUntil([&] { return form_->TBToolbar1->Floating(); }));
}

TEST_F(DockingTest, TheCloseButtonHidesTheFloatingWindowAndTheToggleItemBringsItBack) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  const HWND frame = FrameHandle(*form_->twResult);
  const RECT before = ScreenRect(frame);
  const app::FloatingFrame geometry = FrameView(*form_->twResult)->Geometry();
  const app::Rect square =
      geometry.CloseButton(app::Size{before.right - before.left, before.bottom - before.top});
  const POINT close{before.left + (square.left + square.right) / 2,
                    before.top + (square.top + square.bottom) / 2};
  // Released elsewhere: nothing happens.
  DragAndSettle(close, POINT{close.x - 60, close.y + 60}, 3);
  EXPECT_TRUE(IsWindowVisible(frame));
  testing_support::Click(close);
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(frame); }));
  EXPECT_FALSE(form_->twResult->visible);
  EXPECT_FALSE(form_->TBVisibilityToggleItem1->Checked());
  // Chosen from the menu, the toggle item shows it again, floating at the
  // same place.
  ASSERT_NO_FATAL_FAILURE(MakeForeground());
  ASSERT_NO_FATAL_FAILURE(ChooseToggleItem());
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(frame) != FALSE; }));
  EXPECT_TRUE(form_->TBVisibilityToggleItem1->Checked());
  EXPECT_EQ(HeightOf(Of("doBott")), 0) << "it came back afloat, not into its dock";
  EXPECT_TRUE(form_->twResult->Floating());
  const RECT after = ScreenRect(frame);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST_F(DockingTest, TheFloatingFrameAndCaptionBarAreDrawnInTheSkinsColours) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  const FloatShape shape = ShapeOf(*form_->twResult);
  const app::Size outer = shape.outer;
  const app::FloatingFrame& geometry = shape.geometry;
  const app::Insets insets = geometry.NonClient();
  const auto at = [&](int x, int y) { return shape.At(x, y); };
  const int mid_x = outer.width / 2, mid_y = outer.height / 2;
  // The two outer rings, on all four sides.
  const COLORREF out = Skin(app::tcDockBorderOut), in = Skin(app::tcDockBorderIn), face = Skin(app::tcFace);
  // Each ring 1 pixel wide at 96 dpi, scaled at other densities.
  const int ring = geometry.RingWidth();
  EXPECT_EQ(PixelBecomes(at(0, mid_y), out), out);
  EXPECT_EQ(ScreenPixel(at(ring - 1, mid_y)), out);
  EXPECT_EQ(ScreenPixel(at(outer.width - 1, mid_y)), out);
  EXPECT_EQ(ScreenPixel(at(mid_x, 0)), out);
  EXPECT_EQ(ScreenPixel(at(mid_x, outer.height - 1)), out);
  EXPECT_EQ(ScreenPixel(at(ring, mid_y)), in);
  EXPECT_EQ(ScreenPixel(at(2 * ring - 1, mid_y)), in);
  EXPECT_EQ(ScreenPixel(at(outer.width - 1 - ring, mid_y)), in);
  EXPECT_EQ(ScreenPixel(at(mid_x, ring)), in);
  EXPECT_EQ(ScreenPixel(at(mid_x, outer.height - 1 - ring)), in);
  // The rest of the frame in the face colour, where the frame is that wide.
  if (insets.left > 2 * ring) {
    EXPECT_EQ(ScreenPixel(at(2 * ring, mid_y)), face);
  }
  if (insets.bottom > 2 * ring) {
    EXPECT_EQ(ScreenPixel(at(mid_x, outer.height - 1 - 2 * ring)), face);
  }
  // The caption bar, its text 2 pixels in, one line, centred.
  const app::Rect bar = geometry.CaptionBar(outer);
  const COLORREF title = Skin(app::tcDockBorderTitle), ink = Skin(app::tcCaptionText);
  ASSERT_NE(title, ink);
  EXPECT_EQ(ScreenPixel(at(bar.left, bar.top + 1)), title);
  EXPECT_EQ(ScreenPixel(at(bar.left + 1, (bar.top + bar.bottom) / 2)), title);
  const app::Rect text = geometry.CaptionTextRect(outer);
  EXPECT_EQ(text.left, bar.left + S(2));
  int first_x = outer.width, top_y = outer.height, bottom_y = -1;
  for (int y = bar.top; y < bar.bottom; ++y) {
    for (int x = bar.left; x < text.left + 40; ++x) {
      if (ScreenPixel(at(x, y)) != ink) continue;
      first_x = std::min(first_x, x);
      top_y = std::min(top_y, y);
      bottom_y = std::max(bottom_y, y);
    }
  }
  ASSERT_GE(bottom_y, 0) << "no caption text drawn";
  EXPECT_GE(first_x, text.left);
  EXPECT_LE(first_x, text.left + S(2)) << "the text starts 2 pixels into the bar";
  EXPECT_LE(std::abs((top_y - bar.top) - (bar.bottom - 1 - bottom_y)), 3) << "centred vertically";
  // The close button's normal look: its X in the caption colour on the bar.
  const app::Rect square = geometry.CloseButton(outer);
  EXPECT_EQ(square.Width(), GetSystemMetrics(SM_CYSMCAPTION) - 1);
  EXPECT_EQ(square.right, bar.right);
  // The glyph's pixels, each a block of the whole factor it is enlarged by.
  const app::Rect glyph = geometry.CloseGlyph(outer);
  const int k = geometry.CloseGlyphFactor();
  EXPECT_EQ(glyph.Extent(), (app::Size{8 * k, 7 * k}));
  EXPECT_EQ(ScreenPixel(at(glyph.left, glyph.top)), ink);
  EXPECT_EQ(ScreenPixel(at(glyph.left + k - 1, glyph.top + k - 1)), ink);
  EXPECT_EQ(ScreenPixel(at(glyph.left + 3 * k, glyph.top + 3 * k)), ink);
  EXPECT_EQ(ScreenPixel(at(glyph.left + 3 * k, glyph.top)), title);
  EXPECT_EQ(ScreenPixel(at(glyph.left + 4 * k - 1, glyph.top + k - 1)), title);
  EXPECT_EQ(ScreenPixel(at(square.left, (square.top + square.bottom) / 2)), title);
}

// Samples the close button while its press is tracked: the tracking loop
// dispatches this thread timer's messages.
struct CloseProbe {
  static inline HWND frame = nullptr;
  static inline POINT fill{}, glyph_ink{}, edge{};
  static inline RECT square{};
  struct Sample {
    bool over;
    COLORREF fill, glyph, edge;
  };
  static inline std::vector<Sample> samples;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (GetCapture() != frame) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    samples.push_back(Sample{PtInRect(&square, cursor) != FALSE, ScreenPixel(fill), ScreenPixel(glyph_ink),
                             ScreenPixel(edge)});
  }
};

TEST_F(DockingTest, TheCloseButtonShowsItsHotAndPushedLooks) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  const FloatShape shape = ShapeOf(*form_->twResult);
  const HWND frame = shape.handle;
  const RECT r = shape.screen;
  const app::Size outer = shape.outer;
  const app::FloatingFrame& geometry = shape.geometry;
  const auto at = [&](int x, int y) { return shape.At(x, y); };
  const app::Rect square = geometry.CloseButton(outer), glyph = geometry.CloseGlyph(outer);
  const app::Rect highlight = geometry.CloseButtonHighlight(outer);
  EXPECT_EQ(highlight, square.Grown(S(2), S(4), S(2), S(2)));
  const POINT centre = at((square.left + square.right) / 2, (square.top + square.bottom) / 2);
  // Inside the highlight, off the glyph; on the glyph's X; on the highlight's frame.
  const POINT fill = at(square.left, square.bottom - 1), glyph_ink = at(glyph.left, glyph.top);
  const POINT edge = at(highlight.left, (square.top + square.bottom) / 2);

  // Hot: the pointer over it.
  MoveMouseAndSettle(centre);
  EXPECT_EQ(PixelBecomes(fill, Skin(app::tcSelBar)), Skin(app::tcSelBar));
  EXPECT_EQ(ScreenPixel(edge), Skin(app::tcSelBarBorder));
  EXPECT_EQ(ScreenPixel(glyph_ink), Skin(app::tcMenuText));
  // Away again: the normal look.
  ParkMouse();
  EXPECT_EQ(PixelBecomes(fill, Skin(app::tcDockBorderTitle)), Skin(app::tcDockBorderTitle));

  // Pushed while the pointer is over it, normal when it strays, and a
  // release elsewhere does nothing.
  CloseProbe::frame = frame;
  CloseProbe::fill = fill;
  CloseProbe::glyph_ink = glyph_ink;
  CloseProbe::edge = edge;
  CloseProbe::square =
      RECT{r.left + square.left, r.top + square.top, r.left + square.right, r.top + square.bottom};
  CloseProbe::samples.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 25, &CloseProbe::OnTimer);
  ASSERT_NE(timer, 0u);
  const POINT away{centre.x - 80, centre.y + 60};
  std::vector<INPUT> inputs = testing_support::MoveInputs(centre, centre, 0);
  inputs.push_back(testing_support::ButtonEvent(centre, testing_support::Button::kLeft, true));
  for (int i = 0; i < 12; ++i) inputs.push_back(testing_support::MoveInputs(centre, centre, 0).back());
  for (const INPUT& move : testing_support::MoveInputs(centre, away, 3)) inputs.push_back(move);
  for (int i = 0; i < 12; ++i) inputs.push_back(testing_support::MoveInputs(away, away, 0).back());
  inputs.push_back(testing_support::ButtonEvent(away, testing_support::Button::kLeft, false));
  ASSERT_NO_FATAL_FAILURE(SendAndSettle(inputs));
  KillTimer(nullptr, timer);
  const COLORREF pushed = Skin(app::tcSelPushed);
  const COLORREF inverted = RGB(255 - GetRValue(pushed), 255 - GetGValue(pushed), 255 - GetBValue(pushed));
  int pushed_seen = 0, normal_seen = 0;
  for (const CloseProbe::Sample& sample : CloseProbe::samples) {
    if (sample.over && sample.fill == pushed) {
      ++pushed_seen;
      EXPECT_EQ(sample.edge, Skin(app::tcSelItemBorder));
      EXPECT_EQ(sample.glyph, inverted) << "the glyph inverts what is under it";
    }
    if (!sample.over && sample.fill == Skin(app::tcDockBorderTitle)) ++normal_seen;
  }
  EXPECT_GT(pushed_seen, 0) << "never seen pushed while over it";
  EXPECT_GT(normal_seen, 0) << "never seen normal while away";
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_TRUE(form_->twResult->visible);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockingTest, EveryZoneResizesAndTheClientNeverGoesBelow32By32) {
  ASSERT_NO_FATAL_FAILURE(FloatResult(POINT{520, 600}));
  const HWND frame = FrameHandle(*form_->twResult);
  const app::FloatingFrame geometry = FrameView(*form_->twResult)->Geometry();
  const app::Insets insets = geometry.NonClient();
  struct Zone {
    const char* name;
    int x, y;  // -1: left/top edge, 0: middle, 1: right/bottom edge
    int dx, dy;
  };
  for (const Zone& zone :
       {Zone{"right", 1, 0, 30, 0}, Zone{"bottom", 0, 1, 0, 25}, Zone{"left", -1, 0, -20, 0},
        Zone{"top", 0, -1, 0, -15}, Zone{"bottom-right", 1, 1, 10, 10}, Zone{"top-left", -1, -1, -10, -10},
        Zone{"top-right", 1, -1, 12, -12}, Zone{"bottom-left", -1, 1, -12, 12}}) {
    const RECT r = ScreenRect(frame);
    const POINT at{zone.x < 0   ? r.left + 1
                   : zone.x > 0 ? r.right - 2
                                : (r.left + r.right) / 2,
                   zone.y < 0   ? r.top + 1
                   : zone.y > 0 ? r.bottom - 2
                                : (r.top + r.bottom) / 2};
    DragAndSettle(at, POINT{at.x + zone.dx, at.y + zone.dy}, 4);
    const RECT now = ScreenRect(frame);
    EXPECT_EQ(now.left, r.left + (zone.x < 0 ? zone.dx : 0)) << zone.name;
    EXPECT_EQ(now.right, r.right + (zone.x > 0 ? zone.dx : 0)) << zone.name;
    EXPECT_EQ(now.top, r.top + (zone.y < 0 ? zone.dy : 0)) << zone.name;
    EXPECT_EQ(now.bottom, r.bottom + (zone.y > 0 ? zone.dy : 0)) << zone.name;
  }
  // Far too small: held at a 32 x 32 client area.
  const RECT r = ScreenRect(frame);
  DragAndSettle(POINT{r.right - 2, r.bottom - 2}, POINT{r.left - 50, r.top - 50}, 6);
  EXPECT_EQ(testing_support::ClientSize(frame).cx, 32);
  EXPECT_EQ(testing_support::ClientSize(frame).cy, 32);
  const RECT small = ScreenRect(frame);
  EXPECT_EQ(small.right - small.left, 32 + insets.left + insets.right);
  // The memo fills the client area.
  EXPECT_EQ(PlaceInParent(Of("meResult")).right, 32);
}

TEST_F(DockingTest, AFloatingToolbarResizedFlowsItsItemsIntoRows) {
  DragAndSettle(HandleOf(Of("TBToolbar1")), kAfloat);
  ASSERT_TRUE(form_->TBToolbar1->Floating());
  auto* bar = dynamic_cast<app::ToolbarView*>(window_->ViewOf(*form_->TBToolbar1));
  ASSERT_NE(bar, nullptr);
  const HWND frame = FrameHandle(*form_->TBToolbar1);
  const app::Insets insets = FrameView(*form_->TBToolbar1)->Geometry().NonClient();
  ASSERT_EQ(bar->Buttons().size(), 3u);
  const int row = bar->Buttons()[0].place.bottom;
  EXPECT_EQ(testing_support::ClientSize(frame).cy, row) << "one row at first";
  // The right edge dragged in past the last item: it starts a second row,
  // and the frame's height follows.
  RECT r = ScreenRect(frame);
  const int last = bar->Buttons()[2].place.right - bar->Buttons()[2].place.left;
  DragAndSettle(POINT{r.right - 2, (r.top + r.bottom) / 2},
                POINT{r.right - 2 - last / 2, (r.top + r.bottom) / 2}, 4);
  EXPECT_EQ(testing_support::ClientSize(frame).cy, 2 * row);
  EXPECT_EQ(bar->Buttons()[2].place.left, 0);
  EXPECT_EQ(bar->Buttons()[2].place.top, row);
  EXPECT_EQ(ScreenRect(frame).left, r.left) << "the left edge stays";
  // The bottom edge dragged down by a row: one item a row.
  r = ScreenRect(frame);
  DragAndSettle(POINT{(r.left + r.right) / 2, r.bottom - 2},
                POINT{(r.left + r.right) / 2, r.bottom - 2 + row}, 4);
  EXPECT_EQ(testing_support::ClientSize(frame).cy, 3 * row);
  EXPECT_EQ(bar->Buttons()[1].place.top, row);
  EXPECT_EQ(bar->Buttons()[2].place.top, 2 * row);
  EXPECT_EQ(ScreenRect(frame).top, r.top) << "the top edge stays";
  // Every item stays on the bar: no chevron.
  EXPECT_EQ(bar->ChevronPlace().right, 0);
  EXPECT_EQ(TextOf(Of("TBToolbar1")), W(u8"Работаем\tПоказать\tO..."));
  EXPECT_EQ(ScreenRect(frame).right - ScreenRect(frame).left,
            insets.left + insets.right + testing_support::ClientSize(frame).cx);
  // Docked again (into the dock it last passed through), the items stand in
  // one row along the dock.
  app::TTBDock* const last_dock = form_->TBToolbar1->LastDock();
  testing_support::DoubleClick(CaptionOf(*form_->TBToolbar1));
  ASSERT_TRUE(SettleUntil([&] { return !form_->TBToolbar1->Floating(); }));
  EXPECT_EQ(form_->TBToolbar1->CurrentDock(), last_dock);
  EXPECT_EQ(bar->Buttons()[2].place.top, 0);
  EXPECT_EQ(bar->Buttons()[2].place.left, bar->Buttons()[1].place.right);
  EXPECT_EQ(HeightOf(Of("TBToolbar1")), row + 2 * app::DockedBorder(window_->WindowScale()));
}

TEST_F(DockingTest, AFloatDraggedTowardsAScreenEdgeStaysFourPixelsInside) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  // Grabbed by the docked frame's top-left pixel, the float's top-left corner
  // would sit under the pointer, 1 pixel inside the screen's far corner: it is
  // held back so that 4 pixels of it stay on the screen.
  const RECT docked = ScreenRect(Of("twResult"));
  DragAndSettle(POINT{docked.left, docked.top}, POINT{width - 1, height - 1}, 8);
  ASSERT_TRUE(form_->twResult->Floating());
  const HWND frame = FrameHandle(*form_->twResult);
  RECT r = ScreenRect(frame);
  EXPECT_EQ(r.left, width - S(4));
  EXPECT_EQ(r.top, height - S(4));
  EXPECT_EQ(GetCapture(), nullptr);
  // Docked again and grabbed by the bottom-right pixel (the grab point then
  // lies at the float's right edge), dragged to the top-left corner: its
  // right edge is held 4 pixels in.
  app::DockWindowAgain(ResultView());
  Settle();
  ASSERT_FALSE(form_->twResult->Floating());
  const RECT again = ScreenRect(Of("twResult"));
  DragAndSettle(POINT{again.right - 1, again.bottom - 1}, POINT{0, 0}, 8);
  ASSERT_TRUE(form_->twResult->Floating());
  r = ScreenRect(frame);
  EXPECT_EQ(r.right, S(4));
  EXPECT_GE(r.bottom, S(4));
}

TEST_F(DockingTest, ClickingTheFloatingWindowLeavesTheMainWindowActiveAndAltF4EndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  SetForegroundWindow(Handle());
  Settle();
  testing_support::Click(testing_support::ClientCentre(Of("meResult")));
  Settle(200);
  EXPECT_EQ(GetActiveWindow(), Handle());
  testing_support::PressKey(VK_F4, testing_support::kAlt);
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(DockingTest, ACloseRequestToTheFloatingFrameEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  PostMessageW(FrameHandle(*form_->twResult), WM_CLOSE, 0, 0);
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(DockingTest, TheFloatingFrameTakesNoActivationAndHandsBackWhatItIsGiven) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  ASSERT_NO_FATAL_FAILURE(MakeForeground());
  const HWND frame = FrameHandle(*form_->twResult);
  const auto click_asks = [](HWND window, WORD hit) {
    return SendMessageW(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(GetAncestor(window, GA_ROOT)),
                        MAKELPARAM(hit, WM_LBUTTONDOWN));
  };
  // On the client area (the system itself answers a caption click with no
  // activation).
  EXPECT_EQ(click_asks(frame, HTCLIENT), MA_NOACTIVATE);
  // The frame's content asks its frame, as every child window does.
  EXPECT_EQ(click_asks(Of("meResult"), HTCLIENT), MA_NOACTIVATE);
  // The main window keeps the system's answer.
  EXPECT_EQ(click_asks(Handle(), HTCLIENT), MA_ACTIVATE);
  // Activated anyway, the frame gives the activation back to the main window.
  SetActiveWindow(frame);
  EXPECT_TRUE(SettleUntil([&] { return GetActiveWindow() == Handle(); }));
  EXPECT_TRUE(IsWindowVisible(frame));
}

TEST_F(DockingTest, AChangeOfTheSystemsColoursOrSettingsRepaintsTheFloatingFrame) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  const FloatShape shape = ShapeOf(*form_->twResult);
  const app::Rect bar = shape.geometry.CaptionBar(shape.outer);
  const POINT title = shape.At(bar.left + 1, (bar.top + bar.bottom) / 2);
  const COLORREF skin_title = Skin(app::tcDockBorderTitle);
  ASSERT_EQ(PixelBecomes(title, skin_title), skin_title);
  // Only top-level windows hear of such a change and the form's window
  // passes it on: the frame's caption bar, overdrawn here, comes back.
  for (const UINT message : {WM_SETTINGCHANGE, WM_SYSCOLORCHANGE}) {
    {
      ui::WindowDC dc(shape.handle);
      const RECT spot{bar.left, bar.top, bar.right, bar.bottom};
      FillRect(dc.Get(), &spot, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    ASSERT_EQ(PixelBecomes(title, RGB(0, 0, 0)), RGB(0, 0, 0));
    SendMessageW(Handle(), message, 0, 0);
    EXPECT_EQ(PixelBecomes(title, skin_title), skin_title) << message;
  }
}

TEST_F(DockingTest, WhileFloatingOrHiddenTheTabCycleHoldsOnlyTheSearchControls) {
  SetFocus(Of("meResult"));
  Settle();
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  // The focus left the memo when it went; Tab cycles the two search controls.
  EXPECT_NE(GetFocus(), Of("meResult"));
  ASSERT_NO_FATAL_FAILURE(ExpectTabCyclesTheSearchControlsOnly());
  // Docked again, the memo is back in the cycle.
  testing_support::DoubleClick(CaptionOf(*form_->twResult));
  ASSERT_TRUE(SettleUntil([&] { return !form_->twResult->Floating(); }));
  SetFocus(Of("MaskEdit1"));
  Settle();
  testing_support::PressKey(VK_TAB);
  EXPECT_TRUE(SettleUntil([&] { return GetFocus() == Of("meResult"); }));
  // Hidden while docked: the dock collapses and the memo leaves the cycle.
  ASSERT_NO_FATAL_FAILURE(ChooseToggleItem());
  ASSERT_TRUE(SettleUntil([&] { return !form_->twResult->visible; }));
  EXPECT_EQ(HeightOf(Of("doBott")), 0);
  EXPECT_EQ(PlaceInParent(Of("MaskEdit1")).top, S(48));
  ExpectTabCyclesTheSearchControlsOnly();
  // Shown again, docked as it was.
  ASSERT_NO_FATAL_FAILURE(ChooseToggleItem());
  EXPECT_TRUE(SettleUntil([&] { return HeightOf(Of("doBott")) == ResultDockHeight(); }));
}

// A top-level window of another thread, which counts as another application
// for activation: activating it makes the program inactive.
class OtherApplication {
 public:
  OtherApplication() {
    thread_ = std::thread([this] {
      window_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 120,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
      thread_id_ = GetCurrentThreadId();
      ready_ = true;
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
      DestroyWindow(window_);
    });
    while (!ready_) Sleep(5);
  }
  ~OtherApplication() {
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND Handle() const { return window_; }

 private:
  std::atomic<bool> ready_{false};
  HWND window_ = nullptr;
  DWORD thread_id_ = 0;
  std::thread thread_;
};

TEST_F(DockingTest, FloatingWindowsHideWhileAnotherApplicationIsActiveAndComeBackOnReturn) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  ASSERT_NO_FATAL_FAILURE(MakeForeground());
  const HWND frame = FrameHandle(*form_->twResult);
  const RECT before = ScreenRect(frame);
  ASSERT_TRUE(IsWindowVisible(frame));
  {
    OtherApplication other;
    SetForegroundWindow(other.Handle());
    EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(frame); })) << "still shown while inactive";
    EXPECT_TRUE(form_->twResult->visible) << "only out of sight, not closed";
    SetForegroundWindow(Handle());
    EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(frame) != FALSE; })) << "not back on return";
    const RECT after = ScreenRect(frame);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    // Closed while away stays closed on return.
    form_->twResult->SetVisible(false);
    Settle();
    SetForegroundWindow(other.Handle());
    Settle(200);
    SetForegroundWindow(Handle());
    Settle(200);
    EXPECT_FALSE(IsWindowVisible(frame));
  }
  // The main window still active: the float never took the activation.
  EXPECT_EQ(GetActiveWindow(), Handle());
}

TEST_F(DockingTest, FloatingWindowsHideWhileTheMainWindowIsMinimizedOrHidden) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  const HWND frame = FrameHandle(*form_->twResult);
  ShowWindow(Handle(), SW_MINIMIZE);
  EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(frame); })) << "shown beside a minimized main window";
  ShowWindow(Handle(), SW_RESTORE);
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(frame) != FALSE; })) << "not back after restoring";
  ShowWindow(Handle(), SW_HIDE);
  EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(frame); })) << "shown beside a hidden main window";
  ShowWindow(Handle(), SW_SHOW);
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(frame) != FALSE; }))
      << "not back with the main window";
  EXPECT_TRUE(form_->twResult->visible);
}

TEST_F(DockingTest, EscEndsADragWhereTheLastMovePutItAndOtherButtonsAreIgnored) {
  using testing_support::Button;
  using testing_support::ButtonEvent;
  using testing_support::KeyEvent;
  using testing_support::MoveInputs;
  ASSERT_NO_FATAL_FAILURE(MakeForeground());
  const POINT grab = HandleOf(Of("twResult"));
  const POINT midway{kAfloat.x - 100, kAfloat.y};
  const POINT later{kAfloat.x + 150, kAfloat.y - 150};
  std::vector<INPUT> inputs = MoveInputs(grab, grab, 0);
  inputs.push_back(ButtonEvent(grab, Button::kLeft, true));
  for (const INPUT& move : MoveInputs(grab, midway, 6)) inputs.push_back(move);
  // The right and middle buttons do not end the drag.
  for (const Button other : {Button::kRight, Button::kMiddle}) {
    inputs.push_back(ButtonEvent(midway, other, true));
    inputs.push_back(ButtonEvent(midway, other, false));
  }
  for (const INPUT& move : MoveInputs(midway, kAfloat, 4)) inputs.push_back(move);
  // The hand rests before it presses Esc (and the pointer's echoes under a
  // virtual X server die down).
  for (int i = 0; i < 10; ++i) inputs.push_back(MoveInputs(kAfloat, kAfloat, 0).back());
  inputs.push_back(KeyEvent(VK_ESCAPE, true));
  inputs.push_back(KeyEvent(VK_ESCAPE, false));
  // After Esc the window no longer follows the pointer.
  for (const INPUT& move : MoveInputs(kAfloat, later, 4)) inputs.push_back(move);
  inputs.push_back(ButtonEvent(later, Button::kLeft, false));
  ASSERT_NO_FATAL_FAILURE(SendAndSettle(inputs));
  ASSERT_TRUE(form_->twResult->Floating());
  const RECT r = ScreenRect(FrameHandle(*form_->twResult));
  EXPECT_TRUE(PtInRect(&r, kAfloat));
  EXPECT_FALSE(PtInRect(&r, later)) << "moved after the drag ended";
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(HeightOf(Of("doBott")), 0);
}

TEST_F(DockingTest, ADragEndingOutsideEveryMonitorLeavesTheFrameOnTheScreen) {
  ASSERT_NO_FATAL_FAILURE(FloatResult());
  DragAndSettle(CaptionOf(*form_->twResult), POINT{5000, 5000}, 6);
  ASSERT_TRUE(form_->twResult->Floating());
  const RECT r = ScreenRect(FrameHandle(*form_->twResult));
  EXPECT_LE(r.left, GetSystemMetrics(SM_CXSCREEN) - 4);
  EXPECT_LE(r.top, GetSystemMetrics(SM_CYSCREEN) - 4);
  EXPECT_GE(r.right, 4);
  EXPECT_GE(r.bottom, 4);
  EXPECT_EQ(GetCapture(), nullptr);
}

// What a thread timer does once while a drag runs and the result window
// floats: another window takes the capture, or the main window is asked to
// close. The timer's messages are dispatched by the drag's own loop.
struct CutShort {
  static inline HWND main = nullptr;
  static inline HWND thief = nullptr;  // takes the capture when set
  static inline app::TTBDockableWindow* window = nullptr;
  static inline bool done = false;
  static inline RECT frame_then{};
  static inline HWND frame = nullptr;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (done || GetCapture() != main || !window->Floating() || !frame) return;
    done = true;
    GetWindowRect(frame, &frame_then);
    if (thief) {
      SetCapture(thief);
    } else {
      PostMessageW(main, WM_CLOSE, 0, 0);
    }
  }
};

class DockingCutShortTest : public DockingTest {
 protected:
  void SetUp() override {
    DockingTest::SetUp();
    // The frame is made before the drag, so the timer can watch it (without
    // a click, which would make the drag's press a double-click).
    app::FloatWindow(ResultView());
    Settle();
    ASSERT_TRUE(form_->twResult->Floating());
    app::DockWindowAgain(ResultView());
    Settle();
    CutShort::main = Handle();
    CutShort::window = form_->twResult;
    CutShort::frame = FrameHandle(*form_->twResult);
    CutShort::done = false;
    CutShort::thief = nullptr;
    timer_ = SetTimer(nullptr, 0, 20, &CutShort::OnTimer);
    ASSERT_NE(timer_, 0u);
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    DockingTest::TearDown();
  }
  // A slow drag of the result window's handle out to kAfloat and on: 40 moves
  // afloat, so that the timer finds a quiet moment during the drag even on a
  // busy machine (a timer's message waits until no input is queued).
  std::vector<INPUT> SlowDrag() const {
    using testing_support::ButtonEvent;
    using testing_support::MoveInputs;
    const POINT grab = HandleOf(Of("twResult"));
    const POINT further{kAfloat.x + 150, kAfloat.y - 150};
    std::vector<INPUT> inputs = MoveInputs(grab, grab, 0);
    inputs.push_back(ButtonEvent(grab, testing_support::Button::kLeft, true));
    for (const INPUT& move : MoveInputs(grab, kAfloat, 8)) inputs.push_back(move);
    for (const INPUT& move : MoveInputs(kAfloat, further, 40)) inputs.push_back(move);
    inputs.push_back(ButtonEvent(further, testing_support::Button::kLeft, false));
    return inputs;
  }
  UINT_PTR timer_ = 0;
};

TEST_F(DockingCutShortTest, ACaptureTakenAwayEndsTheDragWithTheWindowWhereItWas) {
  const HWND thief = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(thief, nullptr);
  CutShort::thief = thief;
  ASSERT_NO_FATAL_FAILURE(SendAndSettle(SlowDrag()));
  EXPECT_TRUE(CutShort::done) << "the capture was never taken away during the drag";
  // The drag ended when the capture went: the frame stayed where it was then.
  ASSERT_TRUE(form_->twResult->Floating());
  const RECT r = ScreenRect(FrameHandle(*form_->twResult));
  EXPECT_EQ(r.left, CutShort::frame_then.left);
  EXPECT_EQ(r.top, CutShort::frame_then.top);
  EXPECT_TRUE(IsWindowVisible(FrameHandle(*form_->twResult)));
  EXPECT_EQ(GetCapture(), thief) << "the program took the capture back";
  ReleaseCapture();
  DestroyWindow(thief);
  // The program goes on: the window can be docked again and dragged.
  testing_support::DoubleClick(CaptionOf(*form_->twResult));
  EXPECT_TRUE(SettleUntil([&] { return !form_->twResult->Floating(); }));
}

TEST_F(DockingCutShortTest, TheMainWindowClosingDuringADragEndsTheDragAndThenTheProgram) {
  testing_support::InputSender sender(SlowDrag());
  EXPECT_TRUE(LoopEndsWithZero(8000));
  EXPECT_TRUE(CutShort::done) << "no close request during the drag";
  EXPECT_EQ(GetCapture(), nullptr);
  // Left floating where the last move put it (input already queued behind
  // the close request may still move it), on the screen.
  EXPECT_TRUE(form_->twResult->Floating());
  const RECT r = ScreenRect(FrameHandle(*form_->twResult));
  EXPECT_TRUE(IsWindowVisible(FrameHandle(*form_->twResult)));
  EXPECT_LE(r.left, GetSystemMetrics(SM_CXSCREEN) - 4);
  EXPECT_GE(r.right, 4);
  EXPECT_LE(r.top, GetSystemMetrics(SM_CYSCREEN) - 4);
  EXPECT_GE(r.bottom, 4);
}

}  // namespace
