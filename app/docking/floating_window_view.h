// FloatingWindowView: the small top-level tool window that carries a toolbar
// or a tool window while it floats (a TTBFloatingWindowParent on screen;
// Windows only).
//
// It is owned by the form's window, so it stays above it and has no task-bar
// button. Its frame is drawn in the skin's look from the portable geometry of
// app/docking/floating_frame.h: the outer ring tcDockBorderOut, the next
// tcDockBorderIn, the rest of the frame tcFace, the caption bar
// tcDockBorderTitle with the caption in tcCaptionText (2 pixels in, one line,
// centred vertically, cut with an ellipsis), and the close button at the
// caption's right end with its glyph from the bitmap resource "CLOSE".
//
// The mouse on its frame, each in a capture loop of its own:
//   caption            drag (app/docking/dock_drag.h): float elsewhere or dock;
//                      a double-click docks it again
//   close button       pushed while the pointer is over it; released over it,
//                      the carried window is hidden
//                      (app/docking/close_button_tracker.h)
//   sizing zones       resize (a tool window's client never below 32 x 32, a
//                      toolbar re-flows its items)
//
// It never keeps the activation: a click does not activate it, and if it is
// activated anyway it hands the activation straight back to the main window.
// A close request that reaches it is passed to the main window. While the
// program is not the active application it hides (HideWhenInactive), and
// shows again on return.
//
// Density: the frame follows the monitor it is on, not the main window's.
// Its metrics, caption font and pixel counts are those of its own window's
// density; on WM_DPICHANGED it takes the new density (ignoring one that is no
// screen's, and an empty rectangle or one off every monitor), moves to the
// rectangle the system suggests and lays its content out again there.
#pragma once

#include <windows.h>

#include "app/docking/close_button_tracker.h"
#include "app/docking/floating_frame.h"
#include "app/docking/tb_floating_window_parent.h"
#include "ui/framework/control_view.h"
#include "ui/framework/gdi.h"
#include "ui/framework/window_timer.h"

namespace app {

class DockableView;

// The geometry of the floating frame that carries `window` on a screen of
// `scale`, from the system metrics for that density (sizing or fixed frame by
// its Resizable, close button by its CloseButton).
FloatingFrame FloatingGeometryFor(const TTBDockableWindow& window, const ui::DpiScale& scale);

class FloatingWindowView final : public ui::ControlView {
 public:
  FloatingWindowView(TTBFloatingWindowParent& frame, ui::FormWindow& form);

  // The frame's geometry for its carried window, from the system metrics at
  // the frame's density.
  FloatingFrame Geometry() const;
  // The frame's own density: its window's monitor's, or the last one
  // WM_DPICHANGED gave it.
  ui::DpiScale WindowScale() const override;
  // The outer size of the frame around a client area of `client`.
  Size OuterSizeFor(Size client) const { return Geometry().OuterSize(client); }
  // The carried window's view, or null.
  DockableView* ContentView() const;

  // The frame `start` (screen) with sizing zone `zone` dragged by `delta`, as
  // the mouse leaves it: the content's least client size kept, a floating
  // toolbar's items flowed into the size it takes.
  Rect ResizedBy(const Rect& start, FloatingHit zone, Point delta) const;
  // Puts the frame at `place` (screen) and remembers it as the carried
  // window's floating place.
  void PlaceAt(const Rect& place);

  // The carried window fills the client area.
  void AlignChildren() override;
  // The caption's font and the frame's colours are taken again.
  void OnSystemColorsChanged() override;
  void OnSettingsChanged() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;
  bool OnNcCalcSize(RECT& area) override;
  bool OnNcPaint() override;
  bool OnNcHitTest(POINT screen, LRESULT& result) override;
  bool OnNcMouseDown(const ui::MouseInput& input, LRESULT hit, POINT screen) override;
  bool OnNcDblClick(const ui::MouseInput& input, LRESULT hit, POINT screen) override;
  // The close button's hot look follows the pointer over the frame.
  bool OnNcMouseMove(LRESULT hit, POINT screen) override;
  bool OnNcMouseLeave() override;
  bool ActivatesOnClick() const override { return false; }
  bool OnActivate(bool active, bool minimized) override;
  bool OnNcActivate(bool active) override;
  bool OnActivateApp(bool active) override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override { return frame_.caption; }
  void OnChanged(ui::ControlChange what) override;
  bool OnTimer(UINT_PTR id) override;
  void OnCloseRequest() override;
  LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnDpiChanged(int dpi, const RECT& suggested) override;

 private:
  FloatingHit HitAt(POINT screen) const;
  void PaintFrame(HDC dc, Size outer);
  void PaintCloseButton(HDC dc, Size outer);
  // Paints the close button in the tracker's look if it changed, and checks
  // the pointer on a timer while the look is hot.
  void ShowCloseLook();
  // The capture loops (ui/framework/capture_loop.h) of the close button and of
  // resizing; each ends on the button's release, Esc (resizing), a lost
  // capture or a quit message (posted again).
  void TrackCloseButton();
  void TrackResize(FloatingHit zone, POINT start);
  // The frame, asked to become `asked` by dragging `zone`, takes the size
  // its content fits into (a floating toolbar's items flowed), if it has one.
  Rect FitToContent(const DockableView& content, const Rect& asked, FloatingHit zone) const;
  // Shows or hides the window on the screen by the rule: shown while the
  // frame is visible, its owner (the main window) is visible and not
  // minimized, and, for content with HideWhenInactive, the program is the
  // active application. The frame's Visible is left as it is.
  void UpdateShown();
  // The caption font and the frame's non-client area made again from the
  // system's metrics at the frame's density, and the frame repainted.
  void RemakeFromSystem();

  TTBFloatingWindowParent& frame_;
  ui::GdiObject<HFONT> caption_font_;
  ui::GdiObject<HBITMAP> close_glyph_;
  CloseButtonTracker close_button_;
  CloseLook close_look_ = CloseLook::kNormal;  // the look last painted
  ui::WindowTimer hot_check_;                  // runs while that look is hot
  bool application_active_ = true;             // as the last WM_ACTIVATEAPP said
  int dpi_ = 0;                                // the frame's density; 0 before its window exists
};

}  // namespace app
