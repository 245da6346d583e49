// Windows only: the end-to-end check of readable colours. The program is
// driven to four states (after a number search; the name list open; the
// "Показать" menu open; the About window shown with the pointer on its close
// mark) and every region that shows text is read from the screen: its
// background and its text colour must reach 4.5:1. Each region's ratio is
// reported, so a run in a prefix of any colour scheme measures them.
#pragma once

#include "tests/driver/report.h"
#include "tests/driver/scenarios.h"

namespace driver {

// Returns the number of failed checks.
int TextContrast(const Setup& setup, Report& report);

}  // namespace driver
