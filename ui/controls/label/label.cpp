#include "ui/controls/label/label.h"

namespace ui {

void TLabel::SetAlignment(TAlignment value) {
  if (alignment == value) return;
  alignment = value;
  Changed(ControlChange::kAlignment);
}

void TLabel::SetHeldFocus(bool holds, bool cue) {
  if (holds_focus == holds && focus_cue == cue) return;
  holds_focus = holds;
  focus_cue = cue;
  Changed(ControlChange::kFocusMark);
}

const resources::ClassInfo& TLabel::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TLabel::caption>("Caption"),
      resources::EnumProperty<&TLabel::alignment>("Alignment", AlignmentNames()),
      resources::BoolProperty<&TLabel::auto_size>("AutoSize"),
      resources::BoolProperty<&TLabel::transparent>("Transparent"),
  };
  static const resources::ClassInfo info{"TLabel", &TControl::Class(),        kProperties, {},
                                         {},       resources::Creator<TLabel>};
  return info;
}

}  // namespace ui
