// TDataSource: connects one table to the controls that show it. It hears
// every notification of its table and passes it to each of its links
// (data/data_link.h), then calls OnDataChange (after notifications 0 to 4)
// or OnUpdateData (after 5). Its state is the table's while the table is
// open and the source is enabled, else inactive; a change of state makes its
// links active or inactive and calls OnStateChange.
#pragma once

#include <functional>
#include <vector>

#include "base/component.h"
#include "data/data_set.h"

namespace data {

class TDataLink;
class TField;

class TDataSource : public base::TComponent, public TDataSetObserver {
 public:
  explicit TDataSource(base::TComponent* owner);
  ~TDataSource() override;
  const char* ClassName() const override { return "TDataSource"; }

  TDataSet* DataSet() const { return data_set_; }
  // Attaches to `data_set` (null detaches); the links follow the new state.
  void SetDataSet(TDataSet* data_set);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TDataSetState State() const { return state_; }
  const std::vector<TDataLink*>& Links() const { return links_; }

  // `field` is the changed field for notification 0, else null.
  std::function<void(TDataSource&, TField*)> OnDataChange;
  std::function<void(TDataSource&)> OnStateChange;
  std::function<void(TDataSource&)> OnUpdateData;

  // TDataSetObserver
  void DataSetEvent(TDataSet& data_set, TDataEvent event, intptr_t info) override;
  int32_t WantedWindowSize() const override;
  int32_t LowestFirstRow() const override;
  void WindowShifted(int32_t rows) override;
  void DataSetDestroyed(TDataSet& data_set) override;

 private:
  friend class TDataLink;
  void AddLink(TDataLink* link);
  void RemoveLink(TDataLink* link);
  // Copies the table's state (inactive when closed or disabled) and tells the links.
  void UpdateState();

  TDataSet* data_set_ = nullptr;
  bool enabled_ = true;
  TDataSetState state_ = TDataSetState::dsInactive;
  std::vector<TDataLink*> links_;
};

}  // namespace data
