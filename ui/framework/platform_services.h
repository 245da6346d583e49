// The platform calls whose effects reach outside the program (a beep, a
// sound, the desktop shell) or that read the user's settings (the locale),
// each behind one small interface so that tests can record them instead of
// making them. The application object provides
// the real ones; a component finds them through its owners with ServicesOf().
//
// The interfaces mirror the platform calls' parameters with portable types,
// so the code that calls them (handlers of the windows) builds everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/component.h"

namespace ui {

// The system's default sounds (MessageBeep).
class Beeper {
 public:
  virtual ~Beeper() = default;
  // `type` as MessageBeep takes it (0: the default beep).
  virtual void MessageBeep(std::uint32_t type) = 0;
};

// A registry value as stored: its type (the registry's numbers: 1 text, 2
// text with variables, 3 bytes, 4 a 32-bit number, 7 a list of texts, ...)
// and its bytes (texts in UTF-16, little-endian).
struct RegistryValue {
  static constexpr std::uint32_t kText = 1;
  static constexpr std::uint32_t kExpandableText = 2;
  static constexpr std::uint32_t kBinary = 3;
  static constexpr std::uint32_t kNumber = 4;
  static constexpr std::uint32_t kTextList = 7;

  std::uint32_t type = kText;
  std::vector<std::uint8_t> data;

  // A text value holding the units of `text` as they are (no terminating
  // zero added).
  static RegistryValue Text(std::u16string_view text);
  // Whether the type is one of the three text types.
  bool IsText() const { return type == kText || type == kExpandableText || type == kTextList; }
};

// Event sounds of the user's sound scheme (PlaySoundA) and what the
// scheme assigns (the registry of the current user).
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Whether the system is Windows NT version 5 or later.
  virtual bool IsNt5OrLater() = 0;
  // The default value of the current user's registry key `key` (below
  // HKEY_CURRENT_USER), of whatever type, or nothing when the key or its
  // default value is missing.
  virtual std::optional<RegistryValue> CurrentUserDefaultValue(const std::string& key) = 0;
  // Plays `sound` (an alias or a file) as PlaySoundA(`sound`, no module,
  // `flags`) does; returns what it returned.
  virtual bool PlayAlias(const std::string& sound, std::uint32_t flags) = 0;
};

// The desktop shell (ShellExecuteA). Null pointers stand for the call's null
// arguments; `owner` is the owner window's handle or null.
class ShellOpener {
 public:
  // The show mode of a window opened in its normal size and place (SW_SHOWNORMAL).
  static constexpr int kShowNormal = 1;

  virtual ~ShellOpener() = default;
  // Returns what ShellExecuteA returned (above 32 on success).
  virtual std::intptr_t ShellExecute(void* owner, const char* verb, const char* file, const char* parameters,
                                     const char* directory, int show) = 0;
};

// The user's locale settings that controls show (GetLocaleInfo).
class UserLocale {
 public:
  virtual ~UserLocale() = default;
  // The first character of the locale's date and time separators, in
  // Windows-1251 ("?" for one it cannot hold); "/" and ":" when the locale
  // gives none.
  virtual char DateSeparator() = 0;
  virtual char TimeSeparator() = 0;
};

// The user's display settings that decide the colours drawn with
// (SystemParametersInfo): tests force them instead of changing the desktop.
class DisplaySettings {
 public:
  virtual ~DisplaySettings() = default;
  // Whether the user turned high contrast on (SPI_GETHIGHCONTRAST).
  virtual bool HighContrast() = 0;
};

struct PlatformServices {
  Beeper* beeper;
  SoundPlayer* sounds;
  ShellOpener* shell;
  UserLocale* locale;
  DisplaySettings* display = nullptr;  // null: high contrast counts as off
};

// What the application object implements to hand out its services.
class ServiceProvider {
 public:
  virtual const PlatformServices& Services() const = 0;

 protected:
  ~ServiceProvider() = default;
};

// The services of the first owner of `component` (itself included) that
// provides them; without one, services that do nothing (a control read
// without an application, as tools and host tests read windows).
const PlatformServices& ServicesOf(const base::TComponent& component);

// Services that do nothing: no beep, no sound assigned, the shell refusing
// (result 0), a locale with the separators "/" and ":", high contrast off.
const PlatformServices& SilentServices();

// The real calls (Windows only).
const PlatformServices& SystemServices();

}  // namespace ui
