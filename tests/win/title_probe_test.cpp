// The application title seen from outside: copies of the title probe are
// stored under other names in a fresh folder and started as processes; the
// error box each one shows is found among the desktop's windows, its caption,
// text and owner are read, it is dismissed with OK, and the probe must then
// end with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/common/child_process.h"

namespace {

using testing_support::ChildProcess;
using testing_support::WindowClassName;
using testing_support::WindowText;

constexpr DWORD kBoxTimeoutMs = 8000;
constexpr DWORD kExitTimeoutMs = 5000;
// The id of a message box's text control.
constexpr int kMessageBoxTextId = 0xFFFF;

// A new, empty folder under the temporary folder, removed with everything
// named through File() when this object goes.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0) return;
    const std::wstring path = std::wstring(temp) + L"title_probe_" + std::to_wstring(GetCurrentProcessId()) +
                              L"_" + std::to_wstring(++counter) + L"\\";
    if (CreateDirectoryW(path.c_str(), nullptr)) path_ = path;
  }
  ~TempFolder() {
    if (path_.empty()) return;
    for (const std::wstring& file : files_) {
      // A program that has just ended may keep its file open for a moment.
      for (int attempt = 0;
           attempt < 50 && !DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND; ++attempt) {
        Sleep(20);
      }
    }
    RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  bool Created() const { return !path_.empty(); }
  // The full path of `name` in the folder; the file is deleted with the folder.
  std::wstring File(const std::wstring& name) {
    files_.push_back(path_ + name);
    return files_.back();
  }

 private:
  std::wstring path_;
  std::vector<std::wstring> files_;
};

bool IsVisibleDialog(HWND window) {
  return IsWindowVisible(window) && WindowClassName(window) == L"#32770";
}

// Runs the probe stored as `file_name` and checks that its error box is
// captioned `caption`, says "Probe.", is owned by the application window,
// and that the probe ends with code 0 once the box is dismissed.
void ExpectErrorBoxCaption(const std::wstring& file_name, const std::wstring& caption) {
  TempFolder folder;
  ASSERT_TRUE(folder.Created()) << "no temporary folder, error " << GetLastError();
  const std::wstring copy = folder.File(file_name);
  ASSERT_TRUE(CopyFileW(L"" PHONEBOOK_TITLE_PROBE_EXE, copy.c_str(), TRUE))
      << "cannot copy " << PHONEBOOK_TITLE_PROBE_EXE << ", error " << GetLastError();

  const ChildProcess probe(copy);
  ASSERT_TRUE(probe.Started()) << "CreateProcessW failed, error " << probe.StartError();
  HWND box = probe.WaitForTopWindow(IsVisibleDialog, kBoxTimeoutMs);
  if (!box) {
    const std::optional<DWORD> code = probe.WaitForExit(0);
    FAIL() << (code ? "the probe ended with exit code " + std::to_string(*code) + " and showed no message box"
                    : "no message box within " + std::to_string(kBoxTimeoutMs) + " ms");
  }

  EXPECT_EQ(WindowText(box), caption);
  EXPECT_EQ(WindowText(GetDlgItem(box, kMessageBoxTextId)), L"Probe.");
  EXPECT_EQ(WindowClassName(GetWindow(box, GW_OWNER)), L"PhonebookApplication");
  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr) << "the box has no OK button";

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  const std::optional<DWORD> exit_code = probe.WaitForExit(kExitTimeoutMs);
  ASSERT_TRUE(exit_code.has_value()) << "the probe still runs " << kExitTimeoutMs << " ms after OK";
  EXPECT_EQ(*exit_code, 0u);
}

TEST(TitleProbe, UpperCaseNameGivesTheNameWithOneCapital) {
  ExpectErrorBoxCaption(L"VIRAVOZ.EXE", L"Viravoz");
}

TEST(TitleProbe, NameIsCutAtTheFirstDotAndItsFirstLetterKeepsItsCase) {
  ExpectErrorBoxCaption(L"my.phones.exe", L"my");
}

TEST(TitleProbe, CyrillicNameComesThroughTheSystemsFileName) {
  ExpectErrorBoxCaption(L"ТЕЛЕФОНЫ.ГОРОДА.EXE", L"Телефоны");
}

}  // namespace
