// Menu-bar tracking over the program's bar ("Работаем" with "Выход",
// "Показать" with "Панель результата", the command "O...") and over a longer
// drop-down with a separator and a disabled item.
#include "app/menus/menu_tracker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using app::MenuChoice;
using app::MenuEvents;
using app::MenuKey;
using app::MenuPointer;
using app::MenuTracker;
using State = app::MenuTracker::State;

class FakeBar final : public app::MenuBarModel {
 public:
  struct Button {
    bool drop_down = false;
    std::vector<bool> choosable;  // one per drop-down item
  };
  std::vector<Button> buttons;

  int ButtonCount() const override { return static_cast<int>(buttons.size()); }
  bool HasDropDown(int b) const override { return buttons.at(b).drop_down; }
  int ItemCount(int b) const override { return static_cast<int>(buttons.at(b).choosable.size()); }
  bool CanChoose(int b, int i) const override { return buttons.at(b).choosable.at(i); }
};

constexpr int kWork = 0;   // "Работаем": "Выход"
constexpr int kShow = 1;   // "Показать": "Панель результата"
constexpr int kAbout = 2;  // "O...": a command

class MenuTrackerTest : public ::testing::Test {
 protected:
  MenuTrackerTest() { bar_.buttons = {{true, {true}}, {true, {true}}, {false, {}}}; }

  // A press and a release at the same place; the events of both.
  MenuEvents Click(MenuPointer at) {
    MenuEvents events = tracker_.PointerPress(at);
    const MenuEvents released = tracker_.PointerRelease(at);
    events.opened = events.opened || released.opened;
    if (released.chosen) events.chosen = released.chosen;
    return events;
  }

  FakeBar bar_;
  MenuTracker tracker_{bar_};
};

TEST_F(MenuTrackerTest, HoveringTheIdleBarOnlyMakesButtonsHot) {
  EXPECT_FALSE(tracker_.PointerMove(MenuPointer::Button(kShow)).opened);
  EXPECT_EQ(tracker_.Hot(), kShow);
  EXPECT_FALSE(tracker_.Tracking());
  tracker_.PointerMove(MenuPointer::Elsewhere());
  EXPECT_EQ(tracker_.Hot(), -1);
  // A button index the bar does not have is no button.
  tracker_.PointerMove(MenuPointer::Button(7));
  EXPECT_EQ(tracker_.Hot(), -1);
  EXPECT_FALSE(tracker_.PointerPress(MenuPointer::Button(7)).opened);
  EXPECT_FALSE(tracker_.Tracking());
  // Keys mean nothing outside menu mode.
  EXPECT_FALSE(tracker_.Key(MenuKey::kRight).opened);
  EXPECT_FALSE(tracker_.Key(MenuKey::kEnter).chosen);
  EXPECT_EQ(tracker_.CurrentState(), State::kIdle);
}

TEST_F(MenuTrackerTest, AClickOnASubmenuButtonOpensItsMenuAndAMoveToTheOtherSwitches) {
  MenuEvents events = tracker_.PointerPress(MenuPointer::Button(kWork));
  EXPECT_TRUE(events.opened);
  EXPECT_EQ(tracker_.CurrentState(), State::kMenuHeld);
  events = tracker_.PointerRelease(MenuPointer::Button(kWork));
  EXPECT_FALSE(events.opened);
  EXPECT_FALSE(events.chosen);
  EXPECT_EQ(tracker_.CurrentState(), State::kMenu);
  EXPECT_EQ(tracker_.Open(), kWork);
  EXPECT_EQ(tracker_.Highlighted(), -1);  // opened by the mouse: nothing highlighted yet
  EXPECT_EQ(tracker_.Hot(), -1);          // the open look, not the hot one
  EXPECT_TRUE(tracker_.Tracking());

  EXPECT_FALSE(tracker_.PointerMove(MenuPointer::Button(kWork)).opened);
  EXPECT_TRUE(tracker_.PointerMove(MenuPointer::Button(kShow)).opened);
  EXPECT_EQ(tracker_.Open(), kShow);
  EXPECT_TRUE(tracker_.PointerMove(MenuPointer::Button(kWork)).opened);
  EXPECT_EQ(tracker_.Open(), kWork);
}

TEST_F(MenuTrackerTest, ChoosingPanelResultFromShow) {
  Click(MenuPointer::Button(kWork));
  tracker_.PointerMove(MenuPointer::Button(kShow));
  tracker_.PointerMove(MenuPointer::Item(0));
  EXPECT_EQ(tracker_.Highlighted(), 0);
  EXPECT_FALSE(tracker_.PointerPress(MenuPointer::Item(0)).chosen);  // chosen on release only
  EXPECT_EQ(tracker_.CurrentState(), State::kMenuHeld);
  const MenuEvents events = tracker_.PointerRelease(MenuPointer::Item(0));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kShow, 0, true}));
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_EQ(tracker_.Open(), -1);
  EXPECT_EQ(tracker_.Highlighted(), -1);
  EXPECT_EQ(tracker_.Hot(), -1);  // the pointer is where the drop-down was
}

TEST_F(MenuTrackerTest, PressDragReleaseChoosesWithOneStroke) {
  EXPECT_TRUE(tracker_.PointerPress(MenuPointer::Button(kWork)).opened);
  tracker_.PointerMove(MenuPointer::Item(0));
  MenuEvents events = tracker_.PointerRelease(MenuPointer::Item(0));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kWork, 0, true}));

  // Dragged across to the other menu first; the release alone, without a
  // move reported before it, chooses where it happens.
  tracker_.PointerPress(MenuPointer::Button(kWork));
  EXPECT_TRUE(tracker_.PointerMove(MenuPointer::Button(kShow)).opened);
  events = tracker_.PointerRelease(MenuPointer::Item(0));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kShow, 0, true}));

  // Dragged onto the command button: released there, the command runs, and
  // not as a drop-down choice.
  tracker_.PointerPress(MenuPointer::Button(kShow));
  events = tracker_.PointerRelease(MenuPointer::Button(kAbout));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kAbout, -1, false}));
}

TEST_F(MenuTrackerTest, ReleasingAfterADragOutsideKeepsTheMenuOpen) {
  tracker_.PointerPress(MenuPointer::Button(kWork));
  tracker_.PointerMove(MenuPointer::Item(0));
  tracker_.PointerMove(MenuPointer::Elsewhere());
  EXPECT_EQ(tracker_.Highlighted(), -1);
  EXPECT_FALSE(tracker_.PointerRelease(MenuPointer::Elsewhere()).chosen);
  EXPECT_EQ(tracker_.CurrentState(), State::kMenu);
  EXPECT_EQ(tracker_.Open(), kWork);
  // Releasing without a press in menu mode, outside the items, changes nothing.
  EXPECT_FALSE(tracker_.PointerRelease(MenuPointer::Button(kWork)).chosen);
  EXPECT_EQ(tracker_.Open(), kWork);
}

TEST_F(MenuTrackerTest, PressingTheOpenMenusButtonClosesItAndTheReleaseDoesNotReopen) {
  Click(MenuPointer::Button(kShow));
  MenuEvents events = tracker_.PointerPress(MenuPointer::Button(kShow));
  EXPECT_FALSE(events.opened);
  EXPECT_EQ(tracker_.CurrentState(), State::kIdle);
  EXPECT_EQ(tracker_.Hot(), kShow);  // the pointer is still over it
  events = tracker_.PointerRelease(MenuPointer::Button(kShow));
  EXPECT_FALSE(events.opened);
  EXPECT_FALSE(events.chosen);
  EXPECT_EQ(tracker_.Open(), -1);
}

TEST_F(MenuTrackerTest, AClickOutsideEscAndCancelCloseWithoutChoosing) {
  Click(MenuPointer::Button(kWork));
  tracker_.PointerMove(MenuPointer::Item(0));
  EXPECT_FALSE(Click(MenuPointer::Elsewhere()).chosen);
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_EQ(tracker_.Open(), -1);

  Click(MenuPointer::Button(kWork));
  tracker_.Key(MenuKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), 0);
  EXPECT_FALSE(tracker_.Key(MenuKey::kEsc).chosen);
  EXPECT_FALSE(tracker_.Tracking());
  // Esc left the bar: Enter now chooses nothing.
  EXPECT_FALSE(tracker_.Key(MenuKey::kEnter).chosen);

  tracker_.PointerPress(MenuPointer::Button(kShow));
  EXPECT_FALSE(tracker_.Cancel().chosen);
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_FALSE(tracker_.PointerRelease(MenuPointer::Item(0)).chosen);
}

TEST_F(MenuTrackerTest, LeftAndRightWalkTheTopLevelWrappingAndEnterChooses) {
  Click(MenuPointer::Button(kWork));
  MenuEvents events = tracker_.Key(MenuKey::kRight);
  EXPECT_TRUE(events.opened);
  EXPECT_EQ(tracker_.Open(), kShow);
  EXPECT_EQ(tracker_.Highlighted(), 0);  // opened by the keyboard: first item highlighted

  events = tracker_.Key(MenuKey::kRight);  // the command button: highlighted, no drop-down
  EXPECT_FALSE(events.opened);
  EXPECT_EQ(tracker_.Open(), -1);
  EXPECT_EQ(tracker_.Hot(), kAbout);
  EXPECT_TRUE(tracker_.Tracking());
  tracker_.Key(MenuKey::kDown);  // nothing to move in
  EXPECT_EQ(tracker_.Highlighted(), -1);

  EXPECT_TRUE(tracker_.Key(MenuKey::kRight).opened);  // wraps to the first
  EXPECT_EQ(tracker_.Open(), kWork);
  EXPECT_FALSE(tracker_.Key(MenuKey::kLeft).opened);  // wraps to the last
  EXPECT_EQ(tracker_.Hot(), kAbout);
  EXPECT_TRUE(tracker_.Key(MenuKey::kLeft).opened);
  EXPECT_EQ(tracker_.Open(), kShow);

  events = tracker_.Key(MenuKey::kEnter);
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kShow, 0, true}));

  Click(MenuPointer::Button(kWork));
  tracker_.Key(MenuKey::kLeft);
  events = tracker_.Key(MenuKey::kEnter);
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kAbout, -1, false}));
}

TEST_F(MenuTrackerTest, UpAndDownWrapAndSkipWhatCannotBeChosen) {
  // "Первый", separator, disabled, "Последний".
  bar_.buttons[kWork].choosable = {true, false, false, true};
  Click(MenuPointer::Button(kWork));
  EXPECT_EQ(tracker_.Highlighted(), -1);
  tracker_.Key(MenuKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), 0);
  tracker_.Key(MenuKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), 3);
  tracker_.Key(MenuKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), 0);
  tracker_.Key(MenuKey::kUp);
  EXPECT_EQ(tracker_.Highlighted(), 3);

  // Up from nothing highlighted starts at the end.
  tracker_.PointerMove(MenuPointer::Item(1));  // over the separator: nothing highlighted
  EXPECT_EQ(tracker_.Highlighted(), -1);
  tracker_.Key(MenuKey::kUp);
  EXPECT_EQ(tracker_.Highlighted(), 3);

  // Enter on a drop-down with nothing highlighted does nothing.
  tracker_.PointerMove(MenuPointer::Item(2));
  EXPECT_FALSE(tracker_.Key(MenuKey::kEnter).chosen);
  EXPECT_EQ(tracker_.Open(), kWork);
  // A click on the disabled item keeps the menu open.
  EXPECT_FALSE(Click(MenuPointer::Item(2)).chosen);
  EXPECT_EQ(tracker_.CurrentState(), State::kMenu);
  EXPECT_EQ(tracker_.Open(), kWork);

  // A drop-down with nothing to choose: the highlight stays off.
  bar_.buttons[kShow].choosable = {false};
  tracker_.PointerMove(MenuPointer::Button(kShow));
  tracker_.Key(MenuKey::kDown);
  EXPECT_EQ(tracker_.Highlighted(), -1);
  bar_.buttons[kShow].choosable = {};
  tracker_.Key(MenuKey::kUp);
  EXPECT_EQ(tracker_.Highlighted(), -1);
}

TEST_F(MenuTrackerTest, ACommandButtonIsPressedOnPressAndChosenOnReleaseOverIt) {
  EXPECT_FALSE(tracker_.PointerPress(MenuPointer::Button(kAbout)).opened);
  EXPECT_EQ(tracker_.CurrentState(), State::kPushing);
  EXPECT_EQ(tracker_.Pressed(), kAbout);
  EXPECT_EQ(tracker_.Hot(), kAbout);
  tracker_.PointerMove(MenuPointer::Elsewhere());
  EXPECT_EQ(tracker_.Pressed(), kAbout);
  EXPECT_EQ(tracker_.Hot(), -1);  // not drawn pushed while the pointer is away
  tracker_.PointerMove(MenuPointer::Button(kShow));
  EXPECT_EQ(tracker_.Open(), -1);  // no menu opens while a command is held
  tracker_.PointerMove(MenuPointer::Button(kAbout));
  const MenuEvents events = tracker_.PointerRelease(MenuPointer::Button(kAbout));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kAbout, -1, false}));
  EXPECT_EQ(tracker_.Pressed(), -1);
  EXPECT_EQ(tracker_.Hot(), kAbout);

  // Released elsewhere, or cancelled, or Esc: nothing.
  tracker_.PointerPress(MenuPointer::Button(kAbout));
  EXPECT_FALSE(tracker_.PointerRelease(MenuPointer::Button(kShow)).chosen);
  EXPECT_FALSE(tracker_.Tracking());
  tracker_.PointerPress(MenuPointer::Button(kAbout));
  tracker_.Key(MenuKey::kEsc);
  EXPECT_FALSE(tracker_.PointerRelease(MenuPointer::Button(kAbout)).chosen);
}

TEST_F(MenuTrackerTest, MovingOntoTheCommandWhileAMenuIsOpenClosesTheDropDownAndAClickRunsIt) {
  Click(MenuPointer::Button(kShow));
  EXPECT_FALSE(tracker_.PointerMove(MenuPointer::Button(kAbout)).opened);
  EXPECT_EQ(tracker_.Open(), -1);
  EXPECT_EQ(tracker_.Hot(), kAbout);
  EXPECT_TRUE(tracker_.Tracking());
  EXPECT_EQ(tracker_.PointerPress(MenuPointer::Button(kAbout)).chosen, std::nullopt);
  EXPECT_EQ(tracker_.CurrentState(), State::kPushing);
  const MenuEvents events = tracker_.PointerRelease(MenuPointer::Button(kAbout));
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (MenuChoice{kAbout, -1, false}));
}

TEST_F(MenuTrackerTest, ABarThatShrankUnderAnOpenMenuClosesItAndStrayIndicesCountAsElsewhere) {
  Click(MenuPointer::Button(kShow));
  tracker_.PointerMove(MenuPointer::Item(5));  // no such item
  EXPECT_EQ(tracker_.Highlighted(), -1);
  EXPECT_FALSE(Click(MenuPointer::Item(5)).chosen);  // a click on no item is a click outside
  EXPECT_FALSE(tracker_.Tracking());

  Click(MenuPointer::Button(kShow));
  tracker_.Key(MenuKey::kDown);
  bar_.buttons.resize(1);  // the chevron took "Показать" and "O..." away
  EXPECT_FALSE(tracker_.Key(MenuKey::kEnter).chosen);
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_EQ(tracker_.Open(), -1);

  // The drop-down lost its highlighted item while open.
  Click(MenuPointer::Button(kWork));
  tracker_.Key(MenuKey::kDown);
  bar_.buttons[kWork].choosable.clear();
  EXPECT_FALSE(tracker_.Key(MenuKey::kEnter).chosen);
  EXPECT_EQ(tracker_.Open(), kWork);
  EXPECT_EQ(tracker_.Highlighted(), -1);
}

TEST_F(MenuTrackerTest, OpeningFromTheKeyboardHighlightsTheFirstItemOrChoosesTheCommand) {
  bar_.buttons[kShow].choosable = {false, true};  // a separator first
  const MenuEvents show = tracker_.OpenFromKeyboard(kShow);
  EXPECT_TRUE(show.opened);
  EXPECT_FALSE(show.chosen);
  EXPECT_EQ(tracker_.CurrentState(), State::kMenu);
  EXPECT_EQ(tracker_.Open(), kShow);
  EXPECT_EQ(tracker_.Highlighted(), 1);
  // Only from Idle: while tracking it changes nothing.
  EXPECT_FALSE(tracker_.OpenFromKeyboard(kWork).opened);
  EXPECT_EQ(tracker_.Open(), kShow);
  tracker_.Cancel();

  const MenuEvents about = tracker_.OpenFromKeyboard(kAbout);
  EXPECT_FALSE(about.opened);
  ASSERT_TRUE(about.chosen);
  EXPECT_EQ(*about.chosen, (MenuChoice{kAbout, -1, false}));
  EXPECT_FALSE(tracker_.Tracking());

  // A button the bar does not have.
  EXPECT_FALSE(tracker_.OpenFromKeyboard(3).opened);
  EXPECT_FALSE(tracker_.OpenFromKeyboard(-1).chosen);
  EXPECT_FALSE(tracker_.Tracking());
}

}  // namespace
