// The visibility toggle item: its check from the item-update pass (not while
// its window loads or goes) and the caption it takes from its control.
#include "app/toolbar/tb_visibility_toggle_item.h"

#include <gtest/gtest.h>

#include <string>

#include "app/docking/tb_tool_window.h"
#include "app/forms/component_classes.h"
#include "resources/component_reader.h"
#include "resources/component_stream_writer.h"
#include "text/literal.h"
#include "ui/controls/memo/memo.h"
#include "ui/model/form.h"

namespace {

constexpr auto kResultCaption = text::Cp1251(u8"Окно результата");
constexpr auto kItemCaption = text::Cp1251(u8"Панель результата");

class ToggleItemTest : public ::testing::Test {
 protected:
  ToggleItemTest() {
    window_ = new base::TComponent(&application_);
    tool_ = new app::TTBToolWindow(window_);
    tool_->caption = kResultCaption.str();
    item_ = new app::TTBVisibilityToggleItem(window_);
  }

  void Refresh() {
    app::TTBItem* items[] = {item_, nullptr};
    app::UpdateItems(items);
  }

  base::TComponent application_{nullptr};
  base::TComponent* window_;
  app::TTBToolWindow* tool_;
  app::TTBVisibilityToggleItem* item_;
};

TEST_F(ToggleItemTest, TheCheckFollowsTheControlOnlyInTheUpdatePass) {
  item_->SetControl(tool_);
  EXPECT_FALSE(item_->checked);
  Refresh();
  EXPECT_TRUE(item_->checked);
  item_->Click();
  EXPECT_FALSE(tool_->visible);
  EXPECT_TRUE(item_->checked);
  Refresh();
  EXPECT_FALSE(item_->checked);
}

TEST_F(ToggleItemTest, TheUpdatePassLeavesTheCheckWhileTheWindowLoadsOrGoes) {
  item_->SetControl(tool_);
  window_->SetLoading(true);
  Refresh();
  EXPECT_FALSE(item_->checked);
  window_->SetLoading(false);
  item_->SetLoading(true);
  Refresh();
  EXPECT_FALSE(item_->checked);
  item_->SetLoading(false);
  Refresh();
  EXPECT_TRUE(item_->checked);

  tool_->visible = false;
  window_->MarkDestroying();
  Refresh();
  EXPECT_TRUE(item_->checked);
}

TEST_F(ToggleItemTest, WithoutACaptionItTakesTheControlsWhenItHasOne) {
  item_->SetControl(tool_);
  EXPECT_EQ(item_->caption, kResultCaption.view());

  auto* captioned = new app::TTBVisibilityToggleItem(window_);
  captioned->caption = kItemCaption.str();
  captioned->SetControl(tool_);
  EXPECT_EQ(captioned->caption, kItemCaption.view());

  // A memo has no caption to give; binding nothing gives nothing.
  auto* plain = new app::TTBVisibilityToggleItem(window_);
  plain->SetControl(new ui::TMemo(window_));
  EXPECT_EQ(plain->caption, "");
  plain->SetControl(nullptr);
  EXPECT_EQ(plain->caption, "");
}

TEST(ToggleItemStreamTest, AnItemStoredWithoutCaptionTakesItsControlsAfterTheRead) {
  // The item comes first and names the tool window by a forward reference.
  resources::ComponentStreamWriter w;
  w.Signature().BeginObject("TForm", "Form1").EndProperties();
  w.BeginObject("TTBVisibilityToggleItem", "Toggle").Property("Control").Ident("twResult");
  w.EndProperties().EndObject();
  w.BeginObject("TTBToolWindow", "twResult").Property("Caption").String(kResultCaption.str());
  w.EndProperties().EndObject();
  w.EndObject();
  const std::string stream = w.Finish();

  base::TComponent application(nullptr);
  auto* form = new ui::TForm(&application);
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  registry.Register(ui::TForm::Class());
  resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()}, *form,
                                 registry);
  auto* item = dynamic_cast<app::TTBVisibilityToggleItem*>(form->FindComponent("Toggle"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->control, form->FindComponent("twResult"));
  EXPECT_EQ(item->caption, kResultCaption.view());
}

}  // namespace
