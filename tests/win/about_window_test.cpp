// The About window on screen, driven by real mouse input (SendInput): shown by
// "O..." centred on the main window and in front, moved by a press of any
// button on its strip or its text (the system's move loop), the close mark's
// hover colour and click, the links' hand cursor and shell calls, its place
// kept between showings, a failing shell, bursts of clicks, and the program
// ending with code 0 when the main window closes while it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/toolbar/toolbar_view.h"
#include "tests/common/child_process.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"

namespace {

using testing_support::Button;
using testing_support::Click;
using testing_support::ClientCentre;
using testing_support::Drag;
using testing_support::MoveMouse;
using testing_support::ScreenPixel;
using testing_support::ScreenPixels;
using testing_support::ScreenPoint;

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

POINT Offset(POINT p, int dx, int dy) {
  return POINT{p.x + dx, p.y + dy};
}

// The top-level window whose part is at `screen`.
HWND TopWindowAt(POINT screen) {
  return GetAncestor(WindowFromPoint(screen), GA_ROOT);
}

// The visible top-level windows of class TfmAbout of this thread.
int VisibleAboutWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        if (IsWindowVisible(window) && testing_support::WindowClassName(window) == L"TfmAbout") {
          ++*reinterpret_cast<int*>(found);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

class AboutWindowTest : public testing_support::ProgramWindowsTest {
 protected:
  // Where a click runs "O...": the upper part of its toolbar button, which
  // the About window, centred on the main window, leaves free.
  POINT AboutItemPoint() const {
    auto* toolbar = dynamic_cast<app::ToolbarView*>(window_->ViewNamed("TBToolbar1"));
    EXPECT_NE(toolbar, nullptr);
    if (!toolbar || toolbar->Buttons().size() != 3) return POINT{0, 0};
    const RECT place = toolbar->Buttons()[2].place;
    return ScreenPoint(toolbar->Handle(), POINT{(place.left + place.right) / 2, place.top + 4});
  }

  // Clicks "O..." and waits until the About window shows.
  ::testing::AssertionResult ClickAboutItem() {
    const POINT at = AboutItemPoint();
    if (TopWindowAt(at) != Handle()) return ::testing::AssertionFailure() << "\"O...\" is covered";
    Click(at);
    if (!SettleUntil([&] { return IsWindowVisible(AboutHandle()) != FALSE; })) {
      return ::testing::AssertionFailure() << "the About window did not show";
    }
    Settle();
    return ::testing::AssertionSuccess();
  }

  void ShowAbout() {
    ShowAndSettle();
    ASSERT_TRUE(ClickAboutItem());
  }

  // Puts the About window's top-left corner at `place` (screen).
  void PlaceAbout(POINT place) {
    SetWindowPos(AboutHandle(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
  }

  // Rests the pointer at `screen`. Under Wine a late motion event of the
  // move before can put the pointer back where it came from for a moment;
  // a second move a pixel on makes sure the last word is here.
  void RestPointerAt(POINT screen) {
    MoveMouse(screen);
    Settle(30);
    MoveMouse(Offset(screen, 1, 0));
  }

  POINT MarkCentre() const { return ClientCentre(AboutOf("laButtomClose")); }
  // A point of the strip that no label covers: between the right link and
  // the close mark.
  POINT StripFreePoint() const {
    const RECT link = WindowRect(AboutOf("laLink1"));
    const RECT mark = WindowRect(AboutOf("laButtomClose"));
    return POINT{(link.right + mark.left) / 2, (mark.top + mark.bottom) / 2};
  }
  POINT TextPoint() const { return ClientCentre(AboutOf("me")); }

  // Drags with `button` from `from` by (dx, dy), paced as a hand does, and
  // waits until the drag is over; the window's place afterwards.
  RECT DragAboutBy(POINT from, int dx, int dy, Button button) {
    testing_support::PacedDrag drag(from, Offset(from, dx, dy), button, GetCurrentThreadId());
    EXPECT_TRUE(SettleUntil([&] { return drag.Done(); }, 5000));
    Settle();
    EXPECT_TRUE(drag.SawMoveLoop()) << "no move loop started";
    EXPECT_TRUE(drag.LoopEndedOnRelease()) << "the move loop went on after the release";
    return WindowRect(AboutHandle());
  }
};

TEST_F(AboutWindowTest, OIsShowsItCentredOnTheMainWindowAndInFront) {
  ShowAndSettle();
  // The main window first moved away from where it opened.
  SetWindowPos(Handle(), nullptr, 211, 137, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  ASSERT_FALSE(IsWindowVisible(AboutHandle()));
  ASSERT_TRUE(ClickAboutItem());
  const RECT main = WindowRect(Handle());
  const RECT about = WindowRect(AboutHandle());
  const LONG width = about.right - about.left, height = about.bottom - about.top;
  // The stored client area at the window's density (the prefix's).
  const ui::DpiScale scale = about_window_->WindowScale();
  EXPECT_EQ(width, scale.Length(343));
  EXPECT_EQ(height, scale.Length(146));
  EXPECT_EQ(about.left, std::max(0L, main.left + (main.right - main.left - width) / 2));
  EXPECT_EQ(about.top, std::max(0L, main.top + (main.bottom - main.top - height) / 2));
  EXPECT_EQ(testing_support::ClientSize(AboutHandle()).cx, scale.Length(343));
  EXPECT_EQ(testing_support::ClientSize(AboutHandle()).cy, scale.Length(146));
  // In front: active, and on top where it covers the main window.
  EXPECT_EQ(GetForegroundWindow(), AboutHandle());
  EXPECT_EQ(TopWindowAt(ClientCentre(AboutHandle())), AboutHandle());
  // Not modal: the main window still takes input.
  EXPECT_TRUE(IsWindowEnabled(Handle()));
}

TEST_F(AboutWindowTest, ItHasNoFrameTitleBarOrSystemMenuAndIsOpaque) {
  ShowAbout();
  const LONG_PTR style = GetWindowLongPtrW(AboutHandle(), GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(AboutHandle(), GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style &
               (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(ex_style & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE |
                           WS_EX_WINDOWEDGE | WS_EX_STATICEDGE));
  // The strip's flat 1-pixel border, no 3-D edge on the strip or the text.
  const HWND strip = AboutOf("Panel1");
  EXPECT_TRUE(GetWindowLongPtrW(strip, GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongPtrW(strip, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  // The border stays one pixel at every density.
  const ui::DpiScale scale = about_window_->WindowScale();
  EXPECT_EQ(testing_support::ClientSize(strip).cx, scale.Length(343) - 2);
  EXPECT_EQ(testing_support::ClientSize(strip).cy, scale.Length(19) - 2);
  const HWND text = AboutOf("me");
  EXPECT_FALSE(GetWindowLongPtrW(text, GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongPtrW(text, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(IsWindowEnabled(text));
  EXPECT_TRUE(GetWindowLongPtrW(text, GWL_STYLE) & ES_READONLY);
  // The close mark: 17 x 17 at the strip's right edge (its stored width
  // scaled, the strip's height inside the border).
  const RECT mark = testing_support::PlaceInParent(AboutOf("laButtomClose"));
  EXPECT_EQ(mark.left, scale.Length(343) - 2 - scale.Length(17));
  EXPECT_EQ(mark.top, 0);
  EXPECT_EQ(mark.right, scale.Length(17));       // width
  EXPECT_EQ(mark.bottom, scale.Length(19) - 2);  // height
}

TEST_F(AboutWindowTest, TheDisabledTextIsDrawnInBlackNotGrey) {
  ShowAbout();
  // The first line's glyphs. Grey text (what the system draws for a disabled
  // edit control) has no pixel darker than the grey; black text has many
  // pure black ones.
  const HWND text = AboutOf("me");
  const POINT corner = ScreenPoint(text, POINT{0, 0});
  const std::vector<COLORREF> line = ScreenPixels(RECT{corner.x, corner.y, corner.x + 300, corner.y + 14});
  const auto black = std::count(line.begin(), line.end(), RGB(0, 0, 0));
  EXPECT_GT(black, 50);
  // The nine lines, the first one as stored.
  const std::wstring shown = testing_support::TextOf(text);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), L'\n'), 8);
  EXPECT_EQ(shown.substr(0, shown.find(L'\r')),
            testing_support::W(u8"Телефонный справочник г.Тальмира и тальмирского района."));
  // The background is the text's colour, the window's.
  EXPECT_EQ(ScreenPixel(ScreenPoint(text, POINT{340, 120})), GetSysColor(COLOR_WINDOW));
}

TEST_F(AboutWindowTest, ASecondClickOnOOnlyBringsItToTheFront) {
  ShowAbout();
  // Moved so that it covers the main window's lower right corner only.
  const RECT main = WindowRect(Handle());
  PlaceAbout(POINT{main.left + 150, main.top + 150});
  const RECT placed = WindowRect(AboutHandle());
  const POINT overlap{main.left + 200, main.top + 180};
  ASSERT_EQ(TopWindowAt(overlap), AboutHandle());
  // The main window activated by a click on its status bar goes over it.
  Click(POINT{main.left + 40, main.bottom - 12});
  ASSERT_TRUE(SettleUntil([&] { return TopWindowAt(overlap) == Handle(); }));
  ASSERT_NE(GetForegroundWindow(), AboutHandle());
  ASSERT_TRUE(ClickAboutItem());
  EXPECT_TRUE(SettleUntil([&] { return TopWindowAt(overlap) == AboutHandle(); }));
  EXPECT_EQ(GetForegroundWindow(), AboutHandle());
  // Same window, same place, still one.
  const RECT after = WindowRect(AboutHandle());
  EXPECT_EQ(after.left, placed.left);
  EXPECT_EQ(after.top, placed.top);
  EXPECT_EQ(VisibleAboutWindows(), 1);
}

TEST_F(AboutWindowTest, DraggingOnTheStripOrTheTextWithAnyButtonMovesItByTheDistanceDragged) {
  ShowAbout();
  struct Case {
    const char* what;
    bool on_text;
    Button button;
    int dx, dy;
  };
  const Case cases[] = {{"strip, left", false, Button::kLeft, 57, 31},
                        {"text, left", true, Button::kLeft, -43, 22},
                        {"strip, right", false, Button::kRight, 36, -27},
                        {"text, middle", true, Button::kMiddle, -29, -18}};
  for (const Case& c : cases) {
    PlaceAbout(POINT{300, 300});
    const RECT before = WindowRect(AboutHandle());
    const POINT from = c.on_text ? TextPoint() : StripFreePoint();
    const RECT after = DragAboutBy(from, c.dx, c.dy, c.button);
    EXPECT_EQ(after.left - before.left, c.dx) << c.what;
    EXPECT_EQ(after.top - before.top, c.dy) << c.what;
    EXPECT_EQ(after.right - after.left, about_window_->WindowScale().Length(343)) << c.what;
    // The move ended with the release: the pointer moving on leaves it there.
    MoveMouse(Offset(from, c.dx + 40, c.dy + 25));
    Settle();
    EXPECT_EQ(WindowRect(AboutHandle()).left, after.left) << c.what;
    EXPECT_EQ(WindowRect(AboutHandle()).top, after.top) << c.what;
    EXPECT_EQ(GetCapture(), nullptr) << c.what;
  }
  EXPECT_TRUE(IsWindowVisible(AboutHandle()));
}

TEST_F(AboutWindowTest, APressOnTheCloseMarkStartsNoMoveAndItsReleaseClosesTheWindow) {
  ShowAbout();
  PlaceAbout(POINT{300, 300});
  // Pressed, dragged off the mark and released elsewhere: no move, no click.
  Drag(MarkCentre(), Offset(MarkCentre(), -90, 60), 6);
  Settle();
  EXPECT_EQ(WindowRect(AboutHandle()).left, 300);
  EXPECT_EQ(WindowRect(AboutHandle()).top, 300);
  EXPECT_TRUE(IsWindowVisible(AboutHandle()));
  // (Past the double-click time: a second press there would be a double click.)
  Settle(static_cast<int>(GetDoubleClickTime()) + 100);
  // Pressed and released on it, after a small slide inside it: its click.
  Drag(MarkCentre(), Offset(MarkCentre(), 3, 2), 3);
  EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(AboutHandle()); }));
  EXPECT_FALSE(about_->visible);
  EXPECT_EQ(WindowRect(AboutHandle()).left, 300);
  EXPECT_TRUE(IsWindowVisible(Handle()));
}

// Which page each link opens, and that the shell's answer is not looked at:
// AboutHandlersTest; here, that a real press and release reaches it.
TEST_F(AboutWindowTest, APressOnALinkStartsNoMoveAndItsReleaseOpensItsPage) {
  ShowAbout();
  PlaceAbout(POINT{300, 300});
  for (const char* name : {"laLink1", "laLink2"}) {
    const POINT on = ClientCentre(AboutOf(name));
    Drag(on, Offset(on, 2, 1), 2);
    Settle();
  }
  EXPECT_EQ(WindowRect(AboutHandle()).left, 300);
  EXPECT_EQ(WindowRect(AboutHandle()).top, 300);
  EXPECT_EQ(services_.shell.calls.size(), 2u);
  // Opening a page leaves the window as it was.
  EXPECT_TRUE(IsWindowVisible(AboutHandle()));
}

TEST_F(AboutWindowTest, HoveringTheCloseMarkTurnsItSkyBlueAndLeavingRestoresThePanelsColour) {
  ShowAbout();
  const POINT mark_corner = ScreenPoint(AboutOf("laButtomClose"), POINT{1, 1});
  const POINT strip_pixel = ScreenPoint(AboutOf("Panel1"), POINT{250, 1});
  const COLORREF panel = ScreenPixel(strip_pixel);
  EXPECT_EQ(panel, GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(ScreenPixel(mark_corner), panel);
  for (int round = 0; round < 2; ++round) {
    RestPointerAt(MarkCentre());
    EXPECT_TRUE(SettleUntil([&] { return ScreenPixel(mark_corner) == RGB(166, 202, 240); })) << round;
    // Off the mark onto the strip: exactly the strip's colour again.
    RestPointerAt(StripFreePoint());
    EXPECT_TRUE(SettleUntil([&] { return ScreenPixel(mark_corner) == panel; })) << round;
  }
  EXPECT_EQ(ScreenPixel(strip_pixel), panel);
}

TEST_F(AboutWindowTest, ThePointerOverALinkIsTheHandAndTheArrowOffIt) {
  ShowAbout();
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND), arrow = LoadCursorW(nullptr, IDC_ARROW);
  for (const char* name : {"laLink1", "laLink2"}) {
    RestPointerAt(ClientCentre(AboutOf(name)));
    EXPECT_TRUE(SettleUntil([&] { return testing_support::CurrentCursor() == hand; })) << name;
    RestPointerAt(StripFreePoint());
    EXPECT_TRUE(SettleUntil([&] { return testing_support::CurrentCursor() == arrow; })) << name;
    EXPECT_EQ(about_->laLink1->cursor, ui::crDefault) << name;
    EXPECT_EQ(about_->laLink2->cursor, ui::crDefault) << name;
    RestPointerAt(TextPoint());
    Settle();
    EXPECT_EQ(testing_support::CurrentCursor(), arrow) << name;
  }
}

TEST_F(AboutWindowTest, ClosingAndShowingAgainKeepsTheDraggedPlace) {
  ShowAbout();
  const RECT first = WindowRect(AboutHandle());
  const RECT dragged = DragAboutBy(StripFreePoint(), 70, 45, Button::kLeft);
  ASSERT_EQ(dragged.left, first.left + 70);
  Click(MarkCentre());
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(AboutHandle()); }));
  ParkMouse();
  Settle();
  ASSERT_TRUE(ClickAboutItem());
  const RECT again = WindowRect(AboutHandle());
  EXPECT_EQ(again.left, dragged.left);
  EXPECT_EQ(again.top, dragged.top);
  // The close mark was left under the pointer as the window hid: it shows the
  // strip's colour again, not the hover colour.
  const POINT mark_corner = ScreenPoint(AboutOf("laButtomClose"), POINT{1, 1});
  EXPECT_TRUE(SettleUntil([&] { return ScreenPixel(mark_corner) == GetSysColor(COLOR_INFOBK); }));
}

TEST_F(AboutWindowTest, BurstsOfClicksOnOAndOnTheCloseMarkLeaveOneSoundWindow) {
  ShowAbout();
  const RECT main = WindowRect(Handle());
  // Out of the way of "O..." and of the main window; on a denser screen,
  // where there is no room beside it, in the screen's bottom-right corner,
  // below the toolbar.
  const RECT shown = WindowRect(AboutHandle());
  const int screen_width = GetSystemMetrics(SM_CXSCREEN), screen_height = GetSystemMetrics(SM_CYSCREEN);
  const LONG about_width = shown.right - shown.left, about_height = shown.bottom - shown.top;
  PlaceAbout(main.right + 20 + about_width <= screen_width
                 ? POINT{main.right + 20, main.top}
                 : POINT{screen_width - about_width, screen_height - about_height});
  const RECT placed = WindowRect(AboutHandle());
  const POINT item = AboutItemPoint();
  for (int i = 0; i < 6; ++i) Click(item);
  Settle(300);
  EXPECT_EQ(VisibleAboutWindows(), 1);
  EXPECT_TRUE(about_->visible);
  EXPECT_EQ(WindowRect(AboutHandle()).left, placed.left);
  EXPECT_EQ(WindowRect(AboutHandle()).top, placed.top);
  // The first click on the mark hides it; the others fall on the desktop.
  const POINT mark = MarkCentre();
  for (int i = 0; i < 6; ++i) Click(mark);
  Settle(300);
  EXPECT_FALSE(IsWindowVisible(AboutHandle()));
  EXPECT_FALSE(about_->visible);
  // Shown and closed in quick turns, ending with a showing.
  for (int i = 0; i < 4; ++i) {
    Click(item);
    Settle(20);
    Click(mark);
    Settle(20);
  }
  Click(item);
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(AboutHandle()) != FALSE; }));
  Settle(200);
  EXPECT_EQ(VisibleAboutWindows(), 1);
  EXPECT_TRUE(about_->visible);
  EXPECT_EQ(WindowRect(AboutHandle()).left, placed.left);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(box_.shown.empty());
  // Still whole: its text and its strip.
  EXPECT_EQ(GetParent(AboutOf("laButtomClose")), AboutOf("Panel1"));
  EXPECT_GT(GetWindowTextLengthW(AboutOf("me")), 100);
}

// The program as a user starts it: "O..." clicked, the About window dragged,
// then the main window closed with Alt+F4 while the About window shows.
TEST(AboutWindowProgramTest, ClosingTheMainWindowWhileItShowsEndsTheProgramWithZero) {
  testing_support::ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  const auto visible_of_class = [&](const wchar_t* name) {
    return program.WaitForTopWindow(
        [name](HWND w) { return IsWindowVisible(w) && testing_support::WindowClassName(w) == name; }, 15000);
  };
  const HWND main = visible_of_class(L"TMainForm");
  ASSERT_NE(main, nullptr) << "no main window";
  HWND toolbar = nullptr;
  EnumChildWindows(
      main,
      [](HWND w, LPARAM found) {
        if (testing_support::WindowClassName(w) != L"TTBToolbar") return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&toolbar));
  ASSERT_NE(toolbar, nullptr);
  // "O..." is the bar's last button: its upper part near the bar's right end.
  RECT bar;
  GetClientRect(toolbar, &bar);
  Click(ScreenPoint(toolbar, POINT{bar.right - 6, 5}));
  const HWND about = visible_of_class(L"TfmAbout");
  ASSERT_NE(about, nullptr) << "the About window did not show";
  const RECT before = WindowRect(about);
  // Between the right link and the close mark, at the program's density.
  const ui::DpiScale scale(ui::SystemDpi());
  const POINT strip{before.left + scale.Position(250), before.top + scale.Position(9)};
  {
    testing_support::PacedDrag drag(strip, Offset(strip, 30, 40), Button::kLeft,
                                    GetWindowThreadProcessId(about, nullptr));
  }
  const DWORD until = GetTickCount() + 5000;
  while (WindowRect(about).top != before.top + 40 && static_cast<LONG>(until - GetTickCount()) > 0) Sleep(10);
  EXPECT_EQ(WindowRect(about).left, before.left + 30);
  EXPECT_EQ(WindowRect(about).top, before.top + 40);
  // The main window activated by a click on its title bar, then Alt+F4.
  const RECT main_rect = WindowRect(main);
  Click(POINT{main_rect.left + 60, main_rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
  ASSERT_TRUE(testing_support::WaitUntilKeysReach(main, 3000)) << "the main window did not take the keys";
  ASSERT_TRUE(IsWindowVisible(about));
  testing_support::PressKey(VK_F4, testing_support::kAlt);
  EXPECT_EQ(program.WaitForExit(15000), std::optional<DWORD>(0));
  EXPECT_FALSE(IsWindow(about));
}

}  // namespace
