#include "app/error_display.h"

#include <typeinfo>
#include <vector>

#include "app/core/error_text.h"
#include "base/compiler.h"
#include "base/exception.h"
#include "ui/framework/wide_text.h"

namespace app {

namespace {

// Disables the thread's enabled top-level windows for as long as it lives and
// then restores them, the active window and the focus.
class DisabledWindows {
 public:
  DisabledWindows() : active_(GetActiveWindow()), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Disable, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (HWND window : disabled_) EnableWindow(window, TRUE);
    if (active_ && IsWindow(active_)) {
      // The box's end hands the activation to none of our windows while they
      // are still disabled (the box's owner is the hidden application
      // window), so the window that was active takes the foreground back.
      SetForegroundWindow(active_);
      SetActiveWindow(active_);
    }
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      reinterpret_cast<DisabledWindows*>(self)->disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND active_;
  HWND focus_;
  std::vector<HWND> disabled_;
};

// The box for an object that is not a base::Exception (or, at start-up, any
// error), for the error being handled; the message only when `with_message`.
void ShowUnexpected(MessageBoxSeam& box, const std::string& module_path, uintptr_t code_address,
                    bool with_message) {
  std::string class_name, message;
  try {
    throw;
  } catch (const base::Exception& e) {
    class_name = e.ClassName();
    message = e.Message();
  } catch (const std::exception& e) {
    class_name = base::DemangledTypeName(&typeid(e));
    message = e.what();
  } catch (...) {
    class_name = base::CurrentExceptionTypeName();
  }
  box.Show(nullptr, UnexpectedErrorText(class_name, module_path, code_address, with_message ? message : ""),
           "Application Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

void ShowStartUpError(MessageBoxSeam& box, const std::string& module_path,
                      std::exception_ptr error) noexcept {
  if (!error) return;
  try {
    try {
      std::rethrow_exception(error);
    } catch (...) {
      ShowUnexpected(box, module_path, 0, true);
    }
  } catch (...) {
    // Showing the error failed: nothing more can be done.
  }
}

void SystemMessageBox::Show(HWND owner, const std::string& text, const std::string& caption, UINT style) {
  MessageBoxW(owner, ui::Wide(text).c_str(), ui::Wide(caption).c_str(), style);
}

ErrorDisplay::ErrorDisplay(std::string title, HWND application_window, std::string module_path,
                           MessageBoxSeam& box)
    : title_(std::move(title)),
      application_window_(application_window),
      module_path_(std::move(module_path)),
      box_(box) {}

void ErrorDisplay::ShowProgramError(const std::string& message) {
  DisabledWindows disabled;
  box_.Show(application_window_, ErrorBoxText(message), title_, MB_OK | MB_ICONERROR);
}

void ErrorDisplay::Show(std::exception_ptr error, uintptr_t code_address) noexcept {
  if (!error) return;
  try {
    if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
    try {
      std::rethrow_exception(error);
    } catch (const base::EAbort&) {
      // the silent kind
    } catch (const base::Exception& e) {
      ShowProgramError(e.Message());
    } catch (...) {
      ShowUnexpected(box_, module_path_, code_address, false);
    }
  } catch (...) {
    // Showing the error failed (out of memory, say): nothing more can be done.
  }
}

}  // namespace app
