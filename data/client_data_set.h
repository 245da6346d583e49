// TClientDataSet: the table class that window descriptions and code create
// (everything lives in TCustomClientDataSet, data/custom_client_data_set.h).
#pragma once

#include "data/custom_client_data_set.h"

namespace data {

class TClientDataSet : public TCustomClientDataSet {
 public:
  using TCustomClientDataSet::TCustomClientDataSet;
  const char* ClassName() const override { return "TClientDataSet"; }
};

}  // namespace data
