// A window's stored lengths scaled to one density after another: always
// from the description's values, so a round trip ends where it began, and
// what the program changed in between is carried over in proportion.
#include "ui/model/stored_lengths.h"

#include <gtest/gtest.h>

#include <vector>

#include "about/fm_about.h"
#include "app/docking/tb_tool_window.h"
#include "app/forms/main_form.h"
#include "tests/common/form_stream_file.h"
#include "ui/controls/status_bar/status_bar.h"

namespace {

using ui::DpiScale;

// Every length of every control of `form`, in visiting order.
std::vector<int> AllLengths(ui::TForm& form) {
  std::vector<int> lengths;
  const auto take = [&lengths](std::int32_t& value, ui::LengthKind) { lengths.push_back(value); };
  form.VisitLengths(take);
  for (base::TComponent* component : form.Components()) {
    if (auto* control = dynamic_cast<ui::TControl*>(component)) control->VisitLengths(take);
  }
  return lengths;
}

class StoredLengthsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application_ = std::make_unique<base::TComponent>(nullptr);
    main_ = new app::TMainForm(application_.get());
    testing_support::LoadFormStream("tmainform.stream", *main_);
  }

  std::unique_ptr<base::TComponent> application_;
  app::TMainForm* main_ = nullptr;
};

TEST_F(StoredLengthsTest, EachDensityIsScaledFromTheStoredValues) {
  ui::StoredLengths lengths(*main_);
  const std::vector<int> stored = AllLengths(*main_);
  lengths.ScaleTo(DpiScale(144));
  EXPECT_EQ(main_->client_width, 449);  // 448.5 rounds away from zero
  EXPECT_EQ(main_->client_height, 294);
  EXPECT_EQ(main_->twResult->client_area_height, 140);  // 93 * 1.5 = 139.5
  EXPECT_EQ(main_->meResult->font.height, -20);         // -13 * 1.5 = -19.5
  EXPECT_EQ(main_->font.height, -17);
  // 144 then 120: 120's values, not 144's scaled by 120 / 144.
  lengths.ScaleTo(DpiScale(120));
  {
    auto application = std::make_unique<base::TComponent>(nullptr);
    auto* other = new app::TMainForm(application.get());
    testing_support::LoadFormStream("tmainform.stream", *other);
    ui::StoredLengths direct(*other);
    direct.ScaleTo(DpiScale(120));
    EXPECT_EQ(AllLengths(*main_), AllLengths(*other));
  }
  lengths.ScaleTo(DpiScale(96));
  EXPECT_EQ(AllLengths(*main_), stored);
  EXPECT_EQ(lengths.Applied(), DpiScale(96));
}

TEST_F(StoredLengthsTest, TheRowEndMarkAndSmallLengthsSurvive) {
  main_->twResult->dock_pos = -1;
  ui::StoredLengths lengths(*main_);
  lengths.ScaleTo(DpiScale(24));
  EXPECT_EQ(main_->twResult->dock_pos, -1);
  EXPECT_GE(main_->StatusBar1->height, 1);
  lengths.ScaleTo(DpiScale(192));
  EXPECT_EQ(main_->twResult->dock_pos, -1);
  EXPECT_EQ(main_->StatusBar1->height, 38);
}

TEST_F(StoredLengthsTest, AValueChangedAtRunTimeIsCarriedOverInProportion) {
  ui::StoredLengths lengths(*main_);
  lengths.ScaleTo(DpiScale(144));
  main_->Label2->width = 300;  // changed by the program at 144
  lengths.ScaleTo(DpiScale(96));
  EXPECT_EQ(main_->Label2->width, 200);
  EXPECT_EQ(main_->Label1->width, 81);  // untouched: as stored
  lengths.ScaleTo(DpiScale(192));
  EXPECT_EQ(main_->Label2->width, 400);
}

TEST_F(StoredLengthsTest, AControlGoneOrMadeLaterIsLeftAlone) {
  ui::StoredLengths lengths(*main_);
  delete main_->Label1;
  auto* added = new ui::TControl(main_);
  added->width = 10;
  lengths.ScaleTo(DpiScale(192));
  EXPECT_EQ(added->width, 10);
  EXPECT_EQ(main_->Label2->width, 276);
}

TEST_F(StoredLengthsTest, APanelAddedLaterJoinsTheStoredValues) {
  ui::StoredLengths lengths(*main_);
  lengths.ScaleTo(DpiScale(144));
  auto& panel = static_cast<ui::TStatusPanel&>(main_->StatusBar1->panels.Add());
  panel.width = 30;  // pixels at 144
  lengths.ScaleTo(DpiScale(96));
  EXPECT_EQ(panel.width, 20);
  EXPECT_EQ(main_->StatusBar1->panels[0].width, 50);
  lengths.ScaleTo(DpiScale(192));
  EXPECT_EQ(panel.width, 40);
  EXPECT_EQ(main_->StatusBar1->panels[0].width, 100);
}

}  // namespace
