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
#include "app/forms/main_form.h"
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

// The program as a screenshot run starts it: the application object with both
// windows made and the main window shown. `folder` is the one argument, the
// folder the pictures go to; Ready() is false (after a line on the standard
// error stream) when the arguments were wrong or the main window has no window.
class ShotProgram {
 public:
  ShotProgram(const char* name, int argc, wchar_t** argv);

  bool Ready() const { return window != nullptr; }
  // The exit status for a run that could not start: 2 for wrong arguments, else 1.
  int FailureStatus() const { return folder.empty() ? 2 : 1; }

  // First, before any window: the windows get the screen's density, as the
  // program's do (its manifest declares the same awareness).
  const bool density_aware;
  std::wstring folder;
  SilentBox box;
  app::TApplication application;
  app::TMainForm& form;
  ui::FormWindow* window = nullptr;
};

}  // namespace testing_support
