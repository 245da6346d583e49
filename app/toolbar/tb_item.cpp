#include "app/toolbar/tb_item.h"

namespace app {

const resources::ClassInfo& TTBItem::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TTBItem::caption>("Caption"),
      resources::EventProperty<&TTBItem::on_click>("OnClick"),
  };
  static const resources::ClassInfo info{"TTBItem", nullptr, kProperties,
                                         {},        {},      resources::Creator<TTBItem>};
  return info;
}

}  // namespace app
