// Platform services that record what the program asked for instead of doing
// it: beeps, event sounds (with a registry the test fills) and shell calls,
// and a locale the test sets.
// A test installs them on the application object (TApplication::SetServices)
// or makes them reachable through a window's owner.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/platform_services.h"

namespace testing_support {

class RecordingBeeper final : public ui::Beeper {
 public:
  void MessageBeep(std::uint32_t type) override { beeps.push_back(type); }
  std::vector<std::uint32_t> beeps;
};

class RecordingSounds final : public ui::SoundPlayer {
 public:
  bool IsNt5OrLater() override { return nt5_or_later; }
  std::optional<ui::RegistryValue> CurrentUserDefaultValue(const std::string& key) override {
    const auto found = registry.find(key);
    if (found == registry.end()) return std::nullopt;
    return found->second;
  }
  bool PlayAlias(const std::string& sound, std::uint32_t flags) override {
    played.push_back({sound, flags});
    return true;
  }

  struct Played {
    std::string sound;
    std::uint32_t flags;
  };
  bool nt5_or_later = true;
  std::map<std::string, ui::RegistryValue> registry;  // key below HKEY_CURRENT_USER -> default value
  std::vector<Played> played;
};

class RecordingShell final : public ui::ShellOpener {
 public:
  struct Call {
    void* owner;
    std::optional<std::string> verb, file, parameters, directory;
    int show;
  };
  std::intptr_t ShellExecute(void* owner, const char* verb, const char* file, const char* parameters,
                             const char* directory, int show) override {
    const auto text = [](const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; };
    calls.push_back({owner, text(verb), text(file), text(parameters), text(directory), show});
    return result;
  }
  std::vector<Call> calls;
  std::intptr_t result = 42;  // what the shell answers (at most 32: failure)
};

// A locale whose separators the test chooses; counts how often it was read.
class RecordingLocale final : public ui::UserLocale {
 public:
  char DateSeparator() override {
    ++reads;
    return date;
  }
  char TimeSeparator() override {
    ++reads;
    return time;
  }
  char date = '/';
  char time = ':';
  int reads = 0;
};

// Display settings the test sets (high contrast forced on or off).
class ForcedDisplay final : public ui::DisplaySettings {
 public:
  bool HighContrast() override { return high_contrast; }
  bool high_contrast = false;
};

// The recorders together.
struct RecordingServices {
  RecordingBeeper beeper;
  RecordingSounds sounds;
  RecordingShell shell;
  RecordingLocale locale;
  ForcedDisplay display;
  ui::PlatformServices Services() { return {&beeper, &sounds, &shell, &locale, &display}; }
};

}  // namespace testing_support
