// Builds one order anew on every call, for timing the sort itself: the row
// store would otherwise choose the temporary order it keeps for an equal
// descriptor. The store keeps one temporary order and the calls alternate
// between two descriptors that differ only in their names.
#pragma once

#include <utility>

#include "data/ds_base.h"
#include "data/index_descriptor.h"

namespace testing_support {

class FreshOrderBuild {
 public:
  FreshOrderBuild(data::IDSBase& store, data::IndexDescriptor index)
      : store_(store), index_(std::move(index)) {
    other_ = index_;
    other_.name += '\'';
    store_.SetKeptTemporaryOrders(1);
  }
  data::DsResult operator()() {
    flip_ = !flip_;
    return store_.BuildTemporaryIndex(flip_ ? index_ : other_);
  }

 private:
  data::IDSBase& store_;
  data::IndexDescriptor index_, other_;
  bool flip_ = false;
};

}  // namespace testing_support
