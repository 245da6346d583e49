#include "search/rx_popup_data_list.h"

namespace search {

void TRxPopupDataList::TrackingEnded(bool inside) {
  if (on_close_request) on_close_request(inside);
}

void TRxPopupDataList::Invalidate() {
  TRxDBLookupList::Invalidate();
  if (platform_) platform_->Repaint(LookupPart::kPicker);
}

}  // namespace search
