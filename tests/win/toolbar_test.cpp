// The menu toolbar on screen, driven by real mouse and keyboard input: the
// skin's look read back as pixels (hover, pressed and open buttons, the
// docked frame's rounded corners and grip, a drop-down's highlight and the
// checked item's square, colours derived from the system and following a
// change of scheme, a custom skin's colours masked), the menus' behaviour
// (choosing, switching, closing without a choice, keys), the posted run of a
// chosen item, the menu sounds, the chevron, and errors.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/docking/docked_frame.h"
#include "app/menus/drop_down_view.h"
#include "app/menus/menu_sounds.h"
#include "app/skin/form_skin.h"
#include "app/toolbar/toolbar_view.h"
#include "base/exception.h"
#include "resources/event.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "text/literal.h"
#include "ui/framework/gdi.h"

namespace {

using testing_support::PressKey;
using testing_support::ScreenPixel;
using testing_support::ScreenPoint;
using testing_support::TextOf;
using testing_support::W;

constexpr auto kFailure = text::Cp1251(u8"Сбой пункта");

// Stands in for an item's click handler: notes what the screen was like when
// it ran, then does what it was told.
class ClickProbe final : public base::TComponent {
 public:
  ClickProbe() : TComponent(nullptr) {}

  void Clicked(base::TComponent*) {
    ++runs;
    const HWND drop_down = bar ? bar->DropDownHandle() : nullptr;
    menu_shown_when_run = drop_down && IsWindowVisible(drop_down);
    capture_when_run = GetCapture();
    if (form) form->Close();
    if (fail) throw base::Exception(kFailure.str());
  }
  static resources::MethodInfo Method() {
    return resources::PublishedMethod<&ClickProbe::Clicked>("Clicked");
  }

  app::ToolbarView* bar = nullptr;
  ui::TForm* form = nullptr;  // closed when set
  bool fail = false;
  int runs = 0;
  bool menu_shown_when_run = true;
  HWND capture_when_run = nullptr;
};

class ToolbarTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    bar_ = dynamic_cast<app::ToolbarView*>(window_->ViewNamed("TBToolbar1"));
    ASSERT_NE(bar_, nullptr);
    ShowAndSettle();
  }

  void MoveMouse(POINT screen) { MoveMouseAndSettle(screen); }
  void Click(POINT screen) {
    MoveMouse(screen);
    testing_support::PressButton(testing_support::Button::kLeft);
    testing_support::ReleaseButton(testing_support::Button::kLeft);
  }

  HWND BarHandle() const { return bar_->Handle(); }
  ui::DpiScale Scale() const { return window_->WindowScale(); }
  // The docked bar's frame as it is drawn at the window's density, and a
  // point of the bar's window in screen coordinates.
  app::DockedFrameShape BarFrame() const {
    RECT outer;
    GetWindowRect(BarHandle(), &outer);
    return app::ShapeDockedFrame({outer.right - outer.left, outer.bottom - outer.top},
                                 app::TTBDockPosition::dpTop, app::TTBDragHandleStyle::dhSingle, false,
                                 Scale());
  }
  POINT InBarWindow(int x, int y) const {
    RECT outer;
    GetWindowRect(BarHandle(), &outer);
    return POINT{outer.left + x, outer.top + y};
  }
  // A pixel of the grip's first dash, and of the inner ring's top-left corner
  // (4, 4 and 1, 1 at 96 dpi).
  POINT OnTheGrip() const {
    const app::Rect dash = BarFrame().grip.at(0);
    return InBarWindow(dash.left + 1, dash.top);
  }
  POINT OnTheRoundedCorner() const {
    const app::Rect corner = BarFrame().corners.at(0);
    return InBarWindow(corner.left, corner.top);
  }
  // The screen point `dx`, `dy` from the top left of the button of item `index`.
  POINT InButton(int index, int dx, int dy) const {
    const RECT place = bar_->Buttons().at(static_cast<std::size_t>(index)).place;
    return ScreenPoint(BarHandle(), POINT{place.left + dx, place.top + dy});
  }
  POINT ButtonCentre(int index) const {
    const RECT place = bar_->Buttons().at(static_cast<std::size_t>(index)).place;
    return InButton(index, (place.right - place.left) / 2, (place.bottom - place.top) / 2);
  }

  HWND DropDown() const { return bar_->DropDownHandle(); }
  bool MenuOpen() const { return DropDown() && IsWindowVisible(DropDown()); }
  const app::DropDownLayout& MenuLayout() const {
    return dynamic_cast<app::DropDownView*>(ui::Window::FromHandle(DropDown()))->Layout();
  }
  // A screen point of the open drop-down, in its window coordinates.
  POINT InMenu(int x, int y) const { return ScreenPoint(DropDown(), POINT{x, y}); }
  POINT RowCentre(int row) const {
    const app::Rect& r = MenuLayout().rows.at(static_cast<std::size_t>(row)).row;
    return InMenu((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  // Opens the menu of button `index` with a click; false when it did not open.
  bool OpenMenu(int index) {
    Click(ButtonCentre(index));
    return SettleUntil([&] { return MenuOpen() && bar_->Tracker().Open() == index; });
  }
  bool Closed() {
    return SettleUntil([&] { return !MenuOpen() && !bar_->Tracker().Tracking(); });
  }

  COLORREF Skin(app::TTBColorIndex index) const {
    return ui::ColorRef(app::SkinColorOf(window_->Model(), index));
  }
  // Waits until the screen shows `want` at `screen`; the pixel then, for the message.
  COLORREF PixelBecomes(POINT screen, COLORREF want) {
    SettleUntil([&] { return ScreenPixel(screen) == want; }, 2000);
    return ScreenPixel(screen);
  }

  // Installs a probe as `item`'s click handler.
  void Probe(app::TTBItem& item) {
    probe_.bar = bar_;
    item.on_click.Bind(probe_, ClickProbe::Method());
  }

  void AssignSounds(const char16_t* value) {
    for (const app::MenuSound sound : {app::MenuSound::kMenuPopup, app::MenuSound::kMenuCommand})
      services_.sounds.registry[app::MenuSoundKey(sound)] = ui::RegistryValue::Text(value);
  }
  std::vector<std::string> Played() const {
    std::vector<std::string> played;
    for (const auto& p : services_.sounds.played) {
      played.push_back(p.sound + (p.flags == app::kMenuSoundFlags ? "" : " (other flags)"));
    }
    return played;
  }

  app::ToolbarView* bar_ = nullptr;
  ClickProbe probe_;
};

// --- The skin's look ---

TEST_F(ToolbarTest, AButtonUnderThePointerAndPressedShowsTheSkinsColours) {
  // "O...": a command, so pressing it shows it pushed.
  MoveMouse(ButtonCentre(2));
  EXPECT_EQ(PixelBecomes(InButton(2, 2, 2), Skin(app::tcSelBar)), Skin(app::tcSelBar));
  EXPECT_EQ(ScreenPixel(InButton(2, 0, 0)), Skin(app::tcSelBarBorder));
  EXPECT_EQ(ScreenPixel(InButton(1, 2, 2)), Skin(app::tcToolbar));

  testing_support::PressButton(testing_support::Button::kLeft);
  EXPECT_EQ(PixelBecomes(InButton(2, 2, 2), Skin(app::tcSelPushed)), Skin(app::tcSelPushed));
  EXPECT_EQ(ScreenPixel(InButton(2, 0, 3)), Skin(app::tcSelBarBorder));
  // Dragged off it: the normal look, and a release there runs nothing.
  MoveMouse(ButtonCentre(1));
  EXPECT_EQ(PixelBecomes(InButton(2, 2, 2), Skin(app::tcToolbar)), Skin(app::tcToolbar));
  testing_support::ReleaseButton(testing_support::Button::kLeft);
  Settle(150);
  EXPECT_FALSE(IsWindowVisible(AboutHandle()));

  // A submenu whose menu is open: the image-list colour framed in the border colour.
  ASSERT_TRUE(OpenMenu(0));
  EXPECT_EQ(PixelBecomes(InButton(0, 2, 2), Skin(app::tcImageList)), Skin(app::tcImageList));
  EXPECT_EQ(ScreenPixel(InButton(0, 0, 2)), Skin(app::tcBorder));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
}

TEST_F(ToolbarTest, TheDockedFrameHasRoundedCornersAndAGripOfDashes) {
  RECT outer;
  GetWindowRect(BarHandle(), &outer);
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  ASSERT_GE(h, 20);
  const auto at = [&](int x, int y) { return ScreenPixel(POINT{outer.left + x, outer.top + y}); };
  const COLORREF face = Skin(app::tcFace), toolbar = Skin(app::tcToolbar), grip = Skin(app::tcDragHandle);
  const COLORREF own = GetSysColor(COLOR_BTNFACE);  // the window's own colour, clBtnFace
  ASSERT_NE(face, toolbar);
  if (!Scale().Identity()) {
    // At another density: the rings, corners and dashes where the frame's
    // shape for that density puts them, the rest of the strip tcToolbar.
    const app::DockedFrameShape shape = BarFrame();
    const int o = shape.outer_ring, in = shape.inner_ring;
    EXPECT_EQ(at(0, 0), own);
    EXPECT_EQ(at(o - 1, h / 2), own);
    EXPECT_EQ(at(w / 2, h - o), own);
    for (const app::Rect& corner : shape.corners) EXPECT_EQ(at(corner.left, corner.top), face);
    EXPECT_EQ(at(o + in, o), toolbar);
    EXPECT_EQ(at(w - o - 1, h / 2), toolbar);
    const app::Rect& strip = shape.handle;
    ASSERT_FALSE(shape.grip.empty());
    int dashes = 0;
    for (int y = strip.top; y < strip.bottom; ++y) {
      const app::Rect* dash = nullptr;
      for (const app::Rect& d : shape.grip) {
        if (y >= d.top && y < d.bottom) dash = &d;
      }
      if (dash && y == dash->top) ++dashes;
      for (int x = strip.left; x < strip.right; ++x) {
        const bool on_dash = dash && x >= dash->left && x < dash->right;
        EXPECT_EQ(at(x, y), on_dash ? grip : toolbar) << x << ", " << y;
      }
    }
    EXPECT_EQ(dashes, static_cast<int>(shape.grip.size()));
    return;
  }
  // Outer ring, inner ring, and the inner ring's corner pixels in the face colour.
  EXPECT_EQ(at(0, 0), own);
  EXPECT_EQ(at(w - 1, h / 2), own);
  EXPECT_EQ(at(w / 2, h - 1), own);
  EXPECT_EQ(at(1, 1), face);
  EXPECT_EQ(at(w - 2, 1), face);
  EXPECT_EQ(at(1, h - 2), face);
  EXPECT_EQ(at(w - 2, h - 2), face);
  EXPECT_EQ(at(2, 1), toolbar);
  EXPECT_EQ(at(1, 2), toolbar);
  EXPECT_EQ(at(w - 2, h / 2), toolbar);
  EXPECT_EQ(at(w - 3, h - 2), toolbar);
  // The grip: 3-pixel dashes at x 3..5, every 2 pixels from 2 below the strip's
  // top, ending 2 to 3 pixels above its bottom; the rest of the strip tcToolbar.
  std::string column;
  for (int y = 2; y < h - 2; ++y) {
    const bool dash = at(3, y) == grip && at(4, y) == grip && at(5, y) == grip;
    const bool plain = at(3, y) == toolbar && at(4, y) == toolbar && at(5, y) == toolbar;
    column += dash ? '-' : plain ? '.' : '?';
    EXPECT_EQ(at(2, y), toolbar) << y;
    EXPECT_EQ(at(6, y), toolbar) << y;
    EXPECT_EQ(at(7, y), toolbar) << y;
  }
  // From y 2: two plain rows, then dash and gap in turn, then 2 or 3 plain rows.
  const std::size_t last_dash = column.rfind('-');
  ASSERT_NE(last_dash, std::string::npos) << column;
  EXPECT_EQ(column.substr(0, 3), "..-") << column;
  for (std::size_t i = 2; i <= last_dash; ++i) EXPECT_EQ(column[i], (i % 2 == 0) ? '-' : '.') << column;
  const std::size_t below = column.size() - 1 - last_dash;
  EXPECT_TRUE(below == 2 || below == 3) << column;
}

TEST_F(ToolbarTest, TheColoursAreDerivedFromTheSystemsNotTheStoredOnes) {
  const app::SkinRgb derived = app::DeriveSkinColors(app::CurrentSystemColors());
  for (std::size_t i = 0; i < app::kSkinColorCount; ++i) {
    // A 24-bit screen shows every colour as it is.
    EXPECT_EQ(app::SkinColorOf(window_->Model(), static_cast<app::TTBColorIndex>(i)),
              app::ToColor(derived[i]))
        << app::kSkinColorNames[i];
  }
  EXPECT_EQ(ScreenPixel(InButton(1, 2, 2)), static_cast<COLORREF>(app::ToColor(derived[app::tcToolbar])));
}

TEST_F(ToolbarTest, AChangeOfTheSystemColoursRedrawsTheToolbarInTheNewDerivedColours) {
  const std::array<int, 4> indices = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_BTNSHADOW, COLOR_HIGHLIGHT};
  testing_support::SystemColorsRestorer restore({indices.begin(), indices.end()});
  const std::array<COLORREF, 4> scheme = {RGB(236, 233, 216), RGB(250, 250, 245), RGB(172, 168, 153),
                                          RGB(49, 106, 197)};
  ASSERT_TRUE(SetSysColors(4, indices.data(), scheme.data()));
  app::SystemColors system = app::CurrentSystemColors();
  ASSERT_EQ(system.btn_face, (app::Rgb{236, 233, 216}));
  const app::SkinRgb derived = app::DeriveSkinColors(system);
  const auto expect = [&](app::TTBColorIndex index) {
    return static_cast<COLORREF>(app::ToColor(derived[index]));
  };

  EXPECT_EQ(PixelBecomes(InButton(1, 2, 2), expect(app::tcToolbar)), expect(app::tcToolbar));
  // The frame too: a corner pixel and a grip dash.
  EXPECT_EQ(PixelBecomes(OnTheRoundedCorner(), expect(app::tcFace)), expect(app::tcFace));
  EXPECT_EQ(PixelBecomes(OnTheGrip(), expect(app::tcDragHandle)), expect(app::tcDragHandle));
  MoveMouse(ButtonCentre(2));
  EXPECT_EQ(PixelBecomes(InButton(2, 2, 2), expect(app::tcSelBar)), expect(app::tcSelBar));
  EXPECT_EQ(ScreenPixel(InButton(2, 0, 0)), RGB(49, 106, 197));  // tcSelBarBorder: the highlight
}

TEST_F(ToolbarTest, ACustomSkinDrawsItsOwnColoursMaskedTo24Bits) {
  app::TTBSkin& skin = *form_->TBSkin1;
  skin.color_set = app::TTBColorSet::tbcCustom;
  skin.colors.colors[app::tcToolbar] = static_cast<ui::TColor>(0x7F2050A0);      // a stray high byte
  skin.colors.colors[app::tcDragHandle] = static_cast<ui::TColor>(0x80001234u);  // no system colour
  skin.colors.colors[app::tcFace] = ui::clHighlight;                             // looked up when drawn
  app::RefreshSkinColors(window_->Model());
  EXPECT_EQ(PixelBecomes(InButton(1, 2, 2), RGB(0xA0, 0x50, 0x20)), RGB(0xA0, 0x50, 0x20));
  EXPECT_EQ(ScreenPixel(OnTheGrip()), RGB(0x34, 0x12, 0x00));
  EXPECT_EQ(ScreenPixel(OnTheRoundedCorner()), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(ToolbarTest, ADropDownHighlightsTheItemUnderThePointerAndSquaresTheCheckedOne) {
  ASSERT_TRUE(OpenMenu(1));  // "Показать": "Панель результата", checked while the result window shows
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата [x]"));
  const app::DropDownRowPlace row = MenuLayout().rows.at(0);
  const int gap_x = row.image.right + 2, middle_y = (row.row.top + row.row.bottom) / 2;
  const int frame = MenuLayout().frames.item;  // the frames' width: 1 pixel at 96 dpi
  // Not highlighted yet (opened by the mouse): the body, and the square in tcSelItem.
  EXPECT_EQ(PixelBecomes(InMenu(gap_x, middle_y), Skin(app::tcPopup)), Skin(app::tcPopup));
  EXPECT_EQ(ScreenPixel(InMenu(row.check.left + frame, row.check.top + frame)), Skin(app::tcSelItem));
  EXPECT_EQ(ScreenPixel(InMenu(row.check.left, middle_y)), Skin(app::tcSelItemBorder));
  EXPECT_EQ(ScreenPixel(InMenu(row.image.left + 1, middle_y)), Skin(app::tcImageList));
  EXPECT_EQ(ScreenPixel(InMenu(0, 0)), Skin(app::tcBorder));

  MoveMouse(RowCentre(0));
  EXPECT_EQ(PixelBecomes(InMenu(gap_x, middle_y), Skin(app::tcSelItem)), Skin(app::tcSelItem));
  EXPECT_EQ(bar_->Tracker().Highlighted(), 0);
  // The highlight's frame, inset 1 pixel at both ends of the row (scaled).
  EXPECT_EQ(row.highlight.left, row.row.left + Scale().Length(1));
  EXPECT_EQ(ScreenPixel(InMenu(row.highlight.left, middle_y)), Skin(app::tcSelItemBorder));
  EXPECT_EQ(ScreenPixel(InMenu(row.highlight.right - 1, middle_y)), Skin(app::tcSelItemBorder));
  EXPECT_EQ(ScreenPixel(InMenu(gap_x, row.row.top)), Skin(app::tcSelItemBorder));
  EXPECT_EQ(ScreenPixel(InMenu(row.row.left, middle_y)), Skin(app::tcImageList));
  EXPECT_EQ(ScreenPixel(InMenu(row.row.right - 1, middle_y)), Skin(app::tcPopup));
  // The checked square under the pointer: the pushed colours.
  EXPECT_EQ(ScreenPixel(InMenu(row.check.left + frame, row.check.top + frame)), Skin(app::tcSelPushed));
  EXPECT_EQ(ScreenPixel(InMenu(row.check.left, middle_y)), Skin(app::tcSelPushedBorder));
  // The check mark inside: its lowest point, 2 columns in from its left.
  const int mark_left = row.check.left + (row.check.Width() - 7) / 2;
  const int mark_top = row.check.top + (row.check.Height() - 7) / 2;
  EXPECT_EQ(ScreenPixel(InMenu(mark_left + 2, mark_top + 6)), Skin(app::tcMenuText));
  EXPECT_EQ(ScreenPixel(InMenu(mark_left + 6, mark_top + 6)), Skin(app::tcSelPushed));

  // The pointer off the menu: no highlight.
  MoveMouse(ScreenPoint(Of("Label2"), POINT{2, 2}));
  EXPECT_EQ(PixelBecomes(InMenu(gap_x, middle_y), Skin(app::tcPopup)), Skin(app::tcPopup));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
}

// --- Menu behaviour ---

TEST_F(ToolbarTest, ThePanelItemHidesAndShowsTheResultWindowAndItsCheckFollows) {
  ASSERT_TRUE(OpenMenu(1));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата [x]"));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(Of("twResult")); }));
  EXPECT_FALSE(MenuOpen());
  EXPECT_EQ(testing_support::PlaceInParent(Of("doBott")).bottom, 0);  // its thickness

  ASSERT_TRUE(OpenMenu(1));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата"));
  const app::DropDownRowPlace row = MenuLayout().rows.at(0);
  EXPECT_EQ(PixelBecomes(InMenu(row.check.left + 1, row.check.top + 1), Skin(app::tcImageList)),
            Skin(app::tcImageList));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return IsWindowVisible(Of("twResult")); }));
  // Its thickness again: the client height and the border (97 at 96 dpi).
  EXPECT_EQ(testing_support::PlaceInParent(Of("doBott")).bottom,
            Scale().Length(93) + 2 * app::DockedBorder(Scale()));
  ASSERT_TRUE(OpenMenu(1));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата [x]"));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(ToolbarTest, ExitEndsTheLoopOnlyAfterTheMenuHasGone) {
  Probe(*form_->TBItem1);
  probe_.form = form_;
  ASSERT_TRUE(OpenMenu(0));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Выход"));
  Click(RowCentre(0));
  EXPECT_TRUE(LoopEndsWithZero());
  EXPECT_EQ(probe_.runs, 1);
  EXPECT_FALSE(probe_.menu_shown_when_run);
  EXPECT_EQ(probe_.capture_when_run, nullptr);
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(ToolbarTest, MovingToTheOtherMenuButtonSwitchesMenus) {
  AssignSounds(u"C:\\WINDOWS\\Media\\menu.wav");
  ASSERT_TRUE(OpenMenu(0));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Выход"));
  // By way of a place that is neither, so the echo of a move (see MoveMouse)
  // cannot switch back for a moment; the menu stays open there.
  MoveMouse(testing_support::ClientCentre(Of("StatusBar1")));
  EXPECT_EQ(bar_->Tracker().Open(), 0);
  MoveMouse(ButtonCentre(1));
  ASSERT_TRUE(SettleUntil([&] { return bar_->Tracker().Open() == 1; }));
  EXPECT_TRUE(MenuOpen());
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата [x]"));
  // The drop-down under its new button.
  RECT menu, button = bar_->Buttons()[1].place;
  GetWindowRect(DropDown(), &menu);
  MapWindowPoints(BarHandle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(menu.left, button.left);
  EXPECT_EQ(menu.top, button.bottom);
  // And back, with the keyboard.
  PressKey(VK_LEFT);
  ASSERT_TRUE(SettleUntil([&] { return bar_->Tracker().Open() == 0; }));
  EXPECT_EQ(TextOf(DropDown()), W(u8"Выход"));
  EXPECT_EQ(Played(), (std::vector<std::string>{"MenuPopup", "MenuPopup", "MenuPopup"}));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
}

TEST_F(ToolbarTest, EscAndAClickOutsideCloseWithoutRunningAnything) {
  AssignSounds(u"C:\\WINDOWS\\Media\\menu.wav");
  Probe(*form_->TBItem1);
  const HWND focus = GetFocus();
  ASSERT_TRUE(OpenMenu(0));
  EXPECT_EQ(GetFocus(), focus);  // the menu never takes the focus or the activation
  EXPECT_EQ(GetForegroundWindow(), Handle());
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(GetCapture(), nullptr);

  ASSERT_TRUE(OpenMenu(1));
  MoveMouse(RowCentre(0));
  Settle();
  Click(testing_support::ClientCentre(Of("StatusBar1")));
  EXPECT_TRUE(Closed());
  Settle(150);
  EXPECT_TRUE(IsWindowVisible(Of("twResult")));
  EXPECT_EQ(probe_.runs, 0);
  EXPECT_EQ(GetFocus(), focus);
  EXPECT_EQ(Played(), (std::vector<std::string>{"MenuPopup", "MenuPopup"}));
}

TEST_F(ToolbarTest, AnOpenMenuTakesNoActivationAndClosesWhenAnotherProgramBecomesActive) {
  Probe(*form_->TBItem1);
  ASSERT_TRUE(OpenMenu(0));
  EXPECT_EQ(SendMessageW(DropDown(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(DropDown()),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  // The program stays the active one: the menu stays open.
  SendMessageW(DropDown(), WM_ACTIVATEAPP, TRUE, 0);
  Settle(50);
  EXPECT_TRUE(MenuOpen());
  SendMessageW(DropDown(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(probe_.runs, 0);
}

TEST_F(ToolbarTest, TheKeysMoveTheHighlightAndChooseWhileTheFocusStaysPut) {
  SetFocus(Of("MaskEdit1"));
  Settle();
  const std::wstring memo = TextOf(Of("meResult"));
  ASSERT_TRUE(OpenMenu(1));
  PressKey(VK_DOWN);
  ASSERT_TRUE(SettleUntil([&] { return bar_->Tracker().Highlighted() == 0; }));
  PressKey(VK_TAB);  // not the dialog's Tab while the menu is open
  PressKey('7');     // nor typed into the field
  Settle();
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  EXPECT_TRUE(MenuOpen());
  PressKey(VK_RETURN);
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(Of("twResult")); }));
  EXPECT_FALSE(MenuOpen());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  EXPECT_EQ(TextOf(Of("MaskEdit1")), L"_-__-__");
  // The Enter that chose the item ran no number search.
  EXPECT_EQ(TextOf(Of("meResult")), memo);
}

// --- Sounds ---

TEST_F(ToolbarTest, MenuSoundsPlayWhenTheSchemeAssignsThem) {
  AssignSounds(u"C:\\WINDOWS\\Media\\menu.wav");
  ASSERT_TRUE(OpenMenu(1));
  EXPECT_EQ(Played(), (std::vector<std::string>{"MenuPopup"}));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(Of("twResult")); }));
  EXPECT_EQ(Played(), (std::vector<std::string>{"MenuPopup", "MenuCommand"}));
  // A command button of the bar is no menu command: no sound.
  services_.sounds.played.clear();
  Click(ButtonCentre(2));
  ASSERT_TRUE(SettleUntil([&] { return IsWindowVisible(AboutHandle()) != FALSE; }));
  EXPECT_TRUE(Played().empty());
}

TEST_F(ToolbarTest, MenuSoundsStaySilentWhenTheSchemeLeavesThemEmptyOrOut) {
  AssignSounds(u"");
  ASSERT_TRUE(OpenMenu(1));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return !IsWindowVisible(Of("twResult")); }));
  services_.sounds.registry.clear();
  ASSERT_TRUE(OpenMenu(1));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return IsWindowVisible(Of("twResult")) != FALSE; }));
  EXPECT_TRUE(Played().empty());
}

// --- The chevron ---

TEST_F(ToolbarTest, ANarrowWindowPutsWhatDoesNotFitBehindTheChevron) {
  // The bar's length is the dock's less the frame (10 at 96 dpi); one pixel
  // short of all three items.
  const int docked_frame =
      app::DockedOuterSize({}, app::TTBDockPosition::dpTop,
                           app::DragHandleWidth(app::TTBDragHandleStyle::dhSingle, false, Scale()), Scale())
          .width;
  const int items = bar_->Buttons().back().place.right;
  RECT outer, client;
  GetWindowRect(Handle(), &outer);
  GetClientRect(Handle(), &client);
  const int frame = (outer.right - outer.left) - client.right;
  SetWindowPos(Handle(), nullptr, 0, 0, items + docked_frame - 1 + frame, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(SettleUntil([&] { return bar_->Buttons().size() == 2; }));
  EXPECT_EQ(TextOf(BarHandle()), W(u8"Работаем\tПоказать"));
  const RECT chevron = bar_->ChevronPlace();
  ASSERT_FALSE(IsRectEmpty(&chevron));
  EXPECT_EQ(chevron.right, testing_support::ClientSize(BarHandle()).cx);
  EXPECT_EQ(chevron.right - chevron.left, app::ChevronWidth(Scale()));

  Click(ScreenPoint(BarHandle(), POINT{(chevron.left + chevron.right) / 2, chevron.bottom / 2}));
  ASSERT_TRUE(SettleUntil([&] { return MenuOpen(); }));
  EXPECT_EQ(TextOf(DropDown()), W(u8"O..."));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return IsWindowVisible(AboutHandle()) != FALSE; }));
  EXPECT_FALSE(MenuOpen());

  // Wide again: the items come back and the chevron goes.
  SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(SettleUntil([&] { return bar_->Buttons().size() == 3; }));
  const RECT none = bar_->ChevronPlace();
  EXPECT_TRUE(IsRectEmpty(&none));
  EXPECT_EQ(TextOf(BarHandle()), W(u8"Работаем\tПоказать\tO..."));
}

// --- Errors ---

TEST_F(ToolbarTest, AnErrorInAnItemsClickIsShownOnceWithTheMenusClosed) {
  Probe(*form_->TBItem1);
  probe_.fail = true;
  ASSERT_TRUE(OpenMenu(0));
  Click(RowCentre(0));
  ASSERT_TRUE(SettleUntil([&] { return !box_.shown.empty(); }));
  Settle(150);
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_NE(box_.shown[0].find(kFailure.str()), std::string::npos);
  EXPECT_EQ(probe_.runs, 1);
  EXPECT_FALSE(probe_.menu_shown_when_run);
  EXPECT_FALSE(MenuOpen());
  EXPECT_FALSE(bar_->Tracker().Tracking());
  // The program goes on: the menus still work.
  ASSERT_TRUE(OpenMenu(1));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
}

TEST_F(ToolbarTest, AClickOnAMenuWhileAnErrorBoxIsUpDoesNothing) {
  bool opened_meanwhile = false;
  box_.while_shown = [&] {
    // The user clicks "Показать" and waits while the box is up; its loop
    // dispatches what comes.
    Click(ButtonCentre(1));
    const DWORD until = GetTickCount() + 300;
    while (static_cast<LONG>(until - GetTickCount()) > 0) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      opened_meanwhile = opened_meanwhile || MenuOpen();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  };
  application_->ShowError(std::make_exception_ptr(base::Exception(text::Cp1251(u8"Ошибка").str())));
  box_.while_shown = nullptr;
  EXPECT_EQ(box_.shown.size(), 1u);
  EXPECT_FALSE(opened_meanwhile);
  Settle();
  EXPECT_FALSE(MenuOpen());
  EXPECT_FALSE(bar_->Tracker().Tracking());
  EXPECT_TRUE(IsWindowEnabled(Handle()));
  ASSERT_TRUE(OpenMenu(1));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Closed());
}

}  // namespace
