// The search controls, their labels, the status bar and the About window at
// the density of the Wine prefix the tests run in (96 in the default one;
// PHONEBOOK_DPI=144 or 192 selects a prefix of that density): the fonts are
// the stored ones scaled, the picker's button, the open list and the status
// bar take the system's sizes at that density, the About window's strip
// holds its links and close mark, and no text is cut. A change of density at
// run time lays them out anew. (Every control's place at the prefix's
// density, with the figures worked out by hand: DensityLayoutTest.)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "app/forms/scaled_form_layout.h"
#include "resources/component_reader.h"
#include "resources/window_resource.h"
#include "search/lookup_combo_view.h"
#include "search/rx_db_lookup_combo.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::ClientSize;
using testing_support::PlaceInParent;
using testing_support::ScreenPixel;
using testing_support::ScreenPoint;

// The two descriptions read afresh, as stored: what the scaled layout needs.
struct StoredForms {
  template <typename Form>
  Form* Read(const char* class_name) {
    resources::ClassRegistry registry;
    app::RegisterComponentClasses(registry);
    auto* form = new Form(&owner);
    resources::ReadComponentStream(resources::FindWindowStream(class_name), *form, registry);
    return form;
  }

  base::TComponent owner{nullptr};  // owns both forms
  app::TMainForm* main = Read<app::TMainForm>("TMainForm");
  about::TfmAbout* about = Read<about::TfmAbout>("TfmAbout");
};

const StoredForms& Stored() {
  static const StoredForms forms;
  return forms;
}

::testing::AssertionResult PlacedAsLaidOut(HWND window, const app::ScaledFormLayout& layout,
                                           const char* name) {
  const app::PlacedControl* placed = layout.Find(name);
  if (!placed) return ::testing::AssertionFailure() << name << " is not in the layout";
  const RECT p = PlaceInParent(window);
  const base::Rect& r = placed->bounds;
  if (p.left == r.left && p.top == r.top && p.right == r.Width() && p.bottom == r.Height()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << name << " at " << p.left << "," << p.top << " size " << p.right << "x" << p.bottom
         << ", laid out at " << r.left << "," << r.top << " size " << r.Width() << "x" << r.Height();
}

LOGFONTW FontOf(HFONT font) {
  LOGFONTW log{};
  GetObjectW(font, sizeof log, &log);
  return log;
}

// The text's extent in `font` (DrawText's single-line measure).
SIZE Extent(HFONT font, const std::wstring& text) {
  const ui::WindowDC screen(nullptr);
  const ui::SelectedObject selected(screen.Get(), font);
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return SIZE{r.right, r.bottom};
}

int CellHeight(HFONT font) {
  const ui::WindowDC screen(nullptr);
  const ui::SelectedObject selected(screen.Get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  return metrics.tmHeight;
}

class SearchControlsDensityTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    scale_ = window_->WindowScale();
  }
  app::ScaledFormLayout MainLayout() const { return app::LayOutScaled(*Stored().main, scale_); }
  app::ScaledFormLayout AboutLayout() const { return app::LayOutScaled(*Stored().about, scale_); }
  search::LookupComboView& Picker() const {
    return dynamic_cast<search::LookupComboView&>(*ViewOf("RxDBLookupCombo1"));
  }
  int Dpi() const { return scale_.Dpi(); }

  // The picker as drawn on the screen at `scale`: its margin in the text
  // area's colour (as thick as scaled), left of the button that colour too,
  // and inside the button, past its 2-pixel edge, the button face: the
  // button drawn at the scroll bar width of that density.
  ::testing::AssertionResult ButtonAndMarginDrawnAt(const ui::DpiScale& scale) const {
    const HWND picker = Of("RxDBLookupCombo1");
    const SIZE client = ClientSize(picker);
    const int button_width = ui::SystemMetricForDpi(SM_CXVSCROLL, scale.Dpi());
    const search::PickerLayout layout = search::LayoutPicker(client.cx, client.cy, button_width, scale);
    const int y = layout.button.top + layout.button.Height() / 4;
    const COLORREF window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
    const struct {
      POINT at;
      COLORREF expected;
    } checks[] = {{{layout.text.left - 1, y}, window},
                  {{layout.text.left + 4, layout.text.top - 1}, window},
                  {{layout.button.left - 1, y}, window},
                  {{layout.button.left + 3, y}, face}};
    for (const auto& check : checks) {
      const COLORREF got = ScreenPixel(ScreenPoint(picker, check.at));
      if (got != check.expected) {
        return ::testing::AssertionFailure() << "pixel " << check.at.x << "," << check.at.y << " is "
                                             << std::hex << got << ", expected " << check.expected;
      }
    }
    return ::testing::AssertionSuccess();
  }

  ui::DpiScale scale_;
};

TEST_F(SearchControlsDensityTest, TheWindowsDensityIsThePrefixs) {
  EXPECT_EQ(Dpi(), ui::SystemDpi());
  EXPECT_EQ(about_window_->WindowScale(), scale_);
  // Run with PHONEBOOK_DPI, the prefix must really be at that density, or
  // the figures below would be checked at 96 only.
  if (const char* asked = std::getenv("PHONEBOOK_DPI"); asked && *asked) {
    EXPECT_EQ(Dpi(), std::atoi(asked));
  }
}

TEST_F(SearchControlsDensityTest, FontsAreTheStoredOnesScaledAndTheCaptionsFit) {
  const app::ScaledFormLayout layout = MainLayout();
  for (const char* name : {"Label2", "Label1", "RxDBLookupCombo1", "MaskEdit1", "meResult"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FontOf(ViewOf(name)->FontHandle()).lfHeight, layout.Find(name)->font_height);
  }
  // The number field is an edit control: the font it was given is the scaled one.
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Of("MaskEdit1"), WM_GETFONT, 0, 0)),
            ViewOf("MaskEdit1")->FontHandle());
  for (const char* name : {"Label2", "Label1"}) {
    SCOPED_TRACE(name);
    const SIZE text = Extent(ViewOf(name)->FontHandle(), testing_support::TextOf(Of(name)));
    EXPECT_LE(text.cx, ClientSize(Of(name)).cx);
    EXPECT_LE(text.cy, ClientSize(Of(name)).cy);
  }
  // The number field's template fits inside it in its font.
  const SIZE mask = Extent(ViewOf("MaskEdit1")->FontHandle(), L"_-__-__");
  EXPECT_LT(mask.cx, ClientSize(Of("MaskEdit1")).cx);
  EXPECT_LE(mask.cy, ClientSize(Of("MaskEdit1")).cy);
}

TEST_F(SearchControlsDensityTest, ThePickerHoldsItsFontAndDrawsItsButtonAtTheScrollBarWidthOfTheDensity) {
  ShowAndSettle();
  const HWND picker = Of("RxDBLookupCombo1");
  const int border = ui::SystemMetricForDpi(SM_CYBORDER, Dpi());
  EXPECT_GE(PlaceInParent(picker).bottom,
            search::LeastPickerHeight(CellHeight(Picker().FontHandle()), border, scale_));
  SetForegroundWindow(Handle());
  Settle();
  EXPECT_TRUE(ButtonAndMarginDrawnAt(scale_));
}

TEST_F(SearchControlsDensityTest,
       TheOpenListHasTheFontsRowsTheDensitysBorderAndScrollBarAndIsAsWideAsThePicker) {
  ShowAndSettle();
  auto& combo = *form_->RxDBLookupCombo1;
  combo.KeyDown(search::LookupKey::kDown, true);
  Settle();
  ASSERT_TRUE(combo.ListVisible());
  const HWND list = Picker().ListView()->Handle();
  ASSERT_TRUE(IsWindowVisible(list));
  const int row = CellHeight(Picker().FontHandle());
  EXPECT_EQ(combo.List().RowHeight(), row);
  EXPECT_EQ(combo.List().Scale(), scale_);
  EXPECT_EQ(Picker().ListView()->WindowScale(), scale_);
  RECT outer, picker;
  GetWindowRect(list, &outer);
  GetWindowRect(Of("RxDBLookupCombo1"), &picker);
  const int border = ui::SystemMetricForDpi(SM_CXBORDER, Dpi());
  EXPECT_EQ(outer.left, picker.left);
  EXPECT_EQ(outer.top, picker.bottom);
  EXPECT_EQ(outer.right - outer.left, picker.right - picker.left);
  EXPECT_EQ(outer.bottom - outer.top, 8 * row + 2 * border);
  // The system's scroll bar is as wide as the core was told.
  const SIZE client = ClientSize(list);
  EXPECT_EQ(client.cx, combo.List().ClientWidth());
  EXPECT_EQ(client.cx, (outer.right - outer.left) - 2 * border - ui::SystemMetricForDpi(SM_CXVSCROLL, Dpi()));
  EXPECT_EQ(client.cy, 8 * row);
  // Each name is drawn whole in its row.
  EXPECT_LE(Extent(Picker().ListView()->FontHandle(), L"Ag").cy, row);
  combo.KeyDown(search::LookupKey::kEscape, false);
  Settle();
}

TEST_F(SearchControlsDensityTest, TheStatusBarIsScaledAndItsTextFitsInTheStatusFontOfTheDensity) {
  ShowAndSettle();
  const HWND bar = Of("StatusBar1");
  EXPECT_EQ(ClientSize(bar).cy, scale_.Length(19));
  const ui::GdiObject<HFONT> font(ui::CreateSystemFont(&NONCLIENTMETRICSW::lfStatusFont, Dpi()));
  NONCLIENTMETRICSW metrics;
  ASSERT_TRUE(ui::NonClientMetricsForDpi(metrics, Dpi()));
  EXPECT_EQ(FontOf(font.Get()).lfHeight, metrics.lfStatusFont.lfHeight);
  const std::wstring text = testing_support::TextOf(bar);
  ASSERT_EQ(text, testing_support::W(u8"Cobbletree Soft 2003. База от 01.10.2003"));
  const SIZE extent = Extent(font.Get(), text);
  // Inside the bevel and the 3-pixel inset, clear of the grip; below the
  // 2-pixel strip and inside the bevel (the system control's pixels).
  const int grip = ui::SystemMetricForDpi(SM_CXVSCROLL, Dpi()) + 1;
  EXPECT_LE(1 + 3 + extent.cx, ClientSize(bar).cx - grip);
  EXPECT_LE(extent.cy, ClientSize(bar).cy - 2 - 2);
  // The grip answers in the scroll bar's column at this density.
  RECT r;
  GetWindowRect(bar, &r);
  const int column = ui::SystemMetricForDpi(SM_CXVSCROLL, Dpi());
  EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(r.right - column, r.bottom - 2)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageW(bar, WM_NCHITTEST, 0, MAKELPARAM(r.right - column - 2, r.bottom - 2)), HTCLIENT);
}

TEST_F(SearchControlsDensityTest, TheAboutWindowIsScaledItsBorderStaysOnePixelAndItsLinksFitTheirText) {
  ShowAndSettle();
  form_->TBItem2Click(nullptr);
  Settle();
  ASSERT_TRUE(IsWindowVisible(AboutHandle()));
  const app::ScaledFormLayout layout = AboutLayout();
  EXPECT_EQ(ClientSize(AboutHandle()).cx, layout.client.width);
  EXPECT_EQ(ClientSize(AboutHandle()).cy, layout.client.height);
  for (const char* name : {"Panel1", "laButtomClose", "me"}) {
    EXPECT_TRUE(PlacedAsLaidOut(AboutOf(name), layout, name));
  }
  // The panel's flat border is one pixel at every density.
  const SIZE panel = ClientSize(AboutOf("Panel1"));
  EXPECT_EQ(panel.cy, PlaceInParent(AboutOf("Panel1")).bottom - 2);
  const RECT mark = PlaceInParent(AboutOf("laButtomClose"));
  if (Dpi() == 144) {
    EXPECT_EQ(layout.client, (base::Size{515, 219}));
  } else if (Dpi() == 192) {
    EXPECT_EQ(layout.client, (base::Size{686, 292}));
    EXPECT_EQ(mark.right, 34);
    EXPECT_EQ(mark.bottom, 36);
  } else if (Dpi() == 96) {
    EXPECT_EQ(mark.right, 17);
    EXPECT_EQ(mark.bottom, 17);
  }
  for (const char* name : {"me", "laButtomClose", "laLink1", "laLink2"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FontOf(about_window_->ViewNamed(name)->FontHandle()).lfHeight, layout.Find(name)->font_height);
  }
  // The links take the size of their text in the scaled font, stay apart
  // and clear of the close mark, inside the strip.
  const RECT link2 = PlaceInParent(AboutOf("laLink2"));
  const RECT link1 = PlaceInParent(AboutOf("laLink1"));
  for (const char* name : {"laLink2", "laLink1"}) {
    SCOPED_TRACE(name);
    const SIZE text =
        Extent(about_window_->ViewNamed(name)->FontHandle(), testing_support::TextOf(AboutOf(name)));
    EXPECT_EQ(ClientSize(AboutOf(name)).cx, text.cx);
    EXPECT_EQ(ClientSize(AboutOf(name)).cy, text.cy);
    EXPECT_LE(text.cy, panel.cy);
  }
  EXPECT_LT(link2.left + link2.right, link1.left);
  EXPECT_LT(link1.left + link1.right, mark.left);
  // The close mark's " x " fits its box.
  const SIZE x = Extent(about_window_->ViewNamed("laButtomClose")->FontHandle(), L"x");
  EXPECT_LE(x.cx, mark.right);
  EXPECT_LE(x.cy, mark.bottom);
}

// Another density at run time (as WM_DPICHANGED brings it; Wine moves no
// window between monitors of two densities): the controls are laid out as
// the description says at the new one, the list opens at it, the links fit
// their text again, and going back leaves every rectangle as it was.
TEST_F(SearchControlsDensityTest, AChangeOfDensityLaysTheControlsOutAgainAndBackWithoutDrift) {
  ShowAndSettle();
  const int other = Dpi() == 144 ? 192 : 144;
  const ui::DpiScale to(other);
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const char* const names[] = {"Label2", "Label1", "RxDBLookupCombo1", "MaskEdit1", "StatusBar1"};
  std::vector<RECT> before;
  for (const char* name : names) before.push_back(PlaceInParent(Of(name)));
  // The frame Wine draws stays the one of the prefix's density: the new
  // client size inside the frame the window has now.
  const SIZE client = ClientSize(Handle());
  const RECT moved{outer.left, outer.top, outer.right + to.Length(Stored().main->client_width) - client.cx,
                   outer.bottom + to.Length(Stored().main->client_height) - client.cy};
  ASSERT_TRUE(window_->ChangeDensity(other, moved));
  Settle();
  const app::ScaledFormLayout layout = app::LayOutScaled(*Stored().main, to);
  for (const char* name : names) EXPECT_TRUE(PlacedAsLaidOut(Of(name), layout, name));
  EXPECT_EQ(FontOf(ViewOf("RxDBLookupCombo1")->FontHandle()).lfHeight,
            layout.Find("RxDBLookupCombo1")->font_height);
  EXPECT_GE(PlaceInParent(Of("RxDBLookupCombo1")).bottom,
            search::LeastPickerHeight(CellHeight(Picker().FontHandle()), 1, to));
  SetForegroundWindow(Handle());
  Settle();
  EXPECT_TRUE(ButtonAndMarginDrawnAt(to));

  auto& combo = *form_->RxDBLookupCombo1;
  combo.KeyDown(search::LookupKey::kDown, true);
  Settle();
  ASSERT_TRUE(combo.ListVisible());
  EXPECT_EQ(combo.List().RowHeight(), CellHeight(Picker().FontHandle()));
  combo.KeyDown(search::LookupKey::kEscape, false);
  Settle();

  // The About window follows its own monitor: told the same, its links fit
  // their text in the new font.
  form_->TBItem2Click(nullptr);
  Settle();
  RECT about;
  GetWindowRect(AboutHandle(), &about);
  const app::ScaledFormLayout about_layout = app::LayOutScaled(*Stored().about, to);
  const RECT about_moved{about.left, about.top, about.left + about_layout.client.width,
                         about.top + about_layout.client.height};
  ASSERT_TRUE(about_window_->ChangeDensity(other, about_moved));
  Settle();
  EXPECT_EQ(ClientSize(AboutHandle()).cx, about_layout.client.width);
  EXPECT_TRUE(PlacedAsLaidOut(AboutOf("laButtomClose"), about_layout, "laButtomClose"));
  const SIZE link =
      Extent(about_window_->ViewNamed("laLink1")->FontHandle(), testing_support::TextOf(AboutOf("laLink1")));
  EXPECT_EQ(ClientSize(AboutOf("laLink1")).cx, link.cx);

  ASSERT_TRUE(window_->ChangeDensity(Dpi(), outer));
  Settle();
  for (size_t i = 0; i < std::size(names); ++i) {
    SCOPED_TRACE(names[i]);
    const RECT now = PlaceInParent(Of(names[i]));
    EXPECT_EQ((std::vector<LONG>{now.left, now.top, now.right, now.bottom}),
              (std::vector<LONG>{before[i].left, before[i].top, before[i].right, before[i].bottom}));
  }
}

}  // namespace
