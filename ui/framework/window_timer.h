// WindowTimer: a timer of one window (WM_TIMER with its id) that runs while
// the object lives or until Stop() (Windows only).
#pragma once

#include <windows.h>

namespace ui {

class WindowTimer {
 public:
  WindowTimer() = default;
  ~WindowTimer() { Stop(); }
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  // (Re)starts the timer of `window` with `id` every `interval_ms`
  // milliseconds. Returns false when the system refused it.
  bool Start(HWND window, UINT_PTR id, UINT interval_ms) {
    Stop();
    if (!SetTimer(window, id, interval_ms, nullptr)) return false;
    window_ = window;
    id_ = id;
    return true;
  }
  void Stop() {
    if (window_) KillTimer(window_, id_);
    window_ = nullptr;
  }
  bool Running() const { return window_ != nullptr; }
  UINT_PTR Id() const { return id_; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace ui
