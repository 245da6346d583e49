#include "ui/label.h"

namespace ui {

const resources::ClassInfo& TLabel::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TLabel::caption>("Caption"),
      resources::EnumProperty<&TLabel::alignment>("Alignment", AlignmentNames()),
      resources::BoolProperty<&TLabel::auto_size>("AutoSize"),
      resources::BoolProperty<&TLabel::transparent>("Transparent"),
      resources::EventProperty<&TLabel::on_click>("OnClick"),
      resources::EventProperty<&TLabel::on_mouse_enter>("OnMouseEnter"),
      resources::EventProperty<&TLabel::on_mouse_leave>("OnMouseLeave"),
  };
  static const resources::ClassInfo info{"TLabel", &TControl::Class(),        kProperties, {},
                                         {},       resources::Creator<TLabel>};
  return info;
}

}  // namespace ui
