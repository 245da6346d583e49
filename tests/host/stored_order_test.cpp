// The person table's stored name order: the build's order file equals the
// engine's own order of the built packet; an order that does not fit the
// rows is never used; an adopted order that the collation disagrees with is
// rebuilt by the check into exactly the order a fresh build gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/stored_order.h"
#include "data/word_sort_collation.h"
#include "tests/common/built_packets.h"
#include "tests/common/name_sample.h"
#include "tests/common/recording_link.h"
#include "tests/common/shipped_directory.h"
#include "tests/common/table_packets.h"
#include "tools/directory_packets.h"

namespace {

using Records = std::vector<uint32_t>;

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The record numbers of the table's current order.
Records OrderOf(const data::TClientDataSet& table) {
  Records records;
  table.Cursor()->MoveToBOF();
  for (uint32_t r = 0; table.Cursor()->GetNextRecord(r) == data::kDsOk;) records.push_back(r);
  return records;
}

// A person table ordered by "FIO", opened with `stored` as its stored order
// (none when empty).
struct NameTable {
  NameTable(const std::string& packet, const std::string& stored) {
    table.SetData(packet);
    table.SetStoredOrder(Bytes(stored));
    table.SetIndexFieldNames("FIO");
    table.Open();
  }
  base::TComponent owner{nullptr};
  data::TClientDataSet table{&owner};
};

Records FreshOrder(const std::string& packet) {
  return OrderOf(NameTable(packet, {}).table);
}

std::string SamplePacket(size_t count) {
  const auto names = testing_support::SampleNames(count);
  std::vector<std::pair<int16_t, std::string>> rows;
  for (size_t i = 0; i < names.size(); ++i)
    rows.emplace_back(static_cast<int16_t>(i + 1), names[i].substr(0, 24));
  return testing_support::PersonPacket(rows);
}

TEST(StoredOrderBytes, RoundTripAndEveryMalformedShapeIsRefused) {
  const Records records{3, 1, 2, 0x01020304};
  const std::string bytes = data::EncodeStoredOrder(records);
  EXPECT_EQ(bytes.size(), 8u + 4 * records.size());
  Records decoded;
  ASSERT_TRUE(data::DecodeStoredOrder(Bytes(bytes), decoded));
  EXPECT_EQ(decoded, records);
  ASSERT_TRUE(data::DecodeStoredOrder(Bytes(data::EncodeStoredOrder({})), decoded));
  EXPECT_TRUE(decoded.empty());

  std::string wrong_tag = bytes;
  wrong_tag[0] ^= 0x20;
  std::string count_too_large = bytes;
  count_too_large[4] = 5;
  std::string count_too_small = bytes;
  count_too_small[4] = 3;
  const std::vector<std::string> malformed{"",
                                           bytes.substr(0, 3),
                                           bytes.substr(0, 7),
                                           bytes.substr(0, bytes.size() - 1),
                                           bytes.substr(0, bytes.size() - 4),
                                           bytes + "x",
                                           wrong_tag,
                                           count_too_large,
                                           count_too_small,
                                           std::string("pbOr\xff\xff\xff\xff", 8)};
  for (const std::string& m : malformed) {
    decoded = {7};
    EXPECT_FALSE(data::DecodeStoredOrder(Bytes(m), decoded)) << m.size();
    EXPECT_TRUE(decoded.empty());
  }
}

TEST(StoredOrderBuild, OrderFileIsTheEngineOrderOfTheBuiltPacketAndIsKept) {
  const auto packet = testing_support::ReadBuiltPacket(testing_support::kPersonPacketFile);
  const auto stored = testing_support::ReadBuiltPacket(testing_support::kNameOrderFile);
  ASSERT_TRUE(packet && stored);
  Records from_file;
  ASSERT_TRUE(data::DecodeStoredOrder(Bytes(*stored), from_file));
  const Records fresh = FreshOrder(*packet);
  ASSERT_EQ(fresh.size(), testing_support::ShippedPersonCount());
  EXPECT_EQ(from_file, fresh);
  EXPECT_EQ(tools::BuildNameOrder(*packet), *stored);

  NameTable adopted(*packet, *stored);
  EXPECT_TRUE(adopted.table.StoredOrderUnchecked());
  EXPECT_FALSE(adopted.table.CheckStoredOrder());
  EXPECT_FALSE(adopted.table.StoredOrderUnchecked());
  EXPECT_EQ(OrderOf(adopted.table), fresh);
  // The adopted order answers key searches as a built one does.
  ASSERT_TRUE(adopted.table.SeekKey({adopted.table.FieldByName("FIO")->AsString()}));
}

TEST(StoredOrderAdoption, AnOrderThatDoesNotFitTheRowsIsNotUsed) {
  const std::string packet = SamplePacket(300);
  const Records fresh = FreshOrder(packet);
  ASSERT_EQ(fresh.size(), 300u);
  // Each bad order differs from the fresh one, so using it would show.
  Records reversed(fresh.rbegin(), fresh.rend());
  Records shorter(reversed.begin(), reversed.end() - 1);
  Records longer = reversed;
  longer.push_back(static_cast<uint32_t>(fresh.size() + 1));
  Records with_zero = reversed;
  with_zero[5] = 0;
  Records beyond = reversed;
  beyond[5] = static_cast<uint32_t>(fresh.size() + 1);
  Records repeated = reversed;
  repeated[5] = repeated[6];
  std::string wrong_tag = data::EncodeStoredOrder(reversed);
  wrong_tag[3] = 'X';
  std::string cut = data::EncodeStoredOrder(reversed);
  cut.pop_back();
  const std::vector<std::pair<const char*, std::string>> cases{
      {"shorter", data::EncodeStoredOrder(shorter)},
      {"longer", data::EncodeStoredOrder(longer)},
      {"index 0", data::EncodeStoredOrder(with_zero)},
      {"beyond the rows", data::EncodeStoredOrder(beyond)},
      {"repeated", data::EncodeStoredOrder(repeated)},
      {"wrong tag", wrong_tag},
      {"cut short", cut},
      {"no header", "pbO"},
      {"empty order", data::EncodeStoredOrder({})}};
  for (const auto& [what, bytes] : cases) {
    NameTable t(packet, bytes);
    EXPECT_FALSE(t.table.StoredOrderUnchecked()) << what;
    EXPECT_EQ(OrderOf(t.table), fresh) << what;
    EXPECT_FALSE(t.table.CheckStoredOrder()) << what;
  }
}

TEST(StoredOrderAdoption, RowsLeftOutOfOrdersMayNotBeNamed) {
  // Record 2 is left out of the orders (status 0x01): an order naming it is refused.
  const std::string packet = testing_support::PhonePacket({{30000, 1}, {20000, 2}, {10000, 3}}, {0, 1, 0});
  data::WordSortCollation collation;
  data::IDSBase store(collation);
  ASSERT_EQ(store.AppendData(Bytes(packet), true), data::kDsOk);
  const data::IndexDescriptor by_tel{"TEL", {{1, false, false}}, false, false};
  EXPECT_EQ(store.AdoptTemporaryIndex(by_tel, {2, 1}), data::kDsOrderMismatch);
  EXPECT_EQ(store.AdoptTemporaryIndex(by_tel, {3, 2, 1}), data::kDsOrderMismatch);
  EXPECT_EQ(store.AdoptTemporaryIndex({"X", {{9, false, false}}, false, false}, {3, 1}), data::kDsBadField);
  ASSERT_EQ(store.AdoptTemporaryIndex(by_tel, {3, 1}), data::kDsOk);
  bool rebuilt = true;
  ASSERT_EQ(store.CheckAdoptedOrders(rebuilt), data::kDsOk);
  EXPECT_FALSE(rebuilt);
  // Descending by TEL the same order is wrong: the check rebuilds it.
  const data::IndexDescriptor down{"TEL", {{1, true, false}}, false, false};
  ASSERT_EQ(store.AdoptTemporaryIndex(down, {3, 1}), data::kDsOk);
  ASSERT_EQ(store.CheckAdoptedOrders(rebuilt), data::kDsOk);
  EXPECT_TRUE(rebuilt);
  data::IDSCursor cursor(store);
  ASSERT_EQ(cursor.UseTemporaryIndex(), data::kDsOk);
  uint32_t r = 0;
  ASSERT_EQ(cursor.GetNextRecord(r), data::kDsOk);
  EXPECT_EQ(r, 1u);
  // Checked once: nothing is left to check.
  ASSERT_EQ(store.CheckAdoptedOrders(rebuilt), data::kDsOk);
  EXPECT_FALSE(rebuilt);
}

TEST(StoredOrderCheck, AnOrderTheCollationDisagreesWithIsRebuiltInPlace) {
  const std::string packet = SamplePacket(500);
  const Records fresh = FreshOrder(packet);
  NameTable t(packet, data::EncodeStoredOrder(Records(fresh.rbegin(), fresh.rend())));
  ASSERT_TRUE(t.table.StoredOrderUnchecked());
  // Used at once, as it came: the first row is the fresh order's last.
  EXPECT_EQ(t.table.CurrentRecord(), fresh.back());
  t.table.StepNext();
  t.table.StepNext();
  const uint32_t current = t.table.CurrentRecord();
  ASSERT_EQ(current, fresh[fresh.size() - 3]);

  data::TDataSource source{nullptr};
  source.SetDataSet(&t.table);
  testing_support::RecordingLink link;
  link.SetDataSource(&source);
  link.log.clear();
  EXPECT_TRUE(t.table.CheckStoredOrder());
  EXPECT_EQ(OrderOf(t.table), fresh);
  EXPECT_EQ(t.table.CurrentRecord(), current);
  EXPECT_EQ(std::count(link.log.begin(), link.log.end(), "changed"), 1);
  EXPECT_FALSE(t.table.CheckStoredOrder());
  link.SetDataSource(nullptr);
}

TEST(StoredOrderCheck, AnEqualPairIsRebuiltIntoTheSortsOwnPlaces) {
  // Pairs of equal names: the fresh sort decides which of each pair comes first.
  std::vector<std::pair<int16_t, std::string>> rows;
  const auto names = testing_support::SampleNames(40);
  for (size_t i = 0; i < names.size(); ++i) {
    rows.emplace_back(static_cast<int16_t>(2 * i + 1), names[i].substr(0, 24));
    rows.emplace_back(static_cast<int16_t>(2 * i + 2), names[i].substr(0, 24));
  }
  const std::string packet = testing_support::PersonPacket(rows);
  const Records fresh = FreshOrder(packet);
  // The fresh order with each equal pair the other way round: every
  // neighbouring pair is still in order, but some compare equal.
  Records swapped = fresh;
  for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
  ASSERT_NE(swapped, fresh);
  NameTable t(packet, data::EncodeStoredOrder(swapped));
  ASSERT_TRUE(t.table.StoredOrderUnchecked());
  EXPECT_EQ(OrderOf(t.table), swapped);
  EXPECT_TRUE(t.table.CheckStoredOrder());
  EXPECT_EQ(OrderOf(t.table), fresh);
}

}  // namespace

TEST(StoredOrderCheck, AReadOnlyTableClosedBeforeTheCheckReopensInTheCheckedOrder) {
  // A read-only table keeps its rows over a close: an unchecked order it
  // adopted is checked then, not carried unchecked into the next open.
  const std::string packet = SamplePacket(300);
  const Records fresh = FreshOrder(packet);
  base::TComponent owner{nullptr};
  data::TClientDataSet table{&owner};
  table.SetData(packet);
  table.SetStoredOrder(Bytes(data::EncodeStoredOrder(Records(fresh.rbegin(), fresh.rend()))));
  table.SetIndexFieldNames("FIO");
  table.SetReadOnly(true);
  table.Open();
  ASSERT_TRUE(table.StoredOrderUnchecked());
  table.Close();
  EXPECT_FALSE(table.StoredOrderUnchecked());
  table.Open();
  EXPECT_FALSE(table.StoredOrderUnchecked());
  EXPECT_EQ(OrderOf(table), fresh);
}
