// SystemFunction: a function of a system library, loaded on its first use
// (Windows only). Libraries needed only after the user acts (sounds, the
// shell) or only for some looks (the visual style's drawing) are not loaded
// with the program, so that no start pays for them. The library comes from
// the system folder only, never from the program's folder or the current
// one. nullptr when the library or the function is missing.
#pragma once

#include <windows.h>

namespace ui {

template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace ui
