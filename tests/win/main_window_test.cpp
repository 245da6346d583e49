// The main window on screen, created as the program creates it: its frame and
// place, every control at its stored place with its stored text, the focus
// and the Tab cycle, resizing, and every way of closing it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "app/toolbar/toolbar_view.h"
#include "tests/common/embedded_streams.h"
#include "tests/common/main_window_layout.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "text/literal.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::ClientSize;
using testing_support::PlaceInParent;
using testing_support::TextOf;
using testing_support::W;

using testing_support::kMainWindowClient;
using testing_support::kMainWindowOuter;
using testing_support::StoredPlaceOf;

::testing::AssertionResult PlacedAt(HWND window, int left, int top, int width, int height) {
  const RECT p = PlaceInParent(window);
  if (p.left == left && p.top == top && p.right == width && p.bottom == height) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "at " << p.left << "," << p.top << " size " << p.right << "x" << p.bottom << ", expected " << left
         << "," << top << " size " << width << "x" << height;
}
// At the place the description stores for the control of that name.
::testing::AssertionResult PlacedAsStored(HWND window, std::string_view name) {
  const testing_support::StoredPlace p = StoredPlaceOf(name);
  return PlacedAt(window, p.left, p.top, p.width, p.height);
}

class MainWindowTest : public testing_support::ProgramWindowsTest {
 protected:
  void PressTab(bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE saved = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    Settle(0);
    keys[VK_SHIFT] = saved;
    SetKeyboardState(keys);
  }
};

TEST_F(MainWindowTest, FrameSizeCaptionAndOwner) {
  EXPECT_EQ(application_->MainWindow(), Handle());
  EXPECT_EQ(TextOf(Handle()), W(u8"Телефонный справочник г.Тальмир"));
  RECT outer;
  GetWindowRect(Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, kMainWindowOuter.width);
  EXPECT_EQ(outer.bottom - outer.top, kMainWindowOuter.height);
  EXPECT_EQ(ClientSize(Handle()).cx, kMainWindowClient.width);
  EXPECT_EQ(ClientSize(Handle()).cy, kMainWindowClient.height);
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(GetWindow(Handle(), GW_OWNER), application_->Handle());
  EXPECT_FALSE(IsWindowVisible(Handle()));
  // The About window exists, hidden, and is not the main window.
  auto* about = dynamic_cast<ui::FormWindow*>(about_->Host());
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(IsWindowVisible(about->Handle()));
  EXPECT_NE(application_->MainWindow(), about->Handle());
}

TEST_F(MainWindowTest, FirstShowingCentresLaterShowingsKeepThePlace) {
  // Made hidden where the first showing puts it, so the showing moves nothing.
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const POINT centre{(GetSystemMetrics(SM_CXSCREEN) - kMainWindowOuter.width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - kMainWindowOuter.height) / 2};
  EXPECT_EQ(outer.left, centre.x);
  EXPECT_EQ(outer.top, centre.y);
  ShowAndSettle();
  EXPECT_TRUE(IsWindowVisible(Handle()));
  GetWindowRect(Handle(), &outer);
  EXPECT_EQ(outer.left, centre.x);
  EXPECT_EQ(outer.top, centre.y);
  EXPECT_EQ(form_->left, centre.x);
  EXPECT_EQ(form_->top, centre.y);
  SetWindowPos(Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  form_->Hide();
  form_->Show();
  GetWindowRect(Handle(), &outer);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 20);
}

// The toolbar's items are as high as the system's menu font plus 9 pixels,
// and a docked window's frame adds 4: 22 and 26 with the usual 8-point font
// of text height 13 (some desktops substitute a font of another height).
int MenuTextHeight() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const ui::GdiObject<HFONT> font(CreateFontIndirectW(&metrics.lfMenuFont));
  const ui::WindowDC screen(nullptr);
  const ui::SelectedObject selected(screen.Get(), font.Get());
  TEXTMETRICW text{};
  GetTextMetricsW(screen.Get(), &text);
  return text.tmHeight;
}

// Every control's place at the window's density is DensityLayoutTest's (at
// 96 dpi, the stored one); what only the system's fonts and frames decide is
// checked here: the toolbar's height and the result window's client area.
TEST_F(MainWindowTest, TheToolbarIsAsHighAsTheMenuFontAndTheResultWindowHasItsStoredClientArea) {
  const int toolbar_height = MenuTextHeight() + 9;
  EXPECT_TRUE(PlacedAt(Of("doTop"), 0, 0, kMainWindowClient.width, toolbar_height + 4));
  EXPECT_EQ(PlaceInParent(Of("TBToolbar1")).bottom, toolbar_height + 4);
  EXPECT_EQ(ClientSize(Of("TBToolbar1")).cy, toolbar_height);
  // Inside the docks: 8 pixels of frame on the left, 2 on the other sides.
  EXPECT_EQ(ClientSize(Of("twResult")).cx, testing_support::kResultWindowClient.width);
  EXPECT_EQ(ClientSize(Of("twResult")).cy, testing_support::kResultWindowClient.height);
}

TEST_F(MainWindowTest, ThePickerIsAtLeastAsHighAsItsFontNeeds) {
  // A font as a denser screen would give it: the character cell, the flat
  // border above and below and 3 pixels; the stored 21 holds for the stored font.
  ui::TFont large;
  large.name = form_->RxDBLookupCombo1->font.name;
  large.height = -30;
  form_->RxDBLookupCombo1->SetFont(large);
  Settle();
  TEXTMETRICW text{};
  {
    const ui::GdiObject<HFONT> font(ui::CreateFontHandle(large));
    const ui::WindowDC dc(Of("RxDBLookupCombo1"));
    const ui::SelectedObject selected(dc.Get(), font.Get());
    GetTextMetricsW(dc.Get(), &text);
  }
  const testing_support::StoredPlace stored = StoredPlaceOf("RxDBLookupCombo1");
  ASSERT_GT(text.tmHeight + 2 + 3, stored.height);
  EXPECT_TRUE(PlacedAt(Of("RxDBLookupCombo1"), stored.left, stored.top, stored.width, text.tmHeight + 2 + 3));
  EXPECT_EQ(form_->RxDBLookupCombo1->height, text.tmHeight + 2 + 3);
}

TEST_F(MainWindowTest, ControlsShowTheirStoredTexts) {
  EXPECT_EQ(TextOf(Of("Label2")), W(u8"Подбор по ФИО"));
  EXPECT_EQ(TextOf(Of("Label1")), W(u8"Телефон"));
  EXPECT_EQ(TextOf(Of("MaskEdit1")), L"_-__-__");
  EXPECT_EQ(SendMessageW(Of("MaskEdit1"), EM_GETLIMITTEXT, 0, 0), 7);
  HWND memo = Of("meResult");
  EXPECT_EQ(TextOf(memo), W(u8"Пока ничего нет!"));
  const LONG_PTR memo_style = GetWindowLongPtrW(memo, GWL_STYLE);
  EXPECT_TRUE(memo_style & ES_CENTER);
  EXPECT_TRUE(memo_style & ES_READONLY);
  EXPECT_TRUE(memo_style & ES_MULTILINE);
  EXPECT_EQ(TextOf(Of("TBToolbar1")), W(u8"Работаем\tПоказать\tO..."));
  EXPECT_EQ(TextOf(Of("twResult")), W(u8"Окно результата"));

  HWND bar = Of("StatusBar1");
  EXPECT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 1);
  wchar_t text[128] = {};
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), W(u8"Cobbletree Soft 2003. База от 01.10.2003"));
  EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & SBARS_SIZEGRIP);
}

TEST_F(MainWindowTest, LabelsWithAutoSizeFitTheirTextOthersKeepTheirBox) {
  // The main window's labels keep their stored boxes (DensityLayoutTest);
  // the About window's links size themselves to their text.
  auto* about = dynamic_cast<ui::FormWindow*>(about_->Host());
  ASSERT_NE(about, nullptr);
  HWND link = about->ViewNamed("laLink1")->Handle();
  SIZE text{};
  {
    const ui::WindowDC dc(link);
    const ui::SelectedObject selected(dc.Get(), about->ViewNamed("laLink1")->FontHandle());
    const std::wstring caption = ui::Wide(about_->laLink1->caption);
    GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &text);
  }
  const RECT place = PlaceInParent(link);
  EXPECT_EQ(place.left, 104);
  EXPECT_EQ(place.right, text.cx);
  EXPECT_EQ(place.bottom, text.cy);
}

TEST_F(MainWindowTest, FocusStartsInTheResultMemoAndTabCycles) {
  ShowAndSettle();
  ASSERT_EQ(GetForegroundWindow(), Handle());
  EXPECT_EQ(GetFocus(), Of("meResult"));
  PressTab();
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));
  PressTab();
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  PressTab();
  EXPECT_EQ(GetFocus(), Of("meResult"));
  PressTab(true);
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  PressTab(true);
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));
  // Tab is never typed into the memo.
  EXPECT_EQ(TextOf(Of("meResult")), W(u8"Пока ничего нет!"));
}

TEST_F(MainWindowTest, HidingTheResultWindowCollapsesItsDockAndLeavesTheSearchControls) {
  ShowAndSettle();
  ASSERT_EQ(GetFocus(), Of("meResult"));
  form_->TBVisibilityToggleItem1->Click();
  EXPECT_FALSE(IsWindowVisible(Of("twResult")));
  EXPECT_FALSE(form_->TBVisibilityToggleItem1->Checked());
  EXPECT_EQ(PlaceInParent(Of("doBott")).bottom, 0);
  EXPECT_TRUE(PlacedAsStored(Of("StatusBar1"), "StatusBar1"));
  EXPECT_TRUE(PlacedAsStored(Of("MaskEdit1"), "MaskEdit1"));
  // The focus left the hidden memo; the cycle holds the two search controls.
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));
  PressTab();
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  PressTab();
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));

  form_->TBVisibilityToggleItem1->Click();
  EXPECT_TRUE(IsWindowVisible(Of("twResult")));
  EXPECT_TRUE(form_->TBVisibilityToggleItem1->Checked());
  EXPECT_TRUE(PlacedAsStored(Of("doBott"), "doBott"));
}

// A multi-line edit control asks its parent to close on Esc once the dialog
// key handling has asked it for its keys; no control's window may go by that.
TEST_F(MainWindowTest, EscInTheResultMemoLeavesTheResultWindowAndItsMemo) {
  ShowAndSettle();
  ASSERT_EQ(GetFocus(), Of("meResult"));
  HWND tool_window = Of("twResult");
  HWND memo = Of("meResult");
  testing_support::PressKey(VK_ESCAPE);
  Settle(200);
  EXPECT_TRUE(IsWindow(tool_window));
  EXPECT_TRUE(IsWindow(memo));
  EXPECT_TRUE(IsWindowVisible(tool_window));
  EXPECT_EQ(TextOf(memo), W(u8"Пока ничего нет!"));
  EXPECT_EQ(GetFocus(), memo);
  // The same for a close request sent to any control's window.
  SendMessageW(Of("MaskEdit1"), WM_CLOSE, 0, 0);
  SendMessageW(tool_window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(Of("MaskEdit1")));
  EXPECT_TRUE(IsWindow(tool_window));
  // The toggle item still hides and shows the same window.
  form_->TBVisibilityToggleItem1->Click();
  EXPECT_FALSE(IsWindowVisible(tool_window));
  form_->TBVisibilityToggleItem1->Click();
  EXPECT_TRUE(IsWindowVisible(tool_window));
}

TEST_F(MainWindowTest, ResizingStretchesDocksAndStatusBarOnly) {
  ShowAndSettle();
  SetWindowPos(Handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  const SIZE client = ClientSize(Handle());
  const int bar = StoredPlaceOf("StatusBar1").height, dock = StoredPlaceOf("doBott").height;
  const int memo = StoredPlaceOf("meResult").height;
  EXPECT_TRUE(PlacedAt(Of("doTop"), 0, 0, client.cx, MenuTextHeight() + 13));
  EXPECT_TRUE(PlacedAt(Of("StatusBar1"), 0, client.cy - bar, client.cx, bar));
  EXPECT_TRUE(PlacedAt(Of("doBott"), 0, client.cy - bar - dock, client.cx, dock));
  EXPECT_TRUE(PlacedAt(Of("twResult"), 0, 0, client.cx, dock));
  EXPECT_TRUE(PlacedAt(Of("meResult"), 0, 0, client.cx - 10, memo));
  for (const char* name : {"Label2", "Label1", "RxDBLookupCombo1", "MaskEdit1"})
    EXPECT_TRUE(PlacedAsStored(Of(name), name)) << name;

  // However small: no scroll bars, the controls clipped where they are.
  SetWindowPos(Handle(), nullptr, 0, 0, 120, 60, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_FALSE(GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_TRUE(PlacedAsStored(Of("MaskEdit1"), "MaskEdit1"));
  EXPECT_EQ(PlaceInParent(Of("doTop")).right, ClientSize(Handle()).cx);
}

TEST_F(MainWindowTest, ExitItemEndsTheLoop) {
  ShowAndSettle();
  form_->TBItem1->Click();
  EXPECT_TRUE(LoopEndsWithZero());
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(MainWindowTest, SystemMenuCloseEndsTheLoop) {
  ShowAndSettle();
  PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(MainWindowTest, AltF4EndsTheLoop) {
  ShowAndSettle();
  PostMessageW(Handle(), WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));  // bit 29: Alt is down
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(MainWindowTest, CloseButtonEndsTheLoop) {
  ShowAndSettle();
  // The close button: the rightmost title-bar button, inside the sizing frame.
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const int frame = GetSystemMetrics(SM_CXSIZEFRAME), button = GetSystemMetrics(SM_CXSIZE);
  const POINT at{outer.right - frame - button / 2, outer.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2};
  ASSERT_EQ(SendMessageW(Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCLOSE);
  // A real click there, through the system's input queue.
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT clicks[3] = {};
  for (INPUT& input : clicks) {
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / width;
    input.mi.dy = at.y * 65535 / height;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  }
  clicks[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  clicks[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(3, clicks, sizeof(INPUT)), 3u);
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(MainWindowTest, AboutItemShowsTheAboutWindowWithoutAModalLoop) {
  ShowAndSettle();
  auto* about = dynamic_cast<ui::FormWindow*>(about_->Host());
  ASSERT_NE(about, nullptr);
  // A click on "O..." in the toolbar runs once the click has been handled.
  auto* toolbar = dynamic_cast<app::ToolbarView*>(window_->ViewNamed("TBToolbar1"));
  ASSERT_NE(toolbar, nullptr);
  ASSERT_EQ(toolbar->Buttons().size(), 3u);
  const RECT place = toolbar->Buttons()[2].place;
  const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  SendMessageW(toolbar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(toolbar->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_FALSE(IsWindowVisible(about->Handle()));
  Settle();
  EXPECT_TRUE(IsWindowVisible(about->Handle()));
  // It has no control that takes the focus: it keeps the keyboard itself.
  EXPECT_EQ(GetFocus(), about->Handle());

  // Closing it only hides it; showing it again brings it back where it was.
  SetWindowPos(about->Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(about->Handle(), WM_CLOSE, 0, 0);
  Settle();
  EXPECT_FALSE(IsWindowVisible(about->Handle()));
  EXPECT_TRUE(IsWindowVisible(Handle()));
  form_->TBItem2->Click();
  EXPECT_TRUE(IsWindowVisible(about->Handle()));
  RECT r;
  GetWindowRect(about->Handle(), &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);

  // Closing the main window while it shows ends the loop; it goes with the program.
  const HWND about_window = about->Handle();
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(LoopEndsWithZero());
  application_.reset();
  EXPECT_FALSE(IsWindow(about_window));
}

}  // namespace
