#include "search/rx_db_lookup_list.h"

#include <algorithm>
#include <cstdint>

namespace search {

namespace {

// Reading a row of the view makes it the table's current record for a
// moment, as painting does; this puts the current record back.
class ActiveRowScope {
 public:
  explicit ActiveRowScope(data::TDataLink& link) : link_(link), saved_(link.ActiveRecord()) {}
  ~ActiveRowScope() { link_.SetActiveRecord(saved_); }
  ActiveRowScope(const ActiveRowScope&) = delete;
  ActiveRowScope& operator=(const ActiveRowScope&) = delete;

 private:
  data::TDataLink& link_;
  int32_t saved_;
};

}  // namespace

TRxDBLookupList::TRxDBLookupList(base::TComponent* owner, bool popup)
    : TRxLookupControl(owner, LookupPart::kList), popup_(popup) {
  tab_stop = !popup;
}

void TRxDBLookupList::SetRowCount(int32_t rows) {
  row_count_ = std::clamp(rows, 1, kMaxRows);
  lookup_link_.SetWindowSize(row_count_);
}

void TRxDBLookupList::SetRowHeight(int32_t pixels) {
  row_height_ = std::clamp(pixels, 1, kMaxRowHeight);
}

int32_t TRxDBLookupList::RecordsInView() const {
  return LookupDataSet() ? lookup_link_.RecordCount() : 0;
}

std::string TRxDBLookupList::RowText(int32_t row) {
  if (row < 0 || row >= RecordsInView()) return {};
  ActiveRowScope scope(lookup_link_);
  lookup_link_.SetActiveRecord(row);
  return CurrentDisplayText(true);
}

std::vector<std::string> TRxDBLookupList::RowTexts() {
  std::vector<std::string> texts;
  const int32_t rows = RecordsInView();
  if (rows == 0) return texts;
  ActiveRowScope scope(lookup_link_);
  for (int32_t row = 0; row < rows; ++row) {
    lookup_link_.SetActiveRecord(row);
    texts.push_back(CurrentDisplayText(true));
  }
  return texts;
}

int32_t TRxDBLookupList::ValueRow() {
  if (ValueIsEmpty(Value())) return -1;
  const int32_t rows = RecordsInView();
  if (rows == 0) return -1;
  ActiveRowScope scope(lookup_link_);
  for (int32_t row = 0; row < rows; ++row) {
    lookup_link_.SetActiveRecord(row);
    if (CurrentKeyText() == Value()) return row;
  }
  return -1;
}

int32_t TRxDBLookupList::HighlightedRow() {
  return ValueRow();
}

int32_t TRxDBLookupList::FocusRow() {
  const int32_t row = ValueRow();
  if (row >= 0) return row;
  const data::TDataSet* table = LookupDataSet();
  return ValueIsEmpty(Value()) && table && table->AtStart() && RecordsInView() > 0 ? 0 : -1;
}

void TRxDBLookupList::SelectValue(const std::string& value) {
  // Located even when the text is the list's value already: the table may
  // have moved since (the current record is tried first, so that is cheap).
  if (!AssignValue(value)) {
    if (data::TDataSet* table = LookupDataSet()) table->GoFirst();
  }
}

bool TRxDBLookupList::KeyDown(LookupKey key) {
  int32_t distance = 0;
  switch (key) {
    case LookupKey::kDown:
    case LookupKey::kRight:
      distance = 1;
      break;
    case LookupKey::kUp:
    case LookupKey::kLeft:
      distance = -1;
      break;
    case LookupKey::kPageDown:
      distance = row_count_ - 1;
      break;
    case LookupKey::kPageUp:
      distance = -(row_count_ - 1);
      break;
    case LookupKey::kHome:
    case LookupKey::kEnd:
      break;
    default:
      return false;
  }
  ClearSearchText();
  if (!CanModify()) return true;
  data::TDataSet* table = LookupDataSet();
  if (key == LookupKey::kHome) {
    table->GoFirst();
  } else if (key == LookupKey::kEnd) {
    table->GoLast();
  } else if (const int32_t row = ValueRow(); row >= 0) {
    StepFrom(row, distance);
  } else {
    SelectValue(Value());  // the value comes into view; nothing more moves
  }
  SetValue(CurrentKeyText());
  return true;
}

void TRxDBLookupList::KeyPress(char key, uint32_t time_ms) {
  if (!popup_) {
    if (had_key_ && time_ms - last_key_ms_ > kSearchTimeoutMs) search_text_.clear();
    had_key_ = true;
    last_key_ms_ = time_ms;
  }
  ProcessSearchKey(key);
}

int32_t TRxDBLookupList::RowAt(int32_t y) const {
  return std::clamp(y, 0, ClientHeight() - 1) / row_height_;
}

void TRxDBLookupList::SelectRow(int32_t row) {
  const int32_t rows = RecordsInView();
  if (rows == 0) return;
  lookup_link_.SetActiveRecord(std::clamp(row, 0, rows - 1));
  SetValue(CurrentKeyText());
  Invalidate();  // moving inside the window notifies nobody
}

void TRxDBLookupList::StepFrom(int32_t from, int32_t distance) {
  lookup_link_.SetActiveRecord(from);
  if (distance != 0) lookup_link_.Step(distance);
}

void TRxDBLookupList::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseDown(button, shift, x, y);
  // Any button's press ends the typed search; only the left one selects.
  ClearSearchText();
  if (button != ui::TMouseButton::mbLeft || !CanModify()) return;
  SelectRow(RowAt(y));
  tracking_ = true;
  scroll_direction_ = 0;
  if (platform_) platform_->CaptureMouse(LookupPart::kList);
}

void TRxDBLookupList::MouseMove(ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseMove(shift, x, y);
  if (!tracking_) return;
  SelectRow(RowAt(y));
  int64_t beyond = 0;
  if (y < 0) {
    scroll_direction_ = -1;
    beyond = -int64_t{y};
  } else if (y >= ClientHeight()) {
    scroll_direction_ = 1;
    beyond = int64_t{y} - ClientHeight() + 1;
  } else {
    scroll_direction_ = 0;
  }
  scroll_interval_ = AutoScrollIntervalMs(beyond, scale_);
  ReportAutoScroll();
}

void TRxDBLookupList::ReportAutoScroll() {
  const int32_t interval = AutoScrollInterval();
  if (interval == reported_interval_) return;
  reported_interval_ = interval;
  if (platform_) platform_->SetAutoScrollTimer(interval);
}

void TRxDBLookupList::AutoScrollTick() {
  if (!tracking_ || scroll_direction_ == 0 || !CanModify()) return;
  lookup_link_.Step(scroll_direction_);
  SetValue(CurrentKeyText());
}

void TRxDBLookupList::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseUp(button, shift, x, y);
  if (button != ui::TMouseButton::mbLeft || !tracking_) return;
  SelectRow(RowAt(y));
  StopTracking();
  TrackingEnded(x >= 0 && x < client_width_ && y >= 0 && y < ClientHeight());
}

void TRxDBLookupList::StopTracking() {
  tracking_ = false;
  scroll_direction_ = 0;
  ReportAutoScroll();
  if (platform_) platform_->ReleaseMouse();
}

void TRxDBLookupList::CancelTracking() {
  if (tracking_) StopTracking();
}

void TRxDBLookupList::ListLinkActiveChanged() {
  TRxLookupControl::ListLinkActiveChanged();
  if (!ListActive()) CancelTracking();
}

bool TRxDBLookupList::ScrollBarVisible() const {
  return ListActive() && RecordsInView() >= row_count_;
}

int32_t TRxDBLookupList::ScrollBarPosition() const {
  const data::TDataSet* table = LookupDataSet();
  if (!table || table->AtStart()) return 0;
  return table->AtEnd() ? kScrollMax : kScrollMax / 2;
}

void TRxDBLookupList::Scroll(LookupScroll command, int32_t thumb) {
  ClearSearchText();
  data::TDataSet* table = LookupDataSet();
  const int32_t rows = RecordsInView();
  if (!ListActive() || !table || rows == 0) return;
  if (command == LookupScroll::kThumb) {
    switch (thumb) {
      case 0:
        command = LookupScroll::kTop;
        break;
      case 1:
        command = LookupScroll::kPageUp;
        break;
      case 3:
        command = LookupScroll::kPageDown;
        break;
      case kScrollMax:
        command = LookupScroll::kBottom;
        break;
      default:
        return;
    }
  }
  switch (command) {
    case LookupScroll::kLineUp:
      StepFrom(0, -1);
      break;
    case LookupScroll::kLineDown:
      StepFrom(rows - 1, 1);
      break;
    case LookupScroll::kPageUp:
      StepFrom(0, -(rows - 1));
      break;
    case LookupScroll::kPageDown:
      StepFrom(rows - 1, rows - 1);
      break;
    case LookupScroll::kTop:
      table->GoFirst();
      break;
    case LookupScroll::kBottom:
      table->GoLast();
      break;
    case LookupScroll::kThumb:
      break;
  }
  Invalidate();
}

std::string ListWindowText(TRxDBLookupList& list) {
  const std::vector<std::string> rows = list.RowTexts();
  std::string text;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += rows[i];
  }
  return text;
}

int32_t ListCurrentSelection(TRxDBLookupList& list) {
  return list.HighlightedRow();
}

int64_t FixedColumnWidth(int32_t chars, int32_t char_width, const ui::DpiScale& scale) {
  return int64_t{chars} * char_width + scale.Length(4);
}

int32_t AutoScrollIntervalMs(int64_t pixels_beyond, const ui::DpiScale& scale) {
  // 200 ms less 15 per stored pixel; past 14 stored pixels it is 0 anyway,
  // so the distance is capped before it is multiplied.
  const int64_t beyond = std::clamp<int64_t>(pixels_beyond, 0, scale.Length(100));
  const int64_t dpi = scale.Dpi();
  const int64_t stored_ms = (15 * ui::DpiScale::kStoredDpi * beyond * 2 + dpi) / (2 * dpi);
  return static_cast<int32_t>(std::max<int64_t>(0, 200 - stored_ms));
}

}  // namespace search
