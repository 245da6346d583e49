#include "data/data_set.h"

#include <algorithm>

#include "base/format.h"
#include "data/database_error.h"

namespace data {

TDataSet::TDataSet(base::TComponent* owner) : base::TComponent(owner) {}

TDataSet::~TDataSet() {
  const auto observers = std::move(observers_);
  observers_.clear();
  for (TDataSetObserver* observer : observers) observer->DataSetDestroyed(*this);
  // Fields may outlive the table (their owner is the window): unbind them.
  for (TField* field : fields_.fields_) field->data_set_ = nullptr;
  fields_.fields_.clear();
}

void TDataSet::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    InternalOpen();
    state_ = TDataSetState::dsBrowse;
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
  } else {
    InternalClose();
    state_ = TDataSetState::dsInactive;
    DataEvent(TDataEvent::deUpdateState);
  }
}

TField* TDataSet::FieldByName(std::string_view name) const {
  TField* field = fields_.FindField(name);
  if (!field) DatabaseError(base::Format("Field '%s' not found", std::string(name).c_str()));
  return field;
}

void TDataSet::AttachObserver(TDataSetObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void TDataSet::DetachObserver(TDataSetObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TDataSet::DatabaseError(std::string_view message) const {
  throw EDatabaseError(TableMessage(Name(), message));
}

void TDataSet::DataEvent(TDataEvent event, intptr_t info) {
  if (hold_count_ > 0) {
    if ((event == TDataEvent::deUpdateState && state_ == TDataSetState::dsInactive) ||
        event == TDataEvent::deLayoutChange) {
      held_event_ = TDataEvent::deLayoutChange;
    }
    return;
  }
  const auto observers = observers_;  // an observer may detach while told
  for (TDataSetObserver* observer : observers) {
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
      observer->DataSetEvent(*this, event, info);
  }
}

void TDataSet::CheckBrowseMode() {
  if (!Active()) DatabaseError("Cannot perform this operation on a closed dataset");
  DataEvent(TDataEvent::deCheckBrowseMode);
}

void TDataSet::DoBeforeScroll() {
  if (BeforeScroll) BeforeScroll(*this);
}
void TDataSet::DoAfterScroll() {
  if (AfterScroll) AfterScroll(*this);
}

TDataSetState TDataSet::SetTempState(TDataSetState state) {
  const TDataSetState old = state_;
  state_ = state;
  ++hold_count_;
  return old;
}

void TDataSet::RestoreState(TDataSetState state) {
  state_ = state;
  if (hold_count_ > 0) --hold_count_;
}

// --- Holding notifications ---------------------------------------------------

void TDataSet::HoldNotifications() {
  if (hold_count_++ == 0) {
    held_state_ = state_;
    held_event_ = TDataEvent::deDataSetChange;
  }
}

void TDataSet::ReleaseNotifications() {
  if (hold_count_ == 0) return;
  if (--hold_count_ > 0) return;
  if (state_ != held_state_) DataEvent(TDataEvent::deUpdateState);
  if (held_state_ != TDataSetState::dsInactive && state_ != TDataSetState::dsInactive) DataEvent(held_event_);
}

// --- The record window -------------------------------------------------------

void TDataSet::UpdateWindowSize() {
  int32_t wanted = 1;
  int32_t lowest = window_.ActiveIndex();
  for (const TDataSetObserver* observer : observers_) {
    wanted = std::max(wanted, observer->WantedWindowSize());
    lowest = std::min(lowest, observer->LowestFirstRow());
  }
  if (wanted == window_.Size()) return;
  const TRecordWindow::ResizeResult moved = window_.Resize(wanted, lowest);
  const int32_t shift = moved.prior - moved.dropped;
  if (shift != 0) {
    const auto observers = observers_;
    for (TDataSetObserver* observer : observers) observer->WindowShifted(shift);
  }
  ActiveRowChanged();
}

void TDataSet::SetActiveIndex(int32_t index) {
  window_.SetActiveIndex(index);
  ActiveRowChanged();
}

void TDataSet::RefillWindow(ResyncMode mode) {
  if (window_.Refill(mode.exact, mode.center) == TRecordWindow::RefillResult::kNotFound)
    DatabaseError("Record not found");
  ActiveRowChanged();
}

void TDataSet::GoFirst() {
  CheckBrowseMode();
  DoBeforeScroll();
  window_.FillFromFirst();
  ActiveRowChanged();
  DataEvent(TDataEvent::deDataSetChange);
  DoAfterScroll();
}

void TDataSet::GoLast() {
  CheckBrowseMode();
  DoBeforeScroll();
  window_.FillFromLast();
  ActiveRowChanged();
  DataEvent(TDataEvent::deDataSetChange);
  DoAfterScroll();
}

int32_t TDataSet::Step(int32_t distance) {
  CheckBrowseMode();
  DoBeforeScroll();
  const TRecordWindow::StepResult step = window_.Step(distance);
  if (step.refused) return 0;
  ActiveRowChanged();
  if (step.count_changed) {
    DataEvent(TDataEvent::deDataSetChange);
  } else {
    DataEvent(TDataEvent::deDataSetScroll, step.scroll);
  }
  DoAfterScroll();
  return step.moved;
}

void TDataSet::AddField(TField* field) {
  fields_.fields_.push_back(field);
}
void TDataSet::RemoveField(TField* field) {
  auto& list = fields_.fields_;
  list.erase(std::remove(list.begin(), list.end(), field), list.end());
}

}  // namespace data
