// TDataSet: the base of every table: its state, its fields, the scroll events
// and the hooks through which data sources (and so controls) follow it.
//
// Hooks for attached data sources (kept small on purpose):
//   * TDataSetObserver: what a data source implements; AttachObserver /
//     DetachObserver add and remove it (an observer detaches itself before
//     it dies).
//   * DataEvent(event, info): the one notification point; every observer
//     hears every event, in attach order.
//   * Resync(mode): the one refill point: the record buffers are refilled
//     around the cursor's record (exact: that record must exist; centre: it
//     goes to the middle of the window).
//   * CheckBrowseMode(): settles pending edits and sends deCheckBrowseMode.
//
// States: inactive, then browse while open; set-key and calc-fields are
// temporary (entered and left inside one operation, with no notification).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/component.h"
#include "data/field.h"

namespace data {

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields };

// Notifications to attached data sources, numbered as their links know them.
enum class TDataEvent : int {
  deFieldChange = 0,
  deRecordChange = 1,
  deDataSetChange = 2,
  deDataSetScroll = 3,
  deLayoutChange = 4,
  deUpdateRecord = 5,
  deUpdateState = 6,
  deCheckBrowseMode = 7,
};

class TDataSet;

class TDataSetObserver {
 public:
  // `info` is the scroll distance for deDataSetScroll, else 0.
  virtual void DataSetEvent(TDataSet& data_set, TDataEvent event, intptr_t info) = 0;

 protected:
  ~TDataSetObserver() = default;
};

class TDataSet : public base::TComponent {
 public:
  explicit TDataSet(base::TComponent* owner);
  ~TDataSet() override;
  const char* ClassName() const override { return "TDataSet"; }

  bool Active() const { return state_ != TDataSetState::dsInactive; }
  // Opens (see the subclass) or closes; nothing when already so.
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return state_; }

  TFields& Fields() { return fields_; }
  const TFields& Fields() const { return fields_; }
  TField* FindField(std::string_view name) const { return fields_.FindField(name); }
  // The field of that name; fails with "%s: Field '%s' not found".
  TField* FieldByName(std::string_view name) const;

  // Raised around every move of the current record (no handler by default).
  std::function<void(TDataSet&)> BeforeScroll;
  std::function<void(TDataSet&)> AfterScroll;

  void AttachObserver(TDataSetObserver* observer);
  void DetachObserver(TDataSetObserver* observer);

  // Field access, answered from the current record or the key buffer.
  virtual bool GetFieldData(const TField& field, FieldData& out) const = 0;
  virtual void SetFieldData(TField& field, const KeyValue& value) = 0;

  // Raises EDatabaseError "name: message".
  [[noreturn]] void DatabaseError(std::string_view message) const;

 protected:
  struct ResyncMode {
    bool exact = false;
    bool center = false;
  };

  virtual void InternalOpen() = 0;
  virtual void InternalClose() = 0;
  virtual void Resync(ResyncMode mode) = 0;

  void DataEvent(TDataEvent event, intptr_t info = 0);
  void CheckBrowseMode();
  void DoBeforeScroll();
  void DoAfterScroll();
  // Enters a temporary state and returns the one to go back to.
  TDataSetState SetTempState(TDataSetState state);
  void RestoreState(TDataSetState state) { state_ = state; }

 private:
  friend class TField;
  void AddField(TField* field);
  void RemoveField(TField* field);

  TDataSetState state_ = TDataSetState::dsInactive;
  TFields fields_;
  std::vector<TDataSetObserver*> observers_;
};

}  // namespace data
