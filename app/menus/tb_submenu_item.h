// TTBSubmenuItem: an item that opens a drop-down menu of the items nested in
// its record.
#pragma once

#include "app/menus/tb_item.h"

namespace app {

class TTBSubmenuItem : public TTBItem {
 public:
  using TTBItem::TTBItem;

  const char* ClassName() const override { return "TTBSubmenuItem"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
