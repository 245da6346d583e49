// PanelView: a TPanel on screen (Windows only): a plain area in its colour
// with its bevels, border and centred caption; the controls nested in it are
// its children.
#pragma once

#include "ui/controls/panel/panel.h"
#include "ui/framework/control_view.h"
#include "ui/model/control_accessible.h"

namespace ui {

class PanelView final : public ControlView {
 public:
  PanelView(TPanel& panel, FormWindow& form) : ControlView(panel, form), panel_(panel) {}

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // A pane holding its controls.
  std::unique_ptr<AccessibleDescription> MakeAccessible() override {
    return std::make_unique<ControlAccessible>(panel_, AccessibleRole::kPane, panel_.caption);
  }
  void OnPaint(HDC dc) override;

 private:
  TPanel& panel_;
};

}  // namespace ui
