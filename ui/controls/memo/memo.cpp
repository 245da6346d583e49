#include "ui/controls/memo/memo.h"

namespace ui {

TMemo::TMemo(base::TComponent* owner) : TWinControl(owner) {
  color = clWindow;
  tab_stop = true;
  lines.SetOnChange([this] { Changed(ControlChange::kText); });
}

void TMemo::SetAlignment(TAlignment value) {
  if (alignment == value) return;
  alignment = value;
  Changed(ControlChange::kAlignment);
}

const resources::ClassInfo& TMemo::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::ObjectProperty<&TMemo::Lines>("Lines"),
      resources::EnumProperty<&TMemo::alignment>("Alignment", AlignmentNames()),
      resources::EnumProperty<&TMemo::border_style>("BorderStyle", BorderStyleNames()),
      resources::BoolProperty<&TMemo::read_only>("ReadOnly"),
  };
  static const resources::ClassInfo info{"TMemo", &TWinControl::Class(),    kProperties, {},
                                         {},      resources::Creator<TMemo>};
  return info;
}

}  // namespace ui
