// Colours, fonts and the GDI resources of painting, each owned by an object
// that releases it (Windows only).
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "base/rect.h"
#include "ui/model/colors.h"
#include "ui/model/font.h"

namespace ui {

// The RGB value of `color`; a system colour is looked up now, so the current
// desktop scheme is what is drawn. A system colour index the desktop does
// not have draws as the button face; an RGB value keeps its low 24 bits.
COLORREF ColorRef(TColor color);

// A GDI font for `font`: its height in pixels (a window scales its stored
// heights to its density before its fonts are made), name, style and
// character set.
HFONT CreateFontHandle(const TFont& font);

// One of the desktop's own fonts (menu, status bar, small caption: a member
// of NONCLIENTMETRICSW) at `dpi`; nullptr when the desktop does not say.
HFONT CreateSystemFont(LOGFONTW NONCLIENTMETRICSW::*which, int dpi);

inline RECT ToRECT(const base::Rect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}
inline base::Rect FromRECT(const RECT& r) {
  return base::Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                    static_cast<int>(r.bottom)};
}

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

// Solid brushes by colour, made on first use and kept: a view that paints
// with a handful of colours makes each brush once. Bounded: past kMax
// colours the oldest brush is re-made for the new colour.
class BrushCache {
 public:
  HBRUSH For(COLORREF color);
  void Clear() { entries_.clear(); }
  std::size_t Size() const { return entries_.size(); }

  static constexpr std::size_t kMax = 32;

 private:
  struct Entry {
    COLORREF color;
    GdiObject<HBRUSH> brush;
  };
  std::vector<Entry> entries_;
  std::size_t next_ = 0;  // the entry replaced when full
};

// Selects an object into a DC and puts the previous one back when it goes.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The paint DC of one WM_PAINT (BeginPaint ... EndPaint).
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC Get() const { return dc_; }
  const RECT& Update() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A DC of a whole window (non-client area included), or of the screen for
// a null window (GetWindowDC ... ReleaseDC).
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC compatible with `target` (CreateCompatibleDC ... DeleteDC),
// for drawing into a bitmap or from one selected into it; null when the
// system refused it.
class CompatibleDC {
 public:
  explicit CompatibleDC(HDC target) : dc_(CreateCompatibleDC(target)) {}
  ~CompatibleDC() {
    if (dc_) DeleteDC(dc_);
  }
  CompatibleDC(const CompatibleDC&) = delete;
  CompatibleDC& operator=(const CompatibleDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// An off-screen bitmap compatible with `target`, `width` × `height`, to draw
// into and copy at once (no flicker); Copy() puts it at (x, y) of `target`.
class MemoryDC {
 public:
  MemoryDC(HDC target, int width, int height);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return dc_.Get(); }
  void Copy(HDC target, int x, int y) const;

 private:
  CompatibleDC dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;
  int width_;
  int height_;
};

}  // namespace ui
