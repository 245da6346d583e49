#include "tests/win/screen_shots.h"

namespace testing_support {

// Handles the program's messages until `done` holds or `ms` passed.
bool PumpUntil(app::TApplication& application, const std::function<bool()>& done, DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  for (;;) {
    application.ProcessMessages();
    if (done()) return true;
    if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace testing_support
