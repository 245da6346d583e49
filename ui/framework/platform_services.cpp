#include "ui/framework/platform_services.h"

namespace ui {

namespace {

class SilentBeeper final : public Beeper {
 public:
  void MessageBeep(std::uint32_t) override {}
};

class SilentSounds final : public SoundPlayer {
 public:
  bool IsNt5OrLater() override { return true; }
  std::optional<RegistryValue> CurrentUserDefaultValue(const std::string&) override { return std::nullopt; }
  bool PlayAlias(const std::string&, std::uint32_t) override { return false; }
};

class SilentShell final : public ShellOpener {
 public:
  std::intptr_t ShellExecute(void*, const char*, const char*, const char*, const char*, int) override {
    return 0;
  }
};

class SilentLocale final : public UserLocale {
 public:
  char DateSeparator() override { return '/'; }
  char TimeSeparator() override { return ':'; }
};

class SilentDisplay final : public DisplaySettings {
 public:
  bool HighContrast() override { return false; }
};

}  // namespace

RegistryValue RegistryValue::Text(std::u16string_view text) {
  RegistryValue value;
  value.type = kText;
  for (const char16_t unit : text) {
    value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return value;
}

const PlatformServices& SilentServices() {
  static SilentBeeper beeper;
  static SilentSounds sounds;
  static SilentShell shell;
  static SilentLocale locale;
  static SilentDisplay display;
  static const PlatformServices services{&beeper, &sounds, &shell, &locale, &display};
  return services;
}

const PlatformServices& ServicesOf(const base::TComponent& component) {
  for (const base::TComponent* c = &component; c; c = c->Owner()) {
    if (const auto* provider = dynamic_cast<const ServiceProvider*>(c)) return provider->Services();
  }
  return SilentServices();
}

}  // namespace ui
