// The data paths of both searches over the whole directory: every person
// through the name search, every number through the number search, with the
// person table's current record untouched by the lookups.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "data/data_source.h"
#include "data/word_sort_collation.h"
#include "tests/common/directory_search.h"
#include "tests/common/recording_link.h"
#include "tests/common/table_columns.h"

namespace {

std::string ReadPacket(const char* name) {
  std::ifstream in(std::string(PHONEBOOK_PACKET_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

using testing_support::Column;
using testing_support::Integer;

class DirectorySearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string fio = ReadPacket("fio.packet");
    const std::string tel = ReadPacket("tel.packet");
    ASSERT_FALSE(fio.empty());
    ASSERT_FALSE(tel.empty());
    directory = std::make_unique<testing_support::DirectorySearch>(&collation, fio, tel);
    // The name picker's list: a link of 8 rows on daFio.
    source.SetDataSet(&directory->fio);
    link.SetWindowSize(8);
    link.SetDataSource(&source);
    keys = Column(directory->fio, 1);
    names = Column(directory->fio, 2);
    for (uint32_t r = 1; r < keys.size(); ++r) name_of[Integer(keys[r])] = names[r];
  }
  void TearDown() override {
    link.SetDataSource(nullptr);
    source.SetDataSet(nullptr);
  }

  data::WordSortCollation collation;
  testing_support::RecordingLink link;
  data::TDataSource source{nullptr};
  std::unique_ptr<testing_support::DirectorySearch> directory;
  std::vector<std::string> keys, names;
  std::map<int32_t, std::string> name_of;
};

TEST_F(DirectorySearchTest, EveryPersonThroughTheNameSearch) {
  auto& d = *directory;
  // Owners of each number, to check that the found number is the person's.
  std::map<int32_t, int32_t> owner;
  const auto numbers = Column(d.tel, 1);
  const auto owners = Column(d.tel, 2);
  for (uint32_t r = 1; r < numbers.size(); ++r) owner[Integer(numbers[r])] = Integer(owners[r]);

  // The full path, order switches included, for persons spread over the alphabet.
  size_t checked = 0;
  for (uint32_t r = 1; r < keys.size(); r += 997) {
    const int32_t key = Integer(keys[r]);
    ASSERT_TRUE(d.fio.LocateRow("KEY_F", {int64_t{key}}));
    const uint32_t picked = d.fio.CurrentRecord();
    const int32_t picked_index = d.fio.Window().ActiveIndex();
    link.log.clear();
    const auto found = d.NameSearch(key);
    ASSERT_TRUE(found.found) << key;
    EXPECT_EQ(found.name, names[r]);
    EXPECT_EQ(owner[found.number], key);
    EXPECT_EQ(d.tel.IndexFieldNames(), "TEL");
    EXPECT_EQ(d.tel_number->AsInteger(), found.number);  // still the found row after the switch back
    EXPECT_EQ(d.fio.CurrentRecord(), picked);
    EXPECT_EQ(d.fio.Window().ActiveIndex(), picked_index);
    for (const std::string& entry : link.log) ASSERT_EQ(entry, "check");
    ++checked;
  }
  EXPECT_GE(checked, 26u);

  // Every person: the seek and the reads in the name order (sorting twice per
  // person would take minutes; the sort is the same each time).
  d.tel.SetIndexFieldNames("FIO");
  ASSERT_TRUE(d.fio.LocateRow("KEY_F", {int64_t{Integer(keys[keys.size() / 2])}}));
  const uint32_t picked = d.fio.CurrentRecord();
  link.log.clear();
  for (uint32_t r = 1; r < keys.size(); ++r) {
    const int32_t key = Integer(keys[r]);
    ASSERT_TRUE(d.tel.SeekKey({int64_t{key}})) << key;
    ASSERT_EQ(d.tel_name->AsString(), names[r]) << key;
    ASSERT_EQ(owner[d.tel_number->AsInteger()], key);
  }
  d.tel.SetIndexFieldNames("TEL");
  EXPECT_EQ(d.fio.CurrentRecord(), picked);
  for (const std::string& entry : link.log) ASSERT_EQ(entry, "check");
}

TEST_F(DirectorySearchTest, EveryNumberYieldsItsOwnersName) {
  auto& d = *directory;
  const auto numbers = Column(d.tel, 1);
  const auto owners = Column(d.tel, 2);
  const uint32_t picked = d.fio.CurrentRecord();
  for (uint32_t r = 1; r < numbers.size(); ++r) {
    const auto found = d.NumberSearch(Integer(numbers[r]));
    ASSERT_TRUE(found.found);
    ASSERT_EQ(found.name, name_of[Integer(owners[r])]) << found.number;
  }
  EXPECT_EQ(d.fio.CurrentRecord(), picked);
  EXPECT_FALSE(d.NumberSearch(99999).found);
}

}  // namespace
