// TRecordWindow: the window of consecutive rows of a table's current order
// that the table keeps in record buffers around its current record.
//
// The window holds Size() + 1 buffers: rows 0..Count()-1 are the window, the
// buffer after them is the fetch buffer into which the next row is read.
// Each buffer keeps the record number of its row and the values of the
// table's computed (lookup) fields for it, filled by the compute callback on
// every fetch.
//
// The window knows where the row store's cursor stands (CursorIndex(), -1
// when stale: something else moved the cursor) and brings the cursor back to
// the right buffer by record number before every fetch. Only rows that enter
// the window are read: moving within it reads nothing.
//
// It sends no notifications and raises no events: the table does that around
// these operations (see TDataSet::GoFirst, GoLast, Step and the refills).
#pragma once

#include <cassert>
#include <cstdint>
#include <functional>
#include <vector>

#include "data/ds_cursor.h"
#include "data/variant.h"

namespace data {

struct RecordBuffer {
  uint32_t record = 0;        // record number of the row (1-based), 0 for none
  std::vector<Variant> calc;  // computed field values, by slot; null when none
};

class TRecordWindow {
 public:
  using Compute = std::function<void(RecordBuffer&)>;

  TRecordWindow();

  // Binds the window to `cursor` (must outlive the binding) and empties it.
  // `compute` fills a freshly fetched buffer's computed values.
  void Attach(IDSCursor* cursor, Compute compute);
  // Unbinds and empties the window (the size stays).
  void Detach();
  bool Attached() const { return cursor_ != nullptr; }

  int32_t Size() const { return size_; }
  int32_t Count() const { return count_; }
  int32_t ActiveIndex() const { return active_; }
  // Moves the current row inside the window (clamped to the rows held).
  void SetActiveIndex(int32_t index);
  int32_t CursorIndex() const { return cursor_index_; }
  void MarkStale() { cursor_index_ = -1; }
  bool AtStart() const { return at_start_; }
  bool AtEnd() const { return at_end_; }
  // Window row `index` (0 <= index < Count()).
  const RecordBuffer& Buffer(int32_t index) const {
    assert(index >= 0 && index < count_);
    return buffers_[static_cast<size_t>(index)];
  }
  // The current row's record number, 0 while the window is empty.
  uint32_t ActiveRecord() const { return count_ > 0 ? buffers_[static_cast<size_t>(active_)].record : 0; }
  const RecordBuffer* ActiveBuffer() const {
    return count_ > 0 ? &buffers_[static_cast<size_t>(active_)] : nullptr;
  }

  // No rows, active index 0, both flags set, cursor index stale.
  void Clear();

  // Reads the row after the last window row (or before the first) into the
  // window; false when there is none (the cursor index is then stale).
  bool FetchNext();
  bool FetchPrior();

  // Empties the window and fills it from the first (last) row of the order;
  // the at-start (at-end) flag is set.
  void FillFromFirst();
  void FillFromLast();

  struct StepResult {
    int32_t moved = 0;           // rows moved, negative backwards
    int32_t scroll = 0;          // how far the window's rows shifted
    bool count_changed = false;  // the row count in window changed
    bool refused = false;        // nothing to do (distance 0, or at that end)
  };
  // Moves the current row by `distance` rows, fetching past the window's edges.
  StepResult Step(int32_t distance);

  enum class RefillResult { kFilled, kEmpty, kNotFound };
  // Refills around the row under the cursor. `exact`: that row must be
  // readable (kNotFound before anything changes); otherwise the next, else the
  // prior row is taken, and none empties the window (kEmpty). `centre` puts
  // the row at (Size() - 1) / 2 when rows allow, else it keeps its index.
  RefillResult Refill(bool exact, bool centre);

  struct ResizeResult {
    int32_t dropped = 0;  // rows removed from the front
    int32_t prior = 0;    // rows fetched in front afterwards
  };
  // Sets the size (at least 1). A shrinking window keeps its rows from
  // `keep_from` (moved down when the current row would fall out); then the
  // window fills up with next rows, then prior rows.
  ResizeResult Resize(int32_t size, int32_t keep_from);

 private:
  // Brings the cursor onto window row `index`; false when its row is gone.
  bool PositionCursor(int32_t index);
  // Fills `buffer` for `record`; false when computing its values moved the cursor.
  bool Load(RecordBuffer& buffer, uint32_t record);
  // What FetchNext (`forward`) and FetchPrior share: brings the cursor onto
  // the window's last (first) row, moves it one row on (back) and reads that
  // row into the fetch buffer. False when there is no such row (the cursor
  // index is then stale); `kept` tells whether computing the row's values
  // left the cursor on it.
  bool ReadBeyond(bool forward, bool& kept);
  // An empty window takes the row just read as its one row (true); a window
  // with rows is left to the caller (false).
  bool TakeAsOnlyRow();
  static constexpr int32_t kLoading = -2;

  IDSCursor* cursor_ = nullptr;
  Compute compute_;
  std::vector<RecordBuffer> buffers_;
  int32_t size_ = 1;
  int32_t count_ = 0;
  int32_t active_ = 0;
  int32_t cursor_index_ = -1;
  bool at_start_ = true;
  bool at_end_ = true;
};

}  // namespace data
