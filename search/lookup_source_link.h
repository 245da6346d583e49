// TLookupSourceLink: the data link through which a lookup control (the name
// picker or its list, search/rx_lookup_control.h) follows its lookup table.
// It tells the control when the table opens or closes (and when its layout
// changes, which may have changed its fields), and when its records change
// (a new current record, a scroll, a refill).
#pragma once

#include <cstdint>

#include "data/data_link.h"

namespace search {

class TRxLookupControl;

class TLookupSourceLink : public data::TDataLink {
 public:
  // `control` must outlive the link's attachment (the control owns the link).
  explicit TLookupSourceLink(TRxLookupControl* control) : control_(control) {}
  ~TLookupSourceLink() override;

  // Leaves the data source without telling the control (its destruction).
  void Release();

 protected:
  void ActiveChanged() override;
  void LayoutChanged() override;
  void DataSetChanged() override;
  void DataSetScrolled(int32_t distance) override;

 private:
  TRxLookupControl* control_;
};

}  // namespace search
