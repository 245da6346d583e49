// The one place where an error that escaped an event handler is shown.
//
// Every window procedure and the message loop catch what escapes the handling
// of one message and hand it to Show(); the program then goes on.
//   1. a window holding the mouse capture is sent WM_CANCELMODE first;
//   2. base::EAbort is swallowed;
//   3. any other base::Exception is shown in a box owned by the application
//      window, captioned with the title, with the error icon and one OK button
//      (style 0x10), its text given a full stop by app::ErrorBoxText; while
//      the box is up the program's other windows are disabled, and afterwards
//      they are enabled again, the window that was active is activated again
//      and the focus is restored;
//   4. anything else is shown in a task-modal box captioned "Application
//      Error" with the text of app::UnexpectedErrorText.
// The box itself goes through a seam, so tests can record what would be shown.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace app {

class MessageBoxSeam {
 public:
  virtual ~MessageBoxSeam() = default;
  // Shows a box with 1251 texts; returns when it is dismissed.
  virtual void Show(HWND owner, const std::string& text, const std::string& caption, UINT style) = 0;
};

// The real box: MessageBoxW on the texts converted from 1251.
class SystemMessageBox final : public MessageBoxSeam {
 public:
  void Show(HWND owner, const std::string& text, const std::string& caption, UINT style) override;
};

// Shows an error that escaped the start-up sequence, before the loop runs (the
// application object may not exist): the task-modal "Application Error" box of
// case 4, with the error's message. Never throws.
void ShowStartUpError(MessageBoxSeam& box, const std::string& module_path, std::exception_ptr error) noexcept;

class ErrorDisplay {
 public:
  // `title` is the application title (1251), `application_window` the owner
  // of the error box, `module_path` the executable's file name (1251).
  ErrorDisplay(std::string title, HWND application_window, std::string module_path, MessageBoxSeam& box);

  void SetApplicationWindow(HWND window) { application_window_ = window; }

  // Shows `error` as described above. Never throws.
  void Show(std::exception_ptr error, uintptr_t code_address = 0) noexcept;

 private:
  void ShowProgramError(const std::string& message);

  std::string title_;
  HWND application_window_;
  std::string module_path_;
  MessageBoxSeam& box_;
};

}  // namespace app
