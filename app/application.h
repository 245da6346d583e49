// The application object: one per process, the root owner of the program.
//
// It computes the title from the executable's file name, keeps the
// application window that carries the title and the task-bar entry (its
// window menu offers no Maximize, Size or Move): a window of no size, shown
// while the main window is, whose task-bar button activates, minimizes and
// restores the program; a close request to it ends the program as closing
// the main window does. It creates the windows from
// their embedded descriptions and owns them, runs the message loop and is the
// error sink of every window: what escapes a handler or the loop goes to its
// one error display. The first window created is the main window; closing it
// ends the loop.
#pragma once

#include <windows.h>

#include <string>

#include "app/core/startup_profile.h"
#include "app/error_display.h"
#include "app/profile_target.h"
#include "app/window_menu/window_menu_view.h"
#include "base/component.h"
#include "resources/class_registry.h"
#include "ui/framework/form_window.h"
#include "ui/framework/platform_services.h"
#include "ui/framework/view_factory.h"
#include "ui/framework/window.h"
#include "ui/model/form.h"

namespace app {

class TApplication final : public base::TComponent,
                           public ui::FormOwner,
                           public ui::ServiceProvider,
                           private ui::Window {
 public:
  // `exe_path` is the executable's path in 1251 (the title is computed from
  // it); `box` is where error boxes go (the real one, or a test's recorder).
  // Creates the application window; throws base::Exception if it cannot.
  TApplication(std::string exe_path, MessageBoxSeam& box);
  ~TApplication() override;

  const char* ClassName() const override { return "TApplication"; }
  const std::string& Title() const { return title_; }
  HWND Handle() const { return ui::Window::Handle(); }

  // Reads `form` (a new window owned by this object) from the description
  // embedded in `module` (null: the running executable) under its class
  // name. The first window created becomes the main window and gets its
  // window and its controls' windows now, hidden; a later window gets them
  // when it is first shown or its host is first asked for. On failure the form is
  // destroyed and the error (base::Exception or a read error) is thrown on.
  template <typename Form>
  Form& CreateForm(HMODULE module = nullptr) {
    auto* form = new Form(this);
    CreateFormWindow(*form, module);
    return *form;
  }

  // The main window: the first one registered.
  HWND MainWindow() const override { return main_window_; }
  void SetMainWindowIfFirst(HWND window);

  // The platform calls with outside effects (beep, sounds, shell); the real
  // ones unless a test installs recorders.
  const ui::PlatformServices& Services() const override { return services_; }
  void SetServices(const ui::PlatformServices& services) { services_ = services; }

  // A cursor every control shows while set (crDefault: none), for a search
  // that makes the user wait.
  ui::TCursor ScreenCursor() const override { return screen_cursor_; }
  void SetScreenCursor(ui::TCursor cursor) override;

  // Takes, translates and dispatches messages until the quit message; waits
  // while the queue is empty. A Tab key press moves the focus between the
  // controls of a window; while a toolbar tracks its menus, the keys go to
  // it (app::RouteMenuKeys); Alt+- and the keys of an open window menu go
  // to the window menus (app::WindowMenuView). An error escaping one dispatch is shown and the
  // loop goes on. Returns the exit code: 0.
  int Run();
  // Handles the messages already queued, as Run() does, without waiting.
  // Returns false when it met the quit message (which stays handled).
  bool ProcessMessages();

  // ui::FormOwner
  void ShowError(std::exception_ptr error) noexcept override;
  HWND OwnerHandle() const override { return Handle(); }
  void FormCreated(HWND window) override { SetMainWindowIfFirst(window); }
  bool IsMainWindow(HWND window) const override { return window && window == main_window_; }
  // Requests the end of the program: the loop ends after the messages before it.
  void MainWindowClosed() override;

  // Shows or hides the application window (its task-bar button) with the
  // main window; Run() shows it.
  void ShowTaskBarEntry(bool show);

  // The start-up profile (off unless this is a profiling build and
  // PHONEBOOK_PROFILE names a target: app/profile_target.h). The
  // application marks its own phases (itself, each window's description,
  // tables and window handles, the first idle moment of the loop, the check
  // of the stored orders, after which the profile is written); the entry
  // point marks the showing of the main window.
  StartupProfile& Profile() { return profile_; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Activation and the system menu of the task-bar button.
  void ActivateMainWindow();
  void TrimSystemMenu();
  void CreateFormWindow(ui::TForm& form, HMODULE module);
  void Dispatch(MSG& message);
  // Runs `work`; what it throws goes to the error display, as an error
  // escaping a window's handler does, and the program goes on.
  // (Defined and used in application.cpp only.)
  template <typename Work>
  void ShowingErrors(Work work) noexcept;
  // When the loop first finds nothing to do (every window shown and
  // painted): marks the profile and posts the check of the stored orders.
  void PostStoredOrderCheckWhenIdle();
  // Once: every window's tables that adopted a stored order check it against
  // their collation (rebuilding an order it disagrees with); then the
  // profile ends and is written to its target. It runs from the loop's
  // dispatch, from the application window's message or, when that cannot be
  // posted, from the loop itself: each way, what it throws goes to the error
  // display.
  void CheckStoredOrders();

  // First, so that the profile's clock runs before anything else is built.
  ProfileTarget profile_target_ = ProfileTarget::ForThisBuild();
  StartupProfile profile_ = profile_target_.StartProfile();
  bool profile_written_ = false;
  bool check_posted_ = false;
  bool stored_orders_checked_ = false;
  std::string exe_path_;
  std::string title_;
  ErrorDisplay errors_;
  resources::ClassRegistry classes_;
  ui::ViewFactory views_;
  HWND main_window_ = nullptr;
  ui::PlatformServices services_ = ui::SystemServices();
  ui::TCursor screen_cursor_ = ui::crDefault;
  WindowMenuView window_menus_{*this};  // ended before the windows go
};

// The path of the running executable, in 1251.
std::string ExecutablePath();

}  // namespace app
