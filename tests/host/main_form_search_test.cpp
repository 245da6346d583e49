// The two searches of the real main window, read from its compiled
// description on the host: the answer in the result memo, every number
// through the number field's Enter, every 97th person through the closing of
// the name list, and the failures (conversion errors, a step of the name
// search that fails).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/forms/main_form.h"
#include "base/exception.h"
#include "data/datapacket_writer.h"
#include "data/word_sort_collation.h"
#include "tests/common/directory_search.h"
#include "tests/common/directory_tables.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/recording_mask_screen.h"
#include "tests/common/recording_peer.h"
#include "tests/common/shipped_directory.h"
#include "tests/common/table_packets.h"
#include "text/literal.h"

namespace {

using testing_support::RecordingMaskScreen;

constexpr auto kTitle = text::Cp1251(u8" *** Результат. ***");
constexpr auto kNameLabel = text::Cp1251(u8"Фамилия - ");
constexpr auto kNumberLabel = text::Cp1251(u8"Телефон - ");
constexpr auto kNothingYet = text::Cp1251(u8"Пока ничего нет!");

std::vector<std::string> Answer(const std::string& name, int number) {
  return {kTitle.str(), kNameLabel.str() + name, kNumberLabel.str() + std::to_string(number)};
}

class MainFormSearchTest : public ::testing::Test {
 protected:
  MainFormSearchTest() {
    testing_support::LoadFormStream("tmainform.stream", *form);
    f.meResult->SetPeer(&memo);
    screen = std::make_unique<RecordingMaskScreen>(*f.MaskEdit1);
  }
  ~MainFormSearchTest() override { f.meResult->SetPeer(nullptr); }

  // Enter in the number field as the platform delivers it: the message
  // of the error it raises, or "" when none.
  std::string PressEnter() {
    char key = '\r';
    try {
      f.MaskEdit1->KeyDown(search::MaskKey::kOther, {});
      f.MaskEdit1->KeyPress(key);
    } catch (const base::Exception& e) {
      return std::string(e.ClassName()) + ": " + e.Message();
    }
    EXPECT_EQ(key, '\r');  // never changed
    return "";
  }
  // The person's name as the lookup field yields it (at most its size).
  std::string LookupName(const std::string& name) const {
    return name.substr(0, static_cast<size_t>(f.daTelloFIO->Size()));
  }

  base::TComponent application{nullptr};
  app::TMainForm* form = new app::TMainForm(&application);
  app::TMainForm& f = *form;
  testing_support::RecordingPeer memo;
  std::unique_ptr<RecordingMaskScreen> screen;  // made once the field exists
};

TEST_F(MainFormSearchTest, TheFirstAnswerTurnsTheMemoLeftJustifiedAndLaterOnesReplaceIt) {
  ASSERT_EQ(f.meResult->lines.lines, (std::vector<std::string>{kNothingYet.str()}));
  ASSERT_EQ(f.meResult->alignment, ui::TAlignment::taCenter);
  const tools::DirectoryPerson& person = testing_support::ShippedDirectory().persons.front();
  const int number = person.numbers.front();
  f.MaskEdit1->Enter(false);
  screen->Type(std::to_string(number));
  EXPECT_EQ(PressEnter(), "");
  EXPECT_EQ(f.meResult->lines.lines, Answer(LookupName(person.name), number));
  EXPECT_EQ(f.meResult->alignment, ui::TAlignment::taLeftJustify);
  EXPECT_EQ(memo.Count(ui::ControlChange::kAlignment), 1);
  EXPECT_EQ(memo.Count(ui::ControlChange::kText), 1);  // the three lines as one text
  // The field is back to its empty template, cursor on place 0, not modified.
  EXPECT_EQ(f.MaskEdit1->EditText(), "_-__-__");
  EXPECT_EQ(f.MaskEdit1->State().sel_end, 1);
  EXPECT_FALSE(f.MaskEdit1->Modified());
  EXPECT_EQ(screen->beeps, 0);
  // Another answer, the result window hidden: written all the same, no new alignment.
  f.twResult->SetVisible(false);
  const tools::DirectoryPerson& last = testing_support::ShippedDirectory().persons.back();
  f.MaskEdit1->SetText(std::to_string(last.numbers.back()));
  EXPECT_EQ(PressEnter(), "");
  EXPECT_EQ(f.meResult->lines.lines, Answer(LookupName(last.name), last.numbers.back()));
  EXPECT_EQ(memo.Count(ui::ControlChange::kAlignment), 1);
}

TEST_F(MainFormSearchTest, EveryNumberGivesItsOwnerAndItself) {
  size_t searched = 0;
  for (const tools::DirectoryPerson& person : testing_support::ShippedDirectory().persons) {
    const std::vector<std::string> name_line = {LookupName(person.name)};
    for (const int number : person.numbers) {
      f.MaskEdit1->SetText(std::to_string(number));
      ASSERT_EQ(PressEnter(), "") << number;
      ASSERT_EQ(f.meResult->lines.lines, Answer(name_line[0], number)) << number;
      ASSERT_EQ(f.MaskEdit1->EditText(), "_-__-__");
      ++searched;
    }
  }
  EXPECT_EQ(searched, testing_support::ShippedNumberCount());
  EXPECT_EQ(f.daTel->IndexFieldNames(), "TEL");
}

TEST_F(MainFormSearchTest, EveryNinetySeventhPersonThroughTheNameSearch) {
  // The reference: the phone table in person-key order, searched directly.
  const data::WordSortCollation collation;
  testing_support::DirectorySearch reference(
      &collation, testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "fio.packet"),
      testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "tel.packet"));
  reference.tel.SetIndexFieldNames("FIO");
  const auto& persons = testing_support::ShippedDirectory().persons;
  size_t searched = 0;
  for (size_t i = 0; i < persons.size(); i += 97) {
    const int key = static_cast<int>(i) + 1;
    ASSERT_TRUE(f.daFio->LocateRow("KEY_F", {std::int64_t{key}})) << key;
    ASSERT_TRUE(reference.tel.SeekKey({std::int64_t{key}})) << key;
    const int number = reference.tel_number->AsInteger();
    f.RxDBLookupCombo1->on_close_up(f.RxDBLookupCombo1);
    ASSERT_EQ(f.meResult->lines.lines, Answer(LookupName(persons[i].name), number)) << key;
    ASSERT_NE(std::find(persons[i].numbers.begin(), persons[i].numbers.end(), number),
              persons[i].numbers.end());
    ASSERT_EQ(f.daTel->IndexFieldNames(), "TEL");
    ++searched;
  }
  EXPECT_EQ(searched, (persons.size() + 96) / 97);
  // A number search after a name search still searches by number.
  const tools::DirectoryPerson& person = persons[persons.size() / 2];
  f.MaskEdit1->SetText(std::to_string(person.numbers.back()));
  EXPECT_EQ(PressEnter(), "");
  EXPECT_EQ(f.meResult->lines.lines, Answer(LookupName(person.name), person.numbers.back()));
}

TEST_F(MainFormSearchTest, TextsThatDoNotConvertRaiseTheConversionErrorAndChangeNothing) {
  const std::vector<std::string> before = f.meResult->lines.lines;
  f.MaskEdit1->Enter(false);
  EXPECT_EQ(PressEnter(), "EConvertError: '' is not a valid integer value");
  EXPECT_EQ(f.MaskEdit1->EditText(), "_-__-__");
  // *1-_3-45*: an empty place between digits reads as a blank.
  screen->Type("12345");
  f.MaskEdit1->KeyDown(search::MaskKey::kHome, {});
  f.MaskEdit1->KeyDown(search::MaskKey::kRight, {});
  f.MaskEdit1->KeyDown(search::MaskKey::kDelete, {});
  ASSERT_EQ(f.MaskEdit1->EditText(), "1-_3-45");
  EXPECT_EQ(PressEnter(), "EConvertError: '1 345' is not a valid integer value");
  EXPECT_EQ(f.MaskEdit1->EditText(), "1-_3-45");
  EXPECT_TRUE(f.MaskEdit1->Modified());
  EXPECT_TRUE(f.MaskEdit1->Focused());
  EXPECT_EQ(screen->beeps, 0);  // the field's own Enter check did not run
  EXPECT_EQ(f.meResult->lines.lines, before);
  EXPECT_EQ(memo.Count(ui::ControlChange::kText), 0);
}

TEST_F(MainFormSearchTest, PartialAndUnknownNumbersAreSearchedAndTheFieldCleared) {
  const std::vector<std::string> before = f.meResult->lines.lines;
  f.MaskEdit1->Enter(false);
  for (const char* typed : {"123", "-2345", "99999"}) {
    screen->Type(typed);
    EXPECT_EQ(PressEnter(), "") << typed;
    EXPECT_EQ(f.MaskEdit1->EditText(), "_-__-__") << typed;
    EXPECT_FALSE(f.MaskEdit1->Modified());
    EXPECT_EQ(f.meResult->lines.lines, before) << typed;
  }
  // Keys other than Enter start no search.
  const tools::DirectoryPerson& person = testing_support::ShippedDirectory().persons.front();
  f.MaskEdit1->SetText(std::to_string(person.numbers.front()));
  char key = '\t';
  f.MaskEdit1KeyPress(f.MaskEdit1, key);
  EXPECT_EQ(key, '\t');
  EXPECT_EQ(f.meResult->lines.lines, before);
  EXPECT_EQ(f.MaskEdit1->Text(), std::to_string(person.numbers.front()));
}

TEST_F(MainFormSearchTest, NameSearchRestoresTheOrderWhenAStepFails) {
  // Reading the key fails: a key field that holds the person's name.
  data::TField* key_field = f.daFioKEY_F;
  f.daFioKEY_F = f.daFioFIO;
  EXPECT_THROW(f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1), base::EConvertError);
  EXPECT_EQ(f.daTel->IndexFieldNames(), "TEL");
  // The key search fails: a key beyond the 16-bit person key (a phone number
  // above 32767, read from the phone table's current record).
  int big = 0;
  for (const tools::DirectoryPerson& person : testing_support::ShippedDirectory().persons) {
    if (person.numbers.front() > 40000) big = person.numbers.front();
  }
  ASSERT_GT(big, 32767);
  f.MaskEdit1->SetText(std::to_string(big));
  ASSERT_EQ(PressEnter(), "");
  const std::vector<std::string> answer = f.meResult->lines.lines;
  f.daFioKEY_F = f.daTelTEL;
  EXPECT_THROW(f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1), base::Exception);
  EXPECT_EQ(f.daTel->IndexFieldNames(), "TEL");
  EXPECT_EQ(f.meResult->lines.lines, answer);
  // The number search afterwards still finds by number.
  f.daFioKEY_F = key_field;
  const tools::DirectoryPerson& person = testing_support::ShippedDirectory().persons.back();
  f.MaskEdit1->SetText(std::to_string(person.numbers.front()));
  EXPECT_EQ(PressEnter(), "");
  EXPECT_EQ(f.meResult->lines.lines, Answer(LookupName(person.name), person.numbers.front()));
}

TEST_F(MainFormSearchTest, TheNumberLineShowsTheNumbersTextAndNothingForANumberWithoutAValue) {
  // A phone table whose first person's number has no value and whose
  // second person's number is negative.
  using Writer = data::DataPacketWriter;
  using namespace data::packet;
  Writer packet;
  packet.Column("TEL", TypeWord(kClassSigned, 4), 0, {testing_support::Origin("TEL.TEL")})
      .Column("FIO", TypeWord(kClassSigned, 2), kRequired, {testing_support::Origin("TEL.FIO")})
      .TableProperties();
  packet.Row({Writer::Slot::Null(), Writer::Slot::Value(Writer::Int(1, 2))});
  packet.Row({Writer::Slot::Value(Writer::Int(-5, 4)), Writer::Slot::Value(Writer::Int(2, 2))});
  f.daTel->Close();
  f.daTel->SetData(packet.Finish());
  f.daTel->Open();
  const auto& persons = testing_support::ShippedDirectory().persons;
  ASSERT_TRUE(f.daFio->LocateRow("KEY_F", {std::int64_t{1}}));
  f.RxDBLookupCombo1->on_close_up(f.RxDBLookupCombo1);
  EXPECT_EQ(f.meResult->lines.lines,
            (std::vector<std::string>{kTitle.str(), kNameLabel.str() + LookupName(persons[0].name),
                                      kNumberLabel.str()}));
  ASSERT_TRUE(f.daFio->LocateRow("KEY_F", {std::int64_t{2}}));
  f.RxDBLookupCombo1->on_close_up(f.RxDBLookupCombo1);
  EXPECT_EQ(f.meResult->lines.lines.back(), kNumberLabel.str() + "-5");
}

TEST_F(MainFormSearchTest, NoNameSearchWhileTheWindowIsDestroyed) {
  f.daFioKEY_F = f.daFioFIO;  // a search now would fail
  f.MarkDestroying();
  EXPECT_NO_THROW(f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1));
  EXPECT_EQ(memo.Count(ui::ControlChange::kText), 0);
}

TEST_F(MainFormSearchTest, EnterAndClickSelectTheWholeField) {
  f.MaskEdit1->SetText("123");
  f.MaskEdit1->Enter(true);  // by a mouse press: AutoSelect skipped, MaskEdit1Enter selects all
  EXPECT_EQ(f.MaskEdit1->State().sel_start, 0);
  EXPECT_EQ(f.MaskEdit1->State().sel_end, 7);
  f.MaskEdit1->MouseDown(ui::TMouseButton::mbLeft, 0, 10, 5);
  f.MaskEdit1->ScreenSelected(4, 4);
  f.MaskEdit1->Click();  // MaskEdit1Click
  f.MaskEdit1->MouseUp(ui::TMouseButton::mbLeft, 0, 10, 5);
  EXPECT_EQ(f.MaskEdit1->State().sel_start, 0);
  EXPECT_EQ(f.MaskEdit1->State().sel_end, 7);
  screen->Type("5");
  EXPECT_EQ(f.MaskEdit1->EditText(), "5-__-__");
}

}  // namespace
