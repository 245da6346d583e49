// The name list on the real person table: its rows and highlight, the keys,
// the rule for a value out of view, the scroll bar, the mouse with the
// auto-scroll, and what it answers a screen reader; then a free-standing
// list over a short table.
#include "search/rx_db_lookup_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/client_data_set.h"
#include "data/data_source.h"
#include "tests/common/name_picker_form.h"
#include "tests/common/table_packets.h"

namespace {

using search::LookupKey;
using search::LookupScroll;
using testing_support::Drag;
using testing_support::Press;
using testing_support::Release;

class LookupListTest : public testing_support::NamePickerTest {
 protected:
  void Open() {
    picker->KeyDown(LookupKey::kDown, true);
    ASSERT_TRUE(picker->ListVisible());
  }
  void Key(LookupKey key) { picker->KeyDown(key, false); }
  // The names of persons first..first+7 in name order.
  static std::vector<std::string> Names(size_t first) {
    std::vector<std::string> names;
    for (size_t i = first; i < first + 8; ++i) names.push_back(Persons()[i].name);
    return names;
  }
  int KeyAt(size_t position) const { return Persons()[position].key; }
  static constexpr int kRow = 13;  // the recording platform's font height
};

TEST_F(LookupListTest, AFreshListShowsTheFirstNamesWithAFocusRectangleOnly) {
  Open();
  EXPECT_EQ(CurrentKey(), KeyAt(0));
  EXPECT_EQ(List().RowCount(), 8);
  EXPECT_EQ(List().RowTexts(), Names(0));
  EXPECT_EQ(List().RowText(8), "");
  EXPECT_EQ(List().HighlightedRow(), -1);
  EXPECT_EQ(List().FocusRow(), 0);
  EXPECT_EQ(search::ListCurrentSelection(List()), -1);
  std::string expected = Names(0)[0];
  for (size_t i = 1; i < 8; ++i) expected += "\r\n" + Names(0)[i];
  EXPECT_EQ(search::ListWindowText(List()), expected);
  EXPECT_TRUE(List().ScrollBarVisible());
  EXPECT_EQ(List().ScrollBarPosition(), 0);
}

TEST_F(LookupListTest, KeysMoveTheValueAndPageDownMovesSeven) {
  Open();
  Key(LookupKey::kDown);  // an empty value: the first name is selected, nothing more
  EXPECT_EQ(CurrentKey(), KeyAt(0));
  EXPECT_EQ(List().Value(), Persons()[0].name);
  EXPECT_EQ(search::ListCurrentSelection(List()), 0);
  EXPECT_EQ(List().FocusRow(), 0);
  Key(LookupKey::kPageDown);
  EXPECT_EQ(CurrentKey(), KeyAt(7));
  EXPECT_EQ(List().HighlightedRow(), 7);
  Key(LookupKey::kPageDown);
  EXPECT_EQ(CurrentKey(), KeyAt(14));
  EXPECT_EQ(List().RowTexts(), Names(7));
  Key(LookupKey::kPageUp);
  EXPECT_EQ(CurrentKey(), KeyAt(7));
  EXPECT_EQ(List().HighlightedRow(), 0);
  Key(LookupKey::kRight);
  Key(LookupKey::kRight);
  Key(LookupKey::kLeft);
  Key(LookupKey::kUp);
  EXPECT_EQ(CurrentKey(), KeyAt(7));
  EXPECT_EQ(List().Value(), Persons()[7].name);
  EXPECT_EQ(List().ScrollBarPosition(), 2);
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_EQ(CloseUps(), 0);
}

TEST_F(LookupListTest, EndAndHome) {
  Open();
  Key(LookupKey::kEnd);
  const size_t last = Persons().size() - 1;
  EXPECT_EQ(CurrentKey(), KeyAt(last));
  EXPECT_EQ(List().Value(), Persons()[last].name);
  EXPECT_EQ(List().RowTexts(), Names(last - 7));
  EXPECT_EQ(List().HighlightedRow(), 7);
  EXPECT_EQ(List().ScrollBarPosition(), search::TRxDBLookupList::kScrollMax);
  Key(LookupKey::kDown);  // nothing after the last name
  EXPECT_EQ(CurrentKey(), KeyAt(last));
  Key(LookupKey::kHome);
  EXPECT_EQ(CurrentKey(), KeyAt(0));
  EXPECT_EQ(List().HighlightedRow(), 0);
  EXPECT_EQ(List().ScrollBarPosition(), 0);
}

TEST_F(LookupListTest, ARelativeMoveLocatesAValueOutOfViewAndMovesNothingMore) {
  picker->SetValue(Persons()[5000].name);
  Open();
  // The value's record was current already: it stays, on the top row.
  EXPECT_EQ(List().HighlightedRow(), 0);
  List().Scroll(LookupScroll::kPageDown);
  List().Scroll(LookupScroll::kPageDown);
  ASSERT_EQ(List().HighlightedRow(), -1);
  Key(LookupKey::kDown);
  EXPECT_EQ(CurrentKey(), KeyAt(5000));
  EXPECT_EQ(List().HighlightedRow(), 3);  // centred by the search
  Key(LookupKey::kDown);
  EXPECT_EQ(CurrentKey(), KeyAt(5001));
}

TEST_F(LookupListTest, ARelativeMoveStartsFromTheValuesRowWhenItIsInView) {
  Open();
  for (int i = 0; i < 4; ++i) Key(LookupKey::kDown);
  ASSERT_EQ(CurrentKey(), KeyAt(3));
  List().Scroll(LookupScroll::kLineDown);  // the current record goes below the value
  ASSERT_EQ(CurrentKey(), KeyAt(8));
  ASSERT_EQ(List().HighlightedRow(), 2);
  Key(LookupKey::kDown);
  EXPECT_EQ(CurrentKey(), KeyAt(4));
  EXPECT_EQ(List().Value(), Persons()[4].name);
}

TEST_F(LookupListTest, TheScrollBarMovesTheCurrentRecordAndLeavesTheValue) {
  Open();
  Key(LookupKey::kDown);
  const std::string value = List().Value();
  struct Step {
    LookupScroll command;
    int thumb;
    size_t current;
    size_t first_row;
    int position;
  };
  for (const Step& s : std::initializer_list<Step>{
           {LookupScroll::kLineDown, 0, 8, 1, 2},
           {LookupScroll::kLineUp, 0, 0, 0, 2},
           {LookupScroll::kLineUp, 0, 0, 0, 0},  // the table reports its first record
           {LookupScroll::kPageDown, 0, 14, 7, 2},
           {LookupScroll::kPageUp, 0, 0, 0, 2},
           {LookupScroll::kBottom, 0, Persons().size() - 1, Persons().size() - 8, 4},
           {LookupScroll::kTop, 0, 0, 0, 0},
           {LookupScroll::kThumb, 3, 14, 7, 2},
           {LookupScroll::kThumb, 2, 14, 7, 2},  // the middle moves nothing
           {LookupScroll::kThumb, 1, 0, 0, 2},
           {LookupScroll::kThumb, 4, Persons().size() - 1, Persons().size() - 8, 4},
           {LookupScroll::kThumb, 0, 0, 0, 0},
       }) {
    SCOPED_TRACE(static_cast<int>(s.command) * 10 + s.thumb);
    List().Scroll(s.command, s.thumb);
    EXPECT_EQ(CurrentKey(), KeyAt(s.current));
    EXPECT_EQ(List().RowTexts(), Names(s.first_row));
    EXPECT_EQ(List().ScrollBarPosition(), s.position);
    EXPECT_EQ(List().Value(), value);
  }
}

TEST_F(LookupListTest, PressDragWithAutoScrollAndReleaseInsideAccepts) {
  picker->SetValue(Persons()[100].name);
  Open();
  ASSERT_EQ(List().RowTexts(), Names(100));
  Press(List(), 10, 3 * kRow + 5);
  EXPECT_EQ(CurrentKey(), KeyAt(103));
  EXPECT_EQ(platform.capture, search::LookupPart::kList);
  EXPECT_EQ(List().AutoScrollInterval(), -1);
  // Below the rows: the last row, then one record per tick; the interval
  // shrinks by 15 ms per pixel beyond the edge, down to 0.
  Drag(List(), 10, 8 * kRow);
  EXPECT_EQ(CurrentKey(), KeyAt(107));
  EXPECT_EQ(List().AutoScrollInterval(), 185);
  Drag(List(), 10, 8 * kRow + 12);
  EXPECT_EQ(List().AutoScrollInterval(), 5);
  Drag(List(), 10, 8 * kRow + 13);
  EXPECT_EQ(List().AutoScrollInterval(), 0);
  Drag(List(), 10, 100000);
  EXPECT_EQ(List().AutoScrollInterval(), 0);
  List().AutoScrollTick();
  EXPECT_EQ(CurrentKey(), KeyAt(108));
  EXPECT_EQ(List().Value(), Persons()[108].name);
  // Above the rows.
  Drag(List(), 10, -4);
  EXPECT_EQ(CurrentKey(), KeyAt(101));
  EXPECT_EQ(List().AutoScrollInterval(), 140);
  List().AutoScrollTick();
  EXPECT_EQ(CurrentKey(), KeyAt(100));
  Drag(List(), 10, 2 * kRow);
  EXPECT_EQ(List().AutoScrollInterval(), -1);
  EXPECT_EQ(CurrentKey(), KeyAt(102));
  // The timer is told each change once: a move that keeps the interval
  // (0 at 13 pixels and far beyond) leaves its rhythm alone.
  EXPECT_EQ(platform.timer, (std::vector<int32_t>{185, 5, 0, 140, -1}));
  Drag(List(), 10, 100000);
  Release(List(), 10, 2 * kRow);
  EXPECT_EQ(platform.timer, (std::vector<int32_t>{185, 5, 0, 140, -1, 0, -1}));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_FALSE(platform.capture.has_value());
  EXPECT_EQ(picker->Value(), Persons()[102].name);
  EXPECT_EQ(CloseUps(), 1);
}

TEST_F(LookupListTest, APressOfAnyButtonEndsTheTypedSearchAndOnlyTheLeftOneSelects) {
  for (const ui::TMouseButton button : {ui::TMouseButton::mbRight, ui::TMouseButton::mbMiddle}) {
    Type(Persons()[50].name.substr(0, 2));
    ASSERT_TRUE(picker->ListVisible());
    ASSERT_EQ(List().SearchText().size(), 2u);
    const int key = CurrentKey();
    List().MouseDown(button, 0, 10, 5 * kRow + 1);
    List().MouseUp(button, 0, 10, 5 * kRow + 1);
    EXPECT_EQ(List().SearchText(), "");
    EXPECT_EQ(CurrentKey(), key);
    EXPECT_TRUE(picker->ListVisible());
    EXPECT_FALSE(platform.capture.has_value());
    Key(LookupKey::kEscape);
  }
}

TEST_F(LookupListTest, ReleaseOutsideTheRowsClosesWithoutAccepting) {
  Open();
  Press(List(), 10, kRow + 1);
  ASSERT_EQ(CurrentKey(), KeyAt(1));
  Release(List(), List().ClientWidth(), kRow + 1);  // on the scroll bar
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(picker->Value(), "");
  EXPECT_EQ(CurrentKey(), KeyAt(1));  // the search then reads this record
  EXPECT_EQ(CloseUps(), 1);
}

class FreeStandingListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.SetName("daShort");
    table.SetData(testing_support::PersonPacket({{1, "ALPHA"}, {2, "ALBERT"}, {3, "BETA"}}));
    table.SetIndexFieldNames("FIO");
    table.Open();
    source.SetDataSet(&table);
    list.lookup_field = "FIO";
    list.lookup_display = "FIO";
    list.SetRowCount(8);
    list.SetRowHeight(10);
    list.SetLookupSource(&source);
  }
  base::TComponent owner{nullptr};
  data::TClientDataSet table{&owner};
  data::TDataSource source{&owner};
  search::TRxDBLookupList list{nullptr};
};

TEST_F(FreeStandingListTest, AShortTableLeavesBlankRowsAndNeedsNoScrollBar) {
  ASSERT_TRUE(list.ListActive());
  EXPECT_EQ(list.RecordsInView(), 3);
  EXPECT_EQ(list.RowTexts(), (std::vector<std::string>{"ALBERT", "ALPHA", "BETA"}));
  EXPECT_EQ(list.RowText(5), "");
  EXPECT_FALSE(list.ScrollBarVisible());
  Press(list, 0, 75);  // a blank row: the last record
  EXPECT_EQ(list.Value(), "BETA");
  Release(list, 0, 75);
  EXPECT_FALSE(list.Tracking());
  list.SetRowCount(0);
  EXPECT_EQ(list.RowCount(), 1);
  list.SetRowCount(1000);
  EXPECT_EQ(list.RowCount(), search::TRxDBLookupList::kMaxRows);
}

TEST_F(FreeStandingListTest, TheSearchTextStartsAgainAfterTwoSeconds) {
  list.KeyPress('a', 1000);
  list.KeyPress('l', 2500);
  list.KeyPress('p', 4500);
  EXPECT_EQ(list.SearchText(), "ALP");
  EXPECT_EQ(list.Value(), "ALPHA");
  list.KeyPress('b', 6501);  // more than 2000 ms later: a new search
  EXPECT_EQ(list.SearchText(), "B");
  EXPECT_EQ(list.Value(), "BETA");
}

TEST_F(FreeStandingListTest, KeyAndDisplayFieldsAreApartAndSeveralDisplayFieldsJoin) {
  search::TRxDBLookupList wide(nullptr);
  wide.lookup_field = "KEY_F";
  wide.lookup_display = "FIO; KEY_F";
  wide.list_style = search::TLookupListStyle::lsDelimited;
  wide.SetRowCount(3);
  wide.SetLookupSource(&source);
  ASSERT_EQ(wide.DisplayFields().size(), 2u);
  EXPECT_EQ(wide.RowText(0), "ALBERT,2");
  wide.list_style = search::TLookupListStyle::lsFixed;
  EXPECT_EQ(wide.RowText(2), "BETA\t3");
  wide.KeyPress('b');  // searched in the display field, the value is the key
  EXPECT_EQ(wide.Value(), "3");
  EXPECT_EQ(wide.DisplayValue(), "BETA");
  EXPECT_EQ(wide.SearchText(), "B");
}

TEST_F(FreeStandingListTest, ASourceDestroyedFirstIsForgotten) {
  auto* other = new data::TDataSource(&owner);
  other->SetDataSet(&table);
  search::TRxDBLookupList orphan(nullptr);
  orphan.lookup_field = "FIO";
  orphan.SetLookupSource(other);
  ASSERT_TRUE(orphan.ListActive());
  base::TComponent::Destroy(other);
  EXPECT_EQ(orphan.lookup_source, nullptr);
  EXPECT_FALSE(orphan.ListActive());
  EXPECT_EQ(orphan.RowText(0), "");
}

}  // namespace
