// The real main window read on the host (its compiled description with the
// built person and phone packets), its name picker wired to a recording
// platform, and the person table's name order read once, for the tests of
// the picker, its list and the typed search.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/forms/main_form.h"
#include "resources/event.h"
#include "search/rx_db_lookup_combo.h"
#include "tests/common/directory_tables.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/recording_lookup_platform.h"
#include "text/case_map.h"

namespace testing_support {

struct Person {
  std::string name;  // 1251
  int key = 0;
};

// Every person of the built person packet, in the table's name order.
inline const std::vector<Person>& PersonsInNameOrder() {
  static const std::vector<Person> persons = [] {
    data::TClientDataSet table(nullptr);
    OpenTable(table, "daFio", ReadFileBytes(PHONEBOOK_PACKET_DIR, "fio.packet"), "FIO");
    std::vector<Person> all;
    do {
      all.push_back({table.FieldByName("FIO")->AsString(), table.FieldByName("KEY_F")->AsInteger()});
    } while (table.Step(1) == 1);
    return all;
  }();
  return persons;
}

// The position in the name order of the first name beginning with `prefix`
// (letter case ignored), or the number of persons when none does.
inline size_t FirstNameBeginningWith(std::string_view prefix) {
  const std::string wanted = text::ToUpper(prefix);
  const auto& persons = PersonsInNameOrder();
  const auto it = std::find_if(persons.begin(), persons.end(), [&](const Person& p) {
    return text::ToUpper(p.name).compare(0, wanted.size(), wanted) == 0;
  });
  return static_cast<size_t>(it - persons.begin());
}

// The left button pressed, moved with and released on `control`, at its
// client coordinates, as the view hands them on.
inline void Press(ui::TControl& control, int x, int y) {
  control.MouseDown(ui::TMouseButton::mbLeft, 1u << ui::ssLeft, x, y);
}
inline void Drag(ui::TControl& control, int x, int y) {
  control.MouseMove(1u << ui::ssLeft, x, y);
}
inline void Release(ui::TControl& control, int x, int y) {
  control.MouseUp(ui::TMouseButton::mbLeft, 0, x, y);
}

// Counts the closings of the picker's list on their way to the window's
// handler (the name search), which still runs.
class CloseUpCounter : public base::TComponent {
 public:
  using TComponent::TComponent;
  void CloseUp(base::TComponent* sender) {
    ++count;
    if (form) form->RxDBLookupCombo1CloseUp(sender);
  }
  app::TMainForm* form = nullptr;
  int count = 0;
};

class NamePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new app::TMainForm(&application);
    LoadFormStream("tmainform.stream", *form);
    picker = form->RxDBLookupCombo1;
    ASSERT_NE(picker, nullptr);
    picker->SetPlatform(&platform);
    close_ups.form = form;
    picker->on_close_up.Bind(close_ups,
                             resources::PublishedMethod<&CloseUpCounter::CloseUp>("RxDBLookupCombo1CloseUp"));
  }
  void TearDown() override {
    if (picker) picker->SetPlatform(nullptr);
  }

  static const std::vector<Person>& Persons() { return PersonsInNameOrder(); }
  search::TRxPopupDataList& List() { return picker->List(); }
  std::string CurrentName() const { return form->daFioFIO->AsString(); }
  int CurrentKey() const { return form->daFioKEY_F->AsInteger(); }
  // How often the form's close-up handler ran.
  int CloseUps() const { return close_ups.count; }
  // Each character of `cp1251` to the picker, as typed.
  void Type(std::string_view cp1251) {
    for (char c : cp1251) picker->KeyPress(c);
  }

  RecordingLookupPlatform platform;
  CloseUpCounter close_ups{nullptr};
  base::TComponent application{nullptr};
  app::TMainForm* form = nullptr;
  search::TRxDBLookupCombo* picker = nullptr;
};

}  // namespace testing_support
