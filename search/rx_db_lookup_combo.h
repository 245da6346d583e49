// TRxDBLookupCombo: the name picker, a drop-down list over the rows of a
// table reached through a data source. Here: what it keeps from the window
// description.
#pragma once

#include <cstdint>
#include <string>

#include "data/data_source.h"
#include "ui/control.h"

namespace search {

class TRxDBLookupCombo : public ui::TWinControl {
 public:
  explicit TRxDBLookupCombo(base::TComponent* owner) : TWinControl(owner) {
    color = ui::clWindow;
    tab_stop = true;
  }

  // The data source of the listed table.
  data::TDataSource* lookup_source = nullptr;
  std::string lookup_field;
  std::string lookup_display;
  std::int32_t drop_down_count = 8;
  ui::TNotifyEvent on_close_up;

  const char* ClassName() const override { return "TRxDBLookupCombo"; }
  static const resources::ClassInfo& Class();
};

}  // namespace search
