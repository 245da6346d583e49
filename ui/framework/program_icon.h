// Windows only: the program's icon for its top-level window classes, so that
// the title bar, the task bar and Alt+Tab show it instead of the system's
// default icon.
#pragma once

#include <windows.h>

namespace ui {

// A window class's two icons: the big one (task bar, Alt+Tab) and the small
// one (title bar).
struct ClassIcons {
  HICON big_icon = nullptr;
  HICON small_icon = nullptr;
};

// The program's icon group (PHONEBOOK_ICON_ID in resources/program_resources.h)
// of the running executable, at the system's big and small icon sizes. The
// icons are shared ones the system keeps for the module's life, so nobody
// destroys them. Both are null when the executable carries no such icon (a
// test program may not); its classes then get the system's default.
ClassIcons ProgramIcons();

}  // namespace ui
