// Loading packets into the row store: descriptors, properties acted on or
// kept, rows, live rows, appending, and the result codes of bad packets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data/collation.h"
#include "data/datapacket_writer.h"
#include "data/ds_base.h"
#include "data/ds_cursor.h"
#include "data/field_bytes.h"
#include "data/field_type.h"
#include "data/word_sort_collation.h"
#include "tests/common/table_packets.h"
#include "tests/host/failing_allocations.h"

namespace {

using namespace data::packet;
using W = data::DataPacketWriter;

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

class DsBaseTest : public ::testing::Test {
 protected:
  data::DsResult Load(const std::string& packet) { return store.AppendData(Bytes(packet), true); }
  std::string Text(uint32_t record, uint32_t field) {
    data::FieldData value;
    EXPECT_EQ(store.GetField(record, field, value), data::kDsOk);
    return value.bytes;
  }
  data::WordSortCollation collation;
  data::IDSBase store{collation};
};

TEST_F(DsBaseTest, PersonPacketBecomesDescriptorsRowsAndKeptLocale) {
  ASSERT_EQ(Load(testing_support::PersonPacket({{1, "ИВАНОВ И"}, {2, "ПЕТРОВ П"}})), data::kDsOk);
  const auto fields = store.FieldDescriptors();
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].name, "KEY_F");
  EXPECT_EQ(fields[0].logical_type, data::logical::kInt16);
  EXPECT_EQ(fields[0].length, 2u);
  EXPECT_EQ(fields[1].logical_type, data::logical::kString);
  EXPECT_EQ(fields[1].units1, 24);  // from WIDTH, which is consumed
  EXPECT_EQ(fields[1].length, 0u);
  EXPECT_EQ(store.RecordCount(), 2u);
  EXPECT_EQ(store.LiveRowCount(), 2u);
  EXPECT_EQ(store.Locale(), 0u);
  const auto kept = store.KeptProperties();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].name, "LCID");
  EXPECT_EQ(kept[0].column, 0u);
  EXPECT_EQ(kept[0].flags, 1u);
  EXPECT_EQ(Text(2, 2), "ПЕТРОВ П");
  data::FieldData key;
  ASSERT_EQ(store.GetField(2, 1, key), data::kDsOk);
  EXPECT_EQ(key.bytes, std::string("\x02\x00", 2));
  EXPECT_EQ(store.GetField(3, 1, key), data::kDsRecordNotFound);
  EXPECT_EQ(store.GetField(1, 3, key), data::kDsBadField);
}

TEST_F(DsBaseTest, PhonePacketKeepsOriginsWithFlagsFive) {
  ASSERT_EQ(Load(testing_support::PhonePacket({{12345, 1}})), data::kDsOk);
  data::KeptProperty origin;
  ASSERT_TRUE(store.FindProperty("origin", 2, origin));
  EXPECT_EQ(origin.value, std::string("TEL.FIO\0", 8));
  EXPECT_EQ(origin.flags, 5u);
  EXPECT_EQ(store.FieldDescriptors()[0].attributes, kRequired);
}

TEST_F(DsBaseTest, LocaleIsKeptOnlyWhenInstalled) {
  data::IDSBase russian(collation), unknown(collation);
  ASSERT_EQ(russian.AppendData(Bytes(testing_support::PersonPacket({}, 0x0419)), true), data::kDsOk);
  EXPECT_EQ(russian.Locale(), 0x0419u);
  ASSERT_EQ(unknown.AppendData(Bytes(testing_support::PersonPacket({}, 0x7777)), true), data::kDsOk);
  EXPECT_EQ(unknown.Locale(), 0u);
  EXPECT_EQ(unknown.RecordCount(), 0u);
}

TEST_F(DsBaseTest, StringsAreCutToWidthAndNullsAreKept) {
  W w;
  w.Column("S", TypeWord(kClassString, 1, kVarying), 0,
           {{"WIDTH", TypeWord(kClassUnsigned, 2), W::Int(4, 2)}})
      .Column("N", TypeWord(kClassSigned, 4), 0)
      .TableProperties()
      .Row({W::Slot::Value(W::Varying("ABCDEFG", 1)), W::Slot::Null()})
      .Row({W::Slot::Null(), W::Slot::NotChanged()});
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  EXPECT_EQ(Text(1, 1), "ABCD");
  data::FieldData value;
  ASSERT_EQ(store.GetField(1, 2, value), data::kDsOk);
  EXPECT_EQ(value.state, data::FieldData::State::kNull);
  ASSERT_EQ(store.GetField(2, 1, value), data::kDsOk);
  EXPECT_EQ(value.state, data::FieldData::State::kNull);
  ASSERT_EQ(store.GetField(2, 2, value), data::kDsOk);
  EXPECT_EQ(value.state, data::FieldData::State::kNotChanged);
}

TEST_F(DsBaseTest, RowsWithDeletedStatusBitsAreStoredButNotLive) {
  ASSERT_EQ(Load(testing_support::PhonePacket({{1, 1}, {2, 2}, {3, 3}, {4, 4}}, {0, 0x02, 0x20, 0x08})),
            data::kDsOk);
  EXPECT_EQ(store.RecordCount(), 4u);
  EXPECT_EQ(store.LiveRowCount(), 2u);
  EXPECT_EQ(store.RowStatus(2), 0x02);
  data::IDSCursor cursor(store);
  uint32_t record = 0;
  std::vector<uint32_t> order;
  while (cursor.GetNextRecord(record) == data::kDsOk) order.push_back(record);
  EXPECT_EQ(order, (std::vector<uint32_t>{1, 4}));
}

TEST_F(DsBaseTest, ChangeTablesCountEveryRowAsLive) {
  W w;
  w.Column("N", TypeWord(kClassSigned, 4), 0)
      .TableProperties({{"DATASET_DELTA", TypeWord(kClassSigned, 4), W::Int(1, 4)}})
      .Row({W::Slot::Value(W::Int(1, 4))}, 0x02);
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  EXPECT_TRUE(store.IsDeltaTable());
  EXPECT_EQ(store.LiveRowCount(), 1u);
}

TEST_F(DsBaseTest, NegativeFourBytePropertyLengthIsAnEmptyValue) {
  // Found by the fuzzer: the reader reports a negative 4-byte length as its
  // bit pattern, which must not be taken as the size of the value.
  W w;
  w.Column("N", TypeWord(kClassSigned, 4), 0, {{"P", TypeWord(kClassBytes, 4, kVarying), W::Int(-5, 4)}})
      .TableProperties();
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  data::KeptProperty kept;
  ASSERT_TRUE(store.FindProperty("P", 1, kept));
  EXPECT_TRUE(kept.value.empty());
}

TEST_F(DsBaseTest, SubtypeProperty) {
  const auto subtype = [](const char* name) -> W::Property {
    return {"SUBTYPE", TypeWord(kClassString, 1, kVarying), W::Varying(name, 1)};
  };
  W w;
  w.Column("A", TypeWord(kClassSigned, 4), 0, {subtype("AUTOINC")})
      .Column("B", TypeWord(kClassSigned, 4), 0, {subtype("Whatever")})
      .TableProperties();
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  const auto fields = store.FieldDescriptors();
  EXPECT_EQ(fields[0].subtype, 29u);
  EXPECT_EQ(fields[0].attributes, data::faReadonly);
  EXPECT_EQ(fields[1].subtype, 255u);
  data::KeptProperty kept;
  EXPECT_FALSE(store.FindProperty("SUBTYPE", 1, kept));  // known name: consumed
  ASSERT_TRUE(store.FindProperty("SUBTYPE", 2, kept));   // unknown name: kept
  EXPECT_EQ(kept.flags, 5u);

  data::IDSBase other(collation);
  W bad;
  bad.Column("A", TypeWord(kClassSigned, 4), 0, {{"SUBTYPE", TypeWord(kClassSigned, 4), W::Int(29, 4)}})
      .TableProperties();
  EXPECT_EQ(other.AppendData(Bytes(bad.Finish()), true), data::kDsBufferTooSmall);
}

TEST_F(DsBaseTest, DefaultOrderPropertyRedefinesRecordOrder) {
  W w;
  w.Column("N", TypeWord(kClassSigned, 4), 0)
      .TableProperties(
          {{"DEFAULT_ORDER", TypeWord(kClassUnsigned, 2, kArray), W::Array({W::Int(0x8001, 2)})}});
  for (int v : {2, 9, 4}) w.Row({W::Slot::Value(W::Int(v, 4))});
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  data::IDSCursor cursor(store);
  const auto index = cursor.CurrentIndex();
  EXPECT_EQ(index.name, "DEFAULT_ORDER");
  ASSERT_EQ(index.fields.size(), 1u);
  EXPECT_TRUE(index.fields[0].descending);
  uint32_t record = 0;
  std::vector<uint32_t> order;
  while (cursor.GetNextRecord(record) == data::kDsOk) order.push_back(record);
  EXPECT_EQ(order, (std::vector<uint32_t>{2, 3, 1}));

  data::IDSBase other(collation);
  W bad;
  bad.Column("N", TypeWord(kClassSigned, 4), 0)
      .TableProperties({{"UNIQUE_KEY", TypeWord(kClassSigned, 2), W::Int(1, 2)}});
  EXPECT_EQ(other.AppendData(Bytes(bad.Finish()), true), data::kDsBufferTooSmall);
}

TEST_F(DsBaseTest, BadPacketsGiveTheirCodesAndLeaveNothing) {
  EXPECT_EQ(Load(""), data::kDsBadCall);
  W no_metadata;
  no_metadata.Column("N", TypeWord(kClassSigned, 4), 0).TableProperties().SetAttributes(kRowOffsetValid);
  EXPECT_EQ(Load(no_metadata.Finish()), data::kDsNoMetadata);
  W no_columns;
  no_columns.SetColumnCount(0).TableProperties();
  EXPECT_EQ(Load(no_columns.Finish()), data::kDsBadPacket);
  W array_column;
  array_column.Column("A", TypeWord(kClassSigned, 4, kArray), 0).TableProperties();
  EXPECT_EQ(Load(array_column.Finish()), data::kDsUnsupportedType);
  // A property of a type without a codec ends its list; the next request fails.
  W bad_property;
  bad_property.Column("N", TypeWord(kClassSigned, 4), 0, {{"P", TypeWord(kClassSigned, 3), "abc"}})
      .TableProperties();
  EXPECT_EQ(Load(bad_property.Finish()), data::kDsBadCall);
  EXPECT_TRUE(store.FieldDescriptors().empty());
  EXPECT_EQ(store.RecordCount(), 0u);

  // Every truncation of a good packet is a bad packet (no bytes at all: no
  // packet given), and the store stays empty.
  const std::string good = testing_support::PhonePacket({{11111, 1}, {22222, 2}});
  for (size_t size = 0; size < good.size(); ++size) {
    data::IDSBase cut(collation);
    EXPECT_EQ(cut.AppendData(Bytes(good.substr(0, size)), true),
              size == 0 ? data::kDsBadCall : data::kDsBadPacket)
        << size;
    EXPECT_TRUE(cut.FieldDescriptors().empty()) << size;
    EXPECT_EQ(cut.RecordCount(), 0u) << size;
  }
  // After all that, the store still takes a good packet.
  EXPECT_EQ(Load(good), data::kDsOk);
  EXPECT_EQ(store.RecordCount(), 2u);
}

TEST_F(DsBaseTest, AppendingRowsThroughTheKeptReader) {
  ASSERT_EQ(Load(testing_support::PhonePacket({{11111, 1}})), data::kDsOk);
  // A packet of the same table: its rows are appended (row offset valid).
  EXPECT_EQ(store.AppendData(Bytes(testing_support::PhonePacket({{22222, 2}, {33333, 3}})), false),
            data::kDsOk);
  EXPECT_EQ(store.RecordCount(), 3u);
  EXPECT_EQ(store.LiveRowCount(), 3u);
  data::IDSCursor cursor(store);
  EXPECT_EQ(cursor.RecordCount(), 3u);
  // Row offset valid and no rows: nothing added.
  EXPECT_EQ(store.AppendData(Bytes(testing_support::PhonePacket({})), true), data::kDsOk);
  EXPECT_EQ(store.RecordCount(), 3u);
  // Metadata and rows without a valid row offset: refused.
  W w;
  w.Column("TEL", TypeWord(kClassSigned, 4), kRequired).Column("FIO", TypeWord(kClassSigned, 2), kRequired);
  w.TableProperties()
      .SetAttributes(kHasMetadata)
      .Row({W::Slot::Value(W::Int(1, 4)), W::Slot::Value(W::Int(1, 2))});
  EXPECT_EQ(store.AppendData(Bytes(w.Finish()), true), data::kDsBadPacket);
  EXPECT_EQ(store.RecordCount(), 3u);
}

// Field-name orders: the store keeps the last ones it built, so switching
// back and forth sorts each once, and kept orders follow appended rows.
data::IndexDescriptor OrderBy(uint32_t field, bool descending = false) {
  data::IndexDescriptor index;
  index.name = "BY" + std::to_string(field) + (descending ? "D" : "");
  index.fields.push_back({field, descending, false});
  return index;
}

std::vector<uint32_t> Records(data::IDSCursor& cursor) {
  std::vector<uint32_t> records;
  cursor.MoveToBOF();
  for (uint32_t r = 0; cursor.GetNextRecord(r) == data::kDsOk;) records.push_back(r);
  return records;
}

TEST_F(DsBaseTest, TemporaryOrdersAreKeptChosenAgainAndReplacedLeastRecentFirst) {
  // TEL is field 1, FIO field 2; records 1..3.
  ASSERT_EQ(Load(testing_support::PhonePacket({{30000, 1}, {10000, 2}, {20000, 3}})), data::kDsOk);
  data::IDSCursor none(store);
  EXPECT_EQ(none.UseTemporaryIndex(), data::kDsNoSuchIndex);

  store.SetKeptTemporaryOrders(2);
  data::IDSCursor by_fio(store), by_tel(store), again(store), latest(store);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(2)), data::kDsOk);
  ASSERT_EQ(by_fio.UseTemporaryIndex(), data::kDsOk);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1)), data::kDsOk);
  ASSERT_EQ(by_tel.UseTemporaryIndex(), data::kDsOk);
  // A second order leaves the first one where it was.
  EXPECT_EQ(Records(by_fio), (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(Records(by_tel), (std::vector<uint32_t>{2, 3, 1}));
  // The same descriptor again chooses the kept order...
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(2)), data::kDsOk);
  ASSERT_EQ(again.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(again), (std::vector<uint32_t>{1, 2, 3}));
  // ...which makes the TEL order the least recent one: a third order takes
  // its place, and the FIO order stays.
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1, true)), data::kDsOk);
  ASSERT_EQ(latest.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(latest), (std::vector<uint32_t>{1, 3, 2}));
  EXPECT_EQ(Records(by_tel), (std::vector<uint32_t>{1, 3, 2}));  // its slot was reused
  EXPECT_EQ(Records(by_fio), (std::vector<uint32_t>{1, 2, 3}));

  // Appended rows reach every kept order, so choosing one again is current.
  ASSERT_EQ(store.AppendData(Bytes(testing_support::PhonePacket({{5000, 0}})), true), data::kDsOk);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(2)), data::kDsOk);
  ASSERT_EQ(again.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(again), (std::vector<uint32_t>{4, 1, 2, 3}));
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1, true)), data::kDsOk);
  ASSERT_EQ(latest.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(latest), (std::vector<uint32_t>{1, 3, 2, 4}));
}

TEST_F(DsBaseTest, KeepingOneTemporaryOrderRebuildsItsSlotEachTime) {
  ASSERT_EQ(Load(testing_support::PhonePacket({{30000, 1}, {10000, 2}, {20000, 3}})), data::kDsOk);
  store.SetKeptTemporaryOrders(0);  // raised to the one in use
  data::IDSCursor first(store), second(store);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(2)), data::kDsOk);
  ASSERT_EQ(first.UseTemporaryIndex(), data::kDsOk);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1)), data::kDsOk);
  ASSERT_EQ(second.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(first), (std::vector<uint32_t>{2, 3, 1}));
  EXPECT_EQ(Records(second), (std::vector<uint32_t>{2, 3, 1}));
  // A bad key field builds nothing and leaves the order in use.
  EXPECT_EQ(store.BuildTemporaryIndex(OrderBy(9)), data::kDsBadField);
  data::IDSCursor third(store);
  ASSERT_EQ(third.UseTemporaryIndex(), data::kDsOk);
  EXPECT_EQ(Records(third), (std::vector<uint32_t>{2, 3, 1}));
}

// Searching one integer column for one value: the map the store builds on
// the second search of a column must answer exactly as the linear scan does
// (first equal entry of the current order, cursor after it as after a
// scan), with duplicates, nulls, negative values, other orders, and after
// rows are appended or a kept order's slot is rebuilt.
class IntegerSearchTest : public DsBaseTest {
 protected:
  // The scan's answer: the record and the record that follows it (0 when
  // none), or {0, 0} when no entry holds `value`.
  static std::pair<uint32_t, uint32_t> Scanned(data::IDSCursor& cursor, uint32_t column, int64_t value) {
    uint32_t record = 0, next = 0;
    const auto match = [&](uint32_t r, const data::IDSCursor::RowReader& read) {
      data::FieldData v;
      return read.GetField(r, column, v) == data::kDsOk && v.state == data::FieldData::State::kValue &&
             data::SignedFieldValue(v.bytes) == value;
    };
    if (cursor.ScanFromFirst(match, record) != data::kDsOk) {
      EXPECT_EQ(cursor.GetCurrentRecord(next), data::kDsEnd);
      return {0, 0};
    }
    if (cursor.GetNextRecord(next) != data::kDsOk) next = 0;
    return {record, next};
  }
  static std::pair<uint32_t, uint32_t> Found(data::IDSCursor& cursor, uint32_t column, int64_t value) {
    uint32_t record = 0, next = 0;
    if (cursor.FindFirstInteger(column, false, value, record) != data::kDsOk) {
      EXPECT_EQ(cursor.GetCurrentRecord(next), data::kDsEnd);
      return {0, 0};
    }
    if (cursor.GetNextRecord(next) != data::kDsOk) next = 0;
    return {record, next};
  }
  // Three rounds over every value from -3 to 12: the first search of a
  // column scans, the second builds its map, the third uses it.
  void ExpectSameAnswers(data::IDSCursor& cursor, data::IDSCursor& reference, uint32_t column) {
    for (int round = 0; round < 3; ++round) {
      for (int64_t value = -3; value <= 12; ++value) {
        EXPECT_EQ(Found(cursor, column, value), Scanned(reference, column, value))
            << "column " << column << ", value " << value << ", round " << round;
      }
    }
  }
};

TEST_F(IntegerSearchTest, MapAnswersAsTheScanInEveryOrderAndAfterChanges) {
  // FIO (column 2) repeats values and holds negative ones; TEL is unique.
  ASSERT_EQ(Load(testing_support::PhonePacket(
                {{7, 3}, {2, -2}, {9, 3}, {4, 0}, {1, -2}, {8, 5}, {3, 3}, {11, 0}, {6, 10}, {5, -2}})),
            data::kDsOk);
  data::IDSCursor cursor(store), reference(store);
  ExpectSameAnswers(cursor, reference, 1);
  ExpectSameAnswers(cursor, reference, 2);

  // Another order: the first equal entry is now another record.
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1, true)), data::kDsOk);
  ASSERT_EQ(cursor.UseTemporaryIndex(), data::kDsOk);
  ASSERT_EQ(reference.UseTemporaryIndex(), data::kDsOk);
  ExpectSameAnswers(cursor, reference, 2);

  // Appended rows rebuild the orders; the maps must not answer from before.
  ASSERT_EQ(store.AppendData(Bytes(testing_support::PhonePacket({{12, -3}, {10, 12}, {0, 3}})), true),
            data::kDsOk);
  ExpectSameAnswers(cursor, reference, 1);
  ExpectSameAnswers(cursor, reference, 2);

  // A single kept order: its slot is rebuilt in place for another order.
  store.SetKeptTemporaryOrders(1);
  ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(2)), data::kDsOk);
  ASSERT_EQ(cursor.MoveToRecord(1), data::kDsOk);
  ExpectSameAnswers(cursor, reference, 2);

  // A column that does not exist matches nothing.
  uint32_t record = 0;
  EXPECT_EQ(cursor.FindFirstInteger(9, false, 3, record), data::kDsEnd);
  EXPECT_EQ(cursor.FindFirstInteger(9, false, 3, record), data::kDsEnd);
}

TEST_F(IntegerSearchTest, NullsMatchNoValueAndUnsignedReadingIsKept) {
  W w;
  w.Column("N", TypeWord(kClassSigned, 2), 0).TableProperties();
  w.Row({W::Slot::Null()}).Row({W::Slot::Value(W::Int(-1, 2))}).Row({W::Slot::Null()});
  w.Row({W::Slot::Value(W::Int(0, 2))});
  ASSERT_EQ(Load(w.Finish()), data::kDsOk);
  data::IDSCursor cursor(store), reference(store);
  ExpectSameAnswers(cursor, reference, 1);
  // The same bytes read as unsigned: -1 is 65535, and -1 is in no row.
  for (int round = 0; round < 3; ++round) {
    uint32_t record = 0;
    EXPECT_EQ(cursor.FindFirstInteger(1, true, -1, record), data::kDsEnd);
    ASSERT_EQ(cursor.FindFirstInteger(1, true, 65535, record), data::kDsOk);
    EXPECT_EQ(record, 2u);
  }
}

// Texts whose own bytes are their sort keys: the order built through the
// keys (heads of eight bytes, then the rest) must equal the order built by
// comparing, with keys that hold zero bytes, end inside the head, or agree
// in it and differ after it.
class BytesAsKeys final : public data::Collation {
 public:
  explicit BytesAsKeys(bool keys) : keys_(keys) {}
  int Compare(std::string_view a, std::string_view b, data::CaseMode) const override {
    return data::CompareSortKeys(a, b);
  }
  std::string SortKey(std::string_view text, data::CaseMode) const override { return std::string(text); }
  bool PrefersSortKeys() const override { return keys_; }

 private:
  bool keys_;
};

TEST(SortKeyOrderTest, HeadsOrderAsFullKeysDo) {
  const std::vector<std::string> texts = {std::string("AB\0", 3),
                                          "AB",
                                          "",
                                          std::string("\0", 1),
                                          "ABCDEFGH",
                                          "ABCDEFGHA",
                                          "ABCDEFGH\x01",
                                          "ABCDEFG",
                                          "\xff\xff",
                                          std::string("A\0\0\0\0\0\0\0\x01", 9),
                                          std::string("A\0\0\0\0\0\0\0", 8),
                                          "A",
                                          "ABCDEFGHB",
                                          "\x80",
                                          "ABCDEFGIA"};
  std::vector<std::pair<int16_t, std::string>> rows;
  for (size_t i = 0; i < texts.size(); ++i) rows.emplace_back(static_cast<int16_t>(i + 1), texts[i]);
  const std::string packet = testing_support::PersonPacket(rows);
  for (const bool descending : {false, true}) {
    BytesAsKeys by_keys(true), by_compare(false);
    data::IDSBase keyed(by_keys), compared(by_compare);
    ASSERT_EQ(keyed.AppendData(Bytes(packet), true), data::kDsOk);
    ASSERT_EQ(compared.AppendData(Bytes(packet), true), data::kDsOk);
    ASSERT_EQ(keyed.BuildTemporaryIndex(OrderBy(2, descending)), data::kDsOk);
    ASSERT_EQ(compared.BuildTemporaryIndex(OrderBy(2, descending)), data::kDsOk);
    data::IDSCursor a(keyed), b(compared);
    ASSERT_EQ(a.UseTemporaryIndex(), data::kDsOk);
    ASSERT_EQ(b.UseTemporaryIndex(), data::kDsOk);
    const std::vector<uint32_t> order = Records(a);
    EXPECT_EQ(order, Records(b)) << (descending ? "descending" : "ascending");
    // And the order is the keys' byte order.
    for (size_t i = 1; i < order.size(); ++i) {
      const int c = data::CompareSortKeys(texts[order[i - 1] - 1], texts[order[i] - 1]);
      EXPECT_LE(descending ? -c : c, 0) << i;
    }
  }
}

// Out of memory in every operation of the store that allocates: each of its
// allocations fails in turn (the first, then the second, ... until a run
// meets no failure). A run that met one answers `short_code` and leaves the
// store holding what it held before; given memory again, the same operation
// on that store ends as on a store that never ran short. The names sort by
// their bytes through sort keys, as the program's name order does: records
// 2, 3, 1; the first key field orders them 1, 2, 3 and descending 3, 2, 1.
struct OutOfMemoryCase {
  const char* operation;
  std::function<void(data::IDSBase&)> prepare;  // with memory
  std::function<data::DsResult(data::IDSBase&)> run;
  data::DsResult short_code;  // what a run short of memory answers
  std::string after;          // what the store holds once the run succeeded
};

// The rows, the default order, the order "BY2" and the temporary order in use.
std::string Holdings(data::IDSBase& store) {
  std::string out = "rows " + std::to_string(store.RecordCount());
  if (store.RecordCount() == 0) return out;
  data::IDSCursor cursor(store);
  const auto add = [&](const char* name) {
    out += std::string("; ") + name;
    for (const uint32_t record : Records(cursor)) out += " " + std::to_string(record);
  };
  add("default");
  if (cursor.UseIndex("BY2") == data::kDsOk) add("BY2");
  if (cursor.UseTemporaryIndex() == data::kDsOk) add("temporary");
  return out;
}

TEST(OutOfMemoryTest, EveryAllocationFailingIsReportedAndLeavesTheStoreAsItWas) {
  // Names longer than a string keeps without allocating.
  const std::string first_name(20, 'C');
  const std::string packet =
      testing_support::PersonPacket({{1, first_name}, {2, std::string(20, 'A')}, {3, std::string(20, 'B')}});
  const std::string more = testing_support::PersonPacket({{4, std::string(20, 'D')}});
  const auto load = [&](data::IDSBase& store) {
    ASSERT_EQ(store.AppendData(Bytes(packet), true), data::kDsOk);
  };
  const data::IndexDescriptor by_name = OrderBy(2);
  const std::vector<OutOfMemoryCase> cases = {
      {"AppendData", [](data::IDSBase&) {},
       [&](data::IDSBase& store) { return store.AppendData(Bytes(packet), true); }, data::kDsOutOfMemory,
       "rows 3; default 1 2 3"},
      {"AppendData appending", load,
       [&](data::IDSBase& store) { return store.AppendData(Bytes(more), true); }, data::kDsOutOfMemory,
       "rows 4; default 1 2 3 4"},
      {"CreateIndex", load, [&](data::IDSBase& store) { return store.CreateIndex(by_name); },
       data::kDsOutOfMemory, "rows 3; default 1 2 3; BY2 2 3 1"},
      {"BuildTemporaryIndex in a new place", load,
       [&](data::IDSBase& store) { return store.BuildTemporaryIndex(by_name); }, data::kDsOutOfMemory,
       "rows 3; default 1 2 3; temporary 2 3 1"},
      {"BuildTemporaryIndex in a kept order's place",
       [&](data::IDSBase& store) {
         load(store);
         store.SetKeptTemporaryOrders(1);
         ASSERT_EQ(store.BuildTemporaryIndex(OrderBy(1, true)), data::kDsOk);
       },
       [&](data::IDSBase& store) { return store.BuildTemporaryIndex(by_name); }, data::kDsOutOfMemory,
       "rows 3; default 1 2 3; temporary 2 3 1"},
      {"CheckAdoptedOrders rebuilding a wrong order",
       [&](data::IDSBase& store) {
         load(store);
         ASSERT_EQ(store.AdoptTemporaryIndex(by_name, {1, 3, 2}), data::kDsOk);
       },
       [](data::IDSBase& store) {
         bool rebuilt = false;
         const data::DsResult r = store.CheckAdoptedOrders(rebuilt);
         return r == data::kDsOk && !rebuilt ? data::kDsBadCall : r;
       },
       data::kDsOutOfMemory, "rows 3; default 1 2 3; temporary 2 3 1"},
      {"GetField", load,
       [&](data::IDSBase& store) {
         data::FieldData value;
         const data::DsResult r = store.GetField(1, 2, value);
         return r == data::kDsOk && value.bytes != first_name ? data::kDsBadCall : r;
       },
       data::kDsOutOfMemory, "rows 3; default 1 2 3"},
      // The first search of a column remembers it, the second builds its
      // map: without memory for either, the search still answers.
      {"FindFirstInteger", load,
       [](data::IDSBase& store) {
         data::IDSCursor cursor(store);
         for (int search = 0; search < 2; ++search) {
           uint32_t record = 0;
           if (cursor.FindFirstInteger(1, false, 2, record) != data::kDsOk || record != 2)
             return data::kDsBadCall;
         }
         return data::kDsOk;
       },
       data::kDsOk, "rows 3; default 1 2 3"},
  };
  for (const OutOfMemoryCase& c : cases) {
    size_t allowed = 0;
    for (;; ++allowed) {
      BytesAsKeys collation(true);
      data::IDSBase store(collation);
      c.prepare(store);
      const std::string before = Holdings(store);
      data::DsResult result;
      bool failed = false;
      {
        testing_support::FailingAllocations short_of_memory(allowed);
        result = c.run(store);
        failed = short_of_memory.Failed();
      }
      if (!failed) {
        EXPECT_EQ(result, data::kDsOk) << c.operation;
        EXPECT_EQ(Holdings(store), c.after) << c.operation;
        break;
      }
      EXPECT_EQ(result, c.short_code) << c.operation << ", allocation " << allowed + 1 << " failed";
      EXPECT_EQ(Holdings(store), before) << c.operation << ", allocation " << allowed + 1 << " failed";
      EXPECT_EQ(c.run(store), data::kDsOk) << c.operation << ", again after allocation " << allowed + 1;
      EXPECT_EQ(Holdings(store), c.after) << c.operation << ", again after allocation " << allowed + 1;
    }
    EXPECT_GT(allowed, 0u) << c.operation << " allocated nothing: no failure was tried";
  }
}

}  // namespace
