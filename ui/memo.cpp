#include "ui/memo.h"

namespace ui {

const resources::ClassInfo& TMemo::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::ObjectProperty<&TMemo::Lines>("Lines"),
      resources::EnumProperty<&TMemo::alignment>("Alignment", AlignmentNames()),
      resources::EnumProperty<&TMemo::border_style>("BorderStyle", BorderStyleNames()),
      resources::BoolProperty<&TMemo::read_only>("ReadOnly"),
      resources::EventProperty<&TMemo::on_mouse_down>("OnMouseDown"),
  };
  static const resources::ClassInfo info{"TMemo", &TWinControl::Class(),    kProperties, {},
                                         {},      resources::Creator<TMemo>};
  return info;
}

}  // namespace ui
