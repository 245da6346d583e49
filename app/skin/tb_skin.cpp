#include "app/skin/tb_skin.h"

#include <cstddef>
#include <utility>

namespace app {

ui::TColor TTBColors::Get(std::string_view name) const {
  const TTBColorIndex index = SkinColorIndex(name);
  return index < kSkinColorCount ? colors[index] : ui::clBtnFace;
}

TTBSkin* FindSkin(const base::TComponent& window) {
  for (base::TComponent* component : window.Components()) {
    if (auto* skin = dynamic_cast<TTBSkin*>(component)) return skin;
  }
  return nullptr;
}

namespace {

// The colour at `Index` as one integer property named after it.
template <std::size_t Index>
bool StoreColor(base::TPersistent& object, const resources::PropertyValue& value) {
  auto* colors = dynamic_cast<TTBColors*>(&object);
  if (!colors || !std::in_range<ui::TColor>(value.integer)) return false;
  colors->colors[Index] = static_cast<ui::TColor>(value.integer);
  return true;
}

template <std::size_t... Index>
auto ColorProperties(std::index_sequence<Index...>) {
  return std::array<resources::PropertyInfo, sizeof...(Index)>{resources::PropertyInfo{
      kSkinColorNames[Index], resources::PropertyKind::kInteger, ui::ColorNames(), &StoreColor<Index>}...};
}

}  // namespace

const resources::ClassInfo& TTBColors::Class() {
  static const auto kProperties = ColorProperties(std::make_index_sequence<kSkinColorNames.size()>());
  static const resources::ClassInfo info{"TTBColors", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& TTBSkin::Class() {
  static constexpr resources::NamedValue kSkinTypes[] = {{"tbsOfficeXP", 0}, {"tbsCustom", 1}};
  static constexpr resources::NamedValue kColorSets[] = {{"tbcOfficeXP", 0}, {"tbcCustom", 1}};
  static constexpr resources::NamedValue kOptions[] = {
      {"tboPopupShadow", tboPopupShadow},     {"tboDockedCaptions", tboDockedCaptions},
      {"tboMenuTBColor", tboMenuTBColor},     {"tboGradSelItem", tboGradSelItem},
      {"tboBlendedImages", tboBlendedImages}, {"tboShadowHover", tboShadowHover}};
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::EnumProperty<&TTBSkin::skin_type>("SkinType", kSkinTypes),
      resources::EnumProperty<&TTBSkin::color_set>("ColorSet", kColorSets),
      resources::SetProperty<&TTBSkin::options>("Options", kOptions),
      resources::ObjectProperty<&TTBSkin::colors>("Colors"),
  };
  static const resources::ClassInfo info{"TTBSkin", nullptr, kProperties,
                                         {},        {},      resources::Creator<TTBSkin>};
  return info;
}

}  // namespace app
