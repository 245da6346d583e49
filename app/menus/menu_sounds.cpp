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
  const std::optional<std::u16string> value = player_.CurrentUserDefaultValue(MenuSoundKey(sound));
  return value && !value->empty() && value->front() != u'\0';
}

bool MenuSounds::Play(MenuSound sound) {
  if (!Wanted(sound)) return false;
  player_.PlayAlias(std::string(MenuSoundName(sound)), kMenuSoundFlags);
  return true;
}

}  // namespace app
