// The bar's keyboard menu mode over the program's bar ("Работаем" with
// "Выход", "Показать" with "Панель результата", the command "O..."), with the
// real menu tracker under it: every transition of the mode's table, what it
// leaves to the focused control, and what its observer hears.
#include "app/menus/menu_keyboard_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::MenuChoice;
using app::MenuKeyboardMode;
using app::MenuModeEvents;
using app::MenuModeKey;
using app::MenuPointer;
using State = app::MenuKeyboardMode::State;

constexpr int kWork = 0;   // "Работаем": "Выход"
constexpr int kShow = 1;   // "Показать": a separator, then "Панель результата"
constexpr int kAbout = 2;  // "O...": a command

// The program's three buttons; `buttons` may be lowered to play a bar that shrank.
class ProgramBar final : public app::MenuBarModel {
 public:
  int buttons = 3;

  int ButtonCount() const override { return buttons; }
  bool HasDropDown(int button) const override { return button != kAbout; }
  int ItemCount(int button) const override { return button == kShow ? 2 : button == kWork ? 1 : 0; }
  bool CanChoose(int button, int item) const override { return !(button == kShow && item == 0); }
};

// Writes down what it hears, one line per call.
class Journal final : public app::MenuModeObserver {
 public:
  std::vector<std::string> heard;
  void MenuModeEntered(int hot) override { heard.push_back("entered " + std::to_string(hot)); }
  void MenuModeHotChanged(int hot) override { heard.push_back("hot " + std::to_string(hot)); }
  void MenuModeLeft() override { heard.push_back("left"); }
};

class MenuKeyboardModeTest : public ::testing::Test {
 protected:
  MenuKeyboardModeTest() { mode_.SetObserver(&journal_); }

  // A key pressed and released; the events of the press.
  MenuModeEvents Press(MenuModeKey key) {
    const MenuModeEvents events = mode_.KeyDown(key);
    mode_.KeyUp(key);
    return events;
  }
  // A lone Alt: into menu mode from Idle.
  void LoneAlt() {
    EXPECT_TRUE(mode_.KeyDown(MenuModeKey::kAlt).taken);
    EXPECT_TRUE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  }
  // F10, then Right `rights` times: in Bar with that button hot.
  void BarAt(int rights) {
    Press(MenuModeKey::kF10);
    for (int i = 0; i < rights; ++i) Press(MenuModeKey::kRight);
    ASSERT_EQ(mode_.CurrentState(), State::kBar);
    ASSERT_EQ(mode_.Hot(), rights);
  }

  ProgramBar bar_;
  app::MenuTracker tracker_{bar_};
  MenuKeyboardMode mode_{tracker_, bar_};
  Journal journal_;
};

// --- Entering ---

TEST_F(MenuKeyboardModeTest, ALoneAltEntersWithTheFirstButtonHotAndNothingOpen) {
  EXPECT_TRUE(mode_.KeyDown(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kAltDown);
  EXPECT_FALSE(mode_.Active());
  EXPECT_EQ(mode_.Hot(), -1);
  // Held down, the key repeats: still alone.
  EXPECT_TRUE(mode_.KeyDown(MenuModeKey::kAlt).taken);
  EXPECT_TRUE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_EQ(mode_.Hot(), kWork);
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_EQ(tracker_.Open(), -1);
  EXPECT_EQ(journal_.heard, std::vector<std::string>{"entered 0"});
}

TEST_F(MenuKeyboardModeTest, F10EntersAtOnceAndItsReleaseIsTaken) {
  EXPECT_TRUE(mode_.KeyDown(MenuModeKey::kF10).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_EQ(mode_.Hot(), kWork);
  EXPECT_TRUE(mode_.KeyUp(MenuModeKey::kF10).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
}

TEST_F(MenuKeyboardModeTest, AltWithAnotherKeyIsAShortcutAndEntersNothing) {
  // Alt+F4, Alt+Tab, Alt+Down: the other key reaches the focused control.
  for (const MenuModeKey other : {MenuModeKey::kOther, MenuModeKey::kDown, MenuModeKey::kF10}) {
    mode_.KeyDown(MenuModeKey::kAlt);
    EXPECT_FALSE(mode_.KeyDown(other).taken);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
    EXPECT_FALSE(mode_.KeyUp(other).taken);
    EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kAlt).taken);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  }
  // A key that was already down and is released while Alt is held counts too.
  mode_.KeyDown(MenuModeKey::kAlt);
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kOther).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_TRUE(journal_.heard.empty());
}

TEST_F(MenuKeyboardModeTest, APressOrTheActivationLostWhileAltIsDownEntersNothing) {
  mode_.KeyDown(MenuModeKey::kAlt);
  mode_.PointerPressed();
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);

  mode_.KeyDown(MenuModeKey::kAlt);
  mode_.Deactivated();
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_TRUE(journal_.heard.empty());
}

TEST_F(MenuKeyboardModeTest, IdleLeavesEveryOtherKeyToTheFocusedControl) {
  for (const MenuModeKey key :
       {MenuModeKey::kLeft, MenuModeKey::kRight, MenuModeKey::kUp, MenuModeKey::kDown, MenuModeKey::kEnter,
        MenuModeKey::kSpace, MenuModeKey::kEsc, MenuModeKey::kOther}) {
    EXPECT_FALSE(mode_.KeyDown(key).taken);
    EXPECT_FALSE(mode_.KeyUp(key).taken);
  }
  // An Alt or F10 release with no press before it is nobody's business here.
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kF10).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_FALSE(tracker_.Tracking());
}

TEST_F(MenuKeyboardModeTest, AltOrF10CloseMenusTheMouseOpenedWithoutEnteringMenuMode) {
  for (const MenuModeKey key : {MenuModeKey::kAlt, MenuModeKey::kF10}) {
    tracker_.PointerPress(MenuPointer::Button(kShow));
    tracker_.PointerRelease(MenuPointer::Button(kShow));
    ASSERT_EQ(tracker_.Open(), kShow);
    const MenuModeEvents events = mode_.KeyDown(key);
    EXPECT_TRUE(events.taken);
    EXPECT_FALSE(events.menu.chosen);
    EXPECT_FALSE(tracker_.Tracking());
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
    EXPECT_FALSE(mode_.KeyUp(key).taken);
  }
  EXPECT_TRUE(journal_.heard.empty());
}

TEST_F(MenuKeyboardModeTest, ABarWithNoButtonsHasNoMenuMode) {
  bar_.buttons = 0;
  EXPECT_FALSE(mode_.KeyDown(MenuModeKey::kF10).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  LoneAlt();
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
}

// --- On the bar ---

TEST_F(MenuKeyboardModeTest, LeftAndRightMoveTheHotButtonWrappingBothWays) {
  Press(MenuModeKey::kF10);
  EXPECT_TRUE(Press(MenuModeKey::kLeft).taken);
  EXPECT_EQ(mode_.Hot(), kAbout);  // from the first to the last
  Press(MenuModeKey::kRight);
  EXPECT_EQ(mode_.Hot(), kWork);  // and back round
  Press(MenuModeKey::kRight);
  EXPECT_EQ(mode_.Hot(), kShow);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_EQ(journal_.heard, (std::vector<std::string>{"entered 0", "hot 2", "hot 0", "hot 1"}));
}

TEST_F(MenuKeyboardModeTest, DownEnterAndSpaceOpenTheHotDropDownWithItsFirstChoosableItem) {
  for (const MenuModeKey key : {MenuModeKey::kDown, MenuModeKey::kEnter, MenuModeKey::kSpace}) {
    BarAt(kWork);
    const MenuModeEvents work = Press(key);
    EXPECT_TRUE(work.taken);
    EXPECT_TRUE(work.menu.opened);
    EXPECT_EQ(mode_.CurrentState(), State::kTracking);
    EXPECT_EQ(tracker_.Open(), kWork);
    EXPECT_EQ(tracker_.Highlighted(), 0);  // "Выход"
    EXPECT_EQ(mode_.Hot(), kWork);
    Press(MenuModeKey::kEsc);
    Press(MenuModeKey::kEsc);

    // "Показать" starts with a separator: the highlight skips it.
    BarAt(kShow);
    EXPECT_TRUE(Press(key).menu.opened);
    EXPECT_EQ(tracker_.Open(), kShow);
    EXPECT_EQ(tracker_.Highlighted(), 1);
    Press(MenuModeKey::kEsc);
    Press(MenuModeKey::kEsc);
  }
}

TEST_F(MenuKeyboardModeTest, DownEnterOrSpaceOnTheCommandChooseItAndLeave) {
  for (const MenuModeKey key : {MenuModeKey::kDown, MenuModeKey::kEnter, MenuModeKey::kSpace}) {
    journal_.heard.clear();
    BarAt(kAbout);
    const MenuModeEvents events = mode_.KeyDown(key);
    EXPECT_TRUE(events.taken);
    EXPECT_FALSE(events.menu.opened);
    ASSERT_TRUE(events.menu.chosen);
    EXPECT_EQ(*events.menu.chosen, (MenuChoice{kAbout, -1, false}));
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
    EXPECT_FALSE(tracker_.Tracking());
    // Its release reaches the focused control, as after any menu.
    EXPECT_FALSE(mode_.KeyUp(key).taken);
    EXPECT_EQ(journal_.heard.back(), "left");
  }
}

TEST_F(MenuKeyboardModeTest, EscAltAndF10LeaveTheBar) {
  for (const MenuModeKey key : {MenuModeKey::kEsc, MenuModeKey::kAlt, MenuModeKey::kF10}) {
    journal_.heard.clear();
    BarAt(kShow);
    EXPECT_TRUE(mode_.KeyDown(key).taken);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
    EXPECT_EQ(mode_.Hot(), -1);
    EXPECT_FALSE(tracker_.Tracking());
    EXPECT_EQ(journal_.heard, (std::vector<std::string>{"entered 0", "hot 1", "left"}));
    // The release of the key that left is not another entry.
    mode_.KeyUp(key);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  }
}

TEST_F(MenuKeyboardModeTest, ASecondLoneAltLeaves) {
  LoneAlt();
  ASSERT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_TRUE(mode_.KeyDown(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_FALSE(mode_.KeyUp(MenuModeKey::kAlt).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  // And a third enters again.
  LoneAlt();
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
}

TEST_F(MenuKeyboardModeTest, TheBarTakesEveryOtherKeyAndDoesNothingWithIt) {
  BarAt(kShow);
  for (const MenuModeKey key : {MenuModeKey::kUp, MenuModeKey::kOther}) {
    EXPECT_TRUE(mode_.KeyDown(key).taken);
    EXPECT_TRUE(mode_.KeyUp(key).taken);
  }
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_EQ(mode_.Hot(), kShow);
  EXPECT_FALSE(tracker_.Tracking());
}

TEST_F(MenuKeyboardModeTest, APressOrTheActivationLostLeavesTheBar) {
  BarAt(kShow);
  mode_.PointerPressed();
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_EQ(journal_.heard.back(), "left");
  BarAt(kShow);
  EXPECT_FALSE(mode_.Deactivated().menu.chosen);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_EQ(journal_.heard.back(), "left");
}

TEST_F(MenuKeyboardModeTest, ABarThatLostButtonsMovesTheHotOneOntoWhatIsLeft) {
  BarAt(kAbout);
  bar_.buttons = 2;  // "O..." went behind a chevron
  Press(MenuModeKey::kRight);
  EXPECT_EQ(mode_.Hot(), kWork);
  Press(MenuModeKey::kRight);
  EXPECT_EQ(mode_.Hot(), kShow);
  bar_.buttons = 1;
  EXPECT_TRUE(Press(MenuModeKey::kDown).menu.opened);
  EXPECT_EQ(tracker_.Open(), kWork);
  Press(MenuModeKey::kEsc);
  EXPECT_EQ(mode_.Hot(), kWork);
  bar_.buttons = 0;
  EXPECT_TRUE(Press(MenuModeKey::kLeft).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
}

// --- In a drop-down opened from the bar ---

TEST_F(MenuKeyboardModeTest, EscInTheDropDownGoesBackToTheBarWithItsButtonHot) {
  BarAt(kShow);
  Press(MenuModeKey::kDown);
  ASSERT_EQ(tracker_.Open(), kShow);
  const MenuModeEvents back = Press(MenuModeKey::kEsc);
  EXPECT_TRUE(back.taken);
  EXPECT_FALSE(back.menu.chosen);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_EQ(mode_.Hot(), kShow);
  EXPECT_FALSE(tracker_.Tracking());
  // A second Esc leaves.
  Press(MenuModeKey::kEsc);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_EQ(journal_.heard, (std::vector<std::string>{"entered 0", "hot 1", "left"}));
}

TEST_F(MenuKeyboardModeTest, TheDropDownsKeysAreTheTrackersAndTheHotButtonFollowsThem) {
  BarAt(kWork);
  Press(MenuModeKey::kDown);
  // Right: the next drop-down opens, its first item highlighted.
  const MenuModeEvents right = Press(MenuModeKey::kRight);
  EXPECT_TRUE(right.taken);
  EXPECT_TRUE(right.menu.opened);
  EXPECT_EQ(tracker_.Open(), kShow);
  EXPECT_EQ(tracker_.Highlighted(), 1);
  EXPECT_EQ(mode_.Hot(), kShow);
  // Up and Down wrap over the one choosable item.
  Press(MenuModeKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), 1);
  Press(MenuModeKey::kUp);
  EXPECT_EQ(tracker_.Highlighted(), 1);
  // Right again: the command is selected, nothing open.
  Press(MenuModeKey::kRight);
  EXPECT_EQ(mode_.CurrentState(), State::kTracking);
  EXPECT_EQ(tracker_.Open(), -1);
  EXPECT_EQ(mode_.Hot(), kAbout);
  // Esc from there is back to the bar too.
  Press(MenuModeKey::kEsc);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  EXPECT_EQ(mode_.Hot(), kAbout);
  EXPECT_EQ(journal_.heard, (std::vector<std::string>{"entered 0", "hot 1", "hot 2"}));
}

TEST_F(MenuKeyboardModeTest, SpaceAndOtherKeysInTheDropDownAreSwallowed) {
  BarAt(kWork);
  Press(MenuModeKey::kDown);
  for (const MenuModeKey key : {MenuModeKey::kSpace, MenuModeKey::kOther}) {
    const MenuModeEvents events = Press(key);
    EXPECT_TRUE(events.taken);
    EXPECT_FALSE(events.menu.chosen);
  }
  EXPECT_EQ(tracker_.Open(), kWork);
  EXPECT_EQ(tracker_.Highlighted(), 0);
  EXPECT_TRUE(mode_.KeyUp(MenuModeKey::kOther).taken);
}

TEST_F(MenuKeyboardModeTest, EnterInTheDropDownChoosesTheItemAndLeaves) {
  BarAt(kWork);
  Press(MenuModeKey::kDown);
  const MenuModeEvents events = mode_.KeyDown(MenuModeKey::kEnter);
  EXPECT_TRUE(events.taken);
  ASSERT_TRUE(events.menu.chosen);
  EXPECT_EQ(*events.menu.chosen, (MenuChoice{kWork, 0, true}));
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_EQ(journal_.heard.back(), "left");

  // The command reached with Right from a drop-down runs with Enter too.
  BarAt(kShow);
  Press(MenuModeKey::kDown);
  Press(MenuModeKey::kRight);
  const MenuModeEvents command = Press(MenuModeKey::kEnter);
  ASSERT_TRUE(command.menu.chosen);
  EXPECT_EQ(*command.menu.chosen, (MenuChoice{kAbout, -1, false}));
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
}

TEST_F(MenuKeyboardModeTest, AltF10OrTheActivationLostCloseTheDropDownAndLeave) {
  for (const MenuModeKey key : {MenuModeKey::kAlt, MenuModeKey::kF10}) {
    BarAt(kShow);
    Press(MenuModeKey::kDown);
    EXPECT_TRUE(mode_.KeyDown(key).taken);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
    EXPECT_FALSE(tracker_.Tracking());
    mode_.KeyUp(key);
    EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  }
  BarAt(kShow);
  Press(MenuModeKey::kDown);
  EXPECT_FALSE(mode_.Deactivated().menu.chosen);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_FALSE(tracker_.Tracking());
}

TEST_F(MenuKeyboardModeTest, TheModeFollowsWhatTheMouseDoesToTheDropDown) {
  BarAt(kWork);
  Press(MenuModeKey::kDown);
  // A press inside the menus is the tracker's: the mode stays with it.
  mode_.PointerPressed();
  tracker_.PointerMove(MenuPointer::Button(kShow));
  mode_.TrackerChanged();
  EXPECT_EQ(mode_.CurrentState(), State::kTracking);
  EXPECT_EQ(mode_.Hot(), kShow);
  EXPECT_EQ(journal_.heard.back(), "hot 1");
  // A click on the item chooses it; the tracking ends and so does the mode.
  tracker_.PointerPress(MenuPointer::Item(1));
  const app::MenuEvents released = tracker_.PointerRelease(MenuPointer::Item(1));
  ASSERT_TRUE(released.chosen);
  mode_.TrackerChanged();
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_EQ(journal_.heard.back(), "left");

  // Closed by a press outside, without telling the mode: the next key finds out.
  BarAt(kWork);
  Press(MenuModeKey::kDown);
  tracker_.PointerPress(MenuPointer::Elsewhere());
  EXPECT_FALSE(mode_.KeyDown(MenuModeKey::kOther).taken);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
}

TEST_F(MenuKeyboardModeTest, WithoutAnObserverTheModeWorksTheSame) {
  mode_.SetObserver(nullptr);
  BarAt(kShow);
  Press(MenuModeKey::kDown);
  Press(MenuModeKey::kEsc);
  EXPECT_EQ(mode_.CurrentState(), State::kBar);
  Press(MenuModeKey::kEsc);
  EXPECT_EQ(mode_.CurrentState(), State::kIdle);
  EXPECT_TRUE(journal_.heard.empty());
}

}  // namespace
