#include "data/data_set.h"

#include <algorithm>

#include "base/format.h"
#include "data/database_error.h"

namespace data {

TDataSet::TDataSet(base::TComponent* owner) : base::TComponent(owner) {}

TDataSet::~TDataSet() {
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
  return old;
}

void TDataSet::AddField(TField* field) {
  fields_.fields_.push_back(field);
}
void TDataSet::RemoveField(TField* field) {
  auto& list = fields_.fields_;
  list.erase(std::remove(list.begin(), list.end(), field), list.end());
}

}  // namespace data
