// Windows only: the end-to-end checks of what a screen reader finds and
// hears, read from this process through the system's oleacc (reader.h):
//   reader-tree           the main window's whole tree, and a child id out
//                         of range refused
//   reader-name-search    typing "ив" in the picker: a focus or selection
//                         event naming the first ИВ name; the list's object
//                         kept after the list closed refuses every call
//   reader-number-search  a number search: a value change carrying the
//                         owner's name
//   reader-menu           the default action of "Показать": a pop-up start
//                         and "Панель результата" checked, Esc a pop-up end;
//                         the default action of "O..." shows the About window
//   reader-about-keys     the About window from the keyboard: named, Tab and
//                         Shift+Tab heard as focus events naming its links and
//                         its close mark, Enter on the close mark hides it
#pragma once

#include <string>

#include "tests/driver/report.h"
#include "tests/driver/scenarios.h"

namespace driver {

// Runs the reader scenario `name`; false when there is no such scenario.
bool RunReaderScenario(const std::string& name, const Setup& setup, Report& report);

}  // namespace driver
