// The lookup control's value and typed search on the real person table,
// driven through the name picker and its open list.
#include "search/rx_lookup_control.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/name_picker_form.h"
#include "text/cp1251.h"

namespace {

using search::LookupKey;
using testing_support::FirstNameBeginningWith;

std::string Cp(const char8_t* utf8) {
  return text::Utf8ToCp1251(reinterpret_cast<const char*>(utf8));
}

class LookupControlTest : public testing_support::NamePickerTest {};

TEST_F(LookupControlTest, TypingIvFindsTheFirstIvNameAndTakesItsLetters) {
  const size_t at = FirstNameBeginningWith(Cp(u8"ИВ"));
  ASSERT_LT(at, Persons().size());
  const std::string& name = Persons()[at].name;
  for (const char8_t* typed : {u8"ив", u8"ИВ", u8"Ив"}) {
    SCOPED_TRACE(reinterpret_cast<const char*>(typed));
    ASSERT_EQ(CurrentName(), Persons()[0].name);  // each round starts at the first record
    Type(Cp(typed));
    EXPECT_TRUE(picker->ListVisible());
    EXPECT_EQ(CurrentKey(), Persons()[at].key);
    EXPECT_EQ(List().Value(), name);
    EXPECT_EQ(List().SearchText(), name.substr(0, 2));
    EXPECT_EQ(picker->ShownText(), name.substr(0, 2));
    EXPECT_EQ(List().HighlightedRow(), 3);  // centred by the scan
    picker->KeyDown(LookupKey::kEscape, false);
    EXPECT_EQ(picker->ShownText(), "");  // not accepted
    form->daFio->GoFirst();
  }
  EXPECT_GE(platform.Count("busy on"), 3);
  EXPECT_EQ(platform.Count("busy on"), platform.Count("busy off"));
}

TEST_F(LookupControlTest, ALetterThatContinuesNoNameIsDropped) {
  Type(Cp(u8"ив"));
  const std::string name = CurrentName();
  std::string dead;
  for (int letter = 0xE0; letter <= 0xFF && dead.empty(); ++letter) {
    const std::string candidate = Cp(u8"ив") + static_cast<char>(letter);
    if (FirstNameBeginningWith(candidate) == Persons().size())
      dead = std::string(1, static_cast<char>(letter));
  }
  ASSERT_FALSE(dead.empty());
  const int scans = platform.Count("busy on");
  Type(dead);
  EXPECT_EQ(platform.Count("busy on"), scans + 1);  // searched, found nothing
  EXPECT_EQ(List().SearchText(), name.substr(0, 2));
  EXPECT_EQ(CurrentName(), name);
  EXPECT_EQ(List().Value(), name);
  EXPECT_EQ(List().HighlightedRow(), 3);
}

TEST_F(LookupControlTest, BackspaceSearchesAgainAndTheLastLetterGoesBackToTheFirstName) {
  Type(Cp(u8"ива"));
  const size_t iva = FirstNameBeginningWith(Cp(u8"ИВА"));
  ASSERT_EQ(CurrentKey(), Persons()[iva].key);
  // With the table moved away behind the list's back, Backspace scans again.
  form->daFio->GoLast();
  Type("\b");
  EXPECT_EQ(List().SearchText(), Cp(u8"ИВ"));
  EXPECT_EQ(CurrentKey(), Persons()[FirstNameBeginningWith(Cp(u8"ИВ"))].key);
  Type("\b");
  EXPECT_EQ(List().SearchText(), Cp(u8"И"));
  Type("\b");
  EXPECT_EQ(List().SearchText(), "");
  EXPECT_EQ(CurrentKey(), Persons()[0].key);
  EXPECT_EQ(List().Value(), Persons()[0].name);
  EXPECT_EQ(picker->ShownText(), Persons()[0].name);
  Type("\b");  // nothing left to remove: still the first name
  EXPECT_EQ(CurrentKey(), Persons()[0].key);
}

TEST_F(LookupControlTest, AReadOnlyPickerNeitherOpensNorSearches) {
  picker->read_only = true;
  Type(Cp(u8"ив"));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(CurrentKey(), Persons()[0].key);
  EXPECT_TRUE(platform.log.empty());
}

TEST_F(LookupControlTest, SettingTheValueLocatesItExactlyIgnoringCase) {
  const testing_support::Person& person = Persons()[12345];
  picker->SetValue(text::ToLower(person.name));
  EXPECT_EQ(CurrentKey(), person.key);
  EXPECT_EQ(picker->DisplayValue(), person.name);  // the name's own letters
  EXPECT_EQ(picker->Text(), person.name);
  // A prefix of a name is no value of the table: the current record stays.
  picker->SetValue(person.name.substr(0, 4));
  EXPECT_EQ(CurrentKey(), person.key);
  EXPECT_EQ(picker->DisplayValue(), "");
  EXPECT_EQ(picker->Text(), "");
  picker->Reset();
  EXPECT_EQ(picker->Value(), "");
  EXPECT_EQ(CloseUps(), 0);
}

}  // namespace
