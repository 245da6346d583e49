// The program itself, started as a user starts it: it shows its main window
// and ends with exit code 0 when that window is closed, with the About window
// shown or not, and after a click on the floating result window; its menus
// reach the About window from the keyboard alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/common/child_process.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/real_input.h"

namespace {

using testing_support::ChildProcess;
using testing_support::WindowClassName;

constexpr DWORD kWaitMs = 15000;

HWND WaitForVisible(const ChildProcess& program, const wchar_t* class_name) {
  return program.WaitForTopWindow(
      [class_name](HWND w) { return IsWindowVisible(w) && WindowClassName(w) == class_name; }, kWaitMs);
}

// The program's main window once it shows, made the foreground window for
// real input; null when it does not show or the keys do not reach it.
HWND ForegroundMainWindow(const ChildProcess& program) {
  HWND main = WaitForVisible(program, L"TMainForm");
  if (!main) return nullptr;
  SetForegroundWindow(main);
  return testing_support::WaitUntilKeysReach(main, kWaitMs) ? main : nullptr;
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

TEST(ProgramTest, AltF4AfterAClickOnTheFloatingResultWindowEndsTheProgramWithZero) {
  ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND main = ForegroundMainWindow(program);
  ASSERT_NE(main, nullptr) << "no main window taking the keys";
  // The result window dragged out by its handle with real input.
  HWND result = ChildOfClass(main, L"TTBToolWindow");
  ASSERT_NE(result, nullptr);
  RECT r;
  GetWindowRect(result, &r);
  const POINT handle{r.left + 5, (r.top + r.bottom) / 2};
  {
    testing_support::InputSender drag(
        testing_support::DragInputs(handle, POINT{handle.x + 40, handle.y + 160}));
  }
  HWND frame = WaitForVisible(program, L"TTBFloatingWindowParent");
  ASSERT_NE(frame, nullptr) << "the result window did not float";
  Sleep(300);
  // A click on the memo in the floating window leaves the main window active.
  HWND memo = ChildOfClass(frame, L"TMemo");
  ASSERT_NE(memo, nullptr);
  RECT memo_rect;
  GetWindowRect(memo, &memo_rect);
  testing_support::Click(
      POINT{(memo_rect.left + memo_rect.right) / 2, (memo_rect.top + memo_rect.bottom) / 2});
  Sleep(300);
  EXPECT_EQ(GetForegroundWindow(), main);
  testing_support::PressKey(VK_F4, testing_support::kAlt);
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

// The classes of the program's top-level windows, hidden ones too, sorted;
// the system's own (an input method's) left out.
std::vector<std::wstring> TopLevelClasses(const ChildProcess& program) {
  std::vector<std::wstring> classes;
  program.FindTopWindow([&classes](HWND w) {
    std::wstring name = WindowClassName(w);
    if (name != L"IME" && name != L"MSCTFIME UI") classes.push_back(std::move(name));
    return false;
  });
  std::sort(classes.begin(), classes.end());
  return classes;
}

// Whether the program has a message-only window of `class_name`.
bool HasMessageWindow(const ChildProcess& program, const wchar_t* class_name) {
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, class_name, nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, class_name, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == program.Id()) return true;
  }
  return false;
}

TEST(ProgramTest, StartsWithTheWindowsItShowsAndMakesTheNameListWhenItFirstOpens) {
  ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND main = ForegroundMainWindow(program);
  ASSERT_NE(main, nullptr) << "no main window taking the keys";
  ASSERT_TRUE(program.WaitForIdle(kWaitMs));
  // The About window, the name list and the window that runs the menus'
  // choices are made when first needed.
  EXPECT_EQ(TopLevelClasses(program), (std::vector<std::wstring>{L"PhonebookApplication", L"TMainForm"}));
  EXPECT_FALSE(HasMessageWindow(program, L"PhonebookToolbarUtility"));

  HWND picker = ChildOfClass(main, L"TRxDBLookupCombo");
  ASSERT_NE(picker, nullptr);
  RECT r;
  GetWindowRect(picker, &r);
  testing_support::Click(POINT{r.right - 4, (r.top + r.bottom) / 2});
  HWND list = WaitForVisible(program, L"TRxPopupDataList");
  ASSERT_NE(list, nullptr) << "the list did not open";
  // The list shows the first names of the directory in the system's order.
  EXPECT_GT(SendMessageW(list, WM_GETTEXTLENGTH, 0, 0), 0);
  testing_support::PressKey(VK_ESCAPE);
  ASSERT_TRUE(program.WaitForTopWindow(
      [](HWND w) { return WindowClassName(w) == L"TRxPopupDataList" && !IsWindowVisible(w); }, kWaitMs));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

TEST(ProgramTest, F10RightRightEnterShowsTheAboutWindowAndEscHidesIt) {
  ChildProcess program(L"" PHONEBOOK_EXE);
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND main = ForegroundMainWindow(program);
  ASSERT_NE(main, nullptr) << "no main window taking the keys";
  for (const int key : {VK_F10, VK_RIGHT, VK_RIGHT, VK_RETURN})
    testing_support::PressKey(static_cast<WORD>(key));
  HWND about = WaitForVisible(program, L"TfmAbout");
  ASSERT_NE(about, nullptr) << "the About window did not show";
  // The choice made the window that runs it.
  EXPECT_TRUE(HasMessageWindow(program, L"PhonebookToolbarUtility"));
  ASSERT_TRUE(testing_support::WaitUntilKeysReach(about, kWaitMs))
      << "the About window did not take the keys";
  const DWORD until = GetTickCount() + kWaitMs;
  testing_support::PressKey(VK_ESCAPE);
  while (IsWindowVisible(about) && static_cast<LONG>(until - GetTickCount()) > 0) Sleep(20);
  EXPECT_FALSE(IsWindowVisible(about));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

// A copy of the program whose main window description cannot be found: the
// resource's name in the copy's resource directory is changed.
class ProgramWithoutMainWindow {
 public:
  ProgramWithoutMainWindow() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"phonebook-without-main-window.exe";
    std::ifstream in(PHONEBOOK_EXE, std::ios::binary);
    std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::u16string name = u"TMAINFORM";
    const std::string name_bytes(reinterpret_cast<const char*>(name.data()), name.size() * 2);
    const std::size_t at = image.find(name_bytes);
    if (at == std::string::npos) return;
    image[at + name_bytes.size() - 2] = 'X';  // TMAINFORX
    std::ofstream out(std::string(path_.begin(), path_.end()), std::ios::binary);
    out.write(image.data(), static_cast<std::streamsize>(image.size()));
    ready_ = static_cast<bool>(out);
  }
  ~ProgramWithoutMainWindow() { DeleteFileW(path_.c_str()); }
  bool Ready() const { return ready_; }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
  bool ready_ = false;
};

TEST(ProgramTest, AnErrorDuringStartUpIsShownAndEndsTheProgramWithOne) {
  ProgramWithoutMainWindow copy;
  ASSERT_TRUE(copy.Ready()) << "could not prepare the copy";
  ChildProcess program(copy.Path());
  ASSERT_TRUE(program.Started()) << "error " << program.StartError();
  HWND box = WaitForVisible(program, L"#32770");
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_EQ(testing_support::WindowText(box), L"Application Error");
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    text += testing_support::WindowText(child) + L"|";
  }
  EXPECT_NE(text.find(L"Resource TMainForm not found."), std::wstring::npos)
      << std::string(text.begin(), text.end());
  EXPECT_EQ(program.FindTopWindow([](HWND w) { return WindowClassName(w) == L"TMainForm"; }), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.WaitForExit(kWaitMs), std::optional<DWORD>(1));
}

}  // namespace
