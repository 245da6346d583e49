// What a reader is told about the main window's plain controls, read from
// its compiled description: the names found through the labels above the
// search controls, the result memo and its spoken answer, the status bar,
// the labels and the panes, and the hit test every description shares.
#include "ui/model/control_accessible.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/loaded_main_form.h"
#include "text/literal.h"
#include "ui/controls/label/label_accessible.h"
#include "ui/controls/memo/memo_accessible.h"
#include "ui/controls/status_bar/status_bar_accessible.h"

namespace {

using ui::AccessibleRole;

constexpr auto kPickerLabel = text::Cp1251(u8"Подбор по ФИО");
constexpr auto kFieldLabel = text::Cp1251(u8"Телефон");
constexpr auto kResultWindow = text::Cp1251(u8"Окно результата");
constexpr auto kNothingYet = text::Cp1251(u8"Пока ничего нет!");

class ControlAccessibleTest : public ::testing::Test, protected testing_support::LoadedMainForm {};

TEST_F(ControlAccessibleTest, TheSearchControlsAreNamedByTheLabelsAboveThem) {
  EXPECT_EQ(ui::LabelAbove(*f.RxDBLookupCombo1), f.Label2);
  EXPECT_EQ(ui::LabelAbove(*f.MaskEdit1), f.Label1);
  EXPECT_EQ(ui::LabelledName(*f.RxDBLookupCombo1), kPickerLabel.view());
  EXPECT_EQ(ui::LabelledName(*f.MaskEdit1), kFieldLabel.view());
  // Nothing is labelled from below or from a label beside it.
  EXPECT_EQ(ui::LabelAbove(*f.StatusBar1), nullptr);
  EXPECT_EQ(ui::LabelledName(*f.meResult), "");
}

TEST_F(ControlAccessibleTest, ALabelTooFarAboveOrBesideNamesNothingAndTheNearestWins) {
  ui::TLabel& label = *f.Label1;
  ui::TControl& field = *f.MaskEdit1;
  // Moved up by more than the field's height: too far.
  label.top = field.top - label.height - field.height - 1;
  EXPECT_EQ(ui::LabelAbove(field), nullptr);
  label.top = field.top - label.height - field.height;
  EXPECT_EQ(ui::LabelAbove(field), &label);
  // Beside the field, not over it.
  label.top = field.top - label.height;
  label.left = field.left + field.width;
  EXPECT_EQ(ui::LabelAbove(field), nullptr);
  // Overlapping the field's top: not above it.
  label.left = field.left;
  label.top = field.top - label.height + 1;
  EXPECT_EQ(ui::LabelAbove(field), nullptr);
  // Two labels above: the nearer one names it, whatever their order.
  label.top = field.top - label.height - 3;
  f.Label2->left = field.left;
  f.Label2->top = field.top - f.Label2->height - 1;
  EXPECT_EQ(ui::LabelAbove(field), f.Label2);
  f.Label2->top = field.top - f.Label2->height - 5;
  EXPECT_EQ(ui::LabelAbove(field), &label);
  // As near as each other: the one overlapping the field more.
  f.Label2->top = label.top;
  label.width = 40;
  EXPECT_EQ(ui::LabelAbove(field), f.Label2);
}

TEST_F(ControlAccessibleTest, AControlsElementIsItsBoxAndFollowsItsVisibilityAndEnabledState) {
  const ui::ControlAccessible label(*f.Label1, AccessibleRole::kStaticText, f.Label1->caption);
  ui::AccessibleElement self = label.Self();
  EXPECT_EQ(self.role, AccessibleRole::kStaticText);
  EXPECT_EQ(self.name, kFieldLabel.view());
  EXPECT_EQ(self.bounds, (base::Rect{0, 0, 81, 13}));
  EXPECT_EQ(self.states, 0u);
  f.Label1->SetVisible(false);
  f.Label1->SetEnabled(false);
  self = label.Self();
  EXPECT_EQ(self.states, ui::kAccessibleInvisible | ui::kAccessibleUnavailable);
  EXPECT_EQ(label.ChildCount(), 0);
  EXPECT_FALSE(const_cast<ui::ControlAccessible&>(label).DoDefaultAction(0));
}

TEST_F(ControlAccessibleTest, TheResultMemoIsReadOnlyTextNamedByItsWindowHoldingTheAnswer) {
  const ui::MemoAccessible memo(*f.meResult);
  ui::AccessibleElement self = memo.Self();
  EXPECT_EQ(self.role, AccessibleRole::kEditableText);
  EXPECT_EQ(self.name, kResultWindow.view());
  EXPECT_EQ(self.value, kNothingYet.view());
  EXPECT_TRUE(self.states & ui::kAccessibleReadOnly);
  EXPECT_TRUE(self.states & ui::kAccessibleFocusable);

  const std::string name = text::Cp1251(u8"Иванов Иван Иванович").str();
  f.meResult->lines.Assign({text::Cp1251(u8" *** Результат. ***").str(),
                            text::Cp1251(u8"Фамилия - ").str() + name,
                            text::Cp1251(u8"Телефон - 21345").str()});
  self = memo.Self();
  EXPECT_EQ(self.value, ui::EditText(f.meResult->lines));
  EXPECT_NE(self.value.find(name), std::string::npos);
  EXPECT_EQ(ui::SpokenText(f.meResult->lines),
            text::Cp1251(u8"Результат. Фамилия - ").str() + name + text::Cp1251(u8". Телефон - 21345").str());
}

TEST(SpokenText, LeavesOutEmptyLinesAndStarsAndDoublesNoDot) {
  ui::TStrings lines;
  EXPECT_EQ(ui::SpokenText(lines), "");
  lines.Assign({"  ***  ", "", "One.", " two ", "***three***"});
  EXPECT_EQ(ui::SpokenText(lines), "One. two. three");
}

TEST_F(ControlAccessibleTest, ADisabledMemoIsStaticTextWhoseNameIsItsText) {
  f.meResult->SetEnabled(false);
  const ui::AccessibleElement self = ui::MemoAccessible(*f.meResult).Self();
  EXPECT_EQ(self.role, AccessibleRole::kStaticText);
  EXPECT_EQ(self.name, kNothingYet.view());
  EXPECT_EQ(self.value, "");
  EXPECT_FALSE(self.states & ui::kAccessibleUnavailable);
}

TEST_F(ControlAccessibleTest, TheStatusBarHoldsItsPanelsText) {
  const ui::StatusBarAccessible bar(*f.StatusBar1);
  EXPECT_EQ(bar.Self().role, AccessibleRole::kStatusBar);
  EXPECT_EQ(bar.Self().name, f.StatusBar1->panels[0].text);
  EXPECT_FALSE(bar.Self().name.empty());
  static_cast<ui::TStatusPanel&>(f.StatusBar1->panels.Add()).text = "second";
  EXPECT_EQ(bar.Self().name, f.StatusBar1->panels[0].text + " second");
  // A simple bar shows no panel.
  f.StatusBar1->simple_panel = true;
  EXPECT_EQ(bar.Self().name, "");
}

TEST_F(ControlAccessibleTest, TheResultWindowsMemoCaptionComesFromTheToolWindowAroundIt) {
  EXPECT_EQ(ui::EnclosingCaption(*f.meResult), kResultWindow.view());
  EXPECT_EQ(ui::EnclosingCaption(*form), "");
}

// A description with two parts side by side, for the shared hit test.
class TwoParts final : public ui::AccessibleDescription {
 public:
  ui::AccessibleElement Self() const override {
    ui::AccessibleElement self;
    self.bounds = base::Rect{0, 0, 100, 20};
    return self;
  }
  int ChildCount() const override { return 2; }
  ui::AccessibleElement Child(int child) const override {
    ui::AccessibleElement part;
    part.bounds = base::Rect{(child - 1) * 40, 0, child * 40, 20};
    return part;
  }
};

TEST(AccessibleHitTest, FindsThePartThenTheControlThenNothing) {
  const TwoParts parts;
  EXPECT_EQ(parts.HitTest({0, 0}), 1);
  EXPECT_EQ(parts.HitTest({39, 19}), 1);
  EXPECT_EQ(parts.HitTest({40, 5}), 2);
  EXPECT_EQ(parts.HitTest({80, 5}), 0);
  EXPECT_EQ(parts.HitTest({100, 5}), -1);
  EXPECT_EQ(parts.HitTest({5, -1}), -1);
}

}  // namespace
