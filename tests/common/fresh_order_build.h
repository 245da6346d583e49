// Builds one order anew on every call, for timing the sort itself: the row
// store would otherwise choose the temporary order it keeps for an equal
// descriptor. Each call's descriptor differs from every earlier one in its
// name only, and the store keeps one temporary order, so no call finds a
// kept order and the orders kept do not grow in number.
#pragma once

#include <string>
#include <utility>

#include "data/ds_base.h"
#include "data/index_descriptor.h"

namespace testing_support {

class FreshOrderBuild {
 public:
  FreshOrderBuild(data::IDSBase& store, data::IndexDescriptor index)
      : store_(store), index_(std::move(index)) {
    store_.SetKeptTemporaryOrders(1);
  }
  data::DsResult operator()() {
    data::IndexDescriptor fresh = index_;
    fresh.name += '#' + std::to_string(++calls_);
    return store_.BuildTemporaryIndex(fresh);
  }

 private:
  data::IDSBase& store_;
  data::IndexDescriptor index_;
  unsigned calls_ = 0;
};

}  // namespace testing_support
