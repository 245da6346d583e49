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
#include "data/record_window.h"

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
  // The number of rows the observer's controls show at once (0: no wish);
  // the table's window is the largest wish, at least 1.
  virtual int32_t WantedWindowSize() const { return 0; }
  // The lowest window row an observer's control shows (INT32_MAX: none);
  // a shrinking window keeps the rows from there.
  virtual int32_t LowestFirstRow() const { return INT32_MAX; }
  // The rows of the window moved by `rows` places (negative: towards the front).
  virtual void WindowShifted(int32_t /*rows*/) {}
  // The table is being destroyed: forget it.
  virtual void DataSetDestroyed(TDataSet& /*data_set*/) {}

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

  // --- The record window and navigation (data/record_window.h) ---
  const TRecordWindow& Window() const { return window_; }
  // Recomputes the window size from the observers' wishes and refills the
  // window to it (observers hear WindowShifted, no notification).
  void UpdateWindowSize();
  // Makes window row `index` current (clamped), as a control's link does.
  void SetActiveIndex(int32_t index);
  // The first (last) row of the order becomes current; the window is filled
  // from there; deDataSetChange, then AfterScroll. Both settle pending edits
  // (deCheckBrowseMode) and raise BeforeScroll first.
  void GoFirst();
  void GoLast();
  // Moves the current record by `distance` rows and returns the rows moved
  // (negative backwards; fewer at an end, where AtStart / AtEnd tell why).
  // Sends deDataSetScroll with the window's scroll when its row count stayed,
  // else deDataSetChange, then AfterScroll; nothing at all when it returns 0
  // because the distance is 0 or the table already stands at that end.
  int32_t Step(int32_t distance);
  int32_t StepNext() { return Step(1); }
  bool AtStart() const { return window_.AtStart(); }
  bool AtEnd() const { return window_.AtEnd(); }

  // Nestable: while held no notification goes out. Releasing the last hold
  // sends deUpdateState when the state changed meanwhile, then the held event
  // (deDataSetChange, or deLayoutChange after a held layout change or a held
  // close) when the table was and is open.
  void HoldNotifications();
  void ReleaseNotifications();
  int32_t HoldCount() const { return hold_count_; }

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
  // Enters a temporary state and returns the one to go back to. Temporary
  // states hold notifications while they last (RestoreState ends the hold
  // without sending the held event).
  TDataSetState SetTempState(TDataSetState state);
  void RestoreState(TDataSetState state);
  // Called after every change of the window's current row, so that a
  // subclass can follow it.
  virtual void ActiveRowChanged() {}
  // Window refill around the cursor's row, mapped to the table's errors:
  // exact and not readable fails with "Record not found" (nothing changed).
  void RefillWindow(ResyncMode mode);

  TRecordWindow window_;

 private:
  friend class TField;
  void AddField(TField* field);
  void RemoveField(TField* field);

  TDataSetState state_ = TDataSetState::dsInactive;
  TFields fields_;
  std::vector<TDataSetObserver*> observers_;
  int32_t hold_count_ = 0;
  TDataSetState held_state_ = TDataSetState::dsInactive;
  TDataEvent held_event_ = TDataEvent::deDataSetChange;
};

}  // namespace data
