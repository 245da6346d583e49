// StatusBarView: a TStatusBar on screen (Windows only): the system's status
// bar control, drawn in the system's status-bar font, with one part per
// stored panel (the last one reaching the right edge) showing the panel's
// text, alignment and bevel. It shows a size grip when its window has a
// sizing frame and the bar's bottom-right corner is the window's client
// bottom-right corner.
#pragma once

#include "ui/control_view.h"
#include "ui/status_bar.h"

namespace ui {

class StatusBarView final : public ControlView {
 public:
  StatusBarView(TStatusBar& bar, FormWindow& form) : ControlView(bar, form), bar_(bar) {}

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;

 private:
  bool ShowsSizeGrip(HWND parent) const;
  void SetPanels();

  TStatusBar& bar_;
};

}  // namespace ui
