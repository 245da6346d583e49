#include "ui/framework/visual_theme.h"

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "ui/framework/system_function.h"
#include "ui/framework/visual_style_presence.h"

namespace ui {

namespace {

// The theme library's entry points, looked up once.
struct ThemeLibrary {
  using OpenFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using CloseFn = HRESULT(WINAPI*)(HTHEME);
  using DrawFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  using SizeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*);

  OpenFn open = nullptr;
  CloseFn close = nullptr;
  DrawFn draw = nullptr;
  SizeFn size = nullptr;

  ThemeLibrary() {
    open = SystemFunction<std::remove_pointer_t<OpenFn>>(L"uxtheme.dll", "OpenThemeData");
    close = SystemFunction<std::remove_pointer_t<CloseFn>>(L"uxtheme.dll", "CloseThemeData");
    draw = SystemFunction<std::remove_pointer_t<DrawFn>>(L"uxtheme.dll", "DrawThemeBackground");
    size = SystemFunction<std::remove_pointer_t<SizeFn>>(L"uxtheme.dll", "GetThemePartSize");
    if (!open || !close || !draw || !size) open = nullptr;
  }
};

const ThemeLibrary& Library() {
  static const ThemeLibrary library;
  return library;
}

// The ThemeManager's "ThemeActive" text, or nothing when it is not set.
std::optional<std::wstring> ThemeActiveSetting() {
  wchar_t value[16] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                   L"ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

}  // namespace

VisualTheme VisualTheme::Open(HWND window, const wchar_t* classes) {
  // Asked again at every open, so a style the user turns on later is found
  // (a view opens its theme anew when the theme changes).
  if (!VisualStyleMayBeActive(GetModuleHandleW(L"uxtheme.dll") != nullptr, ThemeActiveSetting()))
    return VisualTheme();
  const ThemeLibrary& library = Library();
  if (!library.open) return VisualTheme();
  return VisualTheme(library.open(window, classes));
}

VisualTheme::~VisualTheme() {
  if (theme_) Library().close(theme_);
}

VisualTheme::VisualTheme(VisualTheme&& other) noexcept : theme_(std::exchange(other.theme_, nullptr)) {}

VisualTheme& VisualTheme::operator=(VisualTheme&& other) noexcept {
  if (this != &other) {
    if (theme_) Library().close(theme_);
    theme_ = std::exchange(other.theme_, nullptr);
  }
  return *this;
}

bool VisualTheme::DrawBackground(HDC dc, int part, int state, const RECT& area) const {
  return theme_ && SUCCEEDED(Library().draw(theme_, dc, part, state, &area, nullptr));
}

std::optional<SIZE> VisualTheme::PartSize(HDC dc, int part, int state, const RECT& area) const {
  SIZE size{};
  if (!theme_ || FAILED(Library().size(theme_, dc, part, state, &area, TS_DRAW, &size))) return std::nullopt;
  return size;
}

}  // namespace ui
