// The docks, the toolbar, the floating frames and the drop-down menus on the
// real main window at the density of the Wine prefix the tests run in (96 in
// the default one, 144 or 192 with PHONEBOOK_DPI): every rectangle as the
// expected layout worked out from the window's description at that density,
// the floating frame's metrics those of its density, and a WM_DPICHANGED
// sent to a floating frame or to the main window laying them out again.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/docking/dock_drag.h"
#include "app/docking/dock_layout.h"
#include "app/docking/dockable_view.h"
#include "app/docking/floating_window_view.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/forms/component_classes.h"
#include "app/forms/scaled_form_layout.h"
#include "app/menus/drop_down_layout.h"
#include "app/menus/drop_down_view.h"
#include "app/skin/glyph_scale.h"
#include "app/toolbar/toolbar_measure.h"
#include "app/toolbar/toolbar_view.h"
#include "resources/component_reader.h"
#include "resources/window_resource.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace {

using base::Rect;
using base::Size;
using testing_support::PlaceInParent;
using ui::DpiScale;

// WM_GETDPISCALEDSIZE, which the headers define only for newer systems.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// `window`'s client area in its own window coordinates, and its outer size.
struct WindowShape {
  Rect client;
  Size outer;
};
WindowShape ShapeOf(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return WindowShape{Rect::At({origin.x - outer.left, origin.y - outer.top}, {client.right, client.bottom}),
                     Size{outer.right - outer.left, outer.bottom - outer.top}};
}

RECT ScreenRect(HWND window) {
  RECT r{};
  return GetWindowRect(window, &r) ? r : RECT{};
}

// `window`'s rectangle on the screen at the same place, its size scaled from
// density `from` to `to`, as the system suggests it on a change of density.
RECT SuggestedFor(HWND window, int to, int from) {
  const RECT r = ScreenRect(window);
  return RECT{r.left, r.top, r.left + MulDiv(r.right - r.left, to, from),
              r.top + MulDiv(r.bottom - r.top, to, from)};
}

void SendDpiChanged(HWND window, int dpi, const RECT& suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// A rectangle's edges, which a failure shows.
std::vector<int> Edges(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// The place of `window` in its parent as a Rect.
Rect PlaceOf(HWND window) {
  const RECT r = PlaceInParent(window);
  return Rect::At({r.left, r.top}, {r.right, r.bottom});
}

class DockDensityTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    ShowAndSettle();
    fresh_ = new app::TMainForm(&fresh_owner_);
    resources::ClassRegistry registry;
    app::RegisterComponentClasses(registry);
    resources::ReadComponentStream(resources::FindWindowStream("TMainForm", nullptr), *fresh_, registry);
  }

  DpiScale Scale() const { return window_->WindowScale(); }
  // The main window laid out from its description at `scale`, its toolbar
  // measured as the toolbar's view measures.
  app::ScaledFormLayout Expected(const DpiScale& scale) const {
    return app::LayOutScaled(*fresh_, scale, app::ToolbarMeasureAt(scale));
  }
  Rect ExpectedAt(const app::ScaledFormLayout& layout, const char* name) const {
    const app::PlacedControl* placed = layout.Find(name);
    EXPECT_NE(placed, nullptr) << name;
    return placed ? placed->bounds : Rect{};
  }
  // The docks, the dockable windows and the memo where the layout puts them.
  // With `frame_may_differ` the main window's client area may differ from
  // the stored one scaled: under Wine a window keeps the frame of the
  // system's density whatever WM_DPICHANGED said, so after one the client
  // area is the suggested rectangle less that frame. The docks then stretch
  // across the client area there is and the bottom one keeps to its bottom;
  // their thickness and everything inside them are as laid out.
  void ExpectDockingAsLaidOut(const DpiScale& scale, bool frame_may_differ = false) {
    const app::ScaledFormLayout layout = Expected(scale);
    const SIZE client = testing_support::ClientSize(Handle());
    const int dw = client.cx - layout.client.width, dh = client.cy - layout.client.height;
    if (!frame_may_differ) {
      EXPECT_EQ(dw, 0) << scale.Dpi();
      EXPECT_EQ(dh, 0) << scale.Dpi();
    }
    const auto stretched = [&](const char* name, bool along_bottom) {
      Rect r = ExpectedAt(layout, name);
      r.right += dw;
      if (along_bottom) {
        r.top += dh;
        r.bottom += dh;
      }
      return r;
    };
    EXPECT_EQ(Edges(PlaceOf(Of("doTop"))), Edges(stretched("doTop", false))) << scale.Dpi();
    EXPECT_EQ(Edges(PlaceOf(Of("TBToolbar1"))), Edges(ExpectedAt(layout, "TBToolbar1"))) << scale.Dpi();
    EXPECT_EQ(Edges(PlaceOf(Of("doBott"))), Edges(stretched("doBott", true))) << scale.Dpi();
    EXPECT_EQ(Edges(PlaceOf(Of("twResult"))), Edges(stretched("twResult", false))) << scale.Dpi();
    EXPECT_EQ(Edges(PlaceOf(Of("meResult"))), Edges(stretched("meResult", false))) << scale.Dpi();
  }
  app::DockableView& ViewOfWindow(app::TTBDockableWindow& window) const {
    return *dynamic_cast<app::DockableView*>(window_->ViewOf(window));
  }
  app::FloatingWindowView* FrameView(app::TTBDockableWindow& window) const {
    app::TTBFloatingWindowParent* frame = app::FloatingFrameOf(window);
    return frame ? dynamic_cast<app::FloatingWindowView*>(window_->ViewOf(*frame)) : nullptr;
  }
  app::ToolbarView& Bar() const { return *dynamic_cast<app::ToolbarView*>(ViewOf("TBToolbar1")); }
  // Floats `window` as a double-click on its handle does; its frame's view.
  app::FloatingWindowView* Float(app::TTBDockableWindow& window) {
    app::FloatWindow(ViewOfWindow(window));
    Settle();
    return FrameView(window);
  }
  // The item sizes of the toolbar at `scale`, measured afresh.
  std::vector<app::ItemSize> ItemSizesAt(const DpiScale& scale) const {
    std::vector<app::TTBItem*> items;
    for (const app::ToolbarView::Button& button : Bar().Buttons()) items.push_back(button.item);
    const ui::GdiObject<HFONT> font(app::CreateMenuFont(scale));
    return app::MeasureTextItems(items, font.Get(), scale);
  }
  // A density other than `dpi` for a change to: twice 96, or 96.
  static int OtherDpi(int dpi) { return dpi == 96 ? 192 : 96; }

  base::TComponent fresh_owner_{nullptr};
  app::TMainForm* fresh_ = nullptr;
};

TEST_F(DockDensityTest, TheWindowRunsAtThePrefixDensity) {
  EXPECT_EQ(Scale().Dpi(), ui::SystemDpi());
  // The scripts name the prefix's density; the tests run in it.
  if (const char* prefix = std::getenv("PHONEBOOK_DPI")) {
    EXPECT_EQ(Scale().Dpi(), std::atoi(prefix));
  }
  EXPECT_EQ(Bar().WindowScale(), Scale());
}

TEST_F(DockDensityTest, DocksToolbarAndResultWindowAreWhereTheScaledLayoutPutsThem) {
  ExpectDockingAsLaidOut(Scale());
  // The toolbar's dock ends above the labels.
  EXPECT_LE(PlaceOf(Of("doTop")).bottom, PlaceOf(Of("Label2")).top);
  EXPECT_LE(PlaceOf(Of("doTop")).bottom, PlaceOf(Of("Label1")).top);
  // What the prefix's density gives, in the XML report (--gtest_output=xml).
  RecordProperty("dpi", Scale().Dpi());
  RecordProperty("top_dock_height", PlaceOf(Of("doTop")).Height());
  RecordProperty("bottom_dock_height", PlaceOf(Of("doBott")).Height());
  RecordProperty("toolbar_width", PlaceOf(Of("TBToolbar1")).Width());
  RecordProperty("label2_top", PlaceOf(Of("Label2")).top);
}

TEST_F(DockDensityTest, TheDockedFrameAndTheToolbarButtonsAreScaled) {
  const DpiScale s = Scale();
  const int handle = app::DragHandleWidth(app::TTBDragHandleStyle::dhSingle, false, s);
  for (const char* name : {"TBToolbar1", "twResult"}) {
    const WindowShape shape = ShapeOf(Of(name));
    EXPECT_EQ(shape.client,
              app::DockedClientRect(Rect::At({}, shape.outer), app::TTBDockPosition::dpTop, handle, s))
        << name;
  }
  // Each button is its text in the menu font of the density with scaled margins.
  const std::vector<app::ItemSize> sizes = ItemSizesAt(s);
  ASSERT_EQ(Bar().Buttons().size(), 3u);
  int left = 0;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const RECT place = Bar().Buttons()[i].place;
    EXPECT_EQ(place.left, left) << i;
    EXPECT_EQ(place.right - place.left, sizes[i].width) << i;
    EXPECT_EQ(place.bottom - place.top, sizes[i].height) << i;
    left = place.right;
  }
  if (!s.Identity()) {
    // The margins really grew: more than the stored 12 and 9.
    EXPECT_GT(sizes[0].height - app::TextItemSize(0, 0).height, 9) << s.Dpi();
  }
}

TEST_F(DockDensityTest, AFloatingFrameHasTheMetricsOfItsDensity) {
  app::FloatingWindowView* frame = Float(*form_->twResult);
  ASSERT_NE(frame, nullptr);
  const int dpi = ui::WindowDpi(frame->Handle());
  EXPECT_EQ(frame->WindowScale().Dpi(), dpi);
  const app::FloatingFrame geometry = frame->Geometry();
  EXPECT_EQ(geometry.Frame(),
            (Size{ui::SystemMetricForDpi(SM_CXSIZEFRAME, dpi), ui::SystemMetricForDpi(SM_CYSIZEFRAME, dpi)}));
  const WindowShape shape = ShapeOf(frame->Handle());
  const Size outer_size = shape.outer;
  EXPECT_EQ(shape.client, geometry.ClientRect(outer_size));
  const int caption = ui::SystemMetricForDpi(SM_CYSMCAPTION, dpi);
  EXPECT_EQ(geometry.CaptionBar(outer_size).Height(), caption - 1);
  EXPECT_EQ(geometry.CloseButton(outer_size).Width(), caption - 1);
  EXPECT_EQ(geometry.CloseGlyphFactor(), app::GlyphFactor(DpiScale(dpi)));
  EXPECT_EQ(geometry.CloseGlyph(outer_size).Extent(),
            (Size{8 * app::GlyphFactor(DpiScale(dpi)), 7 * app::GlyphFactor(DpiScale(dpi))}));
  // The result window fills the frame's client area.
  EXPECT_EQ(PlaceOf(Of("twResult")).Extent(), geometry.ClientRect(outer_size).Extent());
  RecordProperty("float_caption_bar_height", geometry.CaptionBar(outer_size).Height());
  RecordProperty("float_close_glyph_width", geometry.CloseGlyph(outer_size).Width());
}

TEST_F(DockDensityTest, AFloatingFrameTakesANewDensityAndIgnoresBadOnes) {
  app::TTBToolWindow& result = *form_->twResult;
  app::FloatingWindowView* frame = Float(result);
  ASSERT_NE(frame, nullptr);
  const HWND handle = frame->Handle();
  const int old_dpi = frame->WindowScale().Dpi();
  const RECT before = ScreenRect(handle);

  // Refused: no density, an empty rectangle, one off every monitor.
  const RECT elsewhere{-30000, -30000, -29800, -29850};
  const RECT empty{before.left, before.top, before.left, before.top};
  for (const auto& [dpi, rect] :
       {std::pair{0, before}, std::pair{5000, before}, std::pair{144, empty}, std::pair{144, elsewhere}}) {
    SendDpiChanged(handle, dpi, rect);
    Settle();
    EXPECT_EQ(frame->WindowScale().Dpi(), old_dpi) << dpi;
    const RECT now = ScreenRect(handle);
    EXPECT_TRUE(EqualRect(&now, &before)) << dpi;
  }

  const int new_dpi = OtherDpi(old_dpi);
  const RECT suggested = SuggestedFor(handle, new_dpi, old_dpi);
  SendDpiChanged(handle, new_dpi, suggested);
  Settle();
  EXPECT_EQ(frame->WindowScale().Dpi(), new_dpi);
  const RECT now = ScreenRect(handle);
  EXPECT_TRUE(EqualRect(&now, &suggested));
  const app::FloatingFrame geometry = frame->Geometry();
  EXPECT_EQ(geometry.Frame().width, ui::SystemMetricForDpi(SM_CXSIZEFRAME, new_dpi));
  const WindowShape shape = ShapeOf(handle);
  EXPECT_EQ(shape.client, geometry.ClientRect(shape.outer));
  EXPECT_EQ(PlaceOf(Of("twResult")).Extent(), geometry.ClientRect(shape.outer).Extent());
  ASSERT_TRUE(result.floating_rect.has_value());
  EXPECT_EQ(*result.floating_rect, ui::FromRECT(suggested));
  // The result window inside reports the frame's density.
  EXPECT_EQ(ViewOfWindow(result).WindowScale().Dpi(), new_dpi);
}

TEST_F(DockDensityTest, AFloatingToolbarMeasuresItsItemsAtItsFramesDensity) {
  app::FloatingWindowView* frame = Float(*form_->TBToolbar1);
  ASSERT_NE(frame, nullptr);
  const int old_dpi = frame->WindowScale().Dpi();
  const int new_dpi = OtherDpi(old_dpi);
  SendDpiChanged(frame->Handle(), new_dpi, SuggestedFor(frame->Handle(), new_dpi, old_dpi));
  Settle();
  const std::vector<app::ItemSize> sizes = ItemSizesAt(DpiScale(new_dpi));
  ASSERT_EQ(Bar().Buttons().size(), sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const RECT place = Bar().Buttons()[i].place;
    EXPECT_EQ(place.right - place.left, sizes[i].width) << i;
    EXPECT_EQ(place.bottom - place.top, sizes[i].height) << i;
  }
}

TEST_F(DockDensityTest, TheDropDownsItemsAreLaidOutAtTheBarsDensity) {
  ParkMouse();
  const RECT place = Bar().Buttons().at(1).place;  // "Показать"
  testing_support::Click(testing_support::ScreenPoint(
      Bar().Handle(), POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
  ASSERT_TRUE(SettleUntil([&] { return Bar().DropDownHandle() && IsWindowVisible(Bar().DropDownHandle()); }));
  auto* menu = dynamic_cast<app::DropDownView*>(ui::Window::FromHandle(Bar().DropDownHandle()));
  ASSERT_NE(menu, nullptr);
  const DpiScale s = Scale();
  EXPECT_EQ(menu->WindowScale(), s);
  // The one row measured in the menu font of the density.
  const ui::GdiObject<HFONT> font(app::CreateMenuFont(s));
  ui::WindowDC screen(nullptr);
  ui::SelectedObject selected(screen.Get(), font.Get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  const std::wstring caption = ui::Wide(form_->TBVisibilityToggleItem1->caption);
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  const app::DropDownRow rows[] = {{false, static_cast<int>(extent.cx)}};
  const app::DropDownLayout expected = app::LayOutDropDown(rows, static_cast<int>(metrics.tmHeight), s);
  ASSERT_EQ(menu->Layout().rows.size(), 1u);
  EXPECT_EQ(menu->Layout().size, expected.size);
  const app::DropDownRowPlace& row = menu->Layout().rows[0];
  EXPECT_EQ(row.row, expected.rows[0].row);
  EXPECT_EQ(row.highlight, expected.rows[0].highlight);
  EXPECT_EQ(row.check, expected.rows[0].check);
  EXPECT_EQ(row.text, expected.rows[0].text);
  const RECT window = ScreenRect(menu->Handle());
  EXPECT_EQ((Size{window.right - window.left, window.bottom - window.top}), expected.size);
  RecordProperty("drop_down_width", expected.size.width);
  RecordProperty("drop_down_height", expected.size.height);
  // It opens right under its button.
  EXPECT_EQ(window.top, testing_support::ScreenPoint(Bar().Handle(), POINT{place.left, place.bottom}).y);
  EXPECT_EQ(window.left, testing_support::ScreenPoint(Bar().Handle(), POINT{place.left, place.bottom}).x);
  SendMessageW(Bar().Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_TRUE(SettleUntil([&] { return !IsWindowVisible(menu->Handle()); }));
}

TEST_F(DockDensityTest, TheMainWindowsNewDensityMeasuresTheToolbarAgainWithoutDrift) {
  const int dpi = Scale().Dpi();
  const int other = OtherDpi(dpi);
  const auto change_to = [&](int to) {
    // The rectangle the system suggests after asking the window for its size
    // at the new density.
    SIZE size{};
    ASSERT_TRUE(
        SendMessageW(Handle(), kGetDpiScaledSize, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(&size)));
    const RECT now = ScreenRect(Handle());
    SendDpiChanged(Handle(), to, RECT{now.left, now.top, now.left + size.cx, now.top + size.cy});
    Settle();
    ASSERT_EQ(Scale().Dpi(), to);
  };
  change_to(other);
  ExpectDockingAsLaidOut(DpiScale(other), true);
  change_to(120);
  ExpectDockingAsLaidOut(DpiScale(120), true);
  change_to(dpi);
  ExpectDockingAsLaidOut(DpiScale(dpi), true);
}

}  // namespace
