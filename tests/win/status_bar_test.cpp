// The main window's status bar on screen: its face, bevel and size grip read
// back as pixels, the grip going when the bar leaves the window's corner,
// the grip's hit test and a drag on it with real input sizing the window,
// and the text it answers.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include <algorithm>

#include <string>
#include <vector>

#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::ClientSize;
using testing_support::ScreenPixel;
using testing_support::ScreenPixels;
using testing_support::ScreenPoint;
using testing_support::TextOf;
using testing_support::W;

class StatusBarTest : public testing_support::ProgramWindowsTest {
 protected:
  HWND Bar() const { return Of("StatusBar1"); }
  COLORREF BarPixel(int x, int y) const { return ScreenPixel(ScreenPoint(Bar(), POINT{x, y})); }
  // The pixels other than the face colour in the bar's bottom-right square
  // of the scroll-bar size, inside the panel's frame (the visual style's
  // pane ends in a line of its own where there is no grip): the grip's.
  int GripPixelsInCorner() const {
    RECT client;
    GetClientRect(Bar(), &client);
    const std::vector<COLORREF> corner = ScreenPixels(
        Screen(RECT{client.right - GetSystemMetrics(SM_CXVSCROLL),
                    client.bottom - GetSystemMetrics(SM_CYHSCROLL), client.right - 2, client.bottom - 1}));
    return static_cast<int>(std::count_if(corner.begin(), corner.end(),
                                          [](COLORREF c) { return c != GetSysColor(COLOR_3DFACE); }));
  }
  RECT Screen(const RECT& client) const {
    const POINT from = ScreenPoint(Bar(), POINT{client.left, client.top});
    return RECT{from.x, from.y, from.x + client.right - client.left, from.y + client.bottom - client.top};
  }
};

TEST_F(StatusBarTest, ClassicLookFaceLoweredBevelTextAndGripAsPixels) {
  ShowAndSettle();
  ParkMouse();
  // Without a visual style the bar draws bevels (a blank class list opens
  // no style; an empty one means the default).
  SetWindowTheme(Bar(), L" ", L" ");
  Settle(100);
  RECT client;
  GetClientRect(Bar(), &client);
  // The stored 19 at the window's density (the prefix's).
  ASSERT_EQ(client.bottom, window_->WindowScale().Length(19));
  const int mid = client.right / 2;
  const int bottom = client.bottom - 1;
  // The 2-pixel strip above the panel in the face colour (the system's
  // control keeps it 2 pixels at every density).
  EXPECT_EQ(BarPixel(mid, 0), GetSysColor(COLOR_3DFACE));
  EXPECT_EQ(BarPixel(mid, 1), GetSysColor(COLOR_3DFACE));
  // The lowered bevel: shadow along the top and left, light along the
  // bottom and right.
  EXPECT_EQ(BarPixel(mid, 2), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(BarPixel(0, 10), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(BarPixel(mid, bottom), GetSysColor(COLOR_3DHILIGHT));
  // Inside it the face past the text's end, and the text's ink near the
  // left end.
  EXPECT_EQ(BarPixel(client.right - GetSystemMetrics(SM_CXVSCROLL) - 5, 5), GetSysColor(COLOR_3DFACE));
  int ink = 0;
  for (int y = 3; y < bottom; ++y) {
    for (int x = 4; x < 40; ++x) ink += BarPixel(x, y) == GetSysColor(COLOR_BTNTEXT) ? 1 : 0;
  }
  EXPECT_GT(ink, 10);
  // The grip's ridges in the corner.
  EXPECT_GT(GripPixelsInCorner(), 6);
  EXPECT_TRUE(GetWindowLongPtrW(Bar(), GWL_STYLE) & SBARS_SIZEGRIP);
}

TEST_F(StatusBarTest, GripOnlyWhileTheBarIsInTheWindowsCorner) {
  ShowAndSettle();
  ParkMouse();
  ui::TStatusBar& bar = *form_->StatusBar1;
  bar.align = ui::TAlign::alNone;
  // Narrower: its right end is no longer the window's.
  bar.SetBounds(bar.left, bar.top, bar.width - 30, bar.height);
  Settle(100);
  EXPECT_FALSE(GetWindowLongPtrW(Bar(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(GripPixelsInCorner(), 0);
  const POINT corner = ScreenPoint(Bar(), POINT{bar.width - 3, bar.height - 3});
  EXPECT_EQ(SendMessageW(Bar(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);

  bar.SetBounds(bar.left, bar.top, bar.width + 30, bar.height);
  Settle(100);
  EXPECT_TRUE(GetWindowLongPtrW(Bar(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_GT(GripPixelsInCorner(), 6);
}

TEST_F(StatusBarTest, GripHitTestAndADragOnItSizesTheWindow) {
  ShowAndSettle();
  RECT client;
  GetClientRect(Bar(), &client);
  const auto hit = [&](int x, int y) {
    const POINT at = ScreenPoint(Bar(), POINT{x, y});
    return SendMessageW(Bar(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  };
  EXPECT_EQ(hit(client.right - 1, client.bottom - 1), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(client.right - GetSystemMetrics(SM_CXVSCROLL), 1), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(client.right - GetSystemMetrics(SM_CXVSCROLL) - 1, 10), HTCLIENT);
  EXPECT_EQ(hit(10, 10), HTCLIENT);

  RECT before;
  GetWindowRect(Handle(), &before);
  const POINT grip = ScreenPoint(Bar(), POINT{client.right - 4, client.bottom - 4});
  MoveMouseAndSettle(grip);
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_SIZENWSE));
  {
    testing_support::PacedDrag drag(grip, POINT{grip.x + 60, grip.y + 40}, testing_support::Button::kLeft,
                                    GetCurrentThreadId());
    EXPECT_TRUE(SettleUntil([&] { return drag.Done(); }, 5000));
    Settle();
    EXPECT_TRUE(drag.SawMoveLoop()) << "no size loop started";
    EXPECT_TRUE(drag.LoopEndedOnRelease());
  }
  RECT after;
  GetWindowRect(Handle(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right + 60);
  EXPECT_EQ(after.bottom, before.bottom + 40);
  // The bar followed to the new corner.
  EXPECT_EQ(ClientSize(Bar()).cx, ClientSize(Handle()).cx);
}

TEST_F(StatusBarTest, ColourAndSettingChangesReachTheBarThroughItsWindow) {
  ShowAndSettle();
  // Only top-level windows are told; the bar must repaint in the new
  // colours and font.
  for (const UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
    Settle(50);
    ValidateRect(Bar(), nullptr);
    SendMessageW(Handle(), message, 0, 0);
    EXPECT_TRUE(GetUpdateRect(Bar(), nullptr, FALSE)) << message;
  }
}

TEST_F(StatusBarTest, AnswersItsTextAndParts) {
  ShowAndSettle();
  const std::wstring text = W(u8"Cobbletree Soft 2003. База от 01.10.2003");
  EXPECT_EQ(TextOf(Bar()), text);
  EXPECT_EQ(SendMessageW(Bar(), SB_GETTEXTLENGTHW, 0, 0), static_cast<LRESULT>(text.size()));
  int right = 0;
  EXPECT_EQ(SendMessageW(Bar(), SB_GETPARTS, 1, reinterpret_cast<LPARAM>(&right)), 1);
  EXPECT_EQ(right, -1);
  // No second part.
  EXPECT_EQ(SendMessageW(Bar(), SB_GETTEXTLENGTHW, 1, 0), 0);
}

// The system's status bar control in a pop-up window of the size of `bar`
// below the main window, showing the same panels as `bar`.
class SystemStatusBar {
 public:
  SystemStatusBar(const ui::TStatusBar& bar, POINT at, bool grip) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    host_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, at.x, at.y, bar.width,
                            bar.height, nullptr, nullptr, nullptr, nullptr);
    DWORD style = WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (grip) style |= SBARS_SIZEGRIP;
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", style, 0, 0, bar.width, bar.height, host_, nullptr,
                           nullptr, nullptr);
    const std::size_t count = bar.panels.Count();
    if (bar.simple_panel || count == 0) {
      SendMessageW(bar_, SB_SIMPLE, TRUE, 0);
      return;
    }
    std::vector<int> rights(count);
    int right = 0;
    for (std::size_t i = 0; i < count; ++i) {
      right += bar.panels[i].width;
      rights[i] = i + 1 == count ? -1 : right;
    }
    SendMessageW(bar_, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rights.data()));
    for (std::size_t i = 0; i < count; ++i) {
      const ui::TStatusPanel& panel = bar.panels[i];
      WPARAM part = i;
      if (panel.bevel == ui::TStatusPanelBevel::pbNone) part |= SBT_NOBORDERS;
      if (panel.bevel == ui::TStatusPanelBevel::pbRaised) part |= SBT_POPOUT;
      // A tab before the text centres it, two put it at the right.
      std::wstring text = ui::Wide(panel.text);
      if (panel.alignment == ui::TAlignment::taCenter) text = L"\t" + text;
      if (panel.alignment == ui::TAlignment::taRightJustify) text = L"\t\t" + text;
      SendMessageW(bar_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  ~SystemStatusBar() { DestroyWindow(host_); }
  SystemStatusBar(const SystemStatusBar&) = delete;
  SystemStatusBar& operator=(const SystemStatusBar&) = delete;

  HWND Handle() const { return bar_; }

 private:
  HWND host_ = nullptr;
  HWND bar_ = nullptr;
};

// Where the two windows' pixels differ: none, or the count and the first.
::testing::AssertionResult SamePixels(HWND ours, HWND system) {
  RECT a;
  RECT b;
  GetWindowRect(ours, &a);
  GetWindowRect(system, &b);
  const std::vector<COLORREF> mine = ScreenPixels(a);
  const std::vector<COLORREF> theirs = ScreenPixels(b);
  if (mine.size() != theirs.size()) return ::testing::AssertionFailure() << "sizes differ";
  const int width = a.right - a.left;
  int differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i < mine.size(); ++i) {
    if (mine[i] == theirs[i]) continue;
    if (differing++ == 0) first = i;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, the first at " << first % width << "," << first / width << ": "
         << std::hex << mine[first] << " instead of " << theirs[first];
}

void AddPanel(ui::TStatusBar& bar, int width, ui::TStatusPanelBevel bevel, ui::TAlignment alignment,
              const std::string& text) {
  auto& panel = static_cast<ui::TStatusPanel&>(bar.panels.Add());
  panel.width = width;
  panel.bevel = bevel;
  panel.alignment = alignment;
  panel.text = text;
}

TEST_F(StatusBarTest, DrawsTheSamePixelsAsTheSystemStatusBar) {
  ShowAndSettle();
  ParkMouse();
  ui::TStatusBar& bar = *form_->StatusBar1;
  RECT main;
  GetWindowRect(Handle(), &main);
  const POINT below{main.left, main.bottom + 20};
  // In the visual style and in the classic look.
  const auto compare = [&](const char* what) {
    for (const bool themed : {true, false}) {
      SetWindowTheme(Bar(), themed ? nullptr : L" ", themed ? nullptr : L" ");
      InvalidateRect(Bar(), nullptr, TRUE);
      SystemStatusBar system(bar, below, true);
      if (!themed) SetWindowTheme(system.Handle(), L" ", L" ");
      Settle(150);
      EXPECT_TRUE(SamePixels(Bar(), system.Handle())) << what << (themed ? " in the style" : " classic");
    }
  };
  compare("the stored panel");

  bar.panels.Clear();
  AddPanel(bar, 90, ui::TStatusPanelBevel::pbRaised, ui::TAlignment::taCenter, "Raised");
  AddPanel(bar, 80, ui::TStatusPanelBevel::pbNone, ui::TAlignment::taRightJustify, "None");
  AddPanel(bar, 50, ui::TStatusPanelBevel::pbLowered, ui::TAlignment::taRightJustify, "Right");
  compare("three panels");

  bar.simple_panel = true;
  compare("a simple bar");
}

}  // namespace
