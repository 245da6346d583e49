// TMaskEdit: a one-line edit box whose text follows an edit mask
// ("0-00-00;0;_"). Here: what it keeps from the window description.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace search {

class TMaskEdit : public ui::TWinControl {
 public:
  explicit TMaskEdit(base::TComponent* owner) : TWinControl(owner) {
    color = ui::clWindow;
    tab_stop = true;
  }

  std::string edit_mask;
  std::int32_t max_length = 0;
  ui::TNotifyEvent on_enter;
  ui::TKeyPressEvent on_key_press;

  const char* ClassName() const override { return "TMaskEdit"; }
  static const resources::ClassInfo& Class();
};

}  // namespace search
