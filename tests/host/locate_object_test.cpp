// The locate object: the current record is tried before any scan, the scan
// runs from the first record of the order with the hourglass around it,
// letter case by the 1251 rule (Ё/ё included), the bookmark comes back on
// failure, and errors inside count as a failed search.
#include "search/locate_object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/client_data_set.h"
#include "data/string_field.h"
#include "data/word_sort_collation.h"
#include "tests/common/table_packets.h"
#include "text/cp1251.h"

namespace {

std::string Cp(std::u8string_view utf8) {
  std::string out;
  for (char8_t c : utf8) out += static_cast<char>(c);
  return text::Utf8ToCp1251(out);
}

class LocateObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Stored in key order; the name order is 4, 1, 3, 2.
    table.SetName("daFio");
    table.SetData(testing_support::PersonPacket({{1, Cp(u8"ВАСИН ОЛЕГ")},
                                                 {2, Cp(u8"ЯКОВЛЕВ ПЁТР")},
                                                 {3, Cp(u8"ЁЖИКОВ ИВАН")},
                                                 {4, Cp(u8"АБРАМОВ ИВАН")}}));
    table.SetIndexFieldNames("FIO");
    table.SetReadOnly(true);
    table.Open();
    fio = table.FieldByName("FIO");
    locate.on_busy = [this](bool busy) { busy_log.push_back(busy); };
  }
  int Key() const { return table.FieldByName("KEY_F")->AsInteger(); }
  bool Find(std::u8string_view text, bool exact, bool case_sensitive = false) {
    return locate.Locate(*fio, Cp(text), exact, case_sensitive);
  }

  data::WordSortCollation collation;
  base::TComponent owner{nullptr};
  data::TClientDataSet table{&owner, &collation};
  data::TField* fio = nullptr;
  search::TLocateObject locate;
  std::vector<bool> busy_log;
};

TEST_F(LocateObjectTest, TheCurrentRecordIsTriedBeforeAnyScan) {
  ASSERT_EQ(Key(), 4);
  EXPECT_TRUE(Find(u8"абрамов", false));
  EXPECT_TRUE(Find(u8"Абрамов Иван", true));
  EXPECT_EQ(Key(), 4);
  EXPECT_TRUE(busy_log.empty());  // no scan, no hourglass
  EXPECT_FALSE(Find(u8"", false));
  EXPECT_TRUE(busy_log.empty());
}

TEST_F(LocateObjectTest, TheScanRunsFromTheFirstRecordOfTheOrderWithTheHourglass) {
  table.GoLast();
  ASSERT_EQ(Key(), 2);
  // Both ИВАН names end alike; a prefix search finds the first in name order.
  EXPECT_TRUE(Find(u8"ёжиков", false));
  EXPECT_EQ(Key(), 3);
  EXPECT_EQ(busy_log, (std::vector<bool>{true, false}));
  EXPECT_TRUE(Find(u8"ВАСИН ОЛЕГ", true));
  EXPECT_EQ(Key(), 1);
  EXPECT_FALSE(Find(u8"ВАСИН", true));  // exact wants the whole value
  EXPECT_EQ(Key(), 1);
}

TEST_F(LocateObjectTest, LetterCaseFollowsTheCaseRuleOrIsKept) {
  EXPECT_TRUE(Find(u8"яковлев пётр", true));
  EXPECT_EQ(Key(), 2);
  EXPECT_TRUE(Find(u8"ёж", false));
  EXPECT_EQ(Key(), 3);
  EXPECT_FALSE(Find(u8"ЕЖ", false));  // Ё is a letter of its own
  EXPECT_FALSE(Find(u8"васин", false, true));
  EXPECT_TRUE(Find(u8"ВАСИН", false, true));
  EXPECT_EQ(Key(), 1);
}

TEST_F(LocateObjectTest, AFailedSearchLeavesTheCurrentRecordWhereItWas) {
  table.Step(1);
  ASSERT_EQ(Key(), 1);
  EXPECT_FALSE(Find(u8"ЩУКИН", false));
  EXPECT_EQ(Key(), 1);
  EXPECT_EQ(table.CurrentRecord(), 1u);
  EXPECT_EQ(busy_log, (std::vector<bool>{true, false}));
}

TEST_F(LocateObjectTest, ErrorsInsideCountAsAFailedSearch) {
  // A calculated field has no column that a scan could compare.
  auto* computed = new data::TStringField(&owner);
  computed->SetFieldName("CALC");
  computed->SetFieldKind(data::TFieldKind::fkCalculated);
  data::TClientDataSet other(&owner, &collation);
  other.SetName("daOther");
  other.SetData(testing_support::PersonPacket({{1, "ONE"}, {2, "TWO"}}));
  computed->SetDataSet(&other);
  other.Open();
  other.GoLast();
  EXPECT_FALSE(locate.Locate(*computed, "ONE", true, false));
  EXPECT_EQ(other.CurrentRecord(), 2u);
  EXPECT_EQ(busy_log, (std::vector<bool>{true, false}));  // the hourglass goes off again

  // A closed table and a field without a table fail before any scan.
  other.Close();
  EXPECT_FALSE(locate.Locate(*computed, "ONE", true, false));
  data::TStringField loose(nullptr);
  EXPECT_FALSE(locate.Locate(loose, "ONE", true, false));
  EXPECT_EQ(busy_log.size(), 2u);
}

TEST_F(LocateObjectTest, NumberFieldsCompareExactly) {
  data::TField* key = table.FieldByName("KEY_F");
  EXPECT_TRUE(locate.Locate(*key, "3", true, false));
  EXPECT_EQ(Key(), 3);
  EXPECT_FALSE(locate.Locate(*key, "three", true, false));
  EXPECT_EQ(Key(), 3);
}

}  // namespace
