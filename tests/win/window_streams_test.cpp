// The embedded window streams, found among the executable's resources as the
// program finds them and read into the program's classes.
#include "resources/window_resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "about/fm_about.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "base/exception.h"
#include "resources/component_reader.h"
#include "tests/common/embedded_streams.h"
#include "tests/driver/screen_checks.h"

namespace {

// The shipped directory source's counts (Wine sees the host's files as Z:).
const driver::DirectoryPairs& ShippedDirectory() {
  static const driver::DirectoryPairs pairs = [] {
    std::ifstream file(PHONEBOOK_DIRECTORY_SOURCE, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::string error;
    auto read = driver::DirectoryPairs::Parse(bytes.str(), &error);
    EXPECT_TRUE(read.has_value()) << PHONEBOOK_DIRECTORY_SOURCE << ": " << error;
    return read.value_or(driver::DirectoryPairs{});
  }();
  return pairs;
}

std::string MissingMessage(const char* class_name, HMODULE module) {
  try {
    resources::FindWindowStream(class_name, module);
  } catch (const base::Exception& error) {
    return error.Message();
  }
  return "";
}

TEST(WindowResourceTest, MissingStreamIsReportedByClassName) {
  EXPECT_EQ(MissingMessage("TNoSuchForm", nullptr), "Resource TNoSuchForm not found");
}

void Read(base::TComponent& window, const char* class_name, HMODULE module = nullptr) {
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  resources::ReadComponentStream(resources::FindWindowStream(class_name, module), window, registry);
}

TEST(WindowResourceTest, MainWindowReadsFromItsResourceWithBothTablesOpen) {
  base::TComponent application(nullptr);
  auto* form = new app::TMainForm(&application);
  Read(*form, "TMainForm");  // the lookup ignores case: stored as TMAINFORM
  EXPECT_EQ(form->Name(), "MainForm");
  EXPECT_EQ(form->Components().size(), 25u);
  ASSERT_NE(form->daFio, nullptr);
  ASSERT_NE(form->daTel, nullptr);
  EXPECT_TRUE(form->daFio->Active());
  EXPECT_TRUE(form->daTel->Active());
  EXPECT_EQ(form->daFio->RecordCount(), ShippedDirectory().Persons());
  EXPECT_EQ(form->daTel->RecordCount(), ShippedDirectory().Numbers());
  ASSERT_NE(form->RxDBLookupCombo1, nullptr);
  EXPECT_EQ(form->RxDBLookupCombo1->lookup_source, form->dsFio);
  ASSERT_NE(form->twResult, nullptr);
  EXPECT_EQ(form->twResult->default_dock, form->doBott);
  EXPECT_EQ(form->twResult->Parent(), form->doBott);
  ASSERT_NE(form->TBVisibilityToggleItem1, nullptr);
  EXPECT_EQ(form->TBVisibilityToggleItem1->control, form->twResult);
  ASSERT_NE(form->daTelloFIO, nullptr);
  EXPECT_EQ(form->daTelloFIO->LookupDataSet, form->daFio);
  EXPECT_EQ(form->MaskEdit1->on_key_press.MethodName(), "MaskEdit1KeyPress");
}

TEST(WindowResourceTest, AboutWindowReadsFromItsResource) {
  base::TComponent application(nullptr);
  auto* about = new about::TfmAbout(&application);
  Read(*about, "TFMABOUT");
  EXPECT_EQ(about->Name(), "fmAbout");
  ASSERT_NE(about->laButtomClose, nullptr);
  EXPECT_EQ(about->laButtomClose->Parent(), about->Panel1);
  ASSERT_NE(about->me, nullptr);
  EXPECT_EQ(about->me->lines.lines.size(), 9u);
}

TEST(WindowResourceTest, TheProgramCarriesBothStreams) {
  HMODULE program = LoadLibraryExA(PHONEBOOK_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr) << PHONEBOOK_EXE;
  base::TComponent application(nullptr);
  auto* about = new about::TfmAbout(&application);
  Read(*about, "TfmAbout", program);
  EXPECT_EQ(about->client_width, 343);
  EXPECT_GT(resources::FindWindowStream("TMainForm", program).size(), 630000u);
  EXPECT_EQ(MissingMessage("TOtherForm", program), "Resource TOtherForm not found");
  FreeLibrary(program);
}

}  // namespace
