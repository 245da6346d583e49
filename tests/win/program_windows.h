// Windows only: the fixture of the GUI tests. Each test gets the real
// application object with both windows created from the embedded
// descriptions, as the program creates them, with recording seams in place
// of the message box, the beep, the sounds and the shell.
//
// The tests drive the windows with real input (tests/win/real_input.h) and
// let the program take it with Settle(), which runs the program's own
// message handling (TApplication::ProcessMessages) for a while.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "tests/common/recording_message_box.h"
#include "tests/common/recording_services.h"
#include "ui/framework/form_window.h"

namespace testing_support {

// The text of `window` as WM_GETTEXT gives it.
std::wstring TextOf(HWND window);
// UTF-8 source text as the wide text the windows show.
std::wstring W(std::u8string_view utf8);
// The client size of `window`.
SIZE ClientSize(HWND window);
// `window`'s place in its parent's client area and its size, as
// RECT{left, top, width, height}.
RECT PlaceInParent(HWND window);

// Puts the desktop's colours at `indices` back however the test ends.
class SystemColorsRestorer {
 public:
  explicit SystemColorsRestorer(std::vector<int> indices) : indices_(std::move(indices)) {
    for (const int index : indices_) saved_.push_back(GetSysColor(index));
  }
  ~SystemColorsRestorer() { SetSysColors(static_cast<int>(indices_.size()), indices_.data(), saved_.data()); }
  SystemColorsRestorer(const SystemColorsRestorer&) = delete;
  SystemColorsRestorer& operator=(const SystemColorsRestorer&) = delete;

 private:
  std::vector<int> indices_;
  std::vector<COLORREF> saved_;
};

class ProgramWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Handle() const { return window_->Handle(); }
  HWND AboutHandle() const { return about_window_->Handle(); }
  // The window of the main window's (the About window's) control `name`.
  HWND Of(const char* name) const;
  HWND AboutOf(const char* name) const;
  ui::ControlView* ViewOf(const char* name) const { return window_->ViewNamed(name); }

  void ShowAndSettle();
  // Handles the messages that arrive within `ms` milliseconds (at least one
  // round of what is queued).
  void Settle(int ms = 60);
  // Handles messages until `done` holds; false after `ms` milliseconds.
  bool SettleUntil(const std::function<bool()>& done, int ms = 3000);
  // Runs the loop until the program is told to end; fails after `ms`.
  ::testing::AssertionResult LoopEndsWithZero(UINT ms = 5000);
  // Moves the pointer where it touches none of the program's windows.
  void ParkMouse();
  // Moves the pointer to `screen` with real input and lets the program take
  // the move. Under Wine on a virtual X server the previous position comes
  // back once, some 100 ms after an injected move, and the new one then holds
  // without a move message (a later press would be reported where the echo
  // was); so this waits for the echo to pass and moves to `screen` once more.
  void MoveMouseAndSettle(POINT screen);

  RecordingMessageBox box_;
  RecordingServices services_;
  std::unique_ptr<app::TApplication> application_;
  app::TMainForm* form_ = nullptr;
  about::TfmAbout* about_ = nullptr;
  ui::FormWindow* window_ = nullptr;
  ui::FormWindow* about_window_ = nullptr;
};

}  // namespace testing_support
