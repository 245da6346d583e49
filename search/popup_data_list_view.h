// PopupDataListView: the name picker's drop-down list on screen (Windows
// only). A bordered pop-up tool window, owned by the picker's top-level
// window, that is never activated (the picker keeps the focus), has no tab
// stop and saves the screen under it. It paints the rows of its core
// (search/rx_popup_data_list.h) and hands it the mouse, the scroll bar and
// the auto-scroll timer's ticks; the picker's view (search/
// lookup_combo_view.h) creates it, shows it where the core placed it and
// hides it again.
//
// What it answers a screen reader or a test:
//   WM_GETTEXT    the rows that hold a record, top to bottom, separated by
//                 "\r\n" (empty while the list is closed)
//   LB_GETCURSEL  the index of the highlighted row among them, -1 when none
//
// Drawing: RowCount() rows of RowHeight() pixels; the row of the list's
// value in clHighlightText on clHighlight with a focus rectangle, the others
// in the font colour on the list's colour; the top row with a focus
// rectangle alone when the value is empty and the table stands on its first
// record; rows past the last record blank; text 2 pixels into its cell. With
// several display fields in lsFixed style each field gets a column of
// (display width x width of "M" + 4) pixels, the last one the rest, with
// one-pixel lines between them. Those pixel counts are scaled to the
// density of the monitor the list opened on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/lookup_platform.h"
#include "search/rx_db_lookup_combo.h"
#include "ui/framework/control_view.h"
#include "ui/framework/window_timer.h"

namespace search {

class PopupDataListView final : public ui::ControlView {
 public:
  // The view of `combo`'s list; its window is created hidden by Create(nullptr).
  PopupDataListView(TRxDBLookupCombo& combo, ui::FormWindow& form);

  // Shows the window at `screen_rect` above `owner` (the picker's top-level
  // window) without activating it, drawn for a screen of `scale` (the
  // monitor it opens on); creates the window again when it was destroyed
  // with a former owner.
  void ShowAt(const base::Rect& screen_rect, HWND owner, const ui::DpiScale& scale);
  // Hides the window and gives it back to the form's window.
  void HideWindow();
  // The scroll bar takes the core's state and the rows are painted again.
  void Refresh();
  // Runs the auto-scroll timer every `interval_ms` ms; negative stops it.
  void SetAutoScroll(int32_t interval_ms);
  bool AutoScrollRunning() const { return timer_.Running(); }
  // Tells readers of a new highlighted row: the list's focus and selection
  // move to it.
  void AnnounceRow();

  // The density it was last opened at (its own monitor's, not necessarily
  // the form's).
  ui::DpiScale WindowScale() const override { return scale_; }

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnPaint(HDC dc) override;
  bool OnEraseBackground(HDC) override { return true; }  // every pixel is painted
  bool OnTimer(UINT_PTR id) override;
  void OnCaptureChanged(HWND new_capture) override;
  void OnCancelMode() override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override;
  // The picker's window stays active and keeps the focus.
  bool ActivatesOnClick() const override { return false; }
  // The vertical scroll bar moves the record (not the highlight).
  bool OnScroll(int bar, WORD code, WORD thumb) override;
  LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;

 private:
  static constexpr UINT_PTR kAutoScrollTimer = 1;

  void UpdateScrollBar();
  // Draws `text` (the row's display fields) into `row` in the given colours.
  void DrawRow(HDC dc, const RECT& row, std::string_view text, COLORREF back, COLORREF fore, int text_height);

  TRxDBLookupCombo& combo_;
  TRxPopupDataList& list_;
  ui::WindowTimer timer_;
  int32_t timer_interval_ = -1;
  int32_t announced_row_ = -1;  // the highlighted row readers were last told of
  ui::DpiScale scale_;
};

}  // namespace search
