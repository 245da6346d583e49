// The two directory tables opened from the packets the build makes: field
// definitions, counts, orders, and key searches over every row.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "data/client_data_set.h"
#include "data/word_sort_collation.h"
#include "tests/common/shipped_directory.h"
#include "tests/common/table_columns.h"

namespace {

using testing_support::Column;
using testing_support::Integer;

std::string ReadPacket(const char* name) {
  std::ifstream in(std::string(PHONEBOOK_PACKET_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DirectoryTablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fio_packet_ = new std::string(ReadPacket("fio.packet"));
    tel_packet_ = new std::string(ReadPacket("tel.packet"));
  }
  static void TearDownTestSuite() {
    delete fio_packet_;
    delete tel_packet_;
  }
  void SetUp() override {
    ASSERT_FALSE(fio_packet_->empty());
    ASSERT_FALSE(tel_packet_->empty());
    fio.SetName("daFio");
    fio.SetData(*fio_packet_);
    fio.SetIndexFieldNames("FIO");
    fio.SetReadOnly(true);
    fio.Open();
    tel.SetName("daTel");
    tel.SetData(*tel_packet_);
    tel.SetIndexFieldNames("TEL");
    tel.SetReadOnly(true);
    tel.Open();
  }
  static std::vector<uint32_t> Order(const data::TClientDataSet& table) {
    std::vector<uint32_t> order;
    data::IDSCursor cursor(*table.RowStore());
    EXPECT_EQ(cursor.UseTemporaryIndex(), data::kDsOk);
    for (uint32_t r = 0; cursor.GetNextRecord(r) == data::kDsOk;) order.push_back(r);
    return order;
  }

  static std::string* fio_packet_;
  static std::string* tel_packet_;
  data::WordSortCollation collation;
  base::TComponent owner{nullptr};
  data::TClientDataSet fio{&owner, &collation};
  data::TClientDataSet tel{&owner, &collation};
};
std::string* DirectoryTablesTest::fio_packet_ = nullptr;
std::string* DirectoryTablesTest::tel_packet_ = nullptr;

TEST_F(DirectoryTablesTest, DefinitionsCountsAndSettings) {
  ASSERT_EQ(fio.FieldDefs().Count(), 2u);
  const auto& key = fio.FieldDefs()[0];
  EXPECT_EQ(key.Name, "KEY_F");
  EXPECT_EQ(key.FieldNo, 1);
  EXPECT_EQ(key.DataType, data::TFieldType::ftSmallint);
  EXPECT_EQ(key.Attributes, data::faUnNamed);
  const auto& name = fio.FieldDefs()[1];
  EXPECT_EQ(name.Name, "FIO");
  EXPECT_EQ(name.FieldNo, 2);
  EXPECT_EQ(name.DataType, data::TFieldType::ftString);
  EXPECT_EQ(name.Size, 24);
  EXPECT_EQ(name.Attributes, data::faUnNamed);
  EXPECT_EQ(fio.RowStore()->Locale(), 0u);
  EXPECT_EQ(fio.RowStore()->RecordCount(), testing_support::ShippedPersonCount());
  EXPECT_EQ(fio.RowStore()->LiveRowCount(), testing_support::ShippedPersonCount());
  const auto kept = fio.RowStore()->KeptProperties();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].name, "LCID");

  ASSERT_EQ(tel.FieldDefs().Count(), 2u);
  EXPECT_EQ(tel.FieldDefs()[0].Name, "TEL");
  EXPECT_EQ(tel.FieldDefs()[0].DataType, data::TFieldType::ftInteger);
  EXPECT_EQ(tel.FieldDefs()[0].Attributes, data::faRequired);
  EXPECT_EQ(tel.FieldDefs()[1].Name, "FIO");
  EXPECT_EQ(tel.FieldDefs()[1].DataType, data::TFieldType::ftSmallint);
  EXPECT_EQ(tel.FieldDefs()[1].Attributes, data::faRequired);
  EXPECT_EQ(tel.FieldByName("TEL")->Origin, "TEL.TEL");
  EXPECT_EQ(tel.FieldByName("FIO")->Origin, "TEL.FIO");
  EXPECT_EQ(tel.RowStore()->RecordCount(), testing_support::ShippedNumberCount());
  EXPECT_EQ(tel.RecordCount(), testing_support::ShippedNumberCount());
  EXPECT_EQ(tel.IndexFieldNames(), "TEL");
  EXPECT_EQ(fio.IndexFieldNames(), "FIO");
  EXPECT_TRUE(tel.ReadOnly());
  EXPECT_TRUE(tel.RowStore()->ReadOnly());
}

TEST_F(DirectoryTablesTest, EveryNumberIsFoundWithItsPersonKey) {
  const auto numbers = Column(tel, 1);
  const auto keys = Column(tel, 2);
  std::set<int32_t> present;
  for (uint32_t r = 1; r < numbers.size(); ++r) {
    const int32_t number = Integer(numbers[r]);
    present.insert(number);
    ASSERT_TRUE(tel.SeekKey({int64_t{number}})) << number;
    ASSERT_EQ(tel.CurrentRecord(), r);
    ASSERT_EQ(tel.FieldByName("TEL")->AsInteger(), number);
    ASSERT_EQ(tel.FieldByName("FIO")->AsInteger(), Integer(keys[r]));
  }
  EXPECT_EQ(present.size(), testing_support::ShippedNumberCount());
  // The order is the number order.
  const auto order = Order(tel);
  for (size_t i = 1; i < order.size(); ++i)
    ASSERT_LT(Integer(numbers[order[i - 1]]), Integer(numbers[order[i]]));
  // An absent number: False, and the current record stays.
  int32_t absent = 10000;
  while (present.count(absent)) ++absent;
  ASSERT_TRUE(tel.SeekKey({int64_t{*present.rbegin()}}));
  const uint32_t before = tel.CurrentRecord();
  EXPECT_FALSE(tel.SeekKey({int64_t{absent}}));
  EXPECT_EQ(tel.CurrentRecord(), before);
}

TEST_F(DirectoryTablesTest, PersonKeySearchOnTheNameOrderFindsTheFirstEntryOfThatPerson) {
  const auto keys = Column(tel, 2);
  tel.SetIndexFieldNames("FIO");
  const auto order = Order(tel);
  std::map<int32_t, uint32_t> first_in_order;  // person key -> first record in the order
  for (uint32_t r : order) first_in_order.emplace(Integer(keys[r]), r);
  std::map<int32_t, uint32_t> first_stored;
  for (uint32_t r = 1; r < keys.size(); ++r) first_stored.emplace(Integer(keys[r]), r);
  int moved = 0;
  const auto persons = static_cast<int32_t>(testing_support::ShippedPersonCount());
  for (int32_t person = 1; person <= persons; ++person) {
    ASSERT_TRUE(tel.SeekKey({int64_t{person}})) << person;
    ASSERT_EQ(tel.FieldByName("FIO")->AsInteger(), person);
    ASSERT_EQ(tel.CurrentRecord(), first_in_order.at(person));
    if (tel.CurrentRecord() != first_stored.at(person)) ++moved;
  }
  // The sort is not stable: for some persons with several numbers another
  // of their rows comes first.
  EXPECT_GT(moved, 0);
  // Back to the number order: the row found stays current.
  ASSERT_TRUE(tel.SeekKey({int64_t{1}}));
  const uint32_t found = tel.CurrentRecord();
  tel.SetIndexFieldNames("TEL");
  EXPECT_EQ(tel.CurrentRecord(), found);
}

TEST_F(DirectoryTablesTest, NameOrderIsTheCollationOrderAndDiffersFromStorageWhereBytesDo) {
  const auto names = Column(fio, 2);
  const auto order = Order(fio);
  ASSERT_EQ(order.size(), testing_support::ShippedPersonCount());
  for (size_t i = 1; i < order.size(); ++i) {
    ASSERT_LT(collation.Compare(names[order[i - 1]], names[order[i]], data::CaseMode::kSensitive), 0) << i;
  }
  // Storage order is byte order; where the word sort disagrees with bytes,
  // and only there, a pair of names swaps places.
  std::vector<uint32_t> position(order.size() + 1);
  for (size_t i = 0; i < order.size(); ++i) position[order[i]] = static_cast<uint32_t>(i);
  size_t differing = 0;
  for (uint32_t a = 1; a <= order.size(); ++a) {
    for (uint32_t b : {a + 1, a + 7, a + 501}) {
      if (b > order.size()) continue;
      const bool bytes_before = names[a] < names[b];
      const bool words_before = collation.Compare(names[a], names[b], data::CaseMode::kSensitive) < 0;
      ASSERT_EQ(position[a] < position[b], words_before);
      ASSERT_TRUE(bytes_before);  // storage is byte order
      if (bytes_before != words_before) ++differing;
    }
  }
  EXPECT_GT(differing, 0u);
  EXPECT_EQ(fio.CurrentRecord(), order.front());
  EXPECT_EQ(fio.FieldByName("FIO")->AsString(), names[order.front()]);
}

// The word sort asked to sort through its sort keys, as the system's order
// always is: the build then compares the keys kept in one buffer.
class KeyedWordSort final : public data::Collation {
 public:
  int Compare(std::string_view a, std::string_view b, data::CaseMode mode) const override {
    return words_.Compare(a, b, mode);
  }
  std::string SortKey(std::string_view text, data::CaseMode mode) const override {
    return words_.SortKey(text, mode);
  }
  bool PrefersSortKeys() const override { return true; }

 private:
  data::WordSortCollation words_;
};

TEST_F(DirectoryTablesTest, NameOrderBuiltFromSortKeysIsTheOrderBuiltByComparison) {
  KeyedWordSort keyed;
  data::TClientDataSet by_keys(&owner, &keyed);
  by_keys.SetName("daFioKeyed");
  by_keys.SetData(*fio_packet_);
  by_keys.SetIndexFieldNames("FIO");
  by_keys.SetReadOnly(true);
  by_keys.Open();
  EXPECT_EQ(Order(by_keys), Order(fio));
  EXPECT_EQ(by_keys.CurrentRecord(), fio.CurrentRecord());
}

}  // namespace
