// MenuSounds: whether a menu event sound is played, and playing it.
//
// The two events are "MenuPopup" (a drop-down menu opened) and "MenuCommand"
// (an item chosen while a drop-down was open). On Windows NT from version 5
// on, an event sounds only when the user's sound scheme assigns it: the
// default value of HKEY_CURRENT_USER\AppEvents\Schemes\Apps\.Default\<event>\.Current
// exists and is not empty, of whatever registry type. Earlier versions always request the sound and
// let the system decide. A sound is played by its alias, asynchronously, with
// no default sound and without cutting off one already playing: flags 0x10013
// (alias 0x10000, no-stop 0x10, no-default 0x2, asynchronous 0x1).
//
// The system is reached through ui::SoundPlayer (ui/framework/platform_services.h):
// the version, the registry value and PlaySoundA on Windows, a recorder with
// a registry of its own in tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/platform_services.h"

namespace app {

enum class MenuSound : std::uint8_t { kMenuPopup, kMenuCommand };

inline constexpr std::uint32_t kMenuSoundFlags = 0x10013;

// "MenuPopup" or "MenuCommand": the event's name in the scheme and its alias.
std::string_view MenuSoundName(MenuSound sound);
// The scheme key of `sound` under HKEY_CURRENT_USER:
// "AppEvents\Schemes\Apps\.Default\MenuPopup\.Current".
std::string MenuSoundKey(MenuSound sound);

class MenuSounds {
 public:
  // `player` must outlive this object.
  explicit MenuSounds(ui::SoundPlayer& player) : player_(player) {}

  // Whether `sound` is to be requested now. The scheme is read afresh each
  // time, so a change of scheme takes effect at once. A value without bytes,
  // or a text value that ends before its first character (a zero unit
  // first), counts as empty; a value of another type with bytes does not.
  bool Wanted(MenuSound sound) const;
  // Requests `sound` when Wanted(); returns whether it did (not whether the
  // system could play it).
  bool Play(MenuSound sound);

 private:
  ui::SoundPlayer& player_;
};

}  // namespace app
