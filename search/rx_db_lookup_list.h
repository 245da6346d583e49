// TRxDBLookupList: a list of rows of the lookup table, the model of the
// name picker's drop-down list (search/rx_popup_data_list.h) and of a
// free-standing lookup list. It shows RowCount() consecutive records of the
// table's record window through its link, highlights the row whose key text
// equals its value, moves the table's current record with the keys, the
// mouse and the scroll bar, and jumps to a name by the typed search of
// search/rx_lookup_control.h.
//
// The view paints what this class answers (RowText, HighlightedRow,
// FocusRow, the scroll bar) and hands it every key, character, mouse and
// scroll bar event unpacked; the auto-scroll timer is the view's, run at
// AutoScrollInterval().
//
// How the list answers each event ("current" is the table's current
// record, "value" the list's value; the keys, a press of any button and the
// scroll bar clear the search text, which only the typed search fills):
//
//   event                     idle                              tracking (button held)
//   ------------------------  --------------------------------  ---------------------------------
//   Down / Right, Up / Left   value's row in view: it becomes   as idle
//   Page Down / Page Up       current, then the table steps 1
//                             (or RowCount - 1) records; value
//                             not in view or empty: it is
//                             located instead (the first record
//                             when empty or not found) and
//                             nothing more moves; then value =
//                             current's key
//   Home / End                first / last record; value =      as idle
//                             current's key
//   character, Backspace      typed search                      as idle
//   left button pressed at y  row y / row height (clamped)      -
//                             becomes current and its key the
//                             value; tracking starts, the list
//                             captures the mouse
//   pointer moved to y        -                                 the row under the pointer (clamped)
//                                                               is selected; above or below the
//                                                               rows the auto-scroll runs every
//                                                               max(0, 200 - 15 * pixels beyond)
//                                                               ms, else it stops
//   timer tick                -                                 the table steps 1 record towards
//                                                               the pointer; value = current's key
//   button released at (x,y)  -                                 row under the pointer selected,
//                                                               tracking and timer stop, capture
//                                                               released; the pop-up list then
//                                                               closes, accepting when (x,y) is
//                                                               inside the rows
//   scroll bar                moves current only (value and     as idle
//                             highlight stay): line up / down to
//                             the record above the first / below
//                             the last row in view, page up / down
//                             n - 1 records beyond them, top /
//                             bottom to the first / last record;
//                             thumb 0, 1, 3, 4 = top, page up,
//                             page down, bottom
//
// Nothing moves while the list cannot modify (inactive or read-only); the
// scroll bar works whenever the list is active.
//
// Not handled: the extra empty row at the top that a non-empty DisplayEmpty
// would add (the program leaves DisplayEmpty empty; the text is still what
// the picker shows for an empty value), and the list's double-click event,
// which nothing in the program answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "search/lookup_keys.h"
#include "search/rx_lookup_control.h"
#include "ui/model/dpi_scale.h"

namespace search {

// The scroll bar's commands, as the view unpacks them.
enum class LookupScroll : uint8_t { kLineUp, kLineDown, kPageUp, kPageDown, kTop, kBottom, kThumb };

class TRxDBLookupList : public TRxLookupControl {
 public:
  static constexpr int32_t kMaxRows = 50;
  static constexpr int32_t kMaxRowHeight = 4096;
  // The scroll bar's range is 0..kScrollMax; the thumb stands at 0, the
  // middle or kScrollMax.
  static constexpr int32_t kScrollMax = 4;
  // A free-standing list starts a new search text after this pause.
  static constexpr uint32_t kSearchTimeoutMs = 2000;

  explicit TRxDBLookupList(base::TComponent* owner) : TRxDBLookupList(owner, false) {}

  // A drop-down list never takes the focus and its search text has no time-out.
  bool Popup() const { return popup_; }

  // Rows that fit: 1..kMaxRows; the link shows that many records.
  int32_t RowCount() const { return row_count_; }
  void SetRowCount(int32_t rows);
  // Pixels per row (1..kMaxRowHeight) and the client area's width; the client
  // height is RowCount() * RowHeight().
  int32_t RowHeight() const { return row_height_; }
  void SetRowHeight(int32_t pixels);
  int32_t ClientWidth() const { return client_width_; }
  void SetClientWidth(int32_t pixels) { client_width_ = pixels; }
  int32_t ClientHeight() const { return row_count_ * row_height_; }

  // Rows that hold a record (RowCount() or fewer near a short table's end).
  int32_t RecordsInView() const;
  // The text of row `row` (the display fields of its record); "" for a row
  // past the last record.
  std::string RowText(int32_t row);
  // The texts of the rows that hold a record, top to bottom.
  std::vector<std::string> RowTexts();
  // The row whose key text equals the value (drawn highlighted), or -1.
  int32_t HighlightedRow();
  // The row drawn with a focus rectangle: the highlighted row; row 0 (focus
  // rectangle only) when the value is empty and the table reported its
  // first record; else -1.
  int32_t FocusRow();

  // Sets the value and puts the table on its record: located exactly, or
  // the first record when the value is empty or not found (the value stays
  // as given then). Used when the list opens.
  void SelectValue(const std::string& value);

  // A key from the table above; false for keys the list does not use.
  bool KeyDown(LookupKey key);
  // A character for the typed search; `time_ms` (any monotonic clock) only
  // matters for a free-standing list's search time-out.
  void KeyPress(char key, uint32_t time_ms = 0);

  // The mouse, at client coordinates: the stored mouse events are raised
  // first, then the left button drives the list.
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseMove(ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  // One tick of the auto-scroll timer.
  void AutoScrollTick();
  // The timer's interval in ms while the pointer is dragged beyond the
  // rows, else -1 (no timer). The platform hears of each change
  // (LookupPlatform::SetAutoScrollTimer).
  int32_t AutoScrollInterval() const { return scroll_direction_ != 0 ? scroll_interval_ : -1; }
  // The density of the list's screen: the distance beyond the rows counts
  // in pixels of the stored density (96 pixels per inch unless set).
  void SetScale(const ui::DpiScale& scale) { scale_ = scale; }
  const ui::DpiScale& Scale() const { return scale_; }
  // Ends a drag without selecting anything (the list closes, capture lost).
  void CancelTracking();
  // The left button is held since a press in the list (or a drag it took
  // over from the picker).
  bool Tracking() const { return tracking_; }

  bool ScrollBarVisible() const;
  // 0 after the table reported its first record, kScrollMax after its last,
  // the middle otherwise.
  int32_t ScrollBarPosition() const;
  // `thumb` is the position the thumb was dragged to (kThumb only).
  void Scroll(LookupScroll command, int32_t thumb = 0);

  const char* ClassName() const override { return "TRxDBLookupList"; }

 protected:
  TRxDBLookupList(base::TComponent* owner, bool popup);

  // A drag ended with the button released; `inside` when over the rows.
  virtual void TrackingEnded(bool /*inside*/) {}
  void ListLinkActiveChanged() override;

 private:
  // The row under client y, clamped to the client area.
  int32_t RowAt(int32_t y) const;
  // Makes row `row` (clamped to the rows held) current and its key the value.
  void SelectRow(int32_t row);
  // The value's row among the rows in view, or -1.
  int32_t ValueRow();
  // Steps the table by `distance` from row `from` of the view.
  void StepFrom(int32_t from, int32_t distance);
  void StopTracking();
  // Tells the platform the auto-scroll interval when it changed.
  void ReportAutoScroll();

  bool popup_;
  bool tracking_ = false;
  int32_t row_count_ = 1;
  int32_t row_height_ = 1;
  int32_t client_width_ = 0;
  int32_t scroll_direction_ = 0;  // -1 above the rows, 1 below, 0 inside
  int32_t scroll_interval_ = 0;
  int32_t reported_interval_ = -1;  // what the platform was last told
  uint32_t last_key_ms_ = 0;
  bool had_key_ = false;
  ui::DpiScale scale_;
};

// The auto-scroll interval in ms for a pointer `pixels_beyond` (>= 0) the
// rows' edge on a screen of `scale`: max(0, 200 - 15 * d), d the distance in
// pixels of the stored density (rounded to the nearest, halves up), so the
// timer runs as fast at the same distance in inches on every screen.
int32_t AutoScrollIntervalMs(int64_t pixels_beyond, const ui::DpiScale& scale = {});

// The width of a fixed column (lsFixed) for a field `chars` characters wide
// in a font whose "M" is `char_width` pixels: chars x char_width and a 4-pixel
// gap of the stored density scaled by `scale`.
int64_t FixedColumnWidth(int32_t chars, int32_t char_width, const ui::DpiScale& scale = {});

// What the list answers a screen reader or a test: its rows that hold a
// record, separated by line breaks (WM_GETTEXT), and the index of the
// highlighted row among them, -1 when none (LB_GETCURSEL).
std::string ListWindowText(TRxDBLookupList& list);
int32_t ListCurrentSelection(TRxDBLookupList& list);

}  // namespace search
