// Windows only: makes the calling process aware of every monitor's density,
// as the program's manifest makes the program. A test program or the driver
// that did not would be shown, and would measure, another program's windows
// in pixels the system stretched from 96 per inch, not in the screen's.
#pragma once

namespace testing_support {

// Per-monitor awareness (version 2, else 1) where the system has it, else
// the system density's; false when the system refused every one (a process
// whose awareness is already set keeps it and gets false).
bool DeclareDensityAwareness();

}  // namespace testing_support
