// The real main window and About window at the density of the screen they
// are on (the Wine prefix's: scripts/test runs these tests at 96, 144 and
// 192 pixels per inch): every control where the stored layout scaled to
// that density puts it, the figures of each density, and the title and the
// status bar's text fitting into their space.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/common/embedded_streams.h"
#include "tests/common/main_window_layout.h"
#include "tests/win/density_layout.h"
#include "tests/win/program_windows.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::ClientSize;
using testing_support::Describe;
using testing_support::FreshForm;
using testing_support::Lines;
using testing_support::Misplaced;
using testing_support::PlaceInParent;

// Places and sizes, as RECT{left, top, width, height}, that the windows have
// at one density.
struct Figures {
  SIZE client;
  RECT label2;
  POINT label1;
  RECT picker;
  RECT field;
  int status_height;
  SIZE about_client;
};

// As the descriptions store them (96 pixels per inch): the main window's
// from the shared table, the About window's client area.
constexpr RECT StoredRect(std::string_view name) {
  const testing_support::StoredPlace p = testing_support::StoredPlaceOf(name);
  return RECT{p.left, p.top, p.width, p.height};
}
constexpr Figures kStored{
    {testing_support::kMainWindowClient.width, testing_support::kMainWindowClient.height},
    StoredRect("Label2"),
    {StoredRect("Label1").left, StoredRect("Label1").top},
    StoredRect("RxDBLookupCombo1"),
    StoredRect("MaskEdit1"),
    testing_support::StoredPlaceOf("StatusBar1").height,
    {343, 146}};

Figures Doubled(const Figures& f) {
  const auto twice = [](const RECT& r) { return RECT{2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom}; };
  return Figures{{2 * f.client.cx, 2 * f.client.cy},
                 twice(f.label2),
                 {2 * f.label1.x, 2 * f.label1.y},
                 twice(f.picker),
                 twice(f.field),
                 2 * f.status_height,
                 {2 * f.about_client.cx, 2 * f.about_client.cy}};
}

// The figures of `dpi` worked out by hand, where this test knows them.
std::optional<Figures> FiguresAt(int dpi) {
  switch (dpi) {
    case 96:
      return kStored;
    case 144:  // every stored value times 1.5, halves rounded up
      return Figures{{449, 294}, {11, 51, 207, 20}, {252, 51}, {8, 72, 218, 32}, {264, 72, 101, 29},
                     29,         {515, 219}};
    case 192:
      return Doubled(kStored);
    default:
      return std::nullopt;
  }
}

// The width `text` takes in `font` (a LOGFONT of the system's metrics).
int TextWidth(const std::wstring& text, const LOGFONTW& font) {
  const ui::GdiObject<HFONT> made(CreateFontIndirectW(&font));
  const ui::WindowDC screen(nullptr);
  const ui::SelectedObject selected(screen.Get(), made.Get());
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

class DensityLayoutTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    ShowAndSettle();
    dpi_ = ui::WindowDpi(Handle());
  }

  void ShowAbout() {
    about_->Show();
    Settle();
    ASSERT_NE(AboutHandle(), nullptr);
  }

  int dpi_ = 96;
};

TEST_F(DensityLayoutTest, TheMainWindowIsTheStoredLayoutScaledToItsDensity) {
  const FreshForm<app::TMainForm> fresh("TMainForm");
  const app::ScaledFormLayout expected = fresh.At(dpi_);
  const SIZE client = ClientSize(Handle());
  EXPECT_EQ(client.cx, expected.client.width) << dpi_ << " dpi";
  EXPECT_EQ(client.cy, expected.client.height) << dpi_ << " dpi";
  const std::vector<std::string> wrong = Misplaced(*window_, expected);
  EXPECT_TRUE(wrong.empty()) << dpi_ << " dpi:" << Lines(wrong);
  // The toolbar's dock, as high as its items make it, ends above the labels.
  const RECT dock = PlaceInParent(Of("doTop"));
  EXPECT_LE(dock.top + dock.bottom, PlaceInParent(Of("Label2")).top) << Describe(dock);
  EXPECT_LE(dock.top + dock.bottom, PlaceInParent(Of("Label1")).top) << Describe(dock);
}

TEST_F(DensityLayoutTest, TheAboutWindowIsTheStoredLayoutScaledToItsDensity) {
  ShowAbout();
  const FreshForm<about::TfmAbout> fresh("TfmAbout");
  const app::ScaledFormLayout expected = fresh.At(ui::WindowDpi(AboutHandle()));
  const SIZE client = ClientSize(AboutHandle());
  EXPECT_EQ(client.cx, expected.client.width);
  EXPECT_EQ(client.cy, expected.client.height);
  const std::vector<std::string> wrong = Misplaced(*about_window_, expected);
  EXPECT_TRUE(wrong.empty()) << dpi_ << " dpi:" << Lines(wrong);
}

TEST_F(DensityLayoutTest, TheWindowsHaveTheFiguresOfTheirDensity) {
  const std::optional<Figures> figures = FiguresAt(dpi_);
  if (!figures) GTEST_SKIP() << "no figures worked out for " << dpi_ << " dpi";
  const SIZE client = ClientSize(Handle());
  EXPECT_EQ(client.cx, figures->client.cx);
  EXPECT_EQ(client.cy, figures->client.cy);
  const auto expect_place = [](HWND window, const RECT& want, const char* name) {
    const RECT got = PlaceInParent(window);
    EXPECT_TRUE(EqualRect(&got, &want)) << name << ": " << Describe(got) << ", expected " << Describe(want);
  };
  expect_place(Of("Label2"), figures->label2, "Label2");
  expect_place(Of("RxDBLookupCombo1"), figures->picker, "the picker");
  expect_place(Of("MaskEdit1"), figures->field, "the number field");
  const RECT label1 = PlaceInParent(Of("Label1"));
  EXPECT_EQ(label1.left, figures->label1.x);
  EXPECT_EQ(label1.top, figures->label1.y);
  EXPECT_EQ(PlaceInParent(Of("StatusBar1")).bottom, figures->status_height);
  ShowAbout();
  const SIZE about = ClientSize(AboutHandle());
  EXPECT_EQ(about.cx, figures->about_client.cx);
  EXPECT_EQ(about.cy, figures->about_client.cy);
}

TEST_F(DensityLayoutTest, TheTitleFitsBetweenTheIconAndTheCaptionButtons) {
  NONCLIENTMETRICSW metrics;
  ASSERT_TRUE(ui::NonClientMetricsForDpi(metrics, dpi_));
  const std::wstring title = testing_support::TextOf(Handle());
  ASSERT_FALSE(title.empty());
  const RECT outer = testing_support::OuterRect(Handle());
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const int buttons = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0 ? 3 : 1;
  const int frame =
      ui::SystemMetricForDpi(SM_CXSIZEFRAME, dpi_) + ui::SystemMetricForDpi(SM_CXPADDEDBORDER, dpi_);
  const int room = (outer.right - outer.left) - 2 * frame - ui::SystemMetricForDpi(SM_CXSMICON, dpi_) -
                   buttons * ui::SystemMetricForDpi(SM_CXSIZE, dpi_);
  EXPECT_LE(TextWidth(title, metrics.lfCaptionFont), room) << dpi_ << " dpi";
}

TEST_F(DensityLayoutTest, TheStatusTextFitsIntoItsPanel) {
  NONCLIENTMETRICSW metrics;
  ASSERT_TRUE(ui::NonClientMetricsForDpi(metrics, dpi_));
  HWND bar = Of("StatusBar1");
  ASSERT_NE(bar, nullptr);
  const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(length + 1u, L'\0');
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  ASSERT_FALSE(text.empty());
  // The one panel spans the bar; its text starts inside the bevel and a
  // 3-pixel inset (scaled) and must end before the size grip's column.
  const ui::DpiScale scale(dpi_);
  const int room = ClientSize(bar).cx - 2 - scale.Length(3) - ui::SystemMetricForDpi(SM_CXVSCROLL, dpi_);
  EXPECT_LE(TextWidth(text, metrics.lfStatusFont), room) << dpi_ << " dpi";
}

}  // namespace
