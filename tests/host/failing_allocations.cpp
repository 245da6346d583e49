#include "tests/host/failing_allocations.h"

#include <cstdlib>
#include <new>

namespace {

// -1: no failures armed; otherwise how many allocations may still succeed.
thread_local long allowed_left = -1;
thread_local bool failed = false;

void* Allocate(std::size_t size) {
  if (allowed_left == 0) {
    failed = true;
    throw std::bad_alloc();
  }
  if (allowed_left > 0) --allowed_left;
  if (void* block = std::malloc(size != 0 ? size : 1)) return block;
  throw std::bad_alloc();
}

}  // namespace

namespace testing_support {

FailingAllocations::FailingAllocations(std::size_t allowed) {
  allowed_left = static_cast<long>(allowed);
  failed = false;
}

FailingAllocations::~FailingAllocations() {
  allowed_left = -1;
}

bool FailingAllocations::Failed() const {
  return failed;
}

}  // namespace testing_support

// Every form of the global allocation functions but the over-aligned ones
// (whose own pairs stay as the library has them), so that what one form
// allocates the matching form frees.
void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
