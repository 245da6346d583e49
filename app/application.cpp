#include "app/application.h"

#include "app/core/application_title.h"
#include "app/forms/component_classes.h"
#include "app/forms/view_classes.h"
#include "app/toolbar/toolbar_view.h"
#include "base/compiler.h"
#include "base/exception.h"
#include "data/custom_client_data_set.h"
#include "data/data_set.h"
#include "resources/component_reader.h"
#include "resources/window_resource.h"
#include "ui/framework/program_icon.h"
#include "ui/framework/wide_text.h"

namespace app {

namespace {

// Posted to the application window when the loop first goes idle.
constexpr UINT kCheckStoredOrders = WM_APP + 0x28;

// A key, a button or the wheel: input by which the user acts on what the
// windows show (a pointer that only moves does not).
bool IsAction(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ui::Narrow(path);
}

TApplication::TApplication(std::string exe_path, MessageBoxSeam& box)
    : base::TComponent(nullptr),
      exe_path_(std::move(exe_path)),
      title_(ApplicationTitle(exe_path_)),
      errors_(title_, nullptr, exe_path_, box) {
  // A zero-sized pop-up with a caption: it owns the other windows, its text
  // is the title, and while it is shown (with the main window) it has the
  // program's task-bar button.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  // The task-bar button and Alt+Tab show this window's class icon.
  SetClassIcons(ui::ProgramIcons());
  if (!CreateHandle(L"PhonebookApplication", 0, style, ui::Wide(title_), x, y, 0, 0, nullptr)) {
    throw base::Exception("Cannot create the application window");
  }
  SetErrorSink(this);
  errors_.SetApplicationWindow(Handle());
  TrimSystemMenu();
  RegisterComponentClasses(classes_);
  RegisterViewClasses(views_);
  profile_.Mark("application object");
}

namespace {

// Marks the phases of reading one window's description: the records, each
// table opened (its rows and orders built), then the rest of the components.
class ReadPhases final : public resources::ReadProgress {
 public:
  ReadPhases(StartupProfile& profile, std::string form) : profile_(profile), form_(std::move(form)) {}
  void RecordsRead() override { profile_.Mark(form_ + ": description read"); }
  void ComponentLoaded(const base::TComponent& component) override {
    if (dynamic_cast<const data::TDataSet*>(&component)) {
      profile_.Mark(form_ + ": table " + component.Name() + " opened (rows and orders)");
    }
  }

 private:
  StartupProfile& profile_;
  std::string form_;
};

}  // namespace

void TApplication::CreateFormWindow(ui::TForm& form, HMODULE module) {
  try {
    ReadPhases phases(profile_, form.ClassName());
    // The description is the module's resource: a table keeps a view of its
    // packet there instead of a copy.
    resources::ReadComponentStream(resources::FindWindowStream(form.ClassName(), module), form, classes_, {},
                                   profile_.On() ? &phases : nullptr,
                                   resources::StreamBytes::kOutliveComponents);
    profile_.Mark(std::string(form.ClassName()) + ": other components loaded");
    if (!main_window_) {
      form.AttachHost(std::make_unique<ui::FormWindow>(form, views_, *this));
      profile_.Mark(std::string(form.ClassName()) + ": window handles created");
    } else {
      // Any later window starts hidden: its handles are made when it is
      // first shown (or first asked for), which keeps them out of the start-up.
      form.AttachHostWhenNeeded(
          [&form, this] { return std::make_unique<ui::FormWindow>(form, views_, *this); });
    }
  } catch (...) {
    base::TComponent::Destroy(&form);
    throw;
  }
}

TApplication::~TApplication() {
  // A window moved from the keyboard goes back as Esc would put it, and
  // nothing stays captured; then the windows go before the application
  // window that owns them, each once, the last created first.
  window_menus_.End();
  MarkDestroying();
  while (!Components().empty()) base::TComponent::Destroy(Components().back());
  DestroyHandle();
}

void TApplication::TrimSystemMenu() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

void TApplication::SetMainWindowIfFirst(HWND window) {
  if (!main_window_) main_window_ = window;
}

void TApplication::MainWindowClosed() {
  PostQuitMessage(0);
}

template <typename Work>
void TApplication::ShowingErrors(Work work) noexcept {
  try {
    work();
  } catch (...) {
    ShowError(std::current_exception());
  }
}

void TApplication::Dispatch(MSG& message) {
  ShowingErrors([&] {
    // A key or a click that came before the loop first went idle waits for the check.
    if (!stored_orders_checked_ && IsAction(message.message)) CheckStoredOrders();
    if (window_menus_.Route(message)) return;
    RouteMenuKeys(message);
    if (ui::HandleDialogKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  });
}

void TApplication::ShowTaskBarEntry(bool show) {
  ShowWindow(Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TApplication::SetScreenCursor(ui::TCursor cursor) {
  if (screen_cursor_ == cursor) return;
  screen_cursor_ = cursor;
  // The pointer takes the new shape now, not at its next move.
  POINT at;
  if (!GetCursorPos(&at)) return;
  const HWND under = WindowFromPoint(at);
  DWORD process = 0;
  if (!under || (GetWindowThreadProcessId(under, &process), process != GetCurrentProcessId())) return;
  const auto hit = static_cast<WORD>(SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

void TApplication::ActivateMainWindow() {
  // The window the user last worked in, if it can take the activation.
  HWND target = GetLastActivePopup(Handle());
  if (!target || target == Handle() || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = main_window_;
  if (target && IsWindowVisible(target) && IsWindowEnabled(target)) SetActiveWindow(target);
}

int TApplication::Run() {
  ShowTaskBarEntry(true);
  MSG message;
  for (;;) {
    // GetMessageW waits while the queue is empty: the loop's idle wait.
    if (!check_posted_) PostStoredOrderCheckWhenIdle();
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
  // A loop that never went idle still leaves its profile.
  if (!profile_written_ && profile_.On()) {
    profile_target_.Write(profile_.Text());
    profile_written_ = true;
  }
  return 0;
}

void TApplication::PostStoredOrderCheckWhenIdle() {
  // Anything queued, painting included, is still start-up work.
  if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) return;
  profile_.Mark("loop idle: every window shown and painted");
  check_posted_ = true;
  // A posted message is taken before any input that comes after it; when it
  // cannot be posted, the check runs now, its error shown as a handler's.
  if (!PostMessageW(Handle(), kCheckStoredOrders, 0, 0)) ShowingErrors([this] { CheckStoredOrders(); });
}

void TApplication::CheckStoredOrders() {
  if (stored_orders_checked_) return;
  stored_orders_checked_ = true;
  for (base::TComponent* form : Components()) {
    for (base::TComponent* component : form->Components()) {
      auto* table = dynamic_cast<data::TCustomClientDataSet*>(component);
      if (table && table->StoredOrderUnchecked()) table->CheckStoredOrder();
    }
  }
  profile_.Mark("stored name order checked");
  if (!profile_written_ && profile_.On()) profile_target_.Write(profile_.Text());
  profile_written_ = true;
}

bool TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    Dispatch(message);
  }
  return true;
}

void TApplication::ShowError(std::exception_ptr error) noexcept {
  errors_.Show(error, reinterpret_cast<uintptr_t>(PHONEBOOK_RETURN_ADDRESS()));
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kCheckStoredOrders:
      CheckStoredOrders();
      return 0;
    case WM_CLOSE:
      // From the task-bar button's menu or another program: the same end as
      // closing the main window.
      if (main_window_ && IsWindow(main_window_)) {
        SendMessageW(main_window_, WM_CLOSE, 0, 0);
      } else {
        MainWindowClosed();
      }
      return 0;
    case WM_SETFOCUS:
      // The task-bar button activated this window: the work goes on in the
      // program's own windows.
      ActivateMainWindow();
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_RESTORE) {
        const LRESULT result = DefaultHandling(message, wparam, lparam);
        ActivateMainWindow();
        return result;
      }
      break;
    default:
      break;
  }
  return DefaultHandling(message, wparam, lparam);
}

}  // namespace app
