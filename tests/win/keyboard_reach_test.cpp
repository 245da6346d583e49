// The keyboard's wiring through the program's own loop, with real keys: Tab
// and Enter in the About window's strip, Alt+- and a window menu's commands.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/docking/tb_tool_window.h"
#include "tests/common/child_process.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "text/literal.h"
#include "ui/controls/label/label.h"

namespace {

using testing_support::PressKey;
using testing_support::W;

// The program's shown drop-down menu, or null.
HWND ShownDropDown() {
  HWND found = FindWindowExW(nullptr, nullptr, L"TTBDropDownWindow", nullptr);
  return found && IsWindowVisible(found) ? found : nullptr;
}

class KeyboardReachTest : public testing_support::ProgramWindowsTest {
 protected:
  void Press(WORD key, unsigned modifiers = testing_support::kNoModifier) {
    PressKey(key, modifiers);
    Settle();
  }
};

TEST_F(KeyboardReachTest, TabAndEnterReachTheAboutStripAndAltMinusTheResultWindowsMenu) {
  ShowAndSettle();
  about_->Show();
  ASSERT_TRUE(SettleUntil([&] { return GetForegroundWindow() == AboutHandle(); }));
  EXPECT_TRUE(about_->laLink2->holds_focus);
  Press(VK_TAB);
  EXPECT_TRUE(about_->laLink1->holds_focus && about_->laLink1->focus_cue);
  EXPECT_FALSE(about_->laLink2->holds_focus);
  const auto states = [&](const char* name) {
    return about_window_->ViewNamed(name)->Accessible().Self().states;
  };
  EXPECT_TRUE(states("laLink1") & ui::kAccessibleFocused);
  EXPECT_FALSE(states("laLink2") & ui::kAccessibleFocused);
  EXPECT_EQ(about_window_->Accessible().Self().name, std::string(text::Cp1251(u8"О программе").view()));
  Press(VK_TAB);
  Press(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(AboutHandle())) << "Enter on the close mark hides the window";

  auto& result = *dynamic_cast<app::TTBToolWindow*>(form_->FindComponent("twResult"));
  Press(VK_OEM_MINUS, testing_support::kAlt);
  const HWND menu = ShownDropDown();
  ASSERT_NE(menu, nullptr) << "Alt+- opens a drop-down";
  EXPECT_EQ(testing_support::TextOf(menu), W(u8"Переместить\tРазмер\tОткрепить\tСкрыть"));
  Press(VK_UP);
  Press(VK_UP);
  Press(VK_RETURN);
  EXPECT_TRUE(result.Floating()) << "\"Открепить\" floats the result window";
  EXPECT_EQ(ShownDropDown(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);

  // A keyboard move interrupted by a click elsewhere ends as Esc.
  RECT frame{};
  GetWindowRect(GetAncestor(Of("twResult"), GA_ROOT), &frame);
  Press(VK_OEM_MINUS, testing_support::kAlt);
  Press(VK_RETURN);  // "Переместить"
  Press(VK_RIGHT);
  RECT moved{};
  GetWindowRect(GetAncestor(Of("twResult"), GA_ROOT), &moved);
  EXPECT_EQ(moved.left, frame.left + 8);
  EXPECT_NE(GetCapture(), nullptr) << "the move holds the capture";
  testing_support::Click(testing_support::ClientCentre(Handle()));
  Settle();
  GetWindowRect(GetAncestor(Of("twResult"), GA_ROOT), &moved);
  EXPECT_EQ(moved.left, frame.left);
  EXPECT_EQ(GetCapture(), nullptr);

  // Hidden, the result window has no menu to open.
  result.SetVisible(false);
  Press(VK_OEM_MINUS, testing_support::kAlt);
  EXPECT_EQ(ShownDropDown(), nullptr);
}

}  // namespace
