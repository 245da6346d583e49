// LookupComboView: the name picker on screen (Windows only), and the screen
// side (search/lookup_platform.h) of the picker's core and of its drop-down
// list. The core (search/rx_db_lookup_combo.h) decides everything; this
// view unpacks the messages for it and paints what it answers.
//
// Messages to the core:
//   WM_KEYDOWN / WM_SYSKEYDOWN  KeyDown(key, Alt held); a key it does not
//                               use goes on to the default handling
//   WM_CHAR                     KeyPress (Backspace and codes from 32 up)
//   mouse                       the core's MouseDown / MouseMove / MouseUp,
//                               through the control (ui::ControlView raises them)
//   WM_SETFOCUS / WM_KILLFOCUS  FocusChanged(true / false)
//   WM_CANCELMODE, a press on another control of the window
//                               CancelMode (an open list closes)
//   capture taken away while the button is held
//                               CancelTracking
// WM_GETTEXT answers what the picker shows (ShownText).
//
// Drawing: a one-pixel margin in the picker's colour around the text area
// and the drop-down button (the system's vertical scroll bar width, drawn by
// DrawFrameControl: pushed and flat while pressed, greyed when the picker
// cannot modify or is disabled); the text 2 pixels into the text area
// (margin and indent scaled to the window's density, the button's width the
// scroll bar's at that density),
// centred vertically; focused with the list closed, the text area in
// clHighlightText on clHighlight with a focus rectangle; disabled, the text
// in clGrayText.
//
// The list's window (search/popup_data_list_view.h) is made when the list
// first opens, not at start-up, and kept for the picker's life. The hourglass of a long search is
// the form owner's screen cursor.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "search/lookup_platform.h"
#include "search/popup_data_list_view.h"
#include "search/rx_db_lookup_combo.h"
#include "ui/framework/control_view.h"
#include "ui/framework/mouse_capture.h"

namespace search {

class LookupComboView final : public ui::ControlView, private LookupPlatform {
 public:
  LookupComboView(TRxDBLookupCombo& combo, ui::FormWindow& form);
  ~LookupComboView() override;

  // The drop-down list's view, made when first needed (the list first
  // opens); null while the picker has no window.
  PopupDataListView* ListView();

  void OtherControlPressed(ui::ControlView& pressed) override;
  // An open list closes; the font is measured again and the picker kept
  // as high as it needs at the new density.
  void OnDensityChanged() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnPaint(HDC dc) override;
  bool OnEraseBackground(HDC) override { return true; }  // every pixel is painted
  LRESULT OnGetDlgCode(LRESULT) override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  bool OnKeyDown(WORD key, ui::TShiftState shift) override;
  bool OnChar(char& key) override;
  void OnSetFocus() override;
  void OnKillFocus(HWND next) override;
  void OnCaptureChanged(HWND new_capture) override;
  void OnCancelMode() override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override;
  void OnChanged(ui::ControlChange what) override;
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;

 private:
  // --- LookupPlatform ---
  LookupGeometry Geometry() override;
  void ShowList(const base::Rect& screen_rect) override;
  void HideList() override;
  void CaptureMouse(LookupPart part) override;
  void ReleaseMouse() override;
  bool TakeFocus() override;
  void Repaint(LookupPart part) override;
  void SetBusyCursor(bool busy) override;
  void SetAutoScrollTimer(int32_t interval_ms) override;

  // The window of `part` (null when it has none).
  HWND PartHandle(LookupPart part) const;
  // The picker font's cell height and width of "M", measured once per font.
  void MeasureFont();
  // The picker at least as high as its font needs (measured now).
  void FitHeightToFont();
  // Tells readers what changed since last told: the shown text (a value
  // change), the list opened or closed (a state change).
  void AnnounceChanges();

  TRxDBLookupCombo& combo_;
  std::unique_ptr<PopupDataListView> list_view_;
  // The capture of whichever part the core asked for (CaptureMouse).
  ui::MouseCapture capture_;
  bool font_measured_ = false;
  int32_t font_height_ = 0;
  int32_t char_width_ = 0;
  int busy_depth_ = 0;
  ui::TCursor cursor_before_busy_ = ui::crDefault;
  std::string announced_text_;  // as readers were last told
  bool announced_open_ = false;
};

}  // namespace search
