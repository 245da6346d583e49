// TTBSkin: the look shared by every toolbar, drop-down menu and dockable
// window: skin type, colour set, options and 28 colours (TTBColors, reached
// as "Colors.tcFace" in a description). The stored colours only count when
// the colour set is the custom one; otherwise they are derived from the
// system colours when the skin is drawn.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/skin/skin_palette.h"
#include "base/component.h"
#include "resources/class_info.h"
#include "ui/model/colors.h"

namespace app {

enum class TTBSkinType : std::uint8_t { tbsOfficeXP, tbsCustom };
enum class TTBColorSet : std::uint8_t { tbcOfficeXP, tbcCustom };
// Bits of TTBSkin::options.
enum TTBSkinOption : std::uint8_t {
  tboPopupShadow,
  tboDockedCaptions,
  tboMenuTBColor,
  tboGradSelItem,
  tboBlendedImages,
  tboShadowHover,
};

class TTBColors : public base::TPersistent {
 public:
  TTBColors() { colors.fill(ui::clBtnFace); }

  std::array<ui::TColor, kSkinColorNames.size()> colors;

  // The stored colour of that name ("tcFace"), as the description has it;
  // precondition: a name of kSkinColorNames.
  ui::TColor Get(std::string_view name) const;

  const char* ClassName() const override { return "TTBColors"; }
  static const resources::ClassInfo& Class();
};

class TTBSkin : public base::TComponent {
 public:
  using TComponent::TComponent;

  TTBSkinType skin_type = TTBSkinType::tbsOfficeXP;
  TTBColorSet color_set = TTBColorSet::tbcOfficeXP;
  std::uint32_t options = 0;  // bits of TTBSkinOption
  TTBColors colors;
  // The colours the skin draws with on this screen, worked out from the
  // stored ones or the desktop's by the windows that draw it (form_skin.h);
  // the classic scheme's until then.
  SkinPalette palette;

  const char* ClassName() const override { return "TTBSkin"; }
  static const resources::ClassInfo& Class();
};

// The skin among `window`'s components (the first, when there are several),
// or null.
TTBSkin* FindSkin(const base::TComponent& window);

}  // namespace app
