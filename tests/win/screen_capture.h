// Windows only: the screen's pixels saved as a picture, for the README's
// screenshots.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Saves the screen's pixels in `area` as a 24-bit BMP file; false when the
// area is empty or the pixels or the file could not be had.
bool SaveScreen(const RECT& area, const std::wstring& path);

}  // namespace testing_support
