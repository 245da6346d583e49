// What a reader is told about the two search controls of the real main
// window: the picker closed and open, its list's rows with the highlighted
// one, typed letters moving it, the default action opening and closing the
// list, and the number field as the user types into it.
#include "search/picker_accessible.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "search/number_field_accessible.h"
#include "tests/common/name_picker_form.h"
#include "tests/common/recording_mask_screen.h"
#include "text/literal.h"

namespace {

using testing_support::Press;
using testing_support::Release;
using ui::AccessibleRole;

constexpr auto kPickerLabel = text::Cp1251(u8"Подбор по ФИО");
constexpr auto kFieldLabel = text::Cp1251(u8"Телефон");

class SearchAccessibleTest : public testing_support::NamePickerTest {
 protected:
  void SetUp() override {
    NamePickerTest::SetUp();
    picker_description.emplace(*picker);
    list_description.emplace(*picker);
  }

  // Made once the fixture has its picker.
  std::optional<search::PickerAccessible> picker_description;
  std::optional<search::NameListAccessible> list_description;
};

TEST_F(SearchAccessibleTest, TheClosedPickerIsACollapsedComboBoxNamedByItsLabel) {
  const ui::AccessibleElement self = picker_description->Self();
  EXPECT_EQ(self.role, AccessibleRole::kComboBox);
  EXPECT_EQ(self.name, kPickerLabel.view());
  EXPECT_EQ(self.value, "");
  EXPECT_TRUE(self.states & ui::kAccessibleCollapsed);
  EXPECT_FALSE(self.states & ui::kAccessibleExpanded);
  EXPECT_TRUE(self.states & ui::kAccessibleHasPopup);
  EXPECT_EQ(self.default_action, text::Cp1251(u8"Открыть").view());
  // The closed list shows nothing and has no rows.
  EXPECT_TRUE(list_description->Self().states & ui::kAccessibleInvisible);
  EXPECT_EQ(list_description->ChildCount(), 0);
  EXPECT_EQ(list_description->FocusedChild(), 0);
  EXPECT_TRUE(list_description->SelectedChildren().empty());
}

TEST_F(SearchAccessibleTest, TheOpenListHoldsItsVisibleRowsNamedLikeThePicker) {
  Press(*picker, 10, 10);
  Release(*picker, 10, 10);
  ASSERT_TRUE(picker->ListVisible());
  EXPECT_TRUE(picker_description->Self().states & ui::kAccessibleExpanded);
  EXPECT_EQ(picker_description->Self().default_action, text::Cp1251(u8"Закрыть").view());

  const ui::AccessibleElement list = list_description->Self();
  EXPECT_EQ(list.role, AccessibleRole::kList);
  EXPECT_EQ(list.name, kPickerLabel.view());
  EXPECT_FALSE(list.states & ui::kAccessibleInvisible);
  ASSERT_EQ(list_description->ChildCount(), 8);
  for (int child = 1; child <= 8; ++child) {
    const ui::AccessibleElement row = list_description->Child(child);
    EXPECT_EQ(row.role, AccessibleRole::kListItem);
    EXPECT_EQ(row.name, Persons()[static_cast<size_t>(child - 1)].name);
    EXPECT_EQ(row.bounds.top, (child - 1) * 13);
    EXPECT_EQ(row.bounds.Height(), 13);
    // No name was chosen yet: nothing is highlighted.
    EXPECT_FALSE(row.states & ui::kAccessibleSelected);
  }
  EXPECT_EQ(list_description->FocusedChild(), 0);
  EXPECT_EQ(list_description->HitTest({5, 13 * 3 + 2}), 4);
}

TEST_F(SearchAccessibleTest, TypedLettersMoveTheSelectedAndFocusedRowToTheirName) {
  const std::string letters = text::Cp1251(u8"ив").str();
  Type(letters);
  ASSERT_TRUE(picker->ListVisible());
  const std::string& first = Persons()[testing_support::FirstNameBeginningWith(letters)].name;
  const int focused = list_description->FocusedChild();
  ASSERT_GT(focused, 0);
  EXPECT_EQ(list_description->SelectedChildren(), std::vector<int>{focused});
  const ui::AccessibleElement row = list_description->Child(focused);
  EXPECT_EQ(row.name, first);
  EXPECT_TRUE(row.states & ui::kAccessibleSelected);
  EXPECT_TRUE(row.states & ui::kAccessibleFocused);
  // The picker's value is what it shows: the letters in the name's case.
  EXPECT_EQ(picker_description->Self().value, first.substr(0, 2));
  // Only that row is selected.
  for (int child = 1; child <= list_description->ChildCount(); ++child) {
    if (child != focused) {
      EXPECT_FALSE(list_description->Child(child).states & ui::kAccessibleSelected);
    }
  }
}

TEST_F(SearchAccessibleTest, TheDefaultActionOpensTheListAndClosesItAcceptingTheName) {
  EXPECT_TRUE(picker_description->DoDefaultAction(0));
  ASSERT_TRUE(picker->ListVisible());
  EXPECT_EQ(CloseUps(), 0);
  EXPECT_FALSE(picker_description->DoDefaultAction(1));  // the picker has no parts
  picker->KeyDown(search::LookupKey::kDown, false);
  const std::string highlighted = list_description->Child(list_description->FocusedChild()).name;
  EXPECT_TRUE(picker_description->DoDefaultAction(0));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(CloseUps(), 1);
  EXPECT_EQ(picker_description->Self().value, highlighted);
  EXPECT_EQ(list_description->ChildCount(), 0);
  // A read-only picker does not open.
  picker->read_only = true;
  EXPECT_FALSE(picker_description->DoDefaultAction(0));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_TRUE(picker_description->Self().states & ui::kAccessibleReadOnly);
}

TEST_F(SearchAccessibleTest, TheNumberFieldIsEditableTextNamedByItsLabelHoldingWhatItShows) {
  search::TMaskEdit& field = *form->MaskEdit1;
  const search::NumberFieldAccessible description(field);
  testing_support::RecordingMaskScreen screen(field);
  ui::AccessibleElement self = description.Self();
  EXPECT_EQ(self.role, AccessibleRole::kEditableText);
  EXPECT_EQ(self.name, kFieldLabel.view());
  EXPECT_EQ(self.value, "_-__-__");
  EXPECT_FALSE(self.states & ui::kAccessibleFocused);
  field.Enter(false);
  screen.Type("213");
  ASSERT_TRUE(field.Modified());
  self = description.Self();
  EXPECT_EQ(self.value, "2-13-__");
  EXPECT_TRUE(self.states & ui::kAccessibleFocused);
  EXPECT_FALSE(self.states & ui::kAccessibleReadOnly);
}

}  // namespace
