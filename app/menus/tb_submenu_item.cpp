#include "app/menus/tb_submenu_item.h"

namespace app {

const resources::ClassInfo& TTBSubmenuItem::Class() {
  static const resources::ClassInfo info{
      "TTBSubmenuItem", &TTBItem::Class(), {}, {}, {}, resources::Creator<TTBSubmenuItem>};
  return info;
}

}  // namespace app
