// VisualTheme: the drawing of a window class's parts in the current visual
// style (Windows only), for own-drawn views that look like a system control.
// The theme library is looked up when first used, not imported, and only
// when a style may be active (ui/framework/visual_style_presence.h); without it (or
// without an active style) Open() gives an empty theme and the view draws
// the classic look.
#pragma once

#include <windows.h>

#include <uxtheme.h>

#include <optional>

namespace ui {

class VisualTheme {
 public:
  VisualTheme() = default;
  // The style's data for the system class `classes` (e.g. L"Status") as
  // `window` is shown; empty without an active style.
  static VisualTheme Open(HWND window, const wchar_t* classes);
  ~VisualTheme();
  VisualTheme(VisualTheme&& other) noexcept;
  VisualTheme& operator=(VisualTheme&& other) noexcept;
  VisualTheme(const VisualTheme&) = delete;
  VisualTheme& operator=(const VisualTheme&) = delete;

  explicit operator bool() const { return theme_ != nullptr; }
  // Draws `part` in `state` over `area`; false when the style has no such part.
  bool DrawBackground(HDC dc, int part, int state, const RECT& area) const;
  // The size the style draws `part` in, to go in `area`.
  std::optional<SIZE> PartSize(HDC dc, int part, int state, const RECT& area) const;

 private:
  explicit VisualTheme(HTHEME theme) : theme_(theme) {}

  HTHEME theme_ = nullptr;
};

}  // namespace ui
