// Windows only: the memory the program has committed once its main window
// shows, beside a bare window's, both read from outside the processes
// (GetProcessMemoryInfo) as a user's task manager reads them.
#pragma once

#include "tests/driver/report.h"
#include "tests/driver/scenarios.h"

namespace driver {

// The most the program may commit over the bare window once both show.
inline constexpr double kMostCommittedOverBareMiB = 2.0;

// Starts the program and the bare window `kMemoryStarts` times each, one
// after the other; once a window shows and its program waits for input,
// reads the process's committed bytes, then closes it and checks exit code 0.
// Checks the medians' difference against kMostCommittedOverBareMiB and
// reports both medians. Returns the failed checks.
inline constexpr int kMemoryStarts = 3;
int CommittedMemoryOnceShown(const Setup& setup, Report& report);

}  // namespace driver
