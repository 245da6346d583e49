// MouseCapture: holds the mouse capture for a window while it lives (a drag
// loop, a pressed button) and gives it back when it goes, unless someone
// else has taken it meanwhile (Windows only).
#pragma once

#include <windows.h>

namespace ui {

class MouseCapture {
 public:
  explicit MouseCapture(HWND window) : window_(window) { SetCapture(window_); }
  ~MouseCapture() { Release(); }
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;

  // Whether the window still has the capture (another program or window may
  // have taken it).
  bool Held() const { return window_ && GetCapture() == window_; }
  void Release() {
    if (Held()) ReleaseCapture();
    window_ = nullptr;
  }

 private:
  HWND window_;
};

}  // namespace ui
