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

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnPaint(HDC dc) override;
  LRESULT OnGetDlgCode(LRESULT) override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  bool OnMouseDown(const ui::MouseInput& input) override;
  void OnSetFocus() override { InvalidateRect(Handle(), nullptr, TRUE); }
  void OnKillFocus(HWND) override { InvalidateRect(Handle(), nullptr, TRUE); }

 private:
  TRxDBLookupCombo& combo_;
};

}  // namespace search
