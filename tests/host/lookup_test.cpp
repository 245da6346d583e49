// Lookup fields and searches by value on small tables: the binding check,
// computed values on every fetch, missing keys, cut results, what a Lookup
// leaves unchanged, LocateRow with its options, and bookmarks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/database_error.h"
#include "data/integer_field.h"
#include "data/string_field.h"
#include "data/word_sort_collation.h"
#include "tests/common/recording_link.h"
#include "tests/common/table_packets.h"
#include "text/literal.h"

namespace {

using Log = std::vector<std::string>;
using data::LocateOptions;

class LookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    persons.SetName("daFio");
    persons.SetData(testing_support::PersonPacket({{3, "CHARLIE ONE"},
                                                   {1, "ALPHA TWO"},
                                                   {2, "BRAVO 'x' and 1=1"},
                                                   {4, "ABCDEFGHIJKLMNOPQRSTUVWX"},
                                                   {5, "alpha three"}}));
    persons.SetIndexFieldNames("FIO");
    persons.SetReadOnly(true);
    phones.SetName("daTel");
    phones.SetData(
        testing_support::PhonePacket({{10001, 1}, {10002, 2}, {10003, 9}, {10004, 4}, {10005, 3}}));
    phones.SetIndexFieldNames("TEL");
    phones.SetReadOnly(true);
    tel = new data::TIntegerField(&owner);
    tel->SetFieldName("TEL");
    tel->SetDataSet(&phones);
    key = new data::TSmallintField(&owner);
    key->SetFieldName("FIO");
    key->SetDataSet(&phones);
    name = new data::TStringField(&owner);
    name->SetFieldName("loFIO");
    name->SetLookup(true);
    name->KeyFields = "FIO";
    name->LookupDataSet = &persons;
    name->LookupKeyFields = "KEY_F";
    name->LookupResultField = "FIO";
    name->SetDataSet(&phones);
  }
  std::string Name() const { return name->AsString(); }

  data::WordSortCollation collation;
  base::TComponent owner{nullptr};
  testing_support::RecordingLink person_link;
  data::TDataSource person_source{nullptr};
  data::TClientDataSet persons{&owner, &collation};
  data::TClientDataSet phones{&owner, &collation};
  data::TIntegerField* tel = nullptr;
  data::TSmallintField* key = nullptr;
  data::TStringField* name = nullptr;
};

TEST_F(LookupTest, OpeningTheOwnerOpensTheLookupTableAndComputesEveryFetchedRow) {
  EXPECT_EQ(name->FieldKind(), data::TFieldKind::fkLookup);
  EXPECT_EQ(name->Size(), 20);
  EXPECT_FALSE(name->LookupCache());
  phones.Open();
  EXPECT_TRUE(persons.Active());
  EXPECT_EQ(tel->AsInteger(), 10001);
  EXPECT_EQ(Name(), "ALPHA TWO");
  ASSERT_TRUE(phones.SeekKey({int64_t{10005}}));
  EXPECT_EQ(Name(), "CHARLIE ONE");
  // A key with no person: the empty text, and the row still has its number.
  ASSERT_TRUE(phones.SeekKey({int64_t{10003}}));
  EXPECT_TRUE(name->IsNull());
  EXPECT_EQ(Name(), "");
  EXPECT_EQ(tel->AsInteger(), 10003);
  // A result longer than the field is cut to its size.
  ASSERT_TRUE(phones.SeekKey({int64_t{10004}}));
  EXPECT_EQ(Name(), "ABCDEFGHIJKLMNOPQRST");
  // Navigation computes the value of each row that enters the window.
  phones.GoFirst();
  EXPECT_EQ(phones.StepNext(), 1);
  EXPECT_EQ(Name(), "BRAVO 'x' and 1=1");
  // A closed lookup table gives null, not an error.
  persons.Close();
  EXPECT_EQ(phones.Step(-1), -1);
  EXPECT_EQ(Name(), "");
  EXPECT_EQ(tel->AsInteger(), 10001);
}

TEST_F(LookupTest, BindingCheckRefusesIncompleteOrUnknownNames) {
  const auto opening_fails_with = [&](const std::string& message) {
    try {
      phones.Open();
      ADD_FAILURE() << "opened";
    } catch (const data::EDatabaseError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
    EXPECT_FALSE(phones.Active());
  };
  name->LookupResultField = "";
  opening_fails_with("Lookup information for field 'loFIO' is incomplete");
  name->LookupResultField = "FIO";
  name->KeyFields = "";
  opening_fails_with("Lookup information for field 'loFIO' is incomplete");
  name->KeyFields = "NOPE";
  opening_fails_with("daTel: Field 'NOPE' not found");
  name->KeyFields = "FIO";
  name->LookupKeyFields = "KEY";
  opening_fails_with("daFio: Field 'KEY' not found");
  EXPECT_TRUE(persons.Active());  // opened before its fields were checked
  name->LookupKeyFields = "KEY_F";
  name->LookupResultField = "NAME";
  opening_fails_with("daFio: Field 'NAME' not found");
  name->LookupResultField = "FIO";
  EXPECT_THROW(name->SetLookupCache(true), data::EDatabaseError);
  name->SetLookupCache(false);
  phones.Open();
  EXPECT_EQ(Name(), "ALPHA TWO");
}

TEST_F(LookupTest, TablesThatLookEachOtherUpAreRefused) {
  // A table with declared fields gets no default ones: declare its columns too.
  auto* person_key = new data::TSmallintField(&owner);
  person_key->SetFieldName("KEY_F");
  person_key->SetDataSet(&persons);
  auto* person_name = new data::TStringField(&owner);
  person_name->SetFieldName("FIO");
  person_name->SetSize(24);
  person_name->SetDataSet(&persons);
  auto* number = new data::TIntegerField(&owner);
  number->SetFieldName("loTEL");
  number->SetLookup(true);
  number->KeyFields = "KEY_F";
  number->LookupDataSet = &phones;
  number->LookupKeyFields = "FIO";
  number->LookupResultField = "TEL";
  number->SetDataSet(&persons);
  try {
    phones.Open();
    ADD_FAILURE() << "opened";
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(std::string(e.what()), "daFio: Circular datalinks are not allowed");
  }
  EXPECT_FALSE(phones.Active());
  EXPECT_FALSE(persons.Active());
  // A lookup into its own table is refused as well.
  number->LookupDataSet = &persons;
  EXPECT_THROW(persons.Open(), data::EDatabaseError);
  // Without the loop both open.
  number->SetDataSet(nullptr);
  phones.Open();
  EXPECT_EQ(Name(), "ALPHA TWO");
}

TEST_F(LookupTest, LookupLeavesTheLookupTablesRecordWindowAndControlsAsTheyWere) {
  person_source.SetDataSet(&persons);
  person_link.SetWindowSize(3);
  person_link.SetDataSource(&person_source);
  persons.Open();
  ASSERT_TRUE(persons.LocateRow("FIO", {std::string("BRAVO 'x' and 1=1")}));
  const uint32_t record = persons.CurrentRecord();
  const int32_t active = persons.Window().ActiveIndex();
  const int32_t first = person_link.FirstRow();
  person_link.log.clear();
  phones.Open();
  ASSERT_TRUE(phones.SeekKey({int64_t{10005}}));
  EXPECT_EQ(Name(), "CHARLIE ONE");
  EXPECT_EQ(phones.StepNext(), 0);
  EXPECT_EQ(phones.Step(-4), -4);
  EXPECT_EQ(Name(), "ALPHA TWO");
  // Every lookup told the person link only to check browse mode.
  ASSERT_FALSE(person_link.log.empty());
  for (const std::string& entry : person_link.log) EXPECT_EQ(entry, "check");
  EXPECT_EQ(persons.CurrentRecord(), record);
  EXPECT_EQ(persons.Window().ActiveIndex(), active);
  EXPECT_EQ(person_link.FirstRow(), first);
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 2);
  // The next move of the person table starts from its own current row.
  EXPECT_EQ(persons.StepNext(), 1);
  EXPECT_EQ(persons.FieldByName("FIO")->AsString(), "CHARLIE ONE");
}

TEST_F(LookupTest, LookupComparesTypedValuesInTheCurrentOrder) {
  persons.Open();
  // A key text that would change a filter expression is only a text here.
  EXPECT_EQ(persons.Lookup("FIO", {std::string("BRAVO 'x' and 1=1")}, "KEY_F"), data::Variant{int64_t{2}});
  EXPECT_TRUE(data::IsNull(persons.Lookup("FIO", {std::string("BRAVO 'x'")}, "KEY_F")));
  EXPECT_TRUE(data::IsNull(persons.Lookup("FIO", {std::string("' or 1=1 or '")}, "KEY_F")));
  // A text key for an integer field is read as a number; other texts match nothing.
  EXPECT_EQ(persons.Lookup("KEY_F", {std::string("3")}, "FIO"), data::Variant{std::string("CHARLIE ONE")});
  EXPECT_TRUE(data::IsNull(persons.Lookup("KEY_F", {std::string("3 or 1=1")}, "FIO")));
  // Two key fields and two results.
  const auto both = persons.LookupValues("KEY_F;FIO", {int64_t{5}, std::string("alpha three")}, "KEY_F;FIO");
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0], data::Variant{int64_t{5}});
  EXPECT_TRUE(persons.LookupValues("KEY_F;FIO", {int64_t{5}, std::string("ALPHA THREE")}, "FIO").empty());
  EXPECT_THROW(persons.Lookup("KEY_F;FIO", {int64_t{5}}, "FIO"), data::EDatabaseError);
  EXPECT_THROW(persons.Lookup("NOPE", {int64_t{5}}, "FIO"), data::EDatabaseError);
  // A computed field cannot be a key: it has no stored value to compare.
  phones.Open();
  try {
    phones.LocateRow("loFIO", {std::string("ALPHA TWO")});
    ADD_FAILURE() << "located";
  } catch (const data::EDatabaseError& e) {
    EXPECT_EQ(std::string(e.what()), "daTel: Field 'loFIO' is of an unsupported type");
  }
  EXPECT_EQ(tel->AsInteger(), 10001);
}

TEST_F(LookupTest, LookupYieldsTheFirstMatchInTheCurrentOrder) {
  data::TClientDataSet twins(&owner, &collation);
  twins.SetName("daTwins");
  twins.SetData(testing_support::PersonPacket({{7, "ZULU"}, {7, "MIKE"}, {8, "ALPHA"}}));
  twins.SetIndexFieldNames("FIO");
  twins.Open();
  EXPECT_EQ(twins.Lookup("KEY_F", {int64_t{7}}, "FIO"), data::Variant{std::string("MIKE")});
  twins.SetIndexFieldNames("");
  EXPECT_EQ(twins.Lookup("KEY_F", {int64_t{7}}, "FIO"), data::Variant{std::string("ZULU")});
}

TEST_F(LookupTest, LocateRowExactAndByPrefixWithAndWithoutCase) {
  person_source.SetDataSet(&persons);
  person_link.SetDataSource(&person_source);
  persons.Open();
  const auto fio = [&] { return persons.FieldByName("FIO")->AsString(); };
  person_link.log.clear();
  EXPECT_TRUE(persons.LocateRow("FIO", {std::string("CHARLIE ONE")}));
  EXPECT_EQ(fio(), "CHARLIE ONE");
  EXPECT_EQ(person_link.log, (Log{"check", "changed"}));
  // Not found: nothing moves and no change is sent.
  person_link.log.clear();
  EXPECT_FALSE(persons.LocateRow("FIO", {std::string("CHARLIE")}));
  EXPECT_EQ(fio(), "CHARLIE ONE");
  EXPECT_EQ(person_link.log, (Log{"check"}));
  EXPECT_FALSE(persons.LocateRow("FIO", {std::string("charlie one")}));
  // Case-insensitive, whole value.
  EXPECT_TRUE(persons.LocateRow("FIO", {std::string("charlie one")}, {true, false}));
  EXPECT_EQ(fio(), "CHARLIE ONE");
  // By prefix: the first in the order (word sort puts "ALPHA TWO" before "alpha three").
  EXPECT_TRUE(persons.LocateRow("FIO", {std::string("AL")}, {false, true}));
  EXPECT_EQ(fio(), "ALPHA TWO");
  EXPECT_TRUE(persons.LocateRow("FIO", {std::string("alpha t")}, {false, true}));
  EXPECT_EQ(fio(), "alpha three");
  EXPECT_TRUE(persons.LocateRow("FIO", {std::string("ch")}, {true, true}));
  EXPECT_EQ(fio(), "CHARLIE ONE");
  EXPECT_FALSE(persons.LocateRow("FIO", {std::string("ch")}, {false, true}));
  EXPECT_FALSE(persons.LocateRow("FIO", {std::string("CHARLIE ONE AND MORE")}, {true, true}));
  EXPECT_EQ(fio(), "CHARLIE ONE");
}

TEST_F(LookupTest, LocateRowFoldsCyrillicCase) {
  data::TClientDataSet table(&owner, &collation);
  table.SetName("daCyr");
  table.SetData(testing_support::PersonPacket(
      {{1, text::Cp1251(u8"ЁЖИКОВ ИВАН").str()}, {2, text::Cp1251(u8"ЯКОВЛЕВ ПЁТР").str()}}));
  table.SetIndexFieldNames("FIO");
  table.Open();
  EXPECT_TRUE(table.LocateRow("FIO", {text::Cp1251(u8"яковлев пётр").str()}, {true, false}));
  EXPECT_EQ(table.FieldByName("KEY_F")->AsInteger(), 2);
  EXPECT_TRUE(table.LocateRow("FIO", {text::Cp1251(u8"ёж").str()}, {true, true}));
  EXPECT_EQ(table.FieldByName("KEY_F")->AsInteger(), 1);
  EXPECT_FALSE(table.LocateRow("FIO", {text::Cp1251(u8"ЕЖ").str()}, {true, true}));  // Ё is not Е
}

TEST_F(LookupTest, BookmarksReturnToTheMarkedRow) {
  EXPECT_EQ(persons.TakeBookmark(), 0u);
  persons.Open();
  ASSERT_TRUE(persons.LocateRow("KEY_F", {int64_t{3}}));
  const auto mark = persons.TakeBookmark();
  EXPECT_NE(mark, 0u);
  persons.GoFirst();
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 4);
  EXPECT_TRUE(persons.BookmarkUsable(mark));
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 4);
  persons.ReturnToBookmark(mark);
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 3);
  EXPECT_FALSE(persons.BookmarkUsable(999));
  EXPECT_THROW(persons.ReturnToBookmark(999), data::EDBClient);
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 3);
  persons.ReturnToBookmark(0);
  EXPECT_EQ(persons.FieldByName("KEY_F")->AsInteger(), 3);
  persons.DropBookmark(mark);
}

}  // namespace
