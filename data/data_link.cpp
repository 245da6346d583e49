#include "data/data_link.h"

#include <algorithm>

#include "data/data_source.h"

namespace data {

TDataLink::~TDataLink() {
  SetDataSource(nullptr);
}

void TDataLink::SetDataSource(TDataSource* source) {
  if (source == data_source_) return;
  if (data_source_) data_source_->RemoveLink(this);
  data_source_ = source;
  if (data_source_) data_source_->AddLink(this);
}

TDataSet* TDataLink::DataSet() const {
  return data_source_ ? data_source_->DataSet() : nullptr;
}

void TDataLink::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_) {
    PlaceFirstRow();
  } else {
    first_row_ = 0;
  }
  ActiveChanged();
}

void TDataLink::PlaceFirstRow() {
  const TDataSet* data_set = DataSet();
  if (!data_set) return;
  const TRecordWindow& window = data_set->Window();
  const int32_t active = window.ActiveIndex();
  const int32_t lowest = std::max(0, active - window_size_ + 1);
  const int32_t highest = std::min(active, std::max(0, window.Count() - window_size_));
  if (first_row_ < lowest) first_row_ = lowest;
  if (first_row_ > highest) first_row_ = highest;
  if (first_row_ > 0 && active - first_row_ < window_size_ - 1) --first_row_;
}

void TDataLink::SetWindowSize(int32_t size) {
  size = std::max(size, 1);
  if (size == window_size_) return;
  window_size_ = size;
  if (!active_) return;
  PlaceFirstRow();
  if (TDataSet* data_set = DataSet()) data_set->UpdateWindowSize();
  PlaceFirstRow();
}

int32_t TDataLink::ActiveRecord() const {
  const TDataSet* data_set = DataSet();
  if (!data_set || data_set->State() == TDataSetState::dsSetKey) return 0;
  return data_set->Window().ActiveIndex() - first_row_;
}

void TDataLink::SetActiveRecord(int32_t row) {
  TDataSet* data_set = DataSet();
  if (!data_set || data_set->State() == TDataSetState::dsSetKey) return;
  data_set->SetActiveIndex(first_row_ + row);
}

int32_t TDataLink::RecordCount() const {
  const TDataSet* data_set = DataSet();
  if (!data_set) return 0;
  if (data_set->State() == TDataSetState::dsSetKey) return 1;
  return std::min(window_size_, data_set->Window().Count());
}

bool TDataLink::AtStart() const {
  const TDataSet* data_set = DataSet();
  return !data_set || data_set->AtStart();
}

bool TDataLink::AtEnd() const {
  const TDataSet* data_set = DataSet();
  return !data_set || data_set->AtEnd();
}

int32_t TDataLink::Step(int32_t distance) {
  TDataSet* data_set = DataSet();
  return data_set ? data_set->Step(distance) : 0;
}

void TDataLink::DataEvent(TDataEvent event, intptr_t info) {
  switch (event) {
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
    case TDataEvent::deLayoutChange: {
      const TDataSet* data_set = DataSet();
      const int32_t active = data_set ? data_set->Window().ActiveIndex() : 0;
      const int32_t f = first_row_ + (event == TDataEvent::deDataSetScroll ? static_cast<int32_t>(info) : 0);
      const int32_t l = f + window_size_ - 1;
      const int32_t scroll = active > l ? active - l : active < f ? active - f : 0;
      first_row_ = f + scroll;
      if (event == TDataEvent::deDataSetChange) {
        DataSetChanged();
      } else if (event == TDataEvent::deDataSetScroll) {
        DataSetScrolled(scroll);
      } else {
        LayoutChanged();
      }
      break;
    }
    case TDataEvent::deFieldChange:
      RecordChanged(reinterpret_cast<TField*>(info));
      break;
    case TDataEvent::deRecordChange:
      RecordChanged(nullptr);
      break;
    case TDataEvent::deUpdateRecord:
      UpdateData();
      break;
    case TDataEvent::deCheckBrowseMode:
      CheckBrowseMode();
      break;
    case TDataEvent::deUpdateState:
      break;
  }
}

}  // namespace data
