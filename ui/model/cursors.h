// Mouse pointer shapes as controls store them ("Cursor"): crDefault (0)
// shows whatever the window would show anyway, the negative values name the
// standard shapes. A value outside the table shows the standard arrow.
#pragma once

#include <cstdint>
#include <span>

#include "resources/property_info.h"

namespace ui {

using TCursor = std::int16_t;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// The cursor names a description may use ("crHandPoint").
std::span<const resources::NamedValue> CursorNames();

}  // namespace ui
