// Colours and fonts of the stored controls as GDI objects (Windows only).
#pragma once

#include <windows.h>

#include <utility>

#include "ui/colors.h"
#include "ui/font.h"

namespace ui {

// The RGB value of `color`; a system colour is looked up now, so the current
// desktop scheme is what is drawn.
COLORREF ColorRef(TColor color);

// A GDI font for `font`: its height in pixels (the descriptions are stored
// for 96 pixels per inch, the density the program runs at), name, style and
// character set.
HFONT CreateFontHandle(const TFont& font);

// Owns one GDI object and deletes it when it goes.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

// A solid brush that follows the colour it was last asked for.
class SolidBrush {
 public:
  HBRUSH For(TColor color);

 private:
  GdiObject<HBRUSH> brush_;
  COLORREF color_ = 0;
};

}  // namespace ui
