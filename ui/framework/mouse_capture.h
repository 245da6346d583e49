// MouseCapture: holds the mouse capture for a window while it lives (a drag
// loop, a pressed button) and gives it back when it goes, unless someone
// else has taken it meanwhile (Windows only).
#pragma once

#include <windows.h>

namespace ui {

class MouseCapture {
 public:
  // Holds nothing until MoveTo.
  MouseCapture() = default;
  explicit MouseCapture(HWND window) : window_(window) { SetCapture(window_); }
  ~MouseCapture() { Release(); }
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;

  // Holds the capture for `window` from now on: takes it unless `window` has
  // it already. A capture held for another window passes straight to
  // `window`, never let go in between, so that window hears who took it.
  void MoveTo(HWND window) {
    window_ = window;
    if (window_ && GetCapture() != window_) SetCapture(window_);
  }

  // Whether the window still has the capture (another program or window may
  // have taken it).
  bool Held() const { return window_ && GetCapture() == window_; }
  void Release() {
    if (Held()) ReleaseCapture();
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
};

}  // namespace ui
