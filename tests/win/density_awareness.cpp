#include "tests/win/density_awareness.h"

#include <windows.h>

#include <initializer_list>

namespace testing_support {

bool DeclareDensityAwareness() {
  // Looked up at run time: older systems have only SetProcessDPIAware.
  using SetContext = BOOL(WINAPI*)(HANDLE);
  HMODULE user = GetModuleHandleW(L"user32.dll");
  const auto set_context = user ? reinterpret_cast<SetContext>(reinterpret_cast<void*>(
                                      GetProcAddress(user, "SetProcessDpiAwarenessContext")))
                                : nullptr;
  if (set_context) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
    for (const LONG_PTR context : {-4, -3}) {
      if (set_context(reinterpret_cast<HANDLE>(context))) return true;
    }
  }
  return SetProcessDPIAware() != FALSE;
}

}  // namespace testing_support
