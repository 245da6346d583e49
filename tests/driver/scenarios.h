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
  std::wstring bare_window;  // the least program that shows a window, beside the driver
};

class ProgramUnderTest;

// The start every scenario begins with: the program started and its main
// window shown, each a check.
bool StartProgram(ProgramUnderTest& program, Report& report);
// Alt+F4 and the check of exit code 0; the failures so far.
int EndWithAltF4(ProgramUnderTest& program, Report& report);

// Runs the scenario `name`; false when there is no such scenario.
bool RunScenario(const std::string& name, const Setup& setup, Report& report);
// The scenarios' names, for the usage text.
const char* ScenarioNames();

}  // namespace driver
