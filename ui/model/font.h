// TFont: the font sub-object of a control or a window ("Font.Name",
// "Font.Height" in a description). It only keeps the stored values; making a
// platform font from them is the Windows side's business.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/persistent.h"
#include "resources/class_info.h"
#include "ui/model/colors.h"

namespace ui {

// Bits of TFont::style.
enum TFontStyle : std::uint8_t { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };

inline constexpr std::uint8_t kDefaultCharset = 1;  // "DEFAULT_CHARSET"

// The character-set names a description may use ("DEFAULT_CHARSET").
std::span<const resources::NamedValue> CharsetNames();

// The values a font stores, apart from its identity as a persistent object:
// kept together so that TFont::Assign copies every one of them, a value
// added here included.
struct FontValues {
  std::uint8_t charset = kDefaultCharset;
  TColor color = clWindowText;
  std::int32_t height = -11;  // negative: character height in pixels
  std::string name = "MS Sans Serif";
  std::uint32_t style = 0;  // bits of TFontStyle
};

class TFont : public base::TPersistent, public FontValues {
 public:
  // Takes every stored value of `from` (a persistent object is not copied).
  void Assign(const TFont& from) { static_cast<FontValues&>(*this) = from; }

  bool HasStyle(TFontStyle s) const { return (style >> s) & 1u; }

  const char* ClassName() const override { return "TFont"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
