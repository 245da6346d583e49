#include "ui/gdi.h"

#include "ui/wide_text.h"

namespace ui {

COLORREF ColorRef(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFFu));
  return static_cast<COLORREF>(value & 0x00FFFFFFu);
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

}  // namespace ui
