// The application object: one per process, the root owner of the program.
//
// It computes the title from the executable's file name, keeps the invisible
// application window that carries the title and owns the task-bar entry (its
// window menu offers no Maximize, Size or Move), owns the windows created
// through it, runs the message loop and is the error sink of every window:
// what escapes a handler or the loop goes to its one error display.
#pragma once

#include <windows.h>

#include <string>

#include "app/error_display.h"
#include "base/component.h"
#include "ui/window.h"

namespace app {

class TApplication final : public base::TComponent, public ui::ErrorSink, private ui::Window {
 public:
  // `exe_path` is the executable's path in 1251 (the title is computed from
  // it); `box` is where error boxes go (the real one, or a test's recorder).
  // Creates the application window; throws base::Exception if it cannot.
  TApplication(std::string exe_path, MessageBoxSeam& box);
  ~TApplication() override;

  const char* ClassName() const override { return "TApplication"; }
  const std::string& Title() const { return title_; }
  HWND Handle() const { return ui::Window::Handle(); }
  ErrorDisplay& Errors() { return errors_; }

  // The main window: the first one registered; destroying it ends the loop.
  HWND MainWindow() const { return main_window_; }
  void SetMainWindowIfFirst(HWND window);
  // Called by the main window when it is destroyed: requests the end of the program.
  void MainWindowClosed();

  // Takes, translates and dispatches messages until the quit message; waits
  // while the queue is empty. An error escaping one dispatch is shown and the
  // loop goes on. Returns the exit code: 0.
  int Run();

  void ShowError(std::exception_ptr error) noexcept override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void TrimSystemMenu();

  std::string exe_path_;
  std::string title_;
  ErrorDisplay errors_;
  HWND main_window_ = nullptr;
};

// The path of the running executable, in 1251.
std::string ExecutablePath();

}  // namespace app
