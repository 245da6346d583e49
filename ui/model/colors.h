// Colours as window descriptions store them: a TColor is either an RGB value
// (0x00BBGGRR) or a system colour (0x80000000 plus the system colour index),
// written in a description by name ("clBtnFace") or as a number.
#pragma once

#include <cstdint>
#include <span>

#include "resources/property_info.h"

namespace ui {

using TColor = std::int32_t;

inline constexpr TColor SystemColor(std::uint32_t index) {
  return static_cast<TColor>(0x80000000u | index);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clInfoBk = SystemColor(24);

// Which of the desktop scheme's pairs of colours stands in for a control's
// own when its own must give way (ui/model/color_rule.h). kAuto: the one its
// kind and colours suggest.
enum class SchemePair : std::uint8_t { kAuto, kWindow, kButton, kHighlight, kLink };

// The colour names a description may use.
std::span<const resources::NamedValue> ColorNames();

}  // namespace ui
