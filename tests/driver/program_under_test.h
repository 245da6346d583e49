// Windows only: the real phonebook.exe, started by the driver as a user
// starts it and seen only from outside: its top-level windows, their
// controls' texts through WM_GETTEXT and the documented messages, its error
// boxes, its exit code. Input goes through the system's input queue
// (tests/win/real_input.h). Every wait is bounded.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/common/child_process.h"

namespace driver {

// UTF-16 as UTF-8, for the report and the checks.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// The text of a window of any process through WM_GETTEXT (GetWindowText does
// not ask another process's window); nothing when it does not answer in 2 s.
std::optional<std::wstring> AskText(HWND window);

class ProgramUnderTest {
 public:
  // Starts `exe` in a job object that ends it (and anything it starts) when
  // the driver ends, however that happens.
  explicit ProgramUnderTest(const std::wstring& exe);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  bool Started() const { return process_.Started(); }
  DWORD Id() const { return process_.Id(); }
  // Waits for the visible main window; false after `ms`.
  bool WaitForMainWindow(DWORD ms = 15000);
  HWND Main() const { return main_; }

  // The first window of class `name` inside the main window, or else inside
  // another of the program's top-level windows (the About window left out).
  HWND Control(const wchar_t* name) const;
  // The result memo, inside the result window wherever that is.
  HWND ResultMemo() const;
  // A descendant of `parent` whose class is `name` and text is `text`.
  HWND ControlWithText(HWND parent, const wchar_t* name, const std::wstring& text) const;
  // The program's visible top-level windows, in z-order; of one class.
  std::vector<HWND> VisibleTopWindows() const;
  // Every top-level window of the program, shown or not.
  std::vector<HWND> AllTopWindows() const { return TopWindows(false); }
  HWND VisibleTop(const wchar_t* name) const;
  // The error boxes (dialog class) the program shows now.
  std::vector<HWND> ErrorBoxes() const;

  bool Alive() const { return !process_.WaitForExit(0); }
  // Whether the main window's thread takes a sent message within `ms`.
  bool Answers(DWORD ms = 2000) const;
  // Lets the program take the input sent so far: a short pause, then a
  // message that it can only answer once it has handled what came before.
  // Whether it answered within 2 s.
  bool Settle(DWORD pause_ms = 20) const;
  std::optional<DWORD> WaitForExit(DWORD ms) const { return process_.WaitForExit(ms); }
  // Ends a program that still runs (the end of a failed scenario).
  void Kill();

  // The window in front belongs to the program.
  bool InFront() const;

 private:
  std::vector<HWND> TopWindows(bool visible_only) const;

  testing_support::ChildProcess process_;
  HANDLE job_ = nullptr;
  HWND main_ = nullptr;
};

// Waits until `done` holds, settling the program between looks; false after `ms`.
template <typename Done>
bool WaitUntil(const ProgramUnderTest& program, Done done, DWORD ms = 3000) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    program.Settle(10);
  }
}

// The text of an error box's message, and its OK button.
std::wstring ErrorBoxText(HWND box);
HWND ErrorBoxOkButton(HWND box);

// The screen point of a window's client point, and its client rectangle's centre.
POINT CentreOf(HWND window);

}  // namespace driver
