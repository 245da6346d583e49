// The program's icon on its top-level windows: the classes of the main window
// and of the application window (which has the task-bar button) and the
// windows themselves carry it, big and small, at the system's icon sizes, showing the picture of
// resources/program_icon.svg and resources/program_icon_small.svg rather than
// the system's default icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/win/program_windows.h"
#include "ui/framework/gdi.h"

namespace {

// An icon drawn over white, read back pixel by pixel.
struct DrawnIcon {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

DrawnIcon Draw(HICON icon) {
  DrawnIcon drawn;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return drawn;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  drawn.width = bitmap.bmWidth;
  drawn.height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
  if (drawn.width <= 0 || drawn.height <= 0) return drawn;

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = drawn.width;
  format.bmiHeader.biHeight = -drawn.height;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const ui::CompatibleDC dc(nullptr);
  const ui::GdiObject<HBITMAP> target(CreateDIBSection(dc.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const ui::SelectedObject selected(dc.Get(), target.Get());
  RECT all{0, 0, drawn.width, drawn.height};
  FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc.Get(), 0, 0, icon, drawn.width, drawn.height, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < drawn.width * drawn.height; ++i) {
    const std::uint32_t p = pixels[i];  // 0x00RRGGBB
    drawn.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  return drawn;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 40) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The picture's flat colours.
const COLORREF kHandset = RGB(0xD0, 0x3A, 0x2F);
const COLORREF kCover = RGB(0x2F, 0x5D, 0x9B);
const COLORREF kPage = RGB(0xFB, 0xF7, 0xEA);
const COLORREF kEntry = RGB(0x6F, 0x8F, 0xBF);
const COLORREF kWhite = RGB(255, 255, 255);

// The small icon is drawn on a 16-pixel grid: the colour of grid cell (x, y)
// at whatever size the system asks for.
COLORREF Cell(const DrawnIcon& icon, int x, int y) {
  return icon.At((2 * x + 1) * icon.width / 32, (2 * y + 1) * icon.height / 32);
}

double ShareNear(const DrawnIcon& icon, COLORREF colour) {
  int count = 0;
  for (COLORREF p : icon.pixels) count += Near(p, colour) ? 1 : 0;
  return static_cast<double>(count) / static_cast<double>(icon.pixels.size());
}

class ProgramIconTest : public testing_support::ProgramWindowsTest {
 protected:
  void ExpectProgramIcons(HWND window, const char* which) {
    SCOPED_TRACE(which);
    const auto big_icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    const auto small_icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    ASSERT_NE(big_icon, nullptr);
    ASSERT_NE(small_icon, nullptr);
    // No icons of the window's own, which would cost start-up time: what
    // shows the window's icon falls back on the class's.
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);

    const DrawnIcon small_drawn = Draw(small_icon);
    ASSERT_EQ(small_drawn.width, GetSystemMetrics(SM_CXSMICON));
    ASSERT_EQ(small_drawn.height, GetSystemMetrics(SM_CYSMICON));
    // The handset's left end, a page, an entry line on it, the spine between
    // the pages, and the empty corner beside the handset.
    EXPECT_TRUE(Near(Cell(small_drawn, 0, 5), kHandset));
    EXPECT_TRUE(Near(Cell(small_drawn, 3, 8), kPage));
    EXPECT_TRUE(Near(Cell(small_drawn, 3, 10), kEntry));
    EXPECT_TRUE(Near(Cell(small_drawn, 7, 12), kCover));
    EXPECT_TRUE(Near(Cell(small_drawn, 0, 0), kWhite));

    const DrawnIcon big_drawn = Draw(big_icon);
    ASSERT_EQ(big_drawn.width, GetSystemMetrics(SM_CXICON));
    ASSERT_EQ(big_drawn.height, GetSystemMetrics(SM_CYICON));
    // The full picture, smoothly drawn: a fair share of each flat colour,
    // and its empty top-left corner.
    EXPECT_GT(ShareNear(big_drawn, kHandset), 0.08);
    EXPECT_GT(ShareNear(big_drawn, kPage), 0.15);
    EXPECT_GT(ShareNear(big_drawn, kCover), 0.04);
    EXPECT_TRUE(Near(big_drawn.At(0, 0), kWhite));
  }
};

TEST_F(ProgramIconTest, TheMainWindowAndTheApplicationWindowShowTheProgramsIconBigAndSmall) {
  ExpectProgramIcons(Handle(), "main window");
  ExpectProgramIcons(application_->Handle(), "application window");
  // Both classes share the one pair of icons the system keeps for the program.
  EXPECT_EQ(GetClassLongPtrW(Handle(), GCLP_HICON), GetClassLongPtrW(application_->Handle(), GCLP_HICON));
}

}  // namespace
