#include "app/menus/menu_sounds.h"

#include <optional>

namespace app {

std::string_view MenuSoundName(MenuSound sound) {
  return sound == MenuSound::kMenuPopup ? "MenuPopup" : "MenuCommand";
}

std::string MenuSoundKey(MenuSound sound) {
  return std::string("AppEvents\\Schemes\\Apps\\.Default\\") + std::string(MenuSoundName(sound)) +
         "\\.Current";
}

bool MenuSounds::Wanted(MenuSound sound) const {
  if (!player_.IsNt5OrLater()) return true;
  const std::optional<ui::RegistryValue> value = player_.CurrentUserDefaultValue(MenuSoundKey(sound));
  if (!value || value->data.empty()) return false;
  // A text is empty when it ends before its first character.
  if (value->IsText()) return value->data.size() >= 2 && (value->data[0] != 0 || value->data[1] != 0);
  return true;
}

bool MenuSounds::Play(MenuSound sound) {
  if (!Wanted(sound)) return false;
  player_.PlayAlias(std::string(MenuSoundName(sound)), kMenuSoundFlags);
  return true;
}

}  // namespace app
