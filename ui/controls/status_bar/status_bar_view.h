// StatusBarView: a TStatusBar on screen (Windows only), drawn by itself the
// way the system's status bar control draws: the background and one pane per
// panel in the visual style (without one: the face colour and each panel's
// bevel), the panels' texts by their alignment (placed by StatusBarLayout)
// in the system's status-bar font, and a size grip at the
// right end while its window has a sizing frame and the bar's bottom-right
// corner is the window's client bottom-right corner. The font and the
// system's sizes (scroll bar, grip) come for the window's density; the top
// strip, the gaps and the insets stay the pixels the system's control keeps
// at every density. Pressing the grip sizes the window. It answers the status bar's queries of its parts and
// texts (SB_GETPARTS, SB_GETTEXTW, SB_GETTEXTLENGTHW) and WM_GETTEXT with the panels' texts separated by
// tabs.
#pragma once

#include "ui/controls/status_bar/status_bar.h"
#include "ui/controls/status_bar/status_bar_layout.h"
#include "ui/framework/control_view.h"
#include "ui/framework/visual_theme.h"

namespace ui {

class StatusBarView final : public ControlView {
 public:
  StatusBarView(TStatusBar& bar, FormWindow& form) : ControlView(bar, form), bar_(bar) {}

  // Repaints in the new colours; a setting change may bring another font.
  void OnSystemColorsChanged() override;
  void OnSettingsChanged() override;
  // The status font, the grip and the visual style's sizes follow the new
  // density.
  void OnDensityChanged() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  std::unique_ptr<AccessibleDescription> MakeAccessible() override;
  void OnPaint(HDC dc) override;
  // OnPaint covers every pixel.
  bool OnEraseBackground(HDC /*dc*/) override { return true; }
  bool OnNcHitTest(POINT screen, LRESULT& result) override;
  bool OnNcMouseDown(const MouseInput& input, LRESULT hit, POINT screen) override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override;
  void OnChanged(ControlChange what) override;
  // The grip shows only while the bar is at the sizing frame's corner.
  void OnWindowPosChanged(const WINDOWPOS& place) override;
  void OnThemeChanged() override;
  LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool ShowsSizeGrip(HWND parent) const;
  // Sets or clears the SBARS_SIZEGRIP style bit by ShowsSizeGrip(); repaints
  // when it changed.
  void UpdateGripStyle();
  // The layout now; `dc` (may be null) to ask the visual style's grip size.
  StatusBarLayout Layout(HDC dc) const;
  // The visual style's status bar, opened on first use; empty without one.
  const VisualTheme& Theme() const;
  HFONT StatusFont();
  LRESULT AnswerPartText(UINT message, WPARAM wparam, LPARAM lparam) const;

  TStatusBar& bar_;
  GdiObject<HFONT> status_font_;
  mutable VisualTheme theme_;
  mutable bool theme_opened_ = false;
};

}  // namespace ui
