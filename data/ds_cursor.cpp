#include "data/ds_cursor.h"

namespace data {

IDSCursor::IDSCursor(IDSBase& store) : store_(store) {
  std::lock_guard lock(store_.mutex_);
  index_ = store_.indexes_.empty() ? nullptr : store_.indexes_.front().get();
}

DsResult IDSCursor::UseIndex(std::string_view name) {
  std::lock_guard lock(store_.mutex_);
  const IDSBase::Index* index = store_.FindIndexLocked(name);
  if (!index) return kDsNoSuchIndex;
  index_ = index;
  position_ = -1;
  return kDsOk;
}

DsResult IDSCursor::UseTemporaryIndex() {
  std::lock_guard lock(store_.mutex_);
  if (!store_.temporary_in_use_) return kDsNoSuchIndex;
  index_ = store_.temporary_in_use_;
  position_ = -1;
  return kDsOk;
}

IndexDescriptor IDSCursor::CurrentIndex() const {
  std::lock_guard lock(store_.mutex_);
  return index_ ? index_->descriptor : IndexDescriptor{};
}

void IDSCursor::MoveToBOF() {
  std::lock_guard lock(store_.mutex_);
  position_ = -1;
}

void IDSCursor::MoveToEOF() {
  std::lock_guard lock(store_.mutex_);
  position_ = index_ ? static_cast<int64_t>(index_->order.size()) : 0;
}

DsResult IDSCursor::MoveToRecord(uint32_t record) {
  std::lock_guard lock(store_.mutex_);
  if (!index_) return kDsRecordNotFound;
  const auto& order = index_->order;
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == record) {
      position_ = static_cast<int64_t>(i);
      return kDsOk;
    }
  }
  return kDsRecordNotFound;
}

DsResult IDSCursor::GetCurrentRecord(uint32_t& record) const {
  std::lock_guard lock(store_.mutex_);
  if (position_ < 0) return kDsBof;
  if (!index_ || position_ >= static_cast<int64_t>(index_->order.size())) return kDsEnd;
  record = index_->order[static_cast<size_t>(position_)];
  return kDsOk;
}

DsResult IDSCursor::GetNextRecord(uint32_t& record) {
  std::lock_guard lock(store_.mutex_);
  const int64_t n = index_ ? static_cast<int64_t>(index_->order.size()) : 0;
  if (position_ < n) ++position_;
  if (position_ >= n) return kDsEnd;
  record = index_->order[static_cast<size_t>(position_)];
  return kDsOk;
}

DsResult IDSCursor::GetPriorRecord(uint32_t& record) {
  std::lock_guard lock(store_.mutex_);
  if (position_ >= 0) --position_;
  if (position_ < 0) return kDsBof;
  record = index_->order[static_cast<size_t>(position_)];
  return kDsOk;
}

uint32_t IDSCursor::RecordCount() const {
  std::lock_guard lock(store_.mutex_);
  return index_ ? static_cast<uint32_t>(index_->order.size()) : 0;
}

DsResult IDSCursor::RowReader::GetField(uint32_t record, uint32_t field_no, FieldData& out) const {
  return store_.GetFieldLocked(record, field_no, out);
}

DsResult IDSCursor::ScanFromFirst(const std::function<bool(uint32_t record, const RowReader& read)>& match,
                                  uint32_t& record) {
  std::lock_guard lock(store_.mutex_);
  const RowReader reader(store_);
  const int64_t n = index_ ? static_cast<int64_t>(index_->order.size()) : 0;
  for (position_ = 0; position_ < n; ++position_) {
    const uint32_t r = index_->order[static_cast<size_t>(position_)];
    if (match(r, reader)) {
      record = r;
      return kDsOk;
    }
  }
  position_ = n;
  return kDsEnd;
}

DsResult IDSCursor::FindFirstInteger(uint32_t column, bool unsigned_values, int64_t value, uint32_t& record) {
  std::lock_guard lock(store_.mutex_);
  if (!index_) {
    position_ = 0;
    return kDsEnd;
  }
  const size_t found = store_.FindIntegerLocked(*index_, column, unsigned_values, value);
  position_ = static_cast<int64_t>(found);
  if (found >= index_->order.size()) return kDsEnd;
  record = index_->order[found];
  return kDsOk;
}

DsResult IDSCursor::SeekKey(const std::vector<KeyValue>& key, size_t fields, uint32_t& record) {
  std::lock_guard lock(store_.mutex_);
  if (!index_ || fields == 0 || index_->descriptor.fields.empty()) return kDsKeyNotFound;
  const auto& order = index_->order;
  size_t lo = 0;
  size_t hi = order.size();  // search [lo, hi)
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    const int c = store_.CompareKeyLocked(*index_, key, fields, order[mid]);
    if (c == 0) {
      size_t first = mid;
      while (first > 0 && store_.CompareKeyLocked(*index_, key, fields, order[first - 1]) == 0) --first;
      position_ = static_cast<int64_t>(first);
      record = order[first];
      return kDsOk;
    }
    if (c < 0) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return kDsKeyNotFound;
}

}  // namespace data
