#include "ui/model/font.h"

namespace ui {

std::span<const resources::NamedValue> CharsetNames() {
  static constexpr resources::NamedValue kNames[] = {
      {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
      {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"GB2312_CHARSET", 134},
      {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},        {"JOHAB_CHARSET", 130},
      {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"GREEK_CHARSET", 161},
      {"TURKISH_CHARSET", 162},     {"VIETNAMESE_CHARSET", 163}, {"THAI_CHARSET", 222},
      {"EASTEUROPE_CHARSET", 238},  {"RUSSIAN_CHARSET", 204},    {"MAC_CHARSET", 77},
      {"BALTIC_CHARSET", 186},
  };
  return kNames;
}

const resources::ClassInfo& TFont::Class() {
  static constexpr resources::NamedValue kStyles[] = {
      {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
  static const resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TFont::charset>("Charset", CharsetNames()),
      resources::IntegerProperty<&TFont::color>("Color", ColorNames()),
      resources::IntegerProperty<&TFont::height>("Height"),
      resources::StringProperty<&TFont::name>("Name"),
      resources::SetProperty<&TFont::style>("Style", kStyles),
  };
  static const resources::ClassInfo info{"TFont", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

}  // namespace ui
