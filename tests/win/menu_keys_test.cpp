// The menu bar from the keyboard, with real key strokes on the program's
// windows: F10 and a lone Alt enter menu mode from whichever control has the
// focus, the arrows walk the bar and open its drop-downs, Enter runs "O...",
// Esc steps back and leaves with the focus and the field's text as they
// were, and the keys that are not the menus' (Alt+F4, Alt+Down, typing after
// leaving) still do what they did. Esc hides the About window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/menus/drop_down_view.h"
#include "app/skin/form_skin.h"
#include "app/toolbar/toolbar_view.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/gdi.h"

namespace {

using testing_support::kAlt;
using testing_support::PressKey;
using testing_support::TextOf;
using testing_support::W;
using State = app::MenuKeyboardMode::State;

constexpr int kWork = 0;   // "Работаем"
constexpr int kShow = 1;   // "Показать"
constexpr int kAbout = 2;  // "O..."

class MenuKeysTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    // The toolbar sees the main window's keys first.
    bar_ = dynamic_cast<app::ToolbarView*>(window_->Preview());
    ASSERT_NE(bar_, nullptr) << "the main window's key preview is not its toolbar";
    ASSERT_EQ(bar_, window_->ViewNamed("TBToolbar1"));
    ShowAndSettle();
    SetForegroundWindow(Handle());
    SetFocus(Of("MaskEdit1"));
    Settle();
    ASSERT_EQ(GetFocus(), Of("MaskEdit1"));
  }

  const app::MenuKeyboardMode& Mode() const { return bar_->KeyboardMode(); }
  // Presses `key` and lets the program take it until `done` holds.
  bool Press(WORD key, const std::function<bool()>& done, unsigned modifiers = testing_support::kNoModifier) {
    PressKey(key, modifiers);
    return SettleUntil(done);
  }
  // F10: menu mode with the first button hot.
  bool EnterWithF10() {
    return Press(VK_F10, [&] { return Mode().CurrentState() == State::kBar && Mode().Hot() == kWork; });
  }
  bool Idle() {
    return SettleUntil([&] { return Mode().CurrentState() == State::kIdle && !bar_->Tracker().Tracking(); });
  }

  HWND DropDown() const { return bar_->DropDownHandle(); }
  bool MenuOpen() const { return DropDown() && IsWindowVisible(DropDown()); }
  bool AboutShown() const { return about_->Host() && IsWindowVisible(AboutHandle()); }

  // A pixel inside button `button`, 3 pixels in from its top left corner
  // (inside the frame, where the fill shows).
  COLORREF ButtonFill(int button) const {
    const RECT place = bar_->Buttons().at(static_cast<std::size_t>(button)).place;
    return testing_support::ScreenPixel(
        testing_support::ScreenPoint(bar_->Handle(), POINT{place.left + 3, place.top + 3}));
  }
  COLORREF Skin(app::TTBColorIndex index) const {
    return ui::ColorRef(app::SkinColorOf(window_->Model(), index));
  }

  app::ToolbarView* bar_ = nullptr;
};

TEST_F(MenuKeysTest, F10RightRightEnterShowsTheAboutWindow) {
  ASSERT_TRUE(EnterWithF10());
  ASSERT_TRUE(Press(VK_RIGHT, [&] { return Mode().Hot() == kShow; }));
  ASSERT_TRUE(Press(VK_RIGHT, [&] { return Mode().Hot() == kAbout; }));
  EXPECT_FALSE(MenuOpen());
  PressKey(VK_RETURN);
  EXPECT_TRUE(SettleUntil([&] { return AboutShown(); }));
  EXPECT_TRUE(Idle());
  // The Enter ran no number search in the field below.
  EXPECT_EQ(TextOf(Of("meResult")), W(u8"Пока ничего нет!"));
}

TEST_F(MenuKeysTest, F10ThenDownOpensTheFirstMenuWithItsItemHighlighted) {
  ASSERT_TRUE(EnterWithF10());
  EXPECT_FALSE(MenuOpen());
  ASSERT_TRUE(Press(VK_DOWN, [&] { return MenuOpen(); }));
  EXPECT_EQ(bar_->Tracker().Open(), kWork);
  EXPECT_EQ(bar_->Tracker().Highlighted(), 0);
  EXPECT_EQ(TextOf(DropDown()), W(u8"Выход"));
  // The highlighted row is drawn as under the pointer.
  const auto* menu = dynamic_cast<app::DropDownView*>(ui::Window::FromHandle(DropDown()));
  ASSERT_NE(menu, nullptr);
  const app::Rect& row = menu->Layout().rows.at(0).row;
  const POINT inside = testing_support::ScreenPoint(DropDown(), POINT{row.left + 3, row.top + 3});
  EXPECT_TRUE(SettleUntil([&] { return testing_support::ScreenPixel(inside) == Skin(app::tcSelItem); }));
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  // Esc closes the drop-down back to the bar, the button still hot.
  ASSERT_TRUE(Press(VK_ESCAPE, [&] { return !MenuOpen(); }));
  EXPECT_EQ(Mode().CurrentState(), State::kBar);
  EXPECT_EQ(Mode().Hot(), kWork);
  EXPECT_TRUE(Press(VK_ESCAPE, [&] { return Mode().CurrentState() == State::kIdle; }));
}

TEST_F(MenuKeysTest, F10RightEnterOpensTheShowMenu) {
  ASSERT_TRUE(EnterWithF10());
  ASSERT_TRUE(Press(VK_RIGHT, [&] { return Mode().Hot() == kShow; }));
  ASSERT_TRUE(Press(VK_RETURN, [&] { return MenuOpen(); }));
  EXPECT_EQ(bar_->Tracker().Open(), kShow);
  EXPECT_EQ(bar_->Tracker().Highlighted(), 0);
  EXPECT_EQ(TextOf(DropDown()), W(u8"Панель результата [x]"));
  // Enter now runs the highlighted item: the result window hides.
  ASSERT_TRUE(Press(VK_RETURN, [&] { return !IsWindowVisible(Of("twResult")); }));
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(MenuOpen());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
}

TEST_F(MenuKeysTest, LeftWrapsFromTheFirstButtonToTheLastAndTheHotOneIsDrawnHot) {
  ASSERT_TRUE(EnterWithF10());
  EXPECT_TRUE(SettleUntil([&] { return ButtonFill(kWork) == Skin(app::tcSelBar); }));
  ASSERT_TRUE(Press(VK_LEFT, [&] { return Mode().Hot() == kAbout; }));
  EXPECT_TRUE(SettleUntil([&] { return ButtonFill(kAbout) == Skin(app::tcSelBar); }));
  EXPECT_EQ(ButtonFill(kWork), Skin(app::tcToolbar));
  EXPECT_FALSE(MenuOpen());
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Idle());
  EXPECT_TRUE(SettleUntil([&] { return ButtonFill(kAbout) == Skin(app::tcToolbar); }));
}

TEST_F(MenuKeysTest, EscLeavesWithTheFocusAndTheTextAsTheyWereAndTypingGoesOn) {
  testing_support::TypeText(L"12");
  ASSERT_TRUE(SettleUntil([&] { return TextOf(Of("MaskEdit1")) == L"1-2_-__"; }));
  ASSERT_TRUE(EnterWithF10());
  // Keys in menu mode are the menus': nothing is typed, Tab moves no focus.
  PressKey('7');
  PressKey(VK_TAB);
  PressKey(VK_BACK);
  Settle();
  EXPECT_EQ(Mode().CurrentState(), State::kBar);
  EXPECT_EQ(TextOf(Of("MaskEdit1")), L"1-2_-__");
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  EXPECT_EQ(TextOf(Of("MaskEdit1")), L"1-2_-__");
  testing_support::TypeText(L"3");
  EXPECT_TRUE(SettleUntil([&] { return TextOf(Of("MaskEdit1")) == L"1-23-__"; }));
}

TEST_F(MenuKeysTest, ALoneAltEntersAndASecondAltLeaves) {
  ASSERT_TRUE(Press(VK_MENU, [&] { return Mode().CurrentState() == State::kBar; }));
  EXPECT_EQ(Mode().Hot(), kWork);
  EXPECT_FALSE(MenuOpen());
  ASSERT_TRUE(Press(VK_MENU, [&] { return Mode().CurrentState() == State::kIdle; }));
  // No menu of the system's took over either: the next keys are the field's.
  testing_support::TypeText(L"5");
  EXPECT_TRUE(SettleUntil([&] { return TextOf(Of("MaskEdit1")) == L"5-__-__"; }));
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
}

TEST_F(MenuKeysTest, F10ReachesTheBarFromTheNamePickerToo) {
  SetFocus(Of("RxDBLookupCombo1"));
  Settle();
  ASSERT_TRUE(EnterWithF10());
  ASSERT_TRUE(Press(VK_DOWN, [&] { return MenuOpen(); }));
  ASSERT_TRUE(Press(VK_ESCAPE, [&] { return !MenuOpen(); }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));
}

TEST_F(MenuKeysTest, AltWithAnotherKeyIsNoMenuKeyAndReachesTheControl) {
  SetFocus(Of("RxDBLookupCombo1"));
  Settle();
  // Alt+Down opens the picker's list, as it did without the menus.
  PressKey(VK_DOWN, kAlt);
  Settle(200);
  EXPECT_EQ(Mode().CurrentState(), State::kIdle);
  EXPECT_FALSE(MenuOpen());
  EXPECT_TRUE(form_->RxDBLookupCombo1->ListVisible());
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(SettleUntil([&] { return !form_->RxDBLookupCombo1->ListVisible(); }));
}

TEST_F(MenuKeysTest, EnteringMenuModeClosesThePickersOpenList) {
  SetFocus(Of("RxDBLookupCombo1"));
  Settle();
  PressKey(VK_DOWN, kAlt);
  ASSERT_TRUE(SettleUntil([&] { return form_->RxDBLookupCombo1->ListVisible(); }));
  ASSERT_TRUE(EnterWithF10());
  EXPECT_TRUE(SettleUntil([&] { return !form_->RxDBLookupCombo1->ListVisible(); }));
  EXPECT_EQ(GetFocus(), Of("RxDBLookupCombo1"));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Idle());
}

TEST_F(MenuKeysTest, AClickLeavesMenuMode) {
  ASSERT_TRUE(EnterWithF10());
  const RECT field = [&] {
    RECT r;
    GetWindowRect(Of("MaskEdit1"), &r);
    return r;
  }();
  MoveMouseAndSettle(POINT{(field.left + field.right) / 2, (field.top + field.bottom) / 2});
  testing_support::PressButton(testing_support::Button::kLeft);
  testing_support::ReleaseButton(testing_support::Button::kLeft);
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(MenuOpen());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
}

TEST_F(MenuKeysTest, TheFloatingToolbarTakesTheKeysToo) {
  // Dragged out by its handle (the left strip of its docked frame), far from the docks.
  RECT frame;
  GetWindowRect(bar_->Handle(), &frame);
  const POINT handle{frame.left + 3, (frame.top + frame.bottom) / 2};
  {
    testing_support::InputSender drag(
        testing_support::DragInputs(handle, POINT{handle.x + 60, handle.y + 400}));
    SettleUntil([&] { return drag.Done(); });
  }
  ASSERT_TRUE(SettleUntil([&] { return form_->TBToolbar1->Floating(); }));
  ParkMouse();
  SetFocus(Of("MaskEdit1"));
  Settle();
  ASSERT_TRUE(EnterWithF10());
  ASSERT_TRUE(Press(VK_RIGHT, [&] { return Mode().Hot() == kShow; }));
  ASSERT_TRUE(Press(VK_DOWN, [&] { return MenuOpen(); }));
  EXPECT_EQ(bar_->Tracker().Open(), kShow);
  ASSERT_TRUE(Press(VK_ESCAPE, [&] { return !MenuOpen(); }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Idle());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
}

TEST_F(MenuKeysTest, AltF4StillEndsTheProgramInMenuModeOrOutOfIt) {
  ASSERT_TRUE(EnterWithF10());
  PressKey(VK_F4, kAlt);
  EXPECT_TRUE(LoopEndsWithZero());
}

TEST_F(MenuKeysTest, EscHidesTheActiveAboutWindow) {
  ASSERT_TRUE(EnterWithF10());
  PressKey(VK_LEFT);
  ASSERT_TRUE(Press(VK_RETURN, [&] { return AboutShown(); }));
  ASSERT_TRUE(SettleUntil([&] { return GetActiveWindow() == AboutHandle(); }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(SettleUntil([&] { return !AboutShown(); }));
  EXPECT_EQ(Mode().CurrentState(), State::kIdle);
}

}  // namespace
