#include "tests/driver/program_under_test.h"

namespace driver {

namespace {

using testing_support::WindowClassName;

struct DescendantSearch {
  const wchar_t* name;
  const std::wstring* text;
  HWND found;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<DescendantSearch*>(param);
  if (WindowClassName(window) != search.name) return TRUE;
  if (search.text) {
    const auto text = AskText(window);
    if (!text || *text != *search.text) return TRUE;
  }
  search.found = window;
  return FALSE;
}

}  // namespace

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
  return out;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

std::optional<std::wstring> AskText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return std::nullopt;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied))
    return std::nullopt;
  text.resize(copied <= length ? static_cast<size_t>(copied) : static_cast<size_t>(length));
  return text;
}

ProgramUnderTest::ProgramUnderTest(const std::wstring& exe) : process_(exe) {
  if (!process_.Started()) return;
  job_ = CreateJobObjectW(nullptr, nullptr);
  if (job_) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    if (HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, process_.Id())) {
      AssignProcessToJobObject(job_, process);
      CloseHandle(process);
    }
  }
}

ProgramUnderTest::~ProgramUnderTest() {
  Kill();
  if (job_) CloseHandle(job_);
}

void ProgramUnderTest::Kill() {
  if (!Alive()) return;
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_.Id())) {
    TerminateProcess(process, 3);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

bool ProgramUnderTest::WaitForMainWindow(DWORD ms) {
  main_ = process_.WaitForTopWindow(
      [](HWND w) { return IsWindowVisible(w) && WindowClassName(w) == L"TMainForm"; }, ms);
  if (!main_) return false;
  // The first paint and the focus come after the window shows.
  return WaitUntil(
      *this, [this] { return Answers(); }, ms);
}

HWND ProgramUnderTest::Control(const wchar_t* name) const {
  DescendantSearch search{name, nullptr, nullptr};
  EnumChildWindows(main_, MatchDescendant, reinterpret_cast<LPARAM>(&search));
  if (search.found) return search.found;
  // A tool window that floats lives in a top-level frame of its own.
  for (HWND top : TopWindows(false)) {
    if (top == main_ || WindowClassName(top) == L"TfmAbout") continue;
    EnumChildWindows(top, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
  }
  return nullptr;
}

HWND ProgramUnderTest::ResultMemo() const {
  HWND tool_window = Control(L"TTBToolWindow");
  DescendantSearch search{L"TMemo", nullptr, nullptr};
  if (tool_window) EnumChildWindows(tool_window, MatchDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramUnderTest::ControlWithText(HWND parent, const wchar_t* name, const std::wstring& text) const {
  DescendantSearch search{name, &text, nullptr};
  EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ProgramUnderTest::TopWindows(bool visible_only) const {
  struct Search {
    DWORD process;
    bool visible_only;
    std::vector<HWND> found;
  } search{process_.Id(), visible_only, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.process && (!s.visible_only || IsWindowVisible(window))) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ProgramUnderTest::VisibleTopWindows() const {
  return TopWindows(true);
}

HWND ProgramUnderTest::VisibleTop(const wchar_t* name) const {
  for (HWND window : VisibleTopWindows())
    if (WindowClassName(window) == name) return window;
  return nullptr;
}

std::vector<HWND> ProgramUnderTest::ErrorBoxes() const {
  std::vector<HWND> boxes;
  for (HWND window : VisibleTopWindows())
    if (WindowClassName(window) == L"#32770") boxes.push_back(window);
  return boxes;
}

bool ProgramUnderTest::Answers(DWORD ms) const {
  DWORD_PTR result = 0;
  return main_ && SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &result) != 0;
}

bool ProgramUnderTest::Settle(DWORD pause_ms) const {
  Sleep(pause_ms);
  return Answers();
}

bool ProgramUnderTest::InFront() const {
  HWND front = GetForegroundWindow();
  DWORD owner = 0;
  GetWindowThreadProcessId(front, &owner);
  return front && owner == process_.Id();
}

std::wstring ErrorBoxText(HWND box) {
  // The message box's text is its static control with the id 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  const auto asked = text ? AskText(text) : std::nullopt;
  return asked.value_or(L"");
}

HWND ErrorBoxOkButton(HWND box) {
  return GetDlgItem(box, IDOK);
}

POINT CentreOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  POINT p{r.right / 2, r.bottom / 2};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace driver
