// LookupComboView: the name picker on screen (Windows only): a flat box in
// the window colour showing the chosen name, with the drop-down button at
// its right end, that takes the focus. It answers WM_GETTEXT with the name
// it shows.
#pragma once

#include "search/rx_db_lookup_combo.h"
#include "ui/control_view.h"

namespace search {

class LookupComboView final : public ui::ControlView {
 public:
  LookupComboView(TRxDBLookupCombo& combo, ui::FormWindow& form) : ControlView(combo, form), combo_(combo) {}

  void Create(ui::ControlView& parent) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint();

  TRxDBLookupCombo& combo_;
};

}  // namespace search
