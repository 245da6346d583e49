// TDataLink: one control's view of a table through a data source: a run of
// WindowSize() rows of the table's record window starting at FirstRow(),
// with the current row at ActiveRecord() inside it.
//
// The link keeps its first row so that the table's current row stays inside
// its rows:
//   * on notifications 2, 3 and 4 the first row moves by the table's scroll
//     (3 only), then by as much as the current row lies outside the link's
//     rows; the link is then told DataSetChanged, DataSetScrolled with its
//     own scroll, or LayoutChanged;
//   * on becoming active and on a new window size it is placed between the
//     lowest and highest first rows that keep the current row visible, one
//     lower when that leaves the current row off its last row.
// Becoming inactive puts the first row at 0. Controls subclass it and
// override the notification methods (all do nothing by default).
#pragma once

#include <cstdint>

#include "data/data_set.h"

namespace data {

class TDataSource;
class TField;

class TDataLink {
 public:
  TDataLink() = default;
  virtual ~TDataLink();
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;

  TDataSource* DataSource() const { return data_source_; }
  // Joins `source`'s links (null leaves).
  void SetDataSource(TDataSource* source);
  // The table of the data source, or null.
  TDataSet* DataSet() const;

  bool Active() const { return active_; }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }

  int32_t WindowSize() const { return window_size_; }
  // At least 1. While active the table's window is resized to fit.
  void SetWindowSize(int32_t size);
  int32_t FirstRow() const { return first_row_; }
  // The current row's place among the link's rows (0 in the set-key state).
  int32_t ActiveRecord() const;
  // Makes the link's row `row` current (nothing in the set-key state).
  void SetActiveRecord(int32_t row);
  // The rows the link shows: min(window size, table's rows in window), 1 in the set-key state.
  int32_t RecordCount() const;
  bool AtStart() const;
  bool AtEnd() const;
  // Moves the table's current record (TDataSet::Step); 0 without a table.
  int32_t Step(int32_t distance);

 protected:
  virtual void ActiveChanged() {}
  virtual void RecordChanged(TField* /*field*/) {}
  virtual void DataSetChanged() {}
  virtual void DataSetScrolled(int32_t /*distance*/) {}
  virtual void LayoutChanged() {}
  virtual void UpdateData() {}
  virtual void EditingChanged() {}
  virtual void CheckBrowseMode() {}

 private:
  friend class TDataSource;
  // A notification of the table, passed on by the data source.
  void DataEvent(TDataEvent event, intptr_t info);
  void SetActive(bool active);
  // The placement rule used on activation and on a new window size.
  void PlaceFirstRow();

  TDataSource* data_source_ = nullptr;
  int32_t window_size_ = 1;
  int32_t first_row_ = 0;
  bool active_ = false;
  bool read_only_ = false;
};

}  // namespace data
