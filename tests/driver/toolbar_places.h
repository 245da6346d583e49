// Windows only: where the menu toolbar's buttons are on screen, found from
// outside: the toolbar tells its captions but not their places, so the
// driver clicks along the bar and reads what each click opens.
#pragma once

#include <windows.h>

#include "tests/driver/program_under_test.h"

namespace driver {

struct ToolbarPlaces {
  POINT work{};   // "Работаем": its drop-down holds "Выход"
  POINT show{};   // "Показать": its drop-down holds "Панель результата"
  POINT about{};  // "O...": the bar's last button
  bool found = false;
};

// Probes the toolbar of the running program. Leaves every menu closed and
// the About window hidden.
ToolbarPlaces FindToolbarPlaces(const ProgramUnderTest& program);

// Opens the drop-down of the button at `button` with a click and returns it
// with its text; nullptr if none opened within 2 s.
HWND OpenMenu(const ProgramUnderTest& program, POINT button, std::wstring* text);

}  // namespace driver
