// The table facade on small packets: opening, field objects, orders chosen by
// IndexFieldNames / IndexName, SeekKey with its events, and the errors.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "data/client_data_set.h"
#include "data/database_error.h"
#include "data/integer_field.h"
#include "data/string_field.h"
#include "data/word_sort_collation.h"
#include "tests/common/table_packets.h"
#include "text/literal.h"

namespace {

using data::TDataEvent;

// Records what a table tells its observers.
class Recorder : public data::TDataSetObserver {
 public:
  void DataSetEvent(data::TDataSet&, TDataEvent event, intptr_t) override { events.push_back(event); }
  int Count(TDataEvent event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
  }
  std::vector<TDataEvent> events;
};

// A phone table: row i holds (10000 + i, key), keys given per row.
std::string PhonesWithKeys(const std::vector<int16_t>& keys) {
  std::vector<std::pair<int32_t, int16_t>> rows;
  for (size_t i = 0; i < keys.size(); ++i) rows.emplace_back(static_cast<int32_t>(20000 - i * 7), keys[i]);
  return testing_support::PhonePacket(rows);
}

class ClientDataSetTest : public ::testing::Test {
 protected:
  // Opens a phone table named daTel over `packet` with the order `order`.
  data::TClientDataSet& OpenPhones(std::string packet, std::string order = "TEL") {
    table = std::make_unique<data::TClientDataSet>(&owner, &collation);
    table->SetName("daTel");
    table->SetData(std::move(packet));
    table->SetIndexFieldNames(std::move(order));
    table->SetReadOnly(true);
    table->AttachObserver(&recorder);
    table->Open();
    recorder.events.clear();
    return *table;
  }
  int32_t Tel() const { return table->FieldByName("TEL")->AsInteger(); }
  int32_t Key() const { return table->FieldByName("FIO")->AsInteger(); }

  data::WordSortCollation collation;
  base::TComponent owner{nullptr};
  Recorder recorder;  // before the table: a table tells its observers when it is destroyed
  std::unique_ptr<data::TClientDataSet> table;
};

TEST_F(ClientDataSetTest, OpenMakesDefinitionsFieldsAndTheFirstRowOfTheOrderCurrent) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 1}, {10000, 2}, {20000, 3}}));
  EXPECT_TRUE(t.Active());
  EXPECT_EQ(t.State(), data::TDataSetState::dsBrowse);
  ASSERT_EQ(t.FieldDefs().Count(), 2u);
  EXPECT_EQ(t.FieldDefs()[0].DataType, data::TFieldType::ftInteger);
  EXPECT_EQ(t.FieldDefs()[0].Attributes, data::faRequired);
  EXPECT_EQ(t.FieldDefs()[1].DataType, data::TFieldType::ftSmallint);
  EXPECT_STREQ(t.FieldByName("tel")->ClassName(), "TIntegerField");
  EXPECT_STREQ(t.FieldByName("FIO")->ClassName(), "TSmallintField");
  EXPECT_EQ(t.FieldByName("TEL")->Origin, "TEL.TEL");
  EXPECT_EQ(t.FieldByName("FIO")->Origin, "TEL.FIO");
  EXPECT_EQ(Tel(), 10000);
  EXPECT_EQ(t.FieldByName("TEL")->AsString(), "10000");
  EXPECT_EQ(t.CurrentRecord(), 2u);
  EXPECT_EQ(t.RecordCount(), 3u);
  EXPECT_EQ(t.IndexFieldNames(), "TEL");
  EXPECT_EQ(t.IndexName(), "");
}

TEST_F(ClientDataSetTest, OpenSendsStateAndDataSetChange) {
  data::TClientDataSet t(&owner, &collation);
  t.SetData(testing_support::PhonePacket({{1, 1}}));
  t.AttachObserver(&recorder);
  t.SetStreamedActive(true);
  EXPECT_FALSE(t.Active());
  t.Loaded();
  EXPECT_TRUE(t.Active());
  EXPECT_EQ(recorder.events,
            (std::vector<TDataEvent>{TDataEvent::deUpdateState, TDataEvent::deDataSetChange}));
}

TEST_F(ClientDataSetTest, OpenFailures) {
  data::TClientDataSet t(&owner, &collation);
  t.SetName("daTel");
  try {
    t.Open();
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: Missing data provider or data packet");
  }
  std::string cut = testing_support::PhonePacket({{1, 1}, {2, 2}});
  cut.resize(cut.size() - 3);
  t.SetData(cut);
  try {
    t.Open();
    FAIL();
  } catch (const data::EDBClient& e) {
    EXPECT_EQ(e.ErrorCode(), data::kDsBadPacket);
    EXPECT_EQ(e.Message().rfind("daTel: ", 0), 0u);
    EXPECT_GT(e.Message().size(), 7u);
  }
  EXPECT_FALSE(t.Active());
  EXPECT_EQ(t.RowStore(), nullptr);
  EXPECT_EQ(t.Fields().Count(), 0u);
  // An unknown order fails the open and leaves the table closed.
  t.SetData(testing_support::PhonePacket({{1, 1}}));
  t.SetIndexFieldNames("NOPE");
  EXPECT_THROW(t.Open(), data::EDatabaseError);
  EXPECT_FALSE(t.Active());
}

TEST_F(ClientDataSetTest, SeekKeyFindsANumberOrLeavesTheCurrentRecord) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 1}, {10000, 2}, {20000, 3}, {40000, 4}}));
  int before = 0, after = 0;
  t.BeforeScroll = [&](data::TDataSet&) { ++before; };
  t.AfterScroll = [&](data::TDataSet&) { ++after; };
  ASSERT_TRUE(t.SeekKey({int64_t{20000}}));
  EXPECT_EQ(Key(), 3);
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(recorder.events,
            (std::vector<TDataEvent>{TDataEvent::deCheckBrowseMode, TDataEvent::deDataSetChange}));
  recorder.events.clear();
  EXPECT_FALSE(t.SeekKey({int64_t{25000}}));
  EXPECT_EQ(Key(), 3);
  EXPECT_EQ(before, 2);
  EXPECT_EQ(after, 2);  // raised before the search, found or not
  EXPECT_EQ(recorder.Count(TDataEvent::deDataSetChange), 0);
  // A text value goes through the field's conversion.
  EXPECT_TRUE(t.SeekKey({std::string("40000")}));
  EXPECT_EQ(Key(), 4);
  EXPECT_EQ(t.State(), data::TDataSetState::dsBrowse);
}

TEST_F(ClientDataSetTest, SeekKeyErrors) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 1}, {10000, 2}}), "FIO");
  const uint32_t current = t.CurrentRecord();
  try {
    t.SeekKey({int64_t{40000}});
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(),
              "40000 is not a valid value for field 'FIO'. The allowed range is -32768 to 32767");
  }
  try {
    t.SeekKey({int64_t{1}, int64_t{2}});
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: Field index out of range");
  }
  EXPECT_THROW(t.SeekKey({std::string("12x")}), base::EConvertError);
  EXPECT_EQ(t.State(), data::TDataSetState::dsBrowse);
  EXPECT_EQ(t.CurrentRecord(), current);
  t.SetIndexName("");
  try {
    t.SeekKey({int64_t{1}});
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: No index currently active");
  }
  try {
    t.FieldByName("TEL")->SetAsInteger(5);
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: Cannot modify a read-only dataset");
  }
}

TEST_F(ClientDataSetTest, SeekKeyOnEqualKeysFindsTheEntryTheSortLeavesFirst) {
  // The eleven keys of OrderSortTest.ElevenRowsPartitionOnceAndDifferFromAStableSort:
  // among the four rows of person 5 (records 1, 3, 5, 9) the sort leaves
  // record 9 first, so that is the row a name search finds.
  auto& t = OpenPhones(PhonesWithKeys({5, 1, 5, 2, 5, 3, 9, 4, 5, 6, 7}), "FIO");
  ASSERT_TRUE(t.SeekKey({int64_t{5}}));
  EXPECT_EQ(t.CurrentRecord(), 9u);
  EXPECT_EQ(Tel(), 20000 - 8 * 7);
  // With ten rows only the insertion pass runs, which keeps record order.
  OpenPhones(PhonesWithKeys({5, 1, 5, 2, 5, 3, 9, 4, 5, 6}), "FIO");
  ASSERT_TRUE(table->SeekKey({int64_t{5}}));
  EXPECT_EQ(table->CurrentRecord(), 1u);
}

TEST_F(ClientDataSetTest, OrderChangesKeepTheCurrentRecordAndNotify) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 2}, {10000, 3}, {20000, 1}}));
  ASSERT_TRUE(t.SeekKey({int64_t{30000}}));
  recorder.events.clear();
  t.SetIndexFieldNames("FIO");
  EXPECT_EQ(Tel(), 30000);  // same record, now in the person-key order
  EXPECT_EQ(recorder.events,
            (std::vector<TDataEvent>{TDataEvent::deCheckBrowseMode, TDataEvent::deDataSetChange}));
  ASSERT_TRUE(t.SeekKey({int64_t{1}}));
  EXPECT_EQ(Tel(), 20000);
  t.SetIndexFieldNames("TEL");
  EXPECT_EQ(Tel(), 20000);  // the row found on the name order stays current
  EXPECT_EQ(t.KeyFields(), (std::vector<uint32_t>{1}));
}

TEST_F(ClientDataSetTest, WritingTheSameOrderChangesNothingAndOtherCaseOnlyRefills) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 2}, {10000, 3}, {20000, 1}}), "FIO");
  t.SetIndexFieldNames("FIO");
  EXPECT_EQ(recorder.Count(TDataEvent::deDataSetChange), 0);
  const auto index = t.Cursor()->CurrentIndex();
  t.SetIndexFieldNames("fio");
  EXPECT_EQ(recorder.Count(TDataEvent::deDataSetChange), 1);
  EXPECT_EQ(t.IndexFieldNames(), "fio");
  EXPECT_EQ(t.Cursor()->CurrentIndex(), index);  // the descriptor is named after the field: FIO
  EXPECT_EQ(index.name, "FIO");
}

TEST_F(ClientDataSetTest, UnknownOrderFieldsFailAndLeaveTheTableAsItWas) {
  auto& t = OpenPhones(testing_support::PhonePacket({{30000, 2}, {10000, 3}}));
  ASSERT_TRUE(t.SeekKey({int64_t{30000}}));
  recorder.events.clear();
  try {
    t.SetIndexFieldNames("FIO; XYZ");
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: Field 'XYZ' not found");
  }
  EXPECT_EQ(t.IndexFieldNames(), "TEL");
  EXPECT_EQ(t.Cursor()->CurrentIndex().name, "TEL");
  EXPECT_EQ(Tel(), 30000);
  EXPECT_EQ(recorder.Count(TDataEvent::deDataSetChange), 0);
  // Writing the refused text again is refused again (it was not stored).
  EXPECT_THROW(t.SetIndexFieldNames("FIO; XYZ"), data::EDatabaseError);
}

TEST_F(ClientDataSetTest, IndexNameModeBuildsOnlyTheSelectedDefinition) {
  table = std::make_unique<data::TClientDataSet>(&owner, &collation);
  auto& t = *table;
  t.SetName("daFio");
  t.SetData(testing_support::PhonePacket({{30000, 2}, {10000, 3}, {20000, 1}}));
  t.IndexDefs().Add({"inFIO", "FIO", data::ixDescending, "", ""});
  t.IndexDefs().Add({"inKEY", "KEY", 0, "", ""});
  t.SetIndexName("inFIO");
  t.Open();
  EXPECT_EQ(t.IndexName(), "inFIO");
  EXPECT_EQ(t.IndexFieldNames(), "");
  EXPECT_EQ(Key(), 3);  // descending
  EXPECT_FALSE(t.RowStore()->HasIndex("inKEY"));
  try {
    t.SetIndexName("inKEY");
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daFio: Field 'KEY' not found");
  }
  EXPECT_EQ(t.IndexName(), "inFIO");
  EXPECT_THROW(t.SetIndexName("inNothing"), data::EDatabaseError);
  t.SetIndexName("");
  EXPECT_EQ(t.Cursor()->CurrentIndex().name, "DEFAULT_ORDER");
  EXPECT_EQ(Key(), 3);  // the current record stays
}

TEST_F(ClientDataSetTest, NullValuesReadAsZeroAndEmptyText) {
  using namespace data::packet;
  using W = data::DataPacketWriter;
  W w;
  w.Column("KEY_F", TypeWord(kClassSigned, 2), 0)
      .Column("FIO", TypeWord(kClassString, 1, kVarying), 0,
              {{"WIDTH", TypeWord(kClassUnsigned, 2), W::Int(24, 2)}})
      .TableProperties()
      .Row({W::Slot::Null(), W::Slot::Null()})
      .Row({W::Slot::Value(W::Int(-5, 2)), W::Slot::Value(W::Varying("AB", 1))});
  data::TClientDataSet t(&owner, &collation);
  t.SetData(w.Finish());
  t.Open();
  EXPECT_TRUE(t.FieldByName("KEY_F")->IsNull());
  EXPECT_EQ(t.FieldByName("KEY_F")->AsInteger(), 0);
  EXPECT_EQ(t.FieldByName("KEY_F")->AsString(), "");
  EXPECT_EQ(t.FieldByName("FIO")->AsString(), "");
  EXPECT_EQ(t.FieldByName("FIO")->Size(), 24);
  t.SetIndexFieldNames("KEY_F");  // nulls first
  EXPECT_EQ(t.CurrentRecord(), 1u);
  ASSERT_TRUE(t.SeekKey({int64_t{-5}}));
  EXPECT_EQ(t.FieldByName("KEY_F")->AsString(), "-5");
  EXPECT_EQ(t.FieldByName("FIO")->AsString(), "AB");
}

TEST_F(ClientDataSetTest, PersistentFieldsBindByNameAndMustMatch) {
  data::TClientDataSet t(&owner, &collation);
  t.SetName("daTel");
  t.SetData(testing_support::PhonePacket({{12345, 7}}));
  auto* tel = new data::TIntegerField(&owner);
  tel->SetName("daTelTEL");
  tel->SetFieldName("TEL");
  tel->SetDataSet(&t);
  t.Open();
  EXPECT_EQ(t.Fields().Count(), 1u);  // only the declared field
  EXPECT_EQ(tel->AsInteger(), 12345);
  EXPECT_EQ(tel->FieldNo(), 1);
  t.Close();
  auto* wrong = new data::TStringField(&owner);
  wrong->SetFieldName("FIO");
  wrong->SetDataSet(&t);
  try {
    t.Open();
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daTel: Type mismatch for field 'FIO', expecting: ftString actual: ftSmallint");
  }
  EXPECT_FALSE(t.Active());
}

TEST_F(ClientDataSetTest, PacketOptionsAndClosedTables) {
  using namespace data::packet;
  using W = data::DataPacketWriter;
  W w;
  w.Column("N", TypeWord(kClassSigned, 4), 0)
      .TableProperties({{"DISABLE_EDITS", TypeWord(kClassBoolean, 2), W::Int(1, 2)},
                        {"DISABLE_DELETES", TypeWord(kClassBoolean, 2), W::Int(0, 2)}})
      .Row({W::Slot::Value(W::Int(3, 4))});
  data::TClientDataSet t(&owner, &collation);
  t.SetName("daX");
  t.SetData(w.Finish());
  try {
    t.SeekKey({int64_t{3}});
    FAIL();
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "daX: Cannot perform this operation on a closed dataset");
  }
  t.SetIndexFieldNames("N");  // stored while closed, applied by Open
  EXPECT_EQ(t.IndexFieldNames(), "N");
  t.Open();
  EXPECT_EQ(t.PacketOptions(), data::TCustomClientDataSet::kDisableEdits);
  EXPECT_TRUE(t.SeekKey({int64_t{3}}));
  // Not read-only: writing outside the set-key state still needs an edit state.
  EXPECT_THROW(t.FieldByName("N")->SetAsInteger(4), data::EDatabaseError);
  t.Close();
  EXPECT_FALSE(t.Active());
  EXPECT_EQ(t.Fields().Count(), 0u);  // the default fields went with the close
  t.Open();
  EXPECT_EQ(t.FieldByName("N")->AsInteger(), 3);
}

TEST_F(ClientDataSetTest, AReadOnlyTableKeepsItsRowsOnlyInItsStoreAndReopensFromThem) {
  data::TClientDataSet& t = OpenPhones(PhonesWithKeys({3, 1, 2}));
  // Open, the packet is let go: the rows are in the store alone.
  EXPECT_TRUE(t.Data().empty());
  ASSERT_NE(t.RowStore(), nullptr);
  EXPECT_EQ(t.RecordCount(), 3u);
  t.Close();
  EXPECT_FALSE(t.Active());
  t.Open();
  EXPECT_EQ(t.RecordCount(), 3u);
  EXPECT_EQ(Tel(), 20000 - 2 * 7);  // the smallest number first, as at the first open
  EXPECT_TRUE(t.SeekKey({int64_t{20000}}));
  EXPECT_EQ(Key(), 3);

  // A new packet given while closed is the one the next open reads.
  t.Close();
  t.SetData(PhonesWithKeys({9}));
  t.Open();
  EXPECT_EQ(t.RecordCount(), 1u);
  EXPECT_EQ(Key(), 9);

  // A table that may change keeps its packet: every open starts from it.
  data::TClientDataSet editable(&owner, &collation);
  editable.SetName("daEdit");
  editable.SetData(PhonesWithKeys({5, 6}));
  editable.Open();
  EXPECT_FALSE(editable.Data().empty());
  editable.Close();
  EXPECT_EQ(editable.RowStore(), nullptr);
  editable.Open();
  EXPECT_EQ(editable.RecordCount(), 2u);
}

TEST_F(ClientDataSetTest, AViewedPacketIsReadInPlaceAndNeverCopied) {
  const std::string bytes = PhonesWithKeys({4, 8});
  const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  data::TClientDataSet editable(&owner, &collation);
  editable.SetName("daView");
  editable.SetDataView(view);
  EXPECT_EQ(editable.Data().data(), bytes.data());
  editable.Open();
  EXPECT_EQ(editable.RecordCount(), 2u);
  // Open, an editable table still reads its packet where it lies.
  EXPECT_EQ(editable.Data().data(), bytes.data());
  editable.Close();
  editable.Open();
  EXPECT_EQ(editable.RecordCount(), 2u);
  editable.Close();
  // A read-only one lets the view go with the open, as it would a copy.
  editable.SetReadOnly(true);
  editable.Open();
  EXPECT_TRUE(editable.Data().empty());
  EXPECT_EQ(editable.RecordCount(), 2u);
}

TEST_F(ClientDataSetTest, NameOrderFollowsTheCollationNotBytes) {
  const std::vector<std::pair<int16_t, std::string>> people = {{1, text::Cp1251(u8"АБВ Г").str()},
                                                               {2, text::Cp1251(u8"АБВА Б").str()},
                                                               {3, text::Cp1251(u8"ЕЖОВ А").str()},
                                                               {4, text::Cp1251(u8"ЁЛКИН Б").str()},
                                                               {5, text::Cp1251(u8"ИВАНОВ-ПЕТРОВ А").str()},
                                                               {6, text::Cp1251(u8"ИВАНОВА Б").str()},
                                                               {7, "JOHNSON A"},
                                                               {8, text::Cp1251(u8"7-Й ДОМ").str()}};
  data::TClientDataSet t(&owner, &collation);
  t.SetData(testing_support::PersonPacket(people));
  t.SetIndexFieldNames("FIO");
  t.Open();
  std::vector<int32_t> order;
  t.Cursor()->MoveToBOF();
  for (uint32_t record = 0; t.Cursor()->GetNextRecord(record) == data::kDsOk;)
    order.push_back(static_cast<int32_t>(record));
  // 7-Й ДОМ (a digit first), JOHNSON (Latin before Cyrillic), АБВ Г before АБВА Б
  // (the blank before any letter), ЕЖОВ before ЁЛКИН (Ё weighs as Е, and Ж < Л;
  // in bytes Ё 0xA8 comes before every other capital), ИВАНОВА Б before
  // ИВАНОВ-ПЕТРОВ А (the hyphen is skipped: ИВАНОВА < ИВАНОВП).
  EXPECT_EQ(order, (std::vector<int32_t>{8, 7, 1, 2, 3, 4, 6, 5}));
}

}  // namespace
