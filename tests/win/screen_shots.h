// Windows only: what the README's screenshot programs share (run under
// Wine's virtual desktop, see the README): taking the program's messages
// while waiting, and saving a part of the screen as a BMP file (SaveScreen,
// from screen_capture.h).
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/application.h"
#include "tests/win/screen_capture.h"

namespace testing_support {

// Error boxes of a screenshot run go to the standard error stream instead.
class SilentBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string&, UINT) override {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

// Handles the program's messages until `done` holds or `ms` passed; whether
// `done` held.
bool PumpUntil(app::TApplication& application, const std::function<bool()>& done, DWORD ms);

RECT WindowRect(HWND window);

}  // namespace testing_support
