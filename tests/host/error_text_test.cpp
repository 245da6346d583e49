#include <gtest/gtest.h>

#include "app/core/error_text.h"
#include "text/cp1251.h"

namespace {

using app::ErrorBoxText;

TEST(ErrorBoxText, AFullStopFollowsLettersDigitsAndQuestionMarks) {
  EXPECT_EQ(ErrorBoxText("Field 'X' not found"), "Field 'X' not found.");
  EXPECT_EQ(ErrorBoxText(text::Utf8ToCp1251("Нет такого номера")), text::Utf8ToCp1251("Нет такого номера."));
  EXPECT_EQ(ErrorBoxText("range 0 to 32767"), "range 0 to 32767.");
  EXPECT_EQ(ErrorBoxText("Why?"), "Why?.");
  EXPECT_EQ(ErrorBoxText("path/"), "path/.");
}

TEST(ErrorBoxText, NoFullStopAfterPunctuationOrABlankAndNoneForAnEmptyMessage) {
  for (const char* message : {"Done.", "Stop!", "a,", "(x)", "trailing ", "-"}) {
    EXPECT_EQ(ErrorBoxText(message), message);
  }
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(UnexpectedErrorText, NamesTheClassModuleAndAddress) {
  const std::string text = app::UnexpectedErrorText("std::bad_alloc", "C:\\PHONEBOOK.EXE", 0x1A2B, "");
  const std::string address(sizeof(uintptr_t) * 2 - 4, '0');
  EXPECT_EQ(text, "Exception std::bad_alloc in module C:\\PHONEBOOK.EXE at " + address + "1A2B.\n");
  EXPECT_EQ(app::UnexpectedErrorText("E", "m", 0, "boom"),
            "Exception E in module m at " + std::string(sizeof(uintptr_t) * 2, '0') + ".\nboom.");
  EXPECT_EQ(app::UnexpectedErrorText("E", "m", 0, "done."),
            "Exception E in module m at " + std::string(sizeof(uintptr_t) * 2, '0') + ".\ndone.");
}

}  // namespace
