#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include "ui/framework/platform_services.h"
#include "ui/framework/system_function.h"
#include "ui/framework/wide_text.h"

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

  std::optional<RegistryValue> CurrentUserDefaultValue(const std::string& key) override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    DWORD type = 0, size = 0;
    std::optional<RegistryValue> value;
    if (RegQueryValueExW(opened, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      RegistryValue read;
      read.data.resize(size);
      DWORD got = size;
      if (size == 0 ||
          RegQueryValueExW(opened, nullptr, nullptr, &type, read.data.data(), &got) == ERROR_SUCCESS) {
        read.type = type;
        read.data.resize(std::min<DWORD>(got, size));
        value = std::move(read);
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

class SystemLocale final : public UserLocale {
 public:
  char DateSeparator() override { return Separator(LOCALE_SDATE, '/'); }
  char TimeSeparator() override { return Separator(LOCALE_STIME, ':'); }

 private:
  static char Separator(LCTYPE type, char none) {
    wchar_t text[8] = {};
    // The count includes the terminating zero: 1 is an empty separator.
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 8) < 2) return none;
    const std::string narrow = Narrow(std::wstring_view(text, 1));
    return narrow.empty() ? none : narrow.front();
  }
};

class SystemDisplay final : public DisplaySettings {
 public:
  bool HighContrast() override {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof settings;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
  }
};

}  // namespace

const PlatformServices& SystemServices() {
  static SystemBeeper beeper;
  static SystemSounds sounds;
  static SystemShell shell;
  static SystemLocale locale;
  static SystemDisplay display;
  static const PlatformServices services{&beeper, &sounds, &shell, &locale, &display};
  return services;
}

}  // namespace ui
