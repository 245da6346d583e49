// Windows only: the README's screenshots of the real program in the states a
// user meets, taken from outside with real input (run in Wine's virtual
// desktop, which draws the frames): each state's windows, with a margin, as
// a BMP file in `folder`.
#pragma once

#include <string>

#include "tests/driver/report.h"
#include "tests/driver/scenarios.h"

namespace driver {

int TakeScreenshots(const Setup& setup, const std::wstring& folder, Report& report);

}  // namespace driver
