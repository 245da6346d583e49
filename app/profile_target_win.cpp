#include <windows.h>

#include "app/profile_target.h"

namespace app {

namespace {

// 100-nanosecond ticks of a FILETIME as one number.
ULONGLONG Ticks(const FILETIME& time) {
  return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Milliseconds from the process's creation to now, by the system clock;
// 0 when the creation time cannot be read.
double MsSinceProcessCreation() {
  FILETIME created, exited, kernel, user, now;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  GetSystemTimePreciseAsFileTime(&now);
  const ULONGLONG from = Ticks(created), to = Ticks(now);
  return to > from ? static_cast<double>(to - from) / 10000.0 : 0;
}

}  // namespace

ProfileTarget ProfileTarget::ForThisBuild() {
  ProfileTarget target;
#if PHONEBOOK_STARTUP_PROFILE
  wchar_t value[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableW(L"PHONEBOOK_PROFILE", value, MAX_PATH + 1);
  // Unset, empty, or longer than a path may be: no profile.
  if (length == 0 || length > MAX_PATH) return target;
  target.path_.assign(value, length);
  target.kind_ = target.path_ == L"debugger" ? Kind::kDebugger : Kind::kFile;
#endif
  return target;
}

StartupProfile ProfileTarget::StartProfile() const {
  if (!Wanted()) return StartupProfile();
  LARGE_INTEGER frequency, origin;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&origin);
  const double entry_ms = MsSinceProcessCreation();
  StartupProfile profile([=] {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return entry_ms + static_cast<double>(now.QuadPart - origin.QuadPart) * 1000.0 /
                          static_cast<double>(frequency.QuadPart);
  });
  profile.Record("process start to the program's entry", entry_ms, entry_ms);
  return profile;
}

void ProfileTarget::Write(std::string_view text) const {
  if (kind_ == Kind::kDebugger) {
    OutputDebugStringA(std::string(text).c_str());
    return;
  }
  if (kind_ != Kind::kFile) return;
  HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace app
