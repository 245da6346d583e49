#include "data/record_window.h"

#include <algorithm>

namespace data {

TRecordWindow::TRecordWindow() : buffers_(2) {}

void TRecordWindow::Attach(IDSCursor* cursor, Compute compute) {
  cursor_ = cursor;
  compute_ = std::move(compute);
  Clear();
}

void TRecordWindow::Detach() {
  cursor_ = nullptr;
  compute_ = nullptr;
  Clear();
}

void TRecordWindow::SetActiveIndex(int32_t index) {
  if (count_ == 0) return;
  active_ = std::clamp(index, 0, count_ - 1);
}

void TRecordWindow::Clear() {
  count_ = 0;
  active_ = 0;
  cursor_index_ = -1;
  at_start_ = at_end_ = true;
}

bool TRecordWindow::Load(RecordBuffer& buffer, uint32_t record) {
  buffer.record = record;
  buffer.calc.clear();
  if (!compute_) return true;
  // A lookup that leads back to this table scans it and marks the cursor stale.
  cursor_index_ = kLoading;
  compute_(buffer);
  return cursor_index_ == kLoading;
}

bool TRecordWindow::PositionCursor(int32_t index) {
  if (cursor_index_ == index) return true;
  if (cursor_->MoveToRecord(buffers_[static_cast<size_t>(index)].record) != kDsOk) {
    cursor_index_ = -1;
    return false;
  }
  cursor_index_ = index;
  return true;
}

inline bool TRecordWindow::ReadBeyond(bool forward, bool& kept) {
  if (!cursor_) return false;
  if (count_ > 0 && !PositionCursor(forward ? count_ - 1 : 0)) return false;
  uint32_t record = 0;
  if ((forward ? cursor_->GetNextRecord(record) : cursor_->GetPriorRecord(record)) != kDsOk) {
    cursor_index_ = -1;
    return false;
  }
  kept = Load(buffers_[static_cast<size_t>(count_)], record);
  return true;
}

inline bool TRecordWindow::TakeAsOnlyRow() {
  if (count_ != 0) return false;
  count_ = 1;
  active_ = 0;
  at_start_ = at_end_ = false;
  return true;
}

bool TRecordWindow::FetchNext() {
  bool kept = false;
  if (!ReadBeyond(true, kept)) return false;
  if (!TakeAsOnlyRow()) {
    if (count_ < size_) {
      ++count_;
    } else {
      // The first row leaves: it becomes the fetch buffer.
      std::rotate(buffers_.begin(), buffers_.begin() + 1, buffers_.begin() + size_ + 1);
    }
  }
  cursor_index_ = kept ? count_ - 1 : -1;
  return true;
}

bool TRecordWindow::FetchPrior() {
  bool kept = false;
  if (!ReadBeyond(false, kept)) return false;
  if (!TakeAsOnlyRow()) {
    // The new row goes in front; a full window's last row becomes the fetch buffer.
    std::rotate(buffers_.begin(), buffers_.begin() + count_, buffers_.begin() + count_ + 1);
    if (count_ < size_) {
      ++count_;
      ++active_;
    }
  }
  cursor_index_ = kept ? 0 : -1;
  return true;
}

void TRecordWindow::FillFromFirst() {
  Clear();
  if (!cursor_) return;
  cursor_->MoveToBOF();
  while (count_ < size_ && FetchNext()) {
  }
  at_start_ = true;
}

void TRecordWindow::FillFromLast() {
  Clear();
  if (!cursor_) return;
  cursor_->MoveToEOF();
  while (count_ < size_ && FetchPrior()) {
  }
  at_end_ = true;
}

TRecordWindow::StepResult TRecordWindow::Step(int32_t distance) {
  StepResult result;
  if (distance == 0 || count_ == 0 || (distance > 0 && at_end_) || (distance < 0 && at_start_)) {
    result.refused = true;
    return result;
  }
  at_start_ = at_end_ = false;
  const int32_t old_count = count_;
  if (distance > 0) {
    while (result.moved < distance) {
      if (active_ == count_ - 1) {
        const bool full = count_ == size_;
        if (!FetchNext()) {
          at_end_ = true;
          break;
        }
        if (full) {
          --result.scroll;  // the active index now holds the new row
        } else {
          ++active_;
        }
      } else {
        ++active_;
      }
      ++result.moved;
    }
  } else {
    while (result.moved > distance) {
      if (active_ == 0) {
        const bool full = count_ == size_;
        if (!FetchPrior()) {
          at_start_ = true;
          break;
        }
        if (full) {
          ++result.scroll;
        } else {
          --active_;  // FetchPrior kept it on the old row
        }
      } else {
        --active_;
      }
      --result.moved;
    }
  }
  result.count_changed = count_ != old_count;
  return result;
}

TRecordWindow::RefillResult TRecordWindow::Refill(bool exact, bool centre) {
  if (!cursor_) return RefillResult::kEmpty;
  uint32_t record = 0;
  cursor_index_ = -1;
  if (exact) {
    if (cursor_->GetCurrentRecord(record) != kDsOk) return RefillResult::kNotFound;
  } else if (cursor_->GetCurrentRecord(record) != kDsOk && cursor_->GetNextRecord(record) != kDsOk &&
             cursor_->GetPriorRecord(record) != kDsOk) {
    Clear();
    return RefillResult::kEmpty;
  }
  const int32_t target = centre ? (size_ - 1) / 2 : std::min(active_, size_ - 1);
  const bool kept = Load(buffers_[0], record);
  count_ = 1;
  active_ = 0;
  at_start_ = at_end_ = false;
  cursor_index_ = kept ? 0 : -1;
  while (active_ < target && FetchPrior()) {
  }
  while (count_ < size_ && FetchNext()) {
  }
  while (count_ < size_ && FetchPrior()) {
  }
  return RefillResult::kFilled;
}

TRecordWindow::ResizeResult TRecordWindow::Resize(int32_t size, int32_t keep_from) {
  ResizeResult result;
  size = std::max(size, 1);
  if (size < count_) {
    int32_t from = std::clamp(std::min(keep_from, active_), 0, count_ - 1);
    if (active_ - from >= size) from = active_ - size + 1;
    std::rotate(buffers_.begin(), buffers_.begin() + from, buffers_.begin() + count_ + 1);
    active_ -= from;
    cursor_index_ = cursor_index_ >= from ? cursor_index_ - from : -1;
    count_ = std::min(count_ - from, size);
    if (cursor_index_ >= count_) cursor_index_ = -1;
    result.dropped = from;
  }
  size_ = size;
  buffers_.resize(static_cast<size_t>(size_) + 1);
  if (!cursor_ || count_ == 0) return result;
  while (count_ < size_ && FetchNext()) {
  }
  while (count_ < size_ && FetchPrior()) {
    ++result.prior;
  }
  return result;
}

}  // namespace data
