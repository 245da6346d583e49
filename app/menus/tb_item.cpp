#include "app/menus/tb_item.h"

namespace app {

ItemSize TextItemSize(int text_width, int text_height, const ui::DpiScale& scale) {
  return {text_width + scale.Length(kTextItemMarginWidth), text_height + scale.Length(kTextItemMarginHeight)};
}

void UpdateItems(std::span<TTBItem* const> items) {
  for (TTBItem* item : items) {
    if (item) item->UpdateState();
  }
}

const resources::ClassInfo& TTBItem::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TTBItem::caption>("Caption"),
      resources::BoolProperty<&TTBItem::auto_check>("AutoCheck"),
      resources::BoolProperty<&TTBItem::checked>("Checked"),
      resources::EventProperty<&TTBItem::on_click>("OnClick"),
  };
  static const resources::ClassInfo info{"TTBItem", nullptr, kProperties,
                                         {},        {},      resources::Creator<TTBItem>};
  return info;
}

}  // namespace app
