// The keys the name picker and its list answer. The values are the Win32
// virtual-key codes, so that the Windows view passes a key message's code
// through unchanged; any other code is simply not one of these.
#pragma once

#include <cstdint>

namespace search {

enum class LookupKey : uint16_t {
  kBack = 0x08,
  kReturn = 0x0D,
  kEscape = 0x1B,
  kPageUp = 0x21,
  kPageDown = 0x22,
  kEnd = 0x23,
  kHome = 0x24,
  kLeft = 0x25,
  kUp = 0x26,
  kRight = 0x27,
  kDown = 0x28,
  kF4 = 0x73,
};

// Character codes that reach the typed search besides the printable ones.
inline constexpr char kBackspaceChar = '\b';

}  // namespace search
