#include "data/data_source.h"

#include <algorithm>
#include <climits>

#include "data/data_link.h"

namespace data {

TDataSource::TDataSource(base::TComponent* owner) : base::TComponent(owner) {}

TDataSource::~TDataSource() {
  SetDataSet(nullptr);
  const auto links = links_;
  for (TDataLink* link : links) link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* data_set) {
  if (data_set == data_set_) return;
  if (data_set_) {
    TDataSet* old = data_set_;
    old->DetachObserver(this);
    data_set_ = nullptr;
    if (old->Active()) old->UpdateWindowSize();
  }
  data_set_ = data_set;
  if (data_set_) data_set_->AttachObserver(this);
  UpdateState();
  if (data_set_ && data_set_->Active()) data_set_->UpdateWindowSize();
}

void TDataSource::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateState();
  if (data_set_ && data_set_->Active()) data_set_->UpdateWindowSize();
}

void TDataSource::UpdateState() {
  const TDataSetState state = data_set_ && enabled_ ? data_set_->State() : TDataSetState::dsInactive;
  if (state == state_) return;
  const bool was_active = state_ != TDataSetState::dsInactive;
  state_ = state;
  const bool active = state_ != TDataSetState::dsInactive;
  const auto links = links_;
  for (TDataLink* link : links) {
    if (active != was_active) {
      link->SetActive(active);
    } else {
      link->EditingChanged();
    }
  }
  if (OnStateChange) OnStateChange(*this);
}

void TDataSource::DataSetEvent(TDataSet&, TDataEvent event, intptr_t info) {
  if (event == TDataEvent::deUpdateState) {
    UpdateState();
    return;
  }
  if (state_ == TDataSetState::dsInactive) return;
  const auto links = links_;
  for (TDataLink* link : links) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataEvent(event, info);
  }
  if (event <= TDataEvent::deLayoutChange && OnDataChange) {
    OnDataChange(*this, event == TDataEvent::deFieldChange ? reinterpret_cast<TField*>(info) : nullptr);
  }
  if (event == TDataEvent::deUpdateRecord && OnUpdateData) OnUpdateData(*this);
}

int32_t TDataSource::WantedWindowSize() const {
  if (!enabled_) return 0;
  int32_t wanted = 0;
  for (const TDataLink* link : links_) wanted = std::max(wanted, link->WindowSize());
  return wanted;
}

int32_t TDataSource::LowestFirstRow() const {
  int32_t lowest = INT32_MAX;
  for (const TDataLink* link : links_) {
    if (link->Active()) lowest = std::min(lowest, link->FirstRow());
  }
  return lowest;
}

void TDataSource::WindowShifted(int32_t rows) {
  for (TDataLink* link : links_) {
    if (link->Active()) link->first_row_ = std::max(0, link->first_row_ + rows);
  }
}

void TDataSource::DataSetDestroyed(TDataSet& data_set) {
  if (&data_set != data_set_) return;
  data_set_ = nullptr;
  UpdateState();
}

void TDataSource::AddLink(TDataLink* link) {
  links_.push_back(link);
  if (data_set_ && data_set_->Active()) data_set_->UpdateWindowSize();
  link->SetActive(state_ != TDataSetState::dsInactive);
}

void TDataSource::RemoveLink(TDataLink* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
  link->SetActive(false);
  if (data_set_ && data_set_->Active()) data_set_->UpdateWindowSize();
}

}  // namespace data
