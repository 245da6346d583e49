// A change of the screen's density while the main window shows: the window
// told WM_DPICHANGED with a new density and the rectangle the system
// suggests (Wine moves no window between monitors of different densities,
// so the test sends what the system would) lays itself out from its stored
// lengths at that density, and back at the starting density it is exactly
// as it was. A density no screen has, an empty rectangle and one off every
// monitor change nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/common/embedded_streams.h"
#include "tests/win/density_layout.h"
#include "tests/win/program_windows.h"
#include "ui/framework/screen_density.h"

namespace {

namespace ts = testing_support;

// Every control's place and size, top to bottom of the list of views.
std::vector<std::string> Places(const ui::FormWindow& window, const app::ScaledFormLayout& layout) {
  std::vector<std::string> places;
  for (const app::PlacedControl& placed : layout.controls) {
    const ui::ControlView* view = window.ViewNamed(placed.control->Name());
    places.push_back(placed.control->Name() + " " +
                     (view && view->Handle() ? ts::Describe(ts::PlaceInParent(view->Handle())) : "-"));
  }
  return places;
}

class DensityChangeTest : public ts::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    ShowAndSettle();
  }

  // The outer rectangle the system suggests at `dpi`: the stored client
  // size scaled, in the frame, where the window's top left is now (on the
  // primary monitor). The frame is the one the system draws around this
  // window: on a monitor that really changed density that is the new
  // density's, but the window here stays on the prefix's monitor, whose
  // frame the system keeps drawing (at 96 a frame at 144 would leave the
  // client 2 x 11 pixels larger than the layout's).
  RECT SuggestedAt(int dpi) const {
    const ui::DpiScale scale(dpi);
    const RECT client{0, 0, scale.Length(299), scale.Length(196)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    RECT outer = ui::WindowRectForClient(client, style, ex_style, ui::WindowDpi(Handle()));
    const RECT now = ts::OuterRect(Handle());
    OffsetRect(&outer, now.left - outer.left, now.top - outer.top);
    return outer;
  }

  void SendDensity(int dpi, const RECT& suggested) {
    RECT copy = suggested;
    SendMessageW(Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&copy));
    Settle();
  }

  // Sends the change to `dpi` and checks the window against the layout there.
  void ChangeTo(int dpi) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const RECT suggested = SuggestedAt(dpi);
    SendDensity(dpi, suggested);
    const RECT outer = ts::OuterRect(Handle());
    EXPECT_TRUE(EqualRect(&outer, &suggested)) << "the window takes the suggested rectangle";
    EXPECT_EQ(window_->WindowScale().Dpi(), dpi);
    const app::ScaledFormLayout expected = fresh_.At(dpi);
    const SIZE client = ts::ClientSize(Handle());
    EXPECT_EQ(client.cx, expected.client.width);
    EXPECT_EQ(client.cy, expected.client.height);
    const std::vector<std::string> wrong = ts::Misplaced(*window_, expected);
    EXPECT_TRUE(wrong.empty()) << ts::Lines(wrong);
    // Whatever the layout made of them, no window lags behind its control.
    for (const app::PlacedControl& placed : expected.controls) {
      const ui::ControlView* view = window_->ViewNamed(placed.control->Name());
      if (!view || !view->Handle()) continue;
      const ui::TControl& control = view->Control();
      const RECT want{control.left, control.top, control.width, control.height};
      const RECT got = ts::PlaceInParent(view->Handle());
      EXPECT_TRUE(EqualRect(&got, &want)) << control.Name() << "'s window is at " << ts::Describe(got)
                                          << ", the control at " << ts::Describe(want);
    }
  }

  const ts::FreshForm<app::TMainForm> fresh_{"TMainForm"};
};

TEST_F(DensityChangeTest, EachNewDensityLaysTheWindowOutFromItsStoredLengths) {
  const int start = window_->WindowScale().Dpi();
  const app::ScaledFormLayout start_layout = fresh_.At(start);
  const std::vector<std::string> before = Places(*window_, start_layout);
  const RECT before_rect = ts::OuterRect(Handle());
  for (const int dpi : {144, 120, 96}) ChangeTo(dpi);
  // Back at the density it started with: every place as it was, no pixel
  // gained or lost on the way.
  const RECT back = SuggestedAt(start);
  SendDensity(start, back);
  EXPECT_EQ(Places(*window_, start_layout), before);
  const SIZE client = ts::ClientSize(Handle());
  EXPECT_EQ(client.cx, start_layout.client.width);
  EXPECT_EQ(client.cy, start_layout.client.height);
  const RECT after_rect = ts::OuterRect(Handle());
  EXPECT_EQ(after_rect.right - after_rect.left, before_rect.right - before_rect.left);
  EXPECT_EQ(after_rect.bottom - after_rect.top, before_rect.bottom - before_rect.top);
}

TEST_F(DensityChangeTest, TheAboutWindowFollowsItsOwnDensityChange) {
  about_->Show();
  Settle();
  HWND about = AboutHandle();
  ASSERT_NE(about, nullptr);
  const ts::FreshForm<about::TfmAbout> fresh("TfmAbout");
  const int start = about_window_->WindowScale().Dpi();
  const std::vector<std::string> before = Places(*about_window_, fresh.At(start));
  const RECT main_before = ts::OuterRect(Handle());
  for (const int dpi : {192, start}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const ui::DpiScale scale(dpi);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_EXSTYLE));
    RECT suggested = ui::WindowRectForClient(RECT{0, 0, scale.Length(343), scale.Length(146)}, style,
                                             ex_style, ui::WindowDpi(about));
    const RECT now = ts::OuterRect(about);
    OffsetRect(&suggested, now.left - suggested.left, now.top - suggested.top);
    SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Settle();
    const app::ScaledFormLayout expected = fresh.At(dpi);
    const SIZE client = ts::ClientSize(about);
    EXPECT_EQ(client.cx, expected.client.width);
    EXPECT_EQ(client.cy, expected.client.height);
    const std::vector<std::string> wrong = ts::Misplaced(*about_window_, expected);
    EXPECT_TRUE(wrong.empty()) << ts::Lines(wrong);
  }
  EXPECT_EQ(Places(*about_window_, fresh.At(start)), before);
  // Only the window told of the change follows it.
  const RECT main_after = ts::OuterRect(Handle());
  EXPECT_TRUE(EqualRect(&main_after, &main_before));
  EXPECT_EQ(window_->WindowScale().Dpi(), start);
}

TEST_F(DensityChangeTest, ADensityNoScreenHasOrARectangleOffTheScreensChangesNothing) {
  const int start = window_->WindowScale().Dpi();
  const app::ScaledFormLayout layout = fresh_.At(start);
  const std::vector<std::string> before = Places(*window_, layout);
  const RECT before_rect = ts::OuterRect(Handle());
  const int other = start == 144 ? 192 : 144;
  const RECT good = SuggestedAt(other);
  RECT off_screen = good;
  OffsetRect(&off_screen, -30000 - good.left, -30000 - good.top);
  const struct {
    const char* what;
    int dpi;
    RECT suggested;
  } cases[] = {
      {"density 0", 0, good},
      {"density 5000", 5000, good},
      {"an empty rectangle", other, RECT{good.left, good.top, good.left, good.top}},
      {"a rectangle upside down", other, RECT{good.right, good.bottom, good.left, good.top}},
      {"a rectangle off every monitor", other, off_screen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SendDensity(c.dpi, c.suggested);
    EXPECT_EQ(window_->WindowScale().Dpi(), start);
    EXPECT_EQ(Places(*window_, layout), before);
    const RECT now = ts::OuterRect(Handle());
    EXPECT_TRUE(EqualRect(&now, &before_rect)) << ts::Describe(now);
  }
  // A message without a rectangle at all is no change either.
  SendMessageW(Handle(), WM_DPICHANGED, MAKEWPARAM(other, other), 0);
  Settle();
  EXPECT_EQ(window_->WindowScale().Dpi(), start);
  EXPECT_EQ(Places(*window_, layout), before);
}

}  // namespace
