// IDSCursor: a position over one order of a row store.
//
// The position is before the first entry (BOF), on entry 0..n-1, or after the
// last (EOF). Each operation takes the row store's mutex for its own
// duration. The cursor refers to its row store and to one of its orders;
// both must outlive it (an order once built is never destroyed while the
// store lives; a temporary order is rebuilt in place when its slot is reused,
// after which the caller repositions with MoveToRecord).
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "data/ds_base.h"

namespace data {

class IDSCursor {
 public:
  // A cursor on "DEFAULT_ORDER", before the first row. `store` must be loaded.
  explicit IDSCursor(IDSBase& store);

  // Switches to the built order of that name ("" is "DEFAULT_ORDER");
  // kDsNoSuchIndex when none. The position goes before the first row.
  DsResult UseIndex(std::string_view name);
  // Switches to the temporary sort index the store's last BuildTemporaryIndex
  // chose (kDsNoSuchIndex when none was built).
  DsResult UseTemporaryIndex();
  // The descriptor of the order in use.
  IndexDescriptor CurrentIndex() const;

  void MoveToBOF();
  void MoveToEOF();
  // Moves onto the entry of `record` in the current order; kDsRecordNotFound
  // (position unchanged) when the record takes no place in it.
  DsResult MoveToRecord(uint32_t record);
  // The record under the cursor; kDsBof / kDsEnd when off the rows.
  DsResult GetCurrentRecord(uint32_t& record) const;
  // Moves one entry on (or back) and returns its record; at the end the
  // cursor stays past it and kDsEnd (kDsBof) is returned.
  DsResult GetNextRecord(uint32_t& record);
  DsResult GetPriorRecord(uint32_t& record);
  // The number of entries in the current order.
  uint32_t RecordCount() const;

  // Exact search of the first `fields` key fields of the current order for
  // `key`: a binary search for an equal entry, then a step back over the
  // equal entries before it. Found: the cursor moves onto the first equal
  // entry and `record` is its record. Not found: kDsKeyNotFound, the cursor
  // does not move.
  DsResult SeekKey(const std::vector<KeyValue>& key, size_t fields, uint32_t& record);

  // Reads values during a scan, while the scan holds the row store's lock.
  class RowReader {
   public:
    // As IDSBase::GetField.
    DsResult GetField(uint32_t record, uint32_t field_no, FieldData& out) const;

   private:
    friend class IDSCursor;
    explicit RowReader(const IDSBase& store) : store_(store) {}
    const IDSBase& store_;
  };
  // A linear scan as one operation (one lock, not two per row): moves before
  // the first entry, then forward to the first entry whose record satisfies
  // `match`. `match` reads values only through the reader and must not call
  // the row store or a cursor. Found: the cursor is on it, `record` is its
  // record, kDsOk. None: the cursor is past the last entry, kDsEnd.
  DsResult ScanFromFirst(const std::function<bool(uint32_t record, const RowReader& read)>& match,
                         uint32_t& record);
  // ScanFromFirst for one integer column and one value, with the same
  // outcome: found, the cursor is on the first entry of the current order
  // whose `column` (1-based) holds `value` (read as unsigned when
  // `unsigned_values`), `record` is its record, kDsOk; none, the cursor is
  // past the last entry, kDsEnd. Repeated searches of a column go through
  // a map of its values that the row store keeps with the order.
  DsResult FindFirstInteger(uint32_t column, bool unsigned_values, int64_t value, uint32_t& record);

 private:
  IDSBase& store_;
  const IDSBase::Index* index_ = nullptr;
  int64_t position_ = -1;  // -1 BOF, n EOF
};

}  // namespace data
