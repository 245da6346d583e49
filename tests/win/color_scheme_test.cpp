// Colours in high contrast, wired: with high contrast forced on through the
// display settings seam and a scheme set with SetSysColors, each view draws
// with the scheme's pair for it (the result memo and the About text in the
// window pair; the window's face, labels and status bar in the button pair;
// the links in the hot-tracking colour; an open menu in the button pair with
// its highlighted row in the highlight pair; the close mark under the
// pointer in the highlight pair); and turning the flag on and off while the
// program runs repaints the windows, an open menu included.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/menus/drop_down_view.h"
#include "app/skin/form_skin.h"
#include "app/toolbar/toolbar_view.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"

namespace {

using testing_support::ScreenPixel;
using testing_support::ScreenPixels;
using testing_support::ScreenPoint;

// A scheme whose pairs all differ, so each view's pair is told apart.
constexpr COLORREF kWindow = RGB(0, 0, 0), kWindowText = RGB(255, 255, 255), kFace = RGB(0, 64, 0),
                   kFaceText = RGB(255, 255, 128), kHighlight = RGB(128, 0, 128),
                   kHighlightText = RGB(255, 255, 255), kHotLight = RGB(0, 255, 255);
constexpr std::array<int, 7> kIndices = {COLOR_WINDOW,    COLOR_WINDOWTEXT,    COLOR_BTNFACE, COLOR_BTNTEXT,
                                         COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_HOTLIGHT};
constexpr std::array<COLORREF, 7> kScheme = {kWindow,    kWindowText,    kFace,    kFaceText,
                                             kHighlight, kHighlightText, kHotLight};
// The result memo's stored background.
constexpr COLORREF kMemoBlue = RGB(240, 251, 255);

class ColorSchemeTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    bar_ = dynamic_cast<app::ToolbarView*>(window_->ViewNamed("TBToolbar1"));
    ASSERT_NE(bar_, nullptr);
  }

  // Turns the forced flag on or off and tells the windows, as the system
  // does when the user switches high contrast.
  void SetHighContrast(bool on) {
    services_.display.high_contrast = on;
    for (const HWND window : {Handle(), AboutHandle()}) {
      SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }
  }

  COLORREF PixelBecomes(POINT screen, COLORREF want) {
    SettleUntil([&] { return ScreenPixel(screen) == want; }, 2000);
    return ScreenPixel(screen);
  }
  // How many pixels of `window`'s client area are `color`.
  static long Count(HWND window, COLORREF color) {
    RECT client;
    GetClientRect(window, &client);
    const POINT corner = ScreenPoint(window, POINT{0, 0});
    const std::vector<COLORREF> pixels =
        ScreenPixels(RECT{corner.x, corner.y, corner.x + client.right, corner.y + client.bottom});
    return static_cast<long>(std::count(pixels.begin(), pixels.end(), color));
  }
  // A pixel of `window`'s client area 2 pixels in from its bottom-left corner.
  static POINT NearCorner(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return ScreenPoint(window, POINT{2, client.bottom - 3});
  }

  // Points of the open drop-down's first row ("Выход", never checked): the
  // middle of its image column or of its highlight, and a point inside the
  // highlight's frame.
  const app::DropDownRowPlace& FirstRow() const {
    return dynamic_cast<app::DropDownView*>(ui::Window::FromHandle(bar_->DropDownHandle()))
        ->Layout()
        .rows.at(0);
  }
  POINT InFirstRow(bool image) const {
    const app::Rect& r = image ? FirstRow().image : FirstRow().highlight;
    return ScreenPoint(bar_->DropDownHandle(), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  POINT InsideHighlightFrame() const {
    const app::Rect& r = FirstRow().highlight;
    return ScreenPoint(bar_->DropDownHandle(), POINT{r.left + 2, r.top + 2});
  }

  // Opens the drop-down of toolbar button `index` with a click.
  bool OpenMenu(int index) {
    const RECT place = bar_->Buttons().at(static_cast<std::size_t>(index)).place;
    testing_support::Click(
        ScreenPoint(bar_->Handle(), POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
    return SettleUntil([&] { return bar_->DropDownHandle() && IsWindowVisible(bar_->DropDownHandle()); });
  }

  app::ToolbarView* bar_ = nullptr;
};

TEST_F(ColorSchemeTest, InHighContrastEachViewDrawsWithItsPairOfTheScheme) {
  testing_support::SystemColorsRestorer restore({kIndices.begin(), kIndices.end()});
  services_.display.high_contrast = true;
  ASSERT_TRUE(SetSysColors(static_cast<int>(kIndices.size()), kIndices.data(), kScheme.data()));
  ShowAndSettle();

  // The memo's stored light blue gives way to the window pair.
  const HWND memo = Of("meResult");
  EXPECT_EQ(PixelBecomes(NearCorner(memo), kWindow), kWindow);
  EXPECT_GT(Count(memo, kWindowText), 20);
  // The window's face and its labels: the button pair; the number field and
  // the picker: the window pair.
  EXPECT_EQ(ScreenPixel(ScreenPoint(Handle(), POINT{1, 60})), kFace);
  EXPECT_GT(Count(Of("Label1"), kFaceText), 20);
  // The status bar in the button pair, the visual style set aside.
  EXPECT_GT(Count(Of("StatusBar1"), kFaceText), 20);
  EXPECT_GT(Count(Of("StatusBar1"), kFace), 200);
  EXPECT_EQ(ScreenPixel(NearCorner(Of("MaskEdit1"))), kWindow);
  const HWND picker = Of("RxDBLookupCombo1");
  EXPECT_EQ(ScreenPixel(NearCorner(picker)), GetFocus() == picker ? kHighlight : kWindow);

  // The open menu: the button pair, the row under the pointer the highlight pair.
  ASSERT_TRUE(OpenMenu(0));
  const HWND menu = bar_->DropDownHandle();
  EXPECT_EQ(PixelBecomes(InFirstRow(true), kFace), kFace);
  EXPECT_GT(Count(menu, kFaceText), 10);
  MoveMouseAndSettle(InFirstRow(false));
  EXPECT_EQ(PixelBecomes(InsideHighlightFrame(), kHighlight), kHighlight);
  EXPECT_GT(Count(menu, kHighlightText), 10);
  testing_support::PressKey(VK_ESCAPE);
  Settle();

  // The About window: its text in the window pair, the links in the
  // hot-tracking colour, the close mark under the pointer in the highlight pair.
  about_->Show();
  Settle();
  const HWND text = AboutOf("me");
  EXPECT_EQ(PixelBecomes(NearCorner(text), kWindow), kWindow);
  EXPECT_GT(Count(text, kWindowText), 50);
  EXPECT_GT(Count(AboutOf("laLink1"), kHotLight), 10);
  EXPECT_GT(Count(AboutOf("laLink2"), kHotLight), 10);
  const HWND mark = AboutOf("laButtomClose");
  MoveMouseAndSettle(testing_support::ClientCentre(mark));
  EXPECT_EQ(PixelBecomes(ScreenPoint(mark, POINT{1, 1}), kHighlight), kHighlight);
  EXPECT_GT(Count(mark, kHighlightText), 5);
}

TEST_F(ColorSchemeTest, TurningHighContrastOnAndOffRepaintsTheWindowsAndAnOpenMenu) {
  ShowAndSettle();
  const HWND memo = Of("meResult");
  ASSERT_EQ(PixelBecomes(NearCorner(memo), kMemoBlue), kMemoBlue);
  ASSERT_TRUE(OpenMenu(0));
  const COLORREF image = ui::ColorRef(app::SkinColorOf(window_->Model(), app::tcImageList));
  ASSERT_EQ(PixelBecomes(InFirstRow(true), image), image);

  SetHighContrast(true);
  EXPECT_EQ(PixelBecomes(NearCorner(memo), GetSysColor(COLOR_WINDOW)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(PixelBecomes(InFirstRow(true), GetSysColor(COLOR_BTNFACE)), GetSysColor(COLOR_BTNFACE));

  SetHighContrast(false);
  EXPECT_EQ(PixelBecomes(NearCorner(memo), kMemoBlue), kMemoBlue);
  EXPECT_EQ(PixelBecomes(InFirstRow(true), image), image);
  testing_support::PressKey(VK_ESCAPE);
  Settle();
}

}  // namespace
