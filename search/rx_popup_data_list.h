// TRxPopupDataList: the name picker's drop-down list. A TRxDBLookupList that
// never takes the focus, whose search text has no time-out, and that is
// attached to the lookup table only while it is open (the picker attaches
// and detaches it, search/rx_db_lookup_combo.h). When a mouse drag in it
// ends it asks its picker to close, accepting when the button came up over
// its rows; whatever changes in it repaints the picker too, whose text
// follows the list while it is open.
#pragma once

#include <functional>

#include "search/rx_db_lookup_list.h"

namespace search {

class TRxPopupDataList : public TRxDBLookupList {
 public:
  explicit TRxPopupDataList(base::TComponent* owner) : TRxDBLookupList(owner, true) {}

  // Called when a drag ends: close the list, accepting when `accept`.
  std::function<void(bool accept)> on_close_request;

  const char* ClassName() const override { return "TRxPopupDataList"; }

 protected:
  void TrackingEnded(bool inside) override;
  void Invalidate() override;
};

}  // namespace search
