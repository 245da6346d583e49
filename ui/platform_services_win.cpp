#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include "ui/platform_services.h"
#include "ui/system_function.h"

namespace ui {

namespace {

class SystemBeeper final : public Beeper {
 public:
  void MessageBeep(std::uint32_t type) override { ::MessageBeep(type); }
};

class SystemSounds final : public SoundPlayer {
 public:
  bool IsNt5OrLater() override {
    // The version as the system reports it to a program without a manifest;
    // 5 or more is all that counts here.
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return true;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
  }

  std::optional<std::u16string> CurrentUserDefaultValue(const std::string& key) override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    DWORD type = 0, size = 0;
    std::optional<std::u16string> value;
    if (RegQueryValueExW(opened, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      std::u16string text(size / sizeof(char16_t) + 1, u'\0');
      DWORD read = static_cast<DWORD>(text.size() * sizeof(char16_t));
      if (RegQueryValueExW(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &read) ==
          ERROR_SUCCESS) {
        text.resize(std::min<std::size_t>(text.size(), read / sizeof(char16_t)));
        while (!text.empty() && text.back() == u'\0') text.pop_back();
        value = std::move(text);
      }
    }
    RegCloseKey(opened);
    return value;
  }

  bool PlayAlias(const std::string& sound, std::uint32_t flags) override {
    static const auto play = SystemFunction<decltype(PlaySoundA)>(L"winmm.dll", "PlaySoundA");
    return play && play(sound.c_str(), nullptr, flags) != FALSE;
  }
};

static_assert(ShellOpener::kShowNormal == SW_SHOWNORMAL);

class SystemShell final : public ShellOpener {
 public:
  std::intptr_t ShellExecute(void* owner, const char* verb, const char* file, const char* parameters,
                             const char* directory, int show) override {
    static const auto execute = SystemFunction<decltype(ShellExecuteA)>(L"shell32.dll", "ShellExecuteA");
    // Without the shell nothing opens: the error value "out of memory or resources".
    if (!execute) return 0;
    return reinterpret_cast<std::intptr_t>(
        execute(static_cast<HWND>(owner), verb, file, parameters, directory, show));
  }
};

}  // namespace

const PlatformServices& SystemServices() {
  static SystemBeeper beeper;
  static SystemSounds sounds;
  static SystemShell shell;
  static const PlatformServices services{&beeper, &sounds, &shell};
  return services;
}

}  // namespace ui
