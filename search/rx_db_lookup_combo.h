// TRxDBLookupCombo: the name picker. A lookup control (search/
// rx_lookup_control.h) that shows one name and owns a drop-down list
// (search/rx_popup_data_list.h) over the same lookup table. The list is a
// window onto the table: moving its highlight moves the table's current
// record, and every closing of the list raises OnCloseUp, whose handler
// reads the person from that current record.
//
// This class is the picker's behaviour without a window: the Windows view
// unpacks each message once, calls the matching member (KeyDown, KeyPress,
// MouseDown, ...) and paints ShownText(), ButtonPressed(), Focused() and the
// list's rows. Platform effects go through search/lookup_platform.h.
//
// The picker's states (PickerState) against every event ("accept": the
// list's value becomes the picker's when it differs; every close releases
// the mouse, hides and detaches the list, clears the search texts, takes the
// focus back and raises OnCloseUp exactly once):
//
//   event                 closed (kClosed)                open (kOpen)            open, button held
//                                                                                 (kHeld on the picker;
//                                                                                 the list's own drag)
//   --------------------  ------------------------------  ----------------------  ----------------------
//   Alt+Down, Alt+Up      open                            close, accept           close, accept
//   Down, Up              the record after / before the   moved by the list       moved by the list
//                         value's (the first record when
//                         the value is empty or not
//                         found) becomes current and its
//                         key the value; no list, no
//                         OnCloseUp
//   Right, Left, Page     nothing                         moved by the list       moved by the list
//   Down/Up, Home, End
//   character >= 32       open, then typed search         typed search (list)     typed search (list)
//   Backspace             nothing                         typed search (list)     typed search (list)
//   Enter                 nothing (passed on)             close, accept           close, accept
//   Esc                   EscapeClear, a value and        close                   close
//                         can modify: reset (no
//                         OnCloseUp); else passed on
//   F4                    nothing (passed on)             nothing (passed on)     nothing (passed on)
//   press on the picker   take the focus (refused: stop); take the focus          -
//                         can modify: capture, open,      (refused: stop); close
//                         picker tracking starts
//   pointer moves         -                               -                       picker: button drawn
//                                                                                 pressed while over it;
//                                                                                 into the list's rows:
//                                                                                 the list takes the drag
//                                                                                 as a press there
//   button released       -                               -                       picker: drag ends, the
//                                                                                 list stays open; list:
//                                                                                 row selected, close,
//                                                                                 accept if over the rows
//   press, move, timer    -                               the list's table        the list's table
//   in the list                                           (search/rx_db_lookup_list.h)
//   focus lost            -                               close                   close
//   cancel mode           -                               close                   close
//   capture lost          -                               -                       picker: drag ends, the
//   (CancelTracking)                                                              list stays open
//   Reset()               value empty, OnClick, OnChange  close, then as closed   close, then as closed
//
// When the pointer of a drag begun on the picker enters the list's rows, the
// list takes the drag (search/rx_db_lookup_list.h) and the picker is kOpen
// again. A press on the picker whose list does not open (OnDropDown made the
// picker read-only, or raised) leaves it kHeldClosed: keys act as closed (a
// list they open opens held), the pointer draws the button, and the release,
// cancel mode or a lost capture end the hold.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "search/lookup_keys.h"
#include "search/lookup_platform.h"
#include "search/rx_lookup_control.h"
#include "search/rx_popup_data_list.h"

namespace search {

enum class TDropDownAlign : uint8_t { daLeft, daRight, daCenter };

// Where the drop-down list of `width` x `height` goes on `screen` for a
// picker at `picker` (both in screen coordinates): under the picker (its
// left edges, right edges or centres aligned by `align`), or above it when
// it would pass the screen's bottom; moved left to end at the screen's right
// edge, but never left of the screen's left edge (0 on the primary screen).
base::Rect PlaceDropDown(const base::Rect& picker, int32_t width, int32_t height, TDropDownAlign align,
                         const base::Rect& screen);

// The picker's client area of `width` x `height` split into the text area
// (the area less a one-pixel margin and the button) and the drop-down button
// of `button_width` (the scroll bar width at the picker's density) at its
// right end. Text is drawn 2 pixels into the text area. The margin and the
// indent are pixels of the stored density, scaled by `scale`.
struct PickerLayout {
  base::Rect text;
  base::Rect button;
  int32_t text_indent = 2;
};
PickerLayout LayoutPicker(int32_t width, int32_t height, int32_t button_width,
                          const ui::DpiScale& scale = {});

// The columns of the table above.
enum class PickerState : uint8_t {
  kClosed,      // the list is closed
  kOpen,        // the list is open, no button held on the picker
  kHeld,        // the list is open, the left button held since a press on the picker
  kHeldClosed,  // the button held since a press on the picker whose list did not open
};

// The least height of a picker whose font's character cell is `char_height`
// high, inside a border `border` pixels thick: the character height, the
// border above and below it, and 3 pixels of the stored density scaled by
// `scale` (the cell and the border are already pixels of the screen).
int32_t LeastPickerHeight(int32_t char_height, int32_t border, const ui::DpiScale& scale = {});

class TRxDBLookupCombo : public TRxLookupControl {
 public:
  explicit TRxDBLookupCombo(base::TComponent* owner);
  ~TRxDBLookupCombo() override;

  // --- Stored settings ---
  int32_t drop_down_count = 8;  // rows of the list (1..50 used)
  // >0: the list's width; 0: the picker's; <0: wide enough for every
  // display field and the scroll bar, at least the picker's, at most the screen's.
  int32_t drop_down_width = 0;
  TDropDownAlign drop_down_align = TDropDownAlign::daLeft;
  bool escape_clear = true;
  bool display_all_fields = false;  // the closed picker shows every display field
  ui::TNotifyEvent on_close_up;
  ui::TNotifyEvent on_change;  // with OnClick (TControl's), after the value changed
  ui::TNotifyEvent on_drop_down;

  void SetPlatform(LookupPlatform* platform) override;

  // The drop-down list (attached to the table only while it is open).
  TRxPopupDataList& List() { return *list_; }
  PickerState State() const { return state_; }
  bool ListVisible() const { return state_ == PickerState::kOpen || state_ == PickerState::kHeld; }
  // The left button is held since a press on the picker.
  bool Tracking() const { return state_ == PickerState::kHeld || state_ == PickerState::kHeldClosed; }
  // Where the list was shown (screen coordinates); valid while it is open.
  const base::Rect& ListRect() const { return list_rect_; }
  // The mouse is held down over the drop-down button.
  bool ButtonPressed() const { return pressed_; }
  // The shown text kept by the picker: the display value, or DisplayEmpty
  // when the value is empty.
  const std::string& Text() const { return text_; }
  // What the picker paints now (and answers to WM_GETTEXT): with the list
  // open, the list's search text if any, else DisplayEmpty when the list's
  // value is empty, else the current record's name when it is the
  // highlighted one, else Text() (the scroll bar moved the current record
  // away); with the list closed, Text().
  std::string ShownText();

  // Opens the list (only when it is closed and the picker can modify):
  // OnDropDown, the list takes the picker's settings, attaches to the table
  // and selects the picker's value (the first record when it is empty or
  // not found), is placed by PlaceDropDown and shown without activation.
  virtual void DropDown();
  // Closes the list (only when open); with `accept` the list's value
  // becomes the picker's when it differs. Raises OnCloseUp.
  virtual void CloseUp(bool accept);
  // Closes an open list without accepting, then empties the value: the
  // shown text becomes DisplayEmpty; OnClick and OnChange.
  void Reset() override;

  // A key (the table above); true when the picker used it, false when it
  // goes on to the window (Enter, an Esc that resets nothing, F4, others).
  bool KeyDown(LookupKey key, bool alt);
  // A character (code 32 up, or Backspace) for the typed search.
  void KeyPress(char key);
  // The mouse on the picker, at client coordinates: the stored mouse events
  // are raised first, then the left button drives the picker.
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseMove(ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  // The view tells when the picker gained or lost the keyboard focus.
  void FocusChanged(bool focused);
  // Another control of the window was pressed (cancel-mode notice).
  void CancelMode();
  // The view measured the picker's font on a screen of `scale`: a picker
  // lower than LeastPickerHeight grows to it (its top stays).
  void FitHeightToFont(int32_t char_height, int32_t border, const ui::DpiScale& scale = {});
  // Ends a drag that started on the picker without closing anything (the
  // mouse capture went elsewhere while the button was held).
  void CancelTracking();

  const char* ClassName() const override { return "TRxDBLookupCombo"; }
  static const resources::ClassInfo& Class();

 protected:
  void ValueChanged() override;
  void ListLinkActiveChanged() override;
  void ListLinkDataChanged() override;
  bool DisplaysAllFields() const override { return display_all_fields; }

 private:
  void LeftButtonDown(int32_t x, int32_t y);
  void PointerMoved(int32_t x, int32_t y);
  void LeftButtonUp(int32_t x, int32_t y);
  // Moves the value to the record after (1) or before (-1) its own.
  void StepValue(int32_t distance);
  int32_t ListWidth(const LookupGeometry& geometry) const;
  // The list's rows in screen coordinates.
  base::Rect ListClientRect() const;
  // The one place where the state changes; leaving a held state lets the
  // button up.
  void SetState(PickerState state);
  void SetPressed(bool pressed);
  void StopTracking();
  // The shown text for the current value.
  void UpdateText();

  std::unique_ptr<TRxPopupDataList> list_;
  std::string text_;
  PickerState state_ = PickerState::kClosed;
  bool pressed_ = false;  // held, and the pointer over the button
  base::Rect list_rect_;
  LookupMetrics list_metrics_;
};

}  // namespace search
