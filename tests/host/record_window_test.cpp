// The record window seen through data links: filling on open, Step at both
// ends, full windows, centre refills, the link's first row, holding
// notifications, and a Lookup between two steps.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/word_sort_collation.h"
#include "tests/common/recording_link.h"
#include "tests/common/table_packets.h"

namespace {

using Log = std::vector<std::string>;

// Persons 1..n named "P001".. in key order.
std::string Persons(int n) {
  std::vector<std::pair<int16_t, std::string>> rows;
  for (int i = 1; i <= n; ++i) {
    std::string name = std::to_string(i);
    rows.emplace_back(static_cast<int16_t>(i), "P" + std::string(3 - name.size(), '0') + name);
  }
  return testing_support::PersonPacket(rows);
}

class RecordWindowTest : public ::testing::Test {
 protected:
  // A table of `rows` persons in key order, a source and a link of `link_rows` rows.
  void Open(int rows, int link_rows) {
    table = std::make_unique<data::TClientDataSet>(&owner, &collation);
    table->SetName("daFio");
    table->SetData(Persons(rows));
    table->SetIndexFieldNames("KEY_F");
    table->SetReadOnly(true);
    source.SetDataSet(table.get());
    link.SetWindowSize(link_rows);
    link.SetDataSource(&source);
    table->Open();
    link.log.clear();
  }
  int Key() const { return table->FieldByName("KEY_F")->AsInteger(); }
  // The keys held in the window, in window order.
  std::vector<int> WindowKeys() const {
    std::vector<int> keys;
    for (int32_t i = 0; i < table->Window().Count(); ++i)
      keys.push_back(static_cast<int>(table->Window().Buffer(i).record));
    return keys;
  }
  // Moves to key `key` by an exact search (centre refill).
  void Seek(int key) { ASSERT_TRUE(table->SeekKey({int64_t{key}})); }

  data::WordSortCollation collation;
  base::TComponent owner{nullptr};
  // Declared before the table, so that they are destroyed after it.
  testing_support::RecordingLink link;
  data::TDataSource source{nullptr};
  std::unique_ptr<data::TClientDataSet> table;
};

TEST_F(RecordWindowTest, OpeningFillsTheWindowFromTheFirstRowForTheLargestLink) {
  Open(20, 8);
  EXPECT_EQ(table->Window().Size(), 8);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(table->Window().ActiveIndex(), 0);
  EXPECT_TRUE(table->AtStart());
  EXPECT_FALSE(table->AtEnd());
  EXPECT_TRUE(link.Active());
  EXPECT_EQ(link.RecordCount(), 8);
  EXPECT_EQ(Key(), 1);
  // Without links the window holds one row.
  link.SetDataSource(nullptr);
  EXPECT_EQ(table->Window().Size(), 1);
  EXPECT_EQ(table->Window().Count(), 1);
  EXPECT_EQ(Key(), 1);
}

TEST_F(RecordWindowTest, StepOnTheLastRowSendsAZeroScrollOnceThenNothing) {
  Open(5, 1);
  table->GoLast();
  EXPECT_TRUE(table->AtEnd());
  EXPECT_EQ(Key(), 5);
  link.log.clear();
  int after_scroll = 0;
  table->AfterScroll = [&](data::TDataSet&) { ++after_scroll; };
  // GoLast set the at-end flag: the first Step is refused outright.
  EXPECT_EQ(table->Step(1), 0);
  EXPECT_EQ(link.log, (Log{"check"}));
  EXPECT_EQ(after_scroll, 0);
  // Reaching the last row by steps: the step past it reports 0 rows and scroll 0.
  table->GoFirst();
  EXPECT_EQ(table->Step(4), 4);
  EXPECT_FALSE(table->AtEnd());
  link.log.clear();
  after_scroll = 0;
  EXPECT_EQ(table->Step(1), 0);
  EXPECT_TRUE(table->AtEnd());
  EXPECT_EQ(link.log, (Log{"check", "scrolled 0"}));
  EXPECT_EQ(after_scroll, 1);
  link.log.clear();
  EXPECT_EQ(table->Step(1), 0);
  EXPECT_EQ(link.log, (Log{"check"}));
  EXPECT_EQ(after_scroll, 1);
  EXPECT_EQ(Key(), 5);
}

TEST_F(RecordWindowTest, FullWindowWithTheCurrentRowAtTheBottomDropsTheTopRow) {
  Open(20, 8);
  EXPECT_EQ(table->Step(7), 7);
  EXPECT_EQ(table->Window().ActiveIndex(), 7);
  EXPECT_EQ(link.FirstRow(), 0);
  link.log.clear();
  EXPECT_EQ(table->Step(1), 1);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(table->Window().ActiveIndex(), 7);
  EXPECT_EQ(Key(), 9);
  // The table scrolled by -1; the link keeps first row 0 and scrolled by 1.
  EXPECT_EQ(link.log, (Log{"check", "scrolled 1"}));
  EXPECT_EQ(link.FirstRow(), 0);
  EXPECT_EQ(link.ActiveRecord(), 7);
  // Backwards over the top: the window shifts the other way.
  EXPECT_EQ(table->Step(-7), -7);
  link.log.clear();
  EXPECT_EQ(table->Step(-1), -1);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(link.log, (Log{"check", "scrolled -1"}));
  EXPECT_EQ(table->Step(-1), 0);
  EXPECT_TRUE(table->AtStart());
}

TEST_F(RecordWindowTest, StepsThatStopEarlyReportTheRowsMoved) {
  Open(3, 8);
  // A window not full: the row count stays 3, so a scroll of 0 is sent.
  EXPECT_EQ(table->Step(10), 2);
  EXPECT_TRUE(table->AtEnd());
  EXPECT_EQ(Key(), 3);
  EXPECT_EQ(table->Step(-10), -2);
  EXPECT_TRUE(table->AtStart());
  EXPECT_EQ(table->Step(0), 0);
}

TEST_F(RecordWindowTest, CentreRefillsNearTheStartTheMiddleAndTheEnd) {
  Open(20, 8);
  Seek(10);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{7, 8, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(table->Window().ActiveIndex(), 3);
  EXPECT_EQ(link.ActiveRecord(), 3);
  Seek(2);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(table->Window().ActiveIndex(), 1);
  Seek(19);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{13, 14, 15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(table->Window().ActiveIndex(), 6);
  EXPECT_EQ(link.ActiveRecord(), 6);
  EXPECT_EQ(Key(), 19);
  // A table shorter than the window holds all rows.
  Open(4, 8);
  Seek(3);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(table->Window().ActiveIndex(), 2);
}

TEST_F(RecordWindowTest, LinkSmallerThanTheWindowFollowsTheCurrentRow) {
  Open(30, 8);
  testing_support::RecordingLink small;
  small.SetWindowSize(3);
  small.SetDataSource(&source);
  EXPECT_TRUE(small.Active());
  EXPECT_EQ(small.FirstRow(), 0);
  EXPECT_EQ(table->Step(5), 5);
  // The current row is at window row 5: the small link's rows are 3..5.
  EXPECT_EQ(small.FirstRow(), 3);
  EXPECT_EQ(small.ActiveRecord(), 2);
  EXPECT_EQ(small.RecordCount(), 3);
  // A link sets the current row inside its rows.
  small.SetActiveRecord(0);
  EXPECT_EQ(table->Window().ActiveIndex(), 3);
  EXPECT_EQ(Key(), 4);
  small.SetDataSource(nullptr);
  EXPECT_FALSE(small.Active());
  EXPECT_EQ(small.FirstRow(), 0);
}

TEST_F(RecordWindowTest, ShrinkingTheWindowKeepsTheLinksRows) {
  Open(30, 8);
  Seek(15);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{12, 13, 14, 15, 16, 17, 18, 19}));
  link.SetWindowSize(2);
  EXPECT_EQ(table->Window().Size(), 2);
  EXPECT_EQ(table->Window().Count(), 2);
  EXPECT_EQ(Key(), 15);
  const int32_t active = table->Window().ActiveIndex();
  EXPECT_EQ(static_cast<int>(table->Window().Buffer(active).record), 15);
  EXPECT_GE(link.ActiveRecord(), 0);
  EXPECT_LT(link.ActiveRecord(), 2);
  // Growing again fetches rows after, then before.
  link.SetWindowSize(8);
  EXPECT_EQ(table->Window().Count(), 8);
  EXPECT_EQ(Key(), 15);
  EXPECT_EQ(link.ActiveRecord(), table->Window().ActiveIndex() - link.FirstRow());
}

TEST_F(RecordWindowTest, HeldNotificationsGoOutOnceWhenReleased) {
  Open(20, 8);
  table->HoldNotifications();
  table->HoldNotifications();
  table->Step(3);
  table->GoLast();
  EXPECT_TRUE(link.log.empty());
  table->ReleaseNotifications();
  EXPECT_TRUE(link.log.empty());
  table->ReleaseNotifications();
  EXPECT_EQ(link.log, (Log{"changed"}));
  EXPECT_EQ(link.ActiveRecord(), 7);
  // A release without a hold sends nothing.
  link.log.clear();
  table->ReleaseNotifications();
  EXPECT_TRUE(link.log.empty());
  // Closing while held: the state change goes out, nothing else.
  table->HoldNotifications();
  table->Close();
  table->ReleaseNotifications();
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(link.log, (Log{"inactive"}));
}

TEST_F(RecordWindowTest, LookupBetweenTwoStepsDoesNotChangeWhatStepMovesFrom) {
  Open(20, 8);
  EXPECT_EQ(table->Step(4), 4);
  link.log.clear();
  // The scan leaves the row store's cursor on the last key.
  EXPECT_EQ(data::IsNull(table->Lookup("KEY_F", {int64_t{20}}, "FIO")), false);
  EXPECT_EQ(link.log, (Log{"check"}));
  EXPECT_EQ(Key(), 5);
  EXPECT_EQ(table->Window().CursorIndex(), -1);
  EXPECT_EQ(table->Step(4), 4);
  EXPECT_EQ(Key(), 9);
  EXPECT_EQ(WindowKeys(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(RecordWindowTest, EmptyTableHasAnEmptyWindowAtBothEnds) {
  Open(0, 4);
  EXPECT_EQ(table->Window().Count(), 0);
  EXPECT_TRUE(table->AtStart());
  EXPECT_TRUE(table->AtEnd());
  EXPECT_EQ(table->Step(1), 0);
  table->GoLast();
  EXPECT_EQ(table->CurrentRecord(), 0u);
  EXPECT_EQ(table->TakeBookmark(), 0u);
  EXPECT_TRUE(table->FieldByName("FIO")->AsString().empty());
}

}  // namespace
