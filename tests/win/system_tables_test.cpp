// A table on the system's string order: the name order built through sort
// keys agrees with CompareStringW on every adjacent pair, and key search works.
#include <gtest/gtest.h>

#include "data/client_data_set.h"
#include "data/system_collation.h"
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

}  // namespace
