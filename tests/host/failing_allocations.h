// Out of memory on demand, for the tests of what code does when an
// allocation fails. The host tests replace the global operator new and
// delete (failing_allocations.cpp) with ones that take memory from malloc
// and, while a FailingAllocations lives on the calling thread, let only
// `allowed` more allocations succeed: every one after them throws
// std::bad_alloc, as a process out of memory sees it, until the object goes.
//
// A test walks every allocation of an operation by failing the first, then
// the second, ... until the operation completes without meeting a failure.
#pragma once

#include <cstddef>

namespace testing_support {

class FailingAllocations {
 public:
  explicit FailingAllocations(std::size_t allowed);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;

  // Whether an allocation has failed since this object was made.
  bool Failed() const;
};

}  // namespace testing_support
