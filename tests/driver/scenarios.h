// Windows only: the end-to-end checks, each on a freshly started program
// driven with real input only. Each returns the number of failed checks.
#pragma once

#include <string>

#include "tests/driver/report.h"
#include "tests/driver/screen_checks.h"

namespace driver {

struct Setup {
  std::wstring exe;          // the program under test
  DirectoryPairs directory;  // its directory source
};

// Runs the scenario `name`; false when there is no such scenario.
bool RunScenario(const std::string& name, const Setup& setup, Report& report);
// The scenarios' names, for the usage text.
const char* ScenarioNames();

}  // namespace driver
