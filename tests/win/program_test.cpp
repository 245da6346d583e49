// The program itself, started as a user starts it: it shows its main window
// and ends with exit code 0 when that window is closed, with the About window
// shown or not.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/common/child_process.h"

#ifdef PHONEBOOK_WINDOW_STREAMS_EMBEDDED

namespace {

using testing_support::ChildProcess;
using testing_support::WindowClassName;

constexpr DWORD kWaitMs = 15000;

HWND WaitForVisible(const ChildProcess& program, const wchar_t* class_name) {
  return program.WaitForTopWindow(
      [class_name](HWND w) { return IsWindowVisible(w) && WindowClassName(w) == class_name; }, kWaitMs);
}

HWND ChildOfClass(HWND parent, const wchar_t* class_name) {
  struct Search {
    const wchar_t* name;
    HWND found;
  } search{class_name, nullptr};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(p);
        if (WindowClassName(w) != s.name) return TRUE;
        s.found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ProgramTest, AltF4OnTheMainWindowEndsTheProgramWithZero) {
  ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND main = WaitForVisible(program, L"TMainForm");
  ASSERT_NE(main, nullptr) << "no main window";
  // The controls are there, the memo with its first text.
  HWND memo = ChildOfClass(main, L"TMemo");
  ASSERT_NE(memo, nullptr);
  EXPECT_GT(SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0), 0);
  PostMessageW(main, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

TEST(ProgramTest, ClosingTheMainWindowWhileAboutShowsEndsTheProgramWithZero) {
  ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND main = WaitForVisible(program, L"TMainForm");
  ASSERT_NE(main, nullptr) << "no main window";
  // "O..." is the toolbar's last item: a click near the bar's right end.
  HWND toolbar = ChildOfClass(main, L"TTBToolbar");
  ASSERT_NE(toolbar, nullptr);
  RECT client;
  GetClientRect(toolbar, &client);
  const LPARAM at = MAKELPARAM(client.right - 4, client.bottom / 2);
  PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(toolbar, WM_LBUTTONUP, 0, at);
  ASSERT_NE(WaitForVisible(program, L"TfmAbout"), nullptr) << "the About window did not show";
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

}  // namespace

#endif  // PHONEBOOK_WINDOW_STREAMS_EMBEDDED
