// Windows only: the monkey. It sends `count` random events (MonkeyPlan with
// `seed`) to the program's windows, and after every 100 checks that the
// program is alive and answers, that the number field and the memo hold
// sound texts, that no window of the program is off every screen, and that a
// number search typed into the field finds the number's owner (the phone
// table is back in its "TEL" order between commands). An
// error box is read, logged and dismissed after the event that raised it;
// two at once, or one with a text the program has no reason to show, is a
// violation. The first violation stops the run and prints the seed and the
// last 50 events.
#pragma once

#include <cstdint>
#include <cstdio>

#include "tests/driver/scenarios.h"

namespace driver {

struct MonkeyOptions {
  std::uint64_t count = 5000;
  std::uint64_t seed = 1;
  // Invariants after every this many events (100; 1 to find the event that
  // broke one when replaying a seed).
  std::uint64_t check_every = 100;
  std::FILE* log = nullptr;  // every event and check as JSON lines
};

// Returns 0 when the run ended without a violation.
int RunMonkey(const Setup& setup, const MonkeyOptions& options, Report& summary);

}  // namespace driver
