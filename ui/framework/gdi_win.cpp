#include "ui/framework/gdi.h"

#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace ui {

COLORREF ColorRef(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    // COLOR_MENUBAR (30) is the last index the desktop defines.
    return GetSysColor(index <= 30 ? static_cast<int>(index) : COLOR_BTNFACE);
  }
  return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

HFONT CreateSystemFont(LOGFONTW NONCLIENTMETRICSW::*which, int dpi) {
  NONCLIENTMETRICSW metrics;
  if (!NonClientMetricsForDpi(metrics, dpi)) return nullptr;
  return CreateFontIndirectW(&(metrics.*which));
}

HFONT CreateFontHandle(const TFont& font) {
  LOGFONTW log{};
  log.lfHeight = font.height;
  log.lfWeight = font.HasStyle(fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = font.HasStyle(fsItalic);
  log.lfUnderline = font.HasStyle(fsUnderline);
  log.lfStrikeOut = font.HasStyle(fsStrikeOut);
  log.lfCharSet = font.charset;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH;
  const std::wstring name = Wide(font.name);
  lstrcpynW(log.lfFaceName, name.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&log);
}

HBRUSH SolidBrush::For(TColor color) {
  const COLORREF rgb = ColorRef(color);
  if (!brush_.Get() || rgb != color_) {
    brush_.Reset(CreateSolidBrush(rgb));
    color_ = rgb;
  }
  return brush_.Get();
}

HBRUSH BrushCache::For(COLORREF color) {
  for (Entry& entry : entries_) {
    if (entry.color == color) return entry.brush.Get();
  }
  if (entries_.size() < kMax) {
    entries_.push_back(Entry{color, GdiObject<HBRUSH>(CreateSolidBrush(color))});
    return entries_.back().brush.Get();
  }
  Entry& reused = entries_[next_];
  next_ = (next_ + 1) % kMax;
  reused.color = color;
  reused.brush.Reset(CreateSolidBrush(color));
  return reused.brush.Get();
}

MemoryDC::MemoryDC(HDC target, int width, int height)
    : dc_(target),
      bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
      width_(width),
      height_(height) {
  if (dc_.Get() && bitmap_.Get()) previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemoryDC::~MemoryDC() {
  if (previous_) SelectObject(dc_.Get(), previous_);
}

void MemoryDC::Copy(HDC target, int x, int y) const {
  if (dc_.Get() && previous_) BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace ui
