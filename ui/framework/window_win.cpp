#include "ui/framework/window.h"

namespace ui {

Window::~Window() {
  DestroyHandle();
}

bool Window::CreateHandle(const wchar_t* class_name, DWORD ex_style, DWORD style, const std::wstring& text,
                          int x, int y, int width, int height, HWND parent, UINT class_style,
                          const wchar_t* base_class) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW base{};
  base.cbSize = sizeof base;
  if (base_class) {
    if (!GetClassInfoExW(nullptr, base_class, &base)) return false;
    base_procedure_ = base.lpfnWndProc;
  }
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, class_name, &existing)) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = class_style;
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    if (base_class) {
      // The system class's settings, without its global registration.
      window_class = base;
      window_class.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    }
    window_class.lpfnWndProc = &Window::Procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = class_name;
    if (class_icons_.big_icon) window_class.hIcon = class_icons_.big_icon;
    if (class_icons_.small_icon) window_class.hIconSm = class_icons_.small_icon;
    if (!RegisterClassExW(&window_class)) return false;
  }
  if (!CreateWindowExW(ex_style, class_name, text.c_str(), style, x, y, width, height, parent, nullptr,
                       instance, this)) {
    return false;
  }
  // No WM_SETICON: the title bar, the task bar and Alt+Tab fall back on the
  // class's icons, and under Wine giving each window its own icons measurably
  // slows the start (its X driver converts every icon it is handed).
  return true;
}

void Window::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
  if (base_procedure_) return CallWindowProcW(base_procedure_, handle_, message, wparam, lparam);
  return DefWindowProcW(handle_, message, wparam, lparam);
}

Window* Window::FromHandle(HWND window) {
  if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wparam, lparam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    if (self->error_sink_) self->error_sink_->ShowError(std::current_exception());
    result = 0;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace ui
