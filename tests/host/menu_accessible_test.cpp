// What a reader is told about the main window's menu toolbar and its
// drop-down menus: the bar's buttons idle and while the menus are tracked,
// the default actions going through the tracker, the open menu's items with
// the check mark and the highlight, and the floating frame's close button.
#include "app/toolbar/toolbar_accessible.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/docking/floating_frame_accessible.h"
#include "app/menus/drop_down_accessible.h"
#include "app/menus/tb_drop_down_window.h"
#include "tests/common/loaded_main_form.h"
#include "text/literal.h"

namespace {

using ui::AccessibleRole;

constexpr auto kMainMenu = text::Cp1251(u8"Главное меню");
constexpr auto kWork = text::Cp1251(u8"Работаем");
constexpr auto kShow = text::Cp1251(u8"Показать");
constexpr auto kResultPanel = text::Cp1251(u8"Панель результата");

class MenuAccessibleTest : public ::testing::Test, protected testing_support::LoadedMainForm {
 protected:
  // Each button 80 pixels wide, one after the other.
  static base::Rect PlaceOf(int button) { return base::Rect{button * 80, 0, (button + 1) * 80, 22}; }
  app::ToolbarAccessible Bar() {
    return app::ToolbarAccessible(*f.TBToolbar1, bar_, tracker_, PlaceOf,
                                  [this](const app::MenuEvents& events) { applied_.push_back(events); });
  }

  app::ToolbarMenuBar bar_{*form, *f.TBToolbar1};
  app::MenuTracker tracker_{bar_};
  std::vector<app::MenuEvents> applied_;
};

TEST_F(MenuAccessibleTest, TheIdleBarIsAMenuBarOfItsButtonsWithNothingFocused) {
  const app::ToolbarAccessible bar = Bar();
  EXPECT_EQ(bar.Self().role, AccessibleRole::kMenuBar);
  EXPECT_EQ(bar.Self().name, kMainMenu.view());
  ASSERT_EQ(bar.ChildCount(), 3);
  const std::vector<std::string> names{kWork.str(), kShow.str(), "O..."};
  for (int child = 1; child <= 3; ++child) {
    const ui::AccessibleElement button = bar.Child(child);
    EXPECT_EQ(button.role, AccessibleRole::kMenuItem);
    EXPECT_EQ(button.name, names[static_cast<size_t>(child - 1)]);
    EXPECT_EQ(button.bounds, PlaceOf(child - 1));
    EXPECT_FALSE(button.states & ui::kAccessibleFocused);
  }
  EXPECT_TRUE(bar.Child(2).states & ui::kAccessibleHasPopup);
  EXPECT_TRUE(bar.Child(2).states & ui::kAccessibleCollapsed);
  EXPECT_FALSE(bar.Child(3).states & ui::kAccessibleHasPopup);
  EXPECT_EQ(bar.Child(3).default_action, text::Cp1251(u8"Выполнить").view());
  EXPECT_EQ(bar.FocusedChild(), 0);
  EXPECT_EQ(bar.HitTest({170, 5}), 3);
}

TEST_F(MenuAccessibleTest, TheHotButtonIsHotTrackedWithoutFocusUntilTheMenusAreTracked) {
  const app::ToolbarAccessible bar = Bar();
  tracker_.PointerMove(app::MenuPointer::Button(0));
  EXPECT_TRUE(bar.Child(1).states & ui::kAccessibleHotTracked);
  EXPECT_FALSE(bar.Child(1).states & ui::kAccessibleFocused);
  EXPECT_EQ(bar.FocusedChild(), 0);
  // Tracked: the open drop-down's button is the focus, and expanded.
  tracker_.PointerPress(app::MenuPointer::Button(1));
  EXPECT_EQ(bar.FocusedChild(), 2);
  EXPECT_TRUE(bar.Child(2).states & ui::kAccessibleExpanded);
  EXPECT_TRUE(bar.Child(2).states & ui::kAccessibleFocused);
  EXPECT_FALSE(bar.Child(1).states & ui::kAccessibleFocused);
  EXPECT_EQ(bar.Child(2).default_action, text::Cp1251(u8"Закрыть").view());
  tracker_.Key(app::MenuKey::kRight);
  EXPECT_EQ(bar.FocusedChild(), 3);  // the command button, no drop-down
  tracker_.Key(app::MenuKey::kEsc);
  EXPECT_EQ(bar.FocusedChild(), 0);
}

TEST_F(MenuAccessibleTest, ADefaultActionOpensADropDownOrRunsACommandThroughTheTracker) {
  app::ToolbarAccessible bar = Bar();
  EXPECT_TRUE(bar.DoDefaultAction(2));
  EXPECT_EQ(tracker_.Open(), 1);
  EXPECT_EQ(tracker_.CurrentState(), app::MenuTracker::State::kMenu);
  ASSERT_EQ(applied_.size(), 2u);
  EXPECT_TRUE(applied_[0].opened);
  // Again on the open one: it closes, nothing chosen.
  EXPECT_TRUE(bar.DoDefaultAction(2));
  EXPECT_FALSE(tracker_.Tracking());
  EXPECT_FALSE(applied_[2].chosen.has_value());
  // The command: chosen as a click chooses it.
  applied_.clear();
  EXPECT_TRUE(bar.DoDefaultAction(3));
  ASSERT_EQ(applied_.size(), 2u);
  EXPECT_EQ(applied_[1].chosen, (app::MenuChoice{2, -1, false}));
  EXPECT_FALSE(tracker_.Tracking());
  // Out of range, or a disabled bar: nothing.
  EXPECT_FALSE(bar.DoDefaultAction(0));
  EXPECT_FALSE(bar.DoDefaultAction(4));
  f.TBToolbar1->enabled = false;
  EXPECT_FALSE(bar.DoDefaultAction(1));
  EXPECT_EQ(applied_.size(), 2u);
}

TEST_F(MenuAccessibleTest, TheChevronIsAButtonOfItsOwnName) {
  bar_.SetShown(2, true);
  const app::ToolbarAccessible bar = Bar();
  ASSERT_EQ(bar.ChildCount(), 3);
  EXPECT_EQ(bar.Child(3).name, text::Cp1251(u8"Другие команды").view());
  EXPECT_TRUE(bar.Child(3).states & ui::kAccessibleHasPopup);
}

class DropDownAccessibleTest : public MenuAccessibleTest {
 protected:
  // The drop-down showing `rows`, laid out for a 13-pixel font.
  void Open(std::vector<app::TTBItem*> rows) {
    std::vector<app::DropDownRow> measured;
    for (const app::TTBItem* row : rows) measured.push_back({row == nullptr, 60});
    layout_ = app::LayOutDropDown(measured, 13);
    menu_.SetRows(std::move(rows));
    menu_.visible = true;
  }

  app::TTBDropDownWindow menu_{form, *f.TBToolbar1};
  app::DropDownLayout layout_;
  std::vector<int> chosen_;
  app::DropDownAccessible description_{menu_, layout_, [this](int row) { chosen_.push_back(row); }};
};

TEST_F(DropDownAccessibleTest, TheShowMenuIsAPopupNamedByItsButtonWithTheCheckedToggle) {
  f.TBVisibilityToggleItem1->checked = true;
  Open(bar_.DropDownItems(1));
  const ui::AccessibleElement self = description_.Self();
  EXPECT_EQ(self.role, AccessibleRole::kPopupMenu);
  EXPECT_EQ(self.name, kShow.view());
  EXPECT_EQ(self.bounds, (base::Rect{0, 0, layout_.size.width, layout_.size.height}));
  ASSERT_EQ(description_.ChildCount(), 1);
  ui::AccessibleElement item = description_.Child(1);
  EXPECT_EQ(item.role, AccessibleRole::kMenuItem);
  EXPECT_EQ(item.name, kResultPanel.view());
  EXPECT_TRUE(item.states & ui::kAccessibleChecked);
  EXPECT_FALSE(item.states & ui::kAccessibleFocused);
  EXPECT_EQ(description_.FocusedChild(), 0);
  // Highlighted: focused and hot.
  menu_.highlighted = 0;
  item = description_.Child(1);
  EXPECT_TRUE(item.states & ui::kAccessibleFocused);
  EXPECT_TRUE(item.states & ui::kAccessibleHotTracked);
  EXPECT_EQ(description_.FocusedChild(), 1);
  // Unchecked once the window is hidden and the menu refreshed.
  f.TBVisibilityToggleItem1->checked = false;
  EXPECT_FALSE(description_.Child(1).states & ui::kAccessibleChecked);
}

TEST_F(DropDownAccessibleTest, SeparatorsAreSeparatorsAndOnlyItemsCanBeChosen) {
  bar_.SetShown(1, true);
  Open(bar_.DropDownItems(1));              // the toggle, a separator, "O..."
  EXPECT_EQ(description_.Self().name, "");  // rows of two items: no one opener
  ASSERT_EQ(description_.ChildCount(), 3);
  EXPECT_EQ(description_.Child(2).role, AccessibleRole::kSeparator);
  EXPECT_EQ(description_.Child(2).name, "");
  EXPECT_EQ(description_.Child(2).bounds, layout_.rows[1].row);
  EXPECT_EQ(description_.Child(3).name, "O...");
  EXPECT_FALSE(description_.DoDefaultAction(2));
  EXPECT_TRUE(description_.DoDefaultAction(3));
  EXPECT_TRUE(description_.DoDefaultAction(1));
  EXPECT_FALSE(description_.DoDefaultAction(0));
  EXPECT_FALSE(description_.DoDefaultAction(4));
  EXPECT_EQ(chosen_, (std::vector<int>{2, 0}));
}

TEST_F(DropDownAccessibleTest, AClosedMenuHasNoItems) {
  Open(bar_.DropDownItems(0));
  ASSERT_EQ(description_.ChildCount(), 1);
  menu_.visible = false;
  EXPECT_EQ(description_.ChildCount(), 0);
  EXPECT_TRUE(description_.Self().states & ui::kAccessibleInvisible);
  EXPECT_FALSE(description_.DoDefaultAction(1));
  EXPECT_TRUE(chosen_.empty());
}

TEST_F(MenuAccessibleTest, AFloatingFramesCloseButtonHidesTheWindowItCarries) {
  app::TTBDockableWindow& window = *f.twResult;
  auto* frame = new app::TTBFloatingWindowParent(form, window);
  app::FloatingFrameAccessible description(*frame, [] { return base::Rect{270, -16, 285, -2}; });
  EXPECT_EQ(description.Self().role, AccessibleRole::kWindow);
  EXPECT_EQ(description.Self().name, text::Cp1251(u8"Окно результата").view());
  ASSERT_EQ(description.ChildCount(), 1);
  const ui::AccessibleElement close = description.Child(1);
  EXPECT_EQ(close.role, AccessibleRole::kPushButton);
  EXPECT_EQ(close.name, text::Cp1251(u8"Закрыть").view());
  EXPECT_EQ(close.bounds, (base::Rect{270, -16, 285, -2}));
  ASSERT_TRUE(window.visible);
  EXPECT_FALSE(description.DoDefaultAction(1));  // a frame not shown closes nothing
  frame->visible = true;
  EXPECT_FALSE(description.DoDefaultAction(0));
  EXPECT_TRUE(description.DoDefaultAction(1));
  EXPECT_FALSE(window.visible);
}

}  // namespace
