// The toolbar's items as a menu bar: the main window's own items, what the
// chevron's drop-down holds as items leave the bar, the tracker driving it,
// and the drop-down window's rows.
#include "app/menus/toolbar_menu_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/forms/main_form.h"
#include "app/menus/tb_drop_down_window.h"
#include "tests/common/form_stream_file.h"
#include "text/literal.h"

namespace {

using Items = std::vector<app::TTBItem*>;

class ToolbarMenuBarTest : public ::testing::Test {
 protected:
  ToolbarMenuBarTest() { testing_support::LoadFormStream("tmainform.stream", *form_); }

  base::TComponent application_{nullptr};
  app::TMainForm* form_ = new app::TMainForm(&application_);
};

TEST_F(ToolbarMenuBarTest, TheMainWindowsBarHasTwoMenusAndACommand) {
  const app::ToolbarMenuBar bar(*form_, *form_->TBToolbar1);
  EXPECT_EQ(bar.Items(), (Items{form_->TBSubmenuItem1, form_->TBSubmenuItem2, form_->TBItem2}));
  EXPECT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(bar.Chevron(), -1);
  EXPECT_TRUE(bar.HasDropDown(0));
  EXPECT_TRUE(bar.HasDropDown(1));
  EXPECT_FALSE(bar.HasDropDown(2));
  EXPECT_FALSE(bar.HasDropDown(3));
  EXPECT_EQ(bar.DropDownItems(0), (Items{form_->TBItem1}));
  EXPECT_EQ(bar.DropDownItems(1), (Items{form_->TBVisibilityToggleItem1}));
  EXPECT_TRUE(bar.DropDownItems(2).empty());
  EXPECT_EQ(bar.ItemCount(1), 1);
  EXPECT_TRUE(bar.CanChoose(1, 0));
  EXPECT_FALSE(bar.CanChoose(1, 1));
  EXPECT_FALSE(bar.CanChoose(2, 0));
  EXPECT_EQ(bar.ButtonItem(2), form_->TBItem2);
  EXPECT_EQ(bar.ButtonItem(-1), nullptr);
}

TEST_F(ToolbarMenuBarTest, TheChevronHoldsWhatLeftTheBarWithSubmenusOpenedOut) {
  app::ToolbarMenuBar bar(*form_, *form_->TBToolbar1);
  bar.SetShown(2, true);
  EXPECT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(bar.Chevron(), 2);
  EXPECT_EQ(bar.ButtonItem(2), nullptr);
  EXPECT_TRUE(bar.HasDropDown(2));
  EXPECT_EQ(bar.DropDownItems(2), (Items{form_->TBItem2}));

  // A submenu that leaves brings its items, set off by a separator.
  bar.SetShown(1, true);
  EXPECT_EQ(bar.DropDownItems(1), (Items{form_->TBVisibilityToggleItem1, nullptr, form_->TBItem2}));
  EXPECT_TRUE(bar.CanChoose(1, 0));
  EXPECT_FALSE(bar.CanChoose(1, 1));
  EXPECT_TRUE(bar.CanChoose(1, 2));

  bar.SetShown(0, true);
  EXPECT_EQ(bar.ButtonCount(), 1);
  EXPECT_EQ(bar.DropDownItems(0),
            (Items{form_->TBItem1, nullptr, form_->TBVisibilityToggleItem1, nullptr, form_->TBItem2}));
  // More than there are is all of them.
  bar.SetShown(7, false);
  EXPECT_EQ(bar.Shown(), 3);
  EXPECT_EQ(bar.ButtonCount(), 3);
}

TEST_F(ToolbarMenuBarTest, CommandsSitTogetherAndEmptySubmenusLeaveNothing) {
  // A bar of its own: a command, an empty submenu, two commands, a submenu.
  base::TComponent window(nullptr);
  app::TTBToolbar& toolbar = *new app::TTBToolbar(&window);
  const auto add = [&window](base::TComponent* parent, bool submenu) {
    app::TTBItem* item = submenu ? new app::TTBSubmenuItem(&window) : new app::TTBItem(&window);
    item->SetParentComponent(parent);
    return item;
  };
  app::TTBItem* a = add(&toolbar, false);
  add(&toolbar, true);
  app::TTBItem* b = add(&toolbar, false);
  app::TTBItem* c = add(&toolbar, false);
  app::TTBItem* menu = add(&toolbar, true);
  app::TTBItem* d = add(menu, false);
  app::TTBItem* e = add(menu, false);
  app::ToolbarMenuBar bar(window, toolbar);
  bar.SetShown(0, true);
  EXPECT_EQ(bar.DropDownItems(0), (Items{a, b, c, nullptr, d, e}));
  bar.SetShown(1, true);
  EXPECT_EQ(bar.DropDownItems(1), (Items{b, c, nullptr, d, e}));
}

TEST_F(ToolbarMenuBarTest, TheTrackerWorksTheChevronsDropDownLikeAnyOther) {
  app::ToolbarMenuBar bar(*form_, *form_->TBToolbar1);
  bar.SetShown(1, true);  // "Работаем" and the chevron
  app::MenuTracker tracker(bar);
  EXPECT_TRUE(tracker.PointerPress(app::MenuPointer::Button(1)).opened);
  EXPECT_EQ(tracker.Open(), 1);
  tracker.PointerRelease(app::MenuPointer::Button(1));
  tracker.Key(app::MenuKey::kDown);
  EXPECT_EQ(tracker.Highlighted(), 0);
  tracker.Key(app::MenuKey::kDown);
  EXPECT_EQ(tracker.Highlighted(), 2);  // over the separator
  const app::MenuEvents events = tracker.Key(app::MenuKey::kEnter);
  ASSERT_TRUE(events.chosen);
  EXPECT_EQ(*events.chosen, (app::MenuChoice{1, 2, true}));
  EXPECT_EQ(bar.DropDownItems(1)[2], form_->TBItem2);
  // Left from the chevron wraps to "Работаем"'s menu.
  tracker.PointerPress(app::MenuPointer::Button(1));
  EXPECT_TRUE(tracker.Key(app::MenuKey::kLeft).opened);
  EXPECT_EQ(tracker.Open(), 0);
}

TEST_F(ToolbarMenuBarTest, TheDropDownWindowShowsItsRowsAndForgetsWhatGoes) {
  auto* drop_down = new app::TTBDropDownWindow(form_, *form_->TBToolbar1);
  EXPECT_FALSE(drop_down->visible);
  EXPECT_EQ(drop_down->Toolbar(), form_->TBToolbar1);
  form_->TBItem1->checked = true;
  drop_down->SetRows({form_->TBItem1, nullptr, form_->TBItem2});
  EXPECT_EQ(drop_down->Text(), text::Cp1251(u8"Выход [x]\tO...").str());
  drop_down->highlighted = 2;
  drop_down->SetRows({form_->TBItem2});
  EXPECT_EQ(drop_down->highlighted, -1);

  drop_down->SetRows({form_->TBItem1, form_->TBItem2});
  base::TComponent::Destroy(form_->TBItem2);
  EXPECT_EQ(drop_down->Rows(), (Items{form_->TBItem1, nullptr}));
  EXPECT_EQ(drop_down->Text(), text::Cp1251(u8"Выход [x]").str());
  base::TComponent::Destroy(form_->TBToolbar1);
  EXPECT_EQ(drop_down->Toolbar(), nullptr);
}

}  // namespace
