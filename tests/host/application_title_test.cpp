#include <gtest/gtest.h>

#include "app/core/application_title.h"
#include "text/cp1251.h"

namespace {

using app::ApplicationTitle;

TEST(ApplicationTitle, FileNameCutAtTheFirstDotAndLowerCasedAfterTheFirstCharacter) {
  EXPECT_EQ(ApplicationTitle("VIRAVOZ.EXE"), "Viravoz");
  EXPECT_EQ(ApplicationTitle("My.Phones.exe"), "My");
  // The first character keeps its case, whatever it is.
  EXPECT_EQ(ApplicationTitle("my.phones.exe"), "my");
  EXPECT_EQ(ApplicationTitle("phonebook.exe"), "phonebook");
}

TEST(ApplicationTitle, FoldersAndDrivesAreDropped) {
  EXPECT_EQ(ApplicationTitle("C:\\Program Files\\Town.Dir\\PHONEBOOK.EXE"), "Phonebook");
  EXPECT_EQ(ApplicationTitle("/opt/apps/VIRAVOZ.EXE"), "Viravoz");
  EXPECT_EQ(ApplicationTitle("C:VIRAVOZ.EXE"), "Viravoz");
}

TEST(ApplicationTitle, NamesWithoutADotOrWithCyrillicLetters) {
  EXPECT_EQ(ApplicationTitle("C:\\APPS\\PHONEBOOK"), "Phonebook");
  EXPECT_EQ(ApplicationTitle(text::Utf8ToCp1251("D:\\СПРАВОЧНИК.EXE")), text::Utf8ToCp1251("Справочник"));
  EXPECT_EQ(ApplicationTitle(".hidden.exe"), "");
  EXPECT_EQ(ApplicationTitle("C:\\dir\\"), "");
}

}  // namespace
