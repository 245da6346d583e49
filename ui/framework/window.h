// The window-procedure base of every window the program creates itself.
//
//   * one window class per C++ class, registered on first use;
//   * `this` is bound at WM_NCCREATE and every later message is forwarded to
//     HandleMessage(), a flat switch in the derived class that unpacks the
//     parameters and calls a named member;
//   * what a derived class does not handle reaches DefWindowProcW in exactly
//     one place, DefaultHandling();
//   * an error that escapes the handling of one message is caught here and
//     handed to the window's error sink (the application's error display);
//     the message then counts as handled and the program goes on;
//   * the object outlives its HWND by design: after WM_NCDESTROY the handle
//     is null and no message reaches the object again;
//   * a class may be built on a system control class (EDIT):
//     it takes that class's settings and its procedure becomes what
//     DefaultHandling() calls, so the derived class sees every message first.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "ui/framework/error_sink.h"
#include "ui/framework/program_icon.h"

namespace ui {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return handle_; }

  // The object behind `window` when it is one of ours, else null.
  static Window* FromHandle(HWND window);

  // Errors escaping this window's handlers go to `sink` (may be null: then
  // they are swallowed after the message, which only tests should rely on).
  void SetErrorSink(ErrorSink* sink) { error_sink_ = sink; }

 protected:
  // Creates the window; `class_name` names the window class of the derived
  // C++ class (registered once per process), built on the system class
  // `base_class` when that is given. Returns false when either the class or
  // the window could not be created.
  bool CreateHandle(const wchar_t* class_name, DWORD ex_style, DWORD style, const std::wstring& text, int x,
                    int y, int width, int height, HWND parent, UINT class_style = 0,
                    const wchar_t* base_class = nullptr);
  void DestroyHandle();
  // The icons the window class gets when CreateHandle() registers it, and
  // the window's own icons (the program's top-level windows give the
  // program's icon); none by default.
  void SetClassIcons(const ClassIcons& icons) { class_icons_ = icons; }

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);
  // True for a class built on a system class (which draws itself).
  bool BuiltOnSystemClass() const { return base_procedure_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  WNDPROC base_procedure_ = nullptr;  // the system class's, for a built-on class
  ErrorSink* error_sink_ = nullptr;
  ClassIcons class_icons_;
};

}  // namespace ui
