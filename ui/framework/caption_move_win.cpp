#include "ui/framework/caption_move.h"

#include <optional>

namespace ui {

namespace {

// The codes with which the system's move and size loops pass their messages
// to message filters (MSGF_MOVE, MSGF_SIZE; not in every SDK's headers).
constexpr int kMoveFilter = 3;
constexpr int kSizeFilter = 4;
// Marks the Enter key press posted to end a loop, so a loop that ended by
// itself does not leave it behind as the user's key.
constexpr LPARAM kEndMark = 0x0F012;

// The release that ends the move this thread is running, while one runs.
struct ReleaseWatch {
  HWND window;
  UINT release;  // WM_RBUTTONUP or WM_MBUTTONUP
  bool posted;
};
thread_local ReleaseWatch* watched = nullptr;

LRESULT CALLBACK FilterMoveLoop(int code, WPARAM wparam, LPARAM lparam) {
  if ((code == kMoveFilter || code == kSizeFilter) && watched && !watched->posted) {
    const auto* message = reinterpret_cast<const MSG*>(lparam);
    // Posted messages come before input: the loop takes the Enter next.
    if (message->message == watched->release) {
      watched->posted = PostMessageW(watched->window, WM_KEYDOWN, VK_RETURN, kEndMark) != FALSE;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Watches this thread's move loop for `release` while it lives.
class MoveLoopFilter {
 public:
  MoveLoopFilter(HWND window, UINT release) : watch_{window, release, false}, outer_(watched) {
    watched = &watch_;
    hook_ = SetWindowsHookExW(WH_MSGFILTER, &FilterMoveLoop, nullptr, GetCurrentThreadId());
  }
  ~MoveLoopFilter() {
    if (hook_) UnhookWindowsHookEx(hook_);
    watched = outer_;
    // The loop ended before it took the Enter (the system ended it itself).
    MSG left;
    if (watch_.posted && PeekMessageW(&left, watch_.window, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
        left.wParam == VK_RETURN && left.lParam == kEndMark) {
      PeekMessageW(&left, watch_.window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
    }
  }
  MoveLoopFilter(const MoveLoopFilter&) = delete;
  MoveLoopFilter& operator=(const MoveLoopFilter&) = delete;

 private:
  ReleaseWatch watch_;
  ReleaseWatch* outer_;
  HHOOK hook_ = nullptr;
};

// The release that must end the move, when the system's loop would not:
// 0 while the left button is held (or none).
UINT ReleaseToWatch() {
  if (GetKeyState(VK_LBUTTON) < 0) return 0;
  if (GetKeyState(VK_RBUTTON) < 0) return WM_RBUTTONUP;
  if (GetKeyState(VK_MBUTTON) < 0) return WM_MBUTTONUP;
  return 0;
}

}  // namespace

void MoveByCaption(HWND window) {
  // A view that took the capture for a click gives it up; the loop takes it.
  ReleaseCapture();
  std::optional<MoveLoopFilter> filter;
  if (const UINT release = ReleaseToWatch()) filter.emplace(window, release);
  SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

}  // namespace ui
