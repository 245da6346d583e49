#include "search/mask_edit.h"

namespace search {

const resources::ClassInfo& TMaskEdit::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TMaskEdit::edit_mask>("EditMask"),
      resources::IntegerProperty<&TMaskEdit::max_length>("MaxLength"),
      resources::EventProperty<&TMaskEdit::on_enter>("OnEnter"),
      resources::EventProperty<&TMaskEdit::on_key_press>("OnKeyPress"),
  };
  static const resources::ClassInfo info{"TMaskEdit", &ui::TWinControl::Class(),    kProperties, {},
                                         {},          resources::Creator<TMaskEdit>};
  return info;
}

}  // namespace search
