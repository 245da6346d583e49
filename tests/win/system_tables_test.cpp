// A table on the system's string order: the name order built through sort
// keys agrees with CompareStringW on every adjacent pair, and key search works;
// a stored order the system disagrees with ends as the system's order.
#include <gtest/gtest.h>

#include "data/client_data_set.h"
#include "data/stored_order.h"
#include "data/system_collation.h"
#include "data/word_sort_collation.h"
#include "tests/common/name_sample.h"
#include "tests/common/table_packets.h"

namespace {

TEST(SystemTablesTest, NameOrderThroughSortKeysAgreesWithCompare) {
  const auto names = testing_support::SampleNames(3000);
  std::vector<std::pair<int16_t, std::string>> rows;
  for (size_t i = 0; i < names.size(); ++i)
    rows.emplace_back(static_cast<int16_t>(i + 1), names[i].substr(0, 24));
  const data::SystemCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet table(&owner, &collation);
  table.SetData(testing_support::PersonPacket(rows));
  table.SetIndexFieldNames("FIO");
  table.Open();
  std::vector<std::string> ordered;
  table.Cursor()->MoveToBOF();
  for (uint32_t r = 0; table.Cursor()->GetNextRecord(r) == data::kDsOk;)
    ordered.push_back(rows[r - 1].second);
  ASSERT_EQ(ordered.size(), rows.size());
  for (size_t i = 1; i < ordered.size(); ++i) {
    ASSERT_LE(collation.Compare(ordered[i - 1], ordered[i], data::CaseMode::kSensitive), 0) << i;
  }
  ASSERT_TRUE(table.SeekKey({ordered[1234]}));
  EXPECT_EQ(table.FieldByName("FIO")->AsString(), ordered[1234]);
}

// The record numbers of `packet`'s name order under `collation`, opened
// with `stored` (a valid permutation, or none) as the table's stored order;
// `rebuilt` tells whether the check rebuilt it.
std::vector<uint32_t> NameOrder(const std::string& packet, const data::Collation& collation,
                                const std::string& stored = {}, bool* rebuilt = nullptr) {
  base::TComponent owner(nullptr);
  data::TClientDataSet table(&owner, &collation);
  table.SetData(packet);
  const bool given = !stored.empty();
  table.SetStoredOrder({reinterpret_cast<const uint8_t*>(stored.data()), stored.size()});
  table.SetIndexFieldNames("FIO");
  table.Open();
  EXPECT_EQ(table.StoredOrderUnchecked(), given);
  const bool again = table.CheckStoredOrder();
  if (rebuilt) *rebuilt = again;
  std::vector<uint32_t> records;
  table.Cursor()->MoveToBOF();
  for (uint32_t r = 0; table.Cursor()->GetNextRecord(r) == data::kDsOk;) records.push_back(r);
  return records;
}

TEST(SystemTablesTest, StoredOrderEndsAsTheSystemsOrderWhateverItWas) {
  const auto names = testing_support::SampleNames(3000);
  std::vector<std::pair<int16_t, std::string>> rows;
  for (size_t i = 0; i < names.size(); ++i)
    rows.emplace_back(static_cast<int16_t>(i + 1), names[i].substr(0, 24));
  const std::string packet = testing_support::PersonPacket(rows);
  const data::SystemCollation system;
  const std::vector<uint32_t> fresh = NameOrder(packet, system);
  ASSERT_EQ(fresh.size(), rows.size());

  // The word sort's order, as the build stores it, agrees with the system's.
  const data::WordSortCollation word_sort;
  bool rebuilt = true;
  EXPECT_EQ(NameOrder(packet, system, data::EncodeStoredOrder(NameOrder(packet, word_sort)), &rebuilt),
            fresh);
  EXPECT_FALSE(rebuilt);
  // An order the system disagrees with (two neighbours swapped, or all
  // reversed) is rebuilt into the system's.
  std::vector<uint32_t> swapped = fresh;
  std::swap(swapped[1500], swapped[1501]);
  EXPECT_EQ(NameOrder(packet, system, data::EncodeStoredOrder(swapped), &rebuilt), fresh);
  EXPECT_TRUE(rebuilt);
  const std::vector<uint32_t> reversed(fresh.rbegin(), fresh.rend());
  EXPECT_EQ(NameOrder(packet, system, data::EncodeStoredOrder(reversed), &rebuilt), fresh);
  EXPECT_TRUE(rebuilt);
}

}  // namespace
