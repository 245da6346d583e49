#include "search/lookup_source_link.h"

#include "search/rx_lookup_control.h"

namespace search {

TLookupSourceLink::~TLookupSourceLink() {
  Release();
}

void TLookupSourceLink::Release() {
  control_ = nullptr;
  SetDataSource(nullptr);
}

void TLookupSourceLink::ActiveChanged() {
  if (control_) control_->ListLinkActiveChanged();
}

void TLookupSourceLink::LayoutChanged() {
  if (control_) control_->ListLinkActiveChanged();
}

void TLookupSourceLink::DataSetChanged() {
  if (control_) control_->ListLinkDataChanged();
}

void TLookupSourceLink::DataSetScrolled(int32_t) {
  if (control_) control_->ListLinkDataChanged();
}

}  // namespace search
