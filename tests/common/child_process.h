// Windows only: a program that a test or a timing program starts and watches
// from outside, as a user's desktop would see it: its top-level windows, their
// classes and texts, and its exit code. Every wait is bounded, so a program
// that shows nothing or never ends makes the caller fail instead of hanging.
#pragma once

#include <psapi.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace testing_support {

// The class name of `window`, empty if it has none (a destroyed window).
inline std::wstring WindowClassName(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

// The text of `window` (a caption, a control's text); works across processes.
inline std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

// Whether `window` is a program's shown main window: any visible top-level
// window but the program's hidden application window (which only shows, at
// no size, to hold the task-bar button).
inline bool IsShownMainWindow(HWND window) {
  return IsWindowVisible(window) && WindowClassName(window) != L"PhonebookApplication";
}

// Waits at most `timeout_ms` until the user's next key goes to `window`:
// the foreground and active window of its thread, holding the keyboard focus
// itself or in one of its controls, with no capture, move loop or menu
// running. The foreground alone is not enough: it changes when the program
// takes the click that activates the window, and the focus moves a moment
// later; a key pressed in between goes to the window that had the focus.
inline bool WaitUntilKeysReach(HWND window, DWORD timeout_ms) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  const auto ready = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    constexpr DWORD kModal = GUI_INMOVESIZE | GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE;
    return GetForegroundWindow() == window && GetGUIThreadInfo(thread, &info) && info.hwndActive == window &&
           (info.hwndFocus == window || IsChild(window, info.hwndFocus)) && !info.hwndCapture &&
           !(info.flags & kModal);
  };
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!ready()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(5);
  }
  return true;
}

// A started program. If it still runs when this object goes, it is ended
// (TerminateProcess), so a failed check never leaves a process behind.
class ChildProcess {
 public:
  // Starts `exe` with no arguments. Started() tells whether that worked;
  // StartError() is GetLastError() of the failed CreateProcessW.
  explicit ChildProcess(const std::wstring& exe) {
    std::wstring command_line = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
      start_error_ = GetLastError();
      info_ = {};
    }
  }
  ~ChildProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 3);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD StartError() const { return start_error_; }
  DWORD Id() const { return info_.dwProcessId; }

  // Waits at most `timeout_ms` for the program to end. Returns its exit
  // code, or nothing if it still runs (or was never started).
  std::optional<DWORD> WaitForExit(DWORD timeout_ms) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0)
      return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
    return code;
  }

  // Waits at most `timeout_ms` for the program to wait for input with
  // nothing left to do (its first idle message loop). False on a time-out.
  bool WaitForIdle(DWORD timeout_ms) const {
    return info_.hProcess && WaitForInputIdle(info_.hProcess, timeout_ms) == 0;
  }

  // The memory the program has committed now (its commit charge, the
  // counters' PagefileUsage; Wine fills that one from the process's private
  // resident and swapped pages, and leaves PrivateUsage empty), or nothing
  // when the counters cannot be read.
  std::optional<size_t> CommittedBytes() const {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!info_.hProcess || !K32GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters))
      return std::nullopt;
    return counters.PagefileUsage;
  }

  // The first top-level window of this program, in the system's z-order,
  // that `accept` takes; nullptr if there is none now.
  HWND FindTopWindow(const std::function<bool(HWND)>& accept) const {
    struct Search {
      DWORD process;
      const std::function<bool(HWND)>* accept;
      HWND found;
    } search{info_.dwProcessId, &accept, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(param);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner != s.process || !(*s.accept)(window)) return TRUE;
          s.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // Looks for such a window about every millisecond for at most
  // `timeout_ms`; stops early when the program ends. nullptr if none came.
  HWND WaitForTopWindow(const std::function<bool(HWND)>& accept, DWORD timeout_ms) const {
    if (!info_.hProcess) return nullptr;
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
      if (HWND window = FindTopWindow(accept)) return window;
      if (GetTickCount64() >= deadline || WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0)
        return nullptr;
    }
  }

 private:
  PROCESS_INFORMATION info_ = {};
  DWORD start_error_ = 0;
};

}  // namespace testing_support
