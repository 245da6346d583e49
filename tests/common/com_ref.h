// Windows only: a reference to a COM object that is released with its
// holder, and a child id as the accessibility interfaces take it, for the
// tests and the driver that read the program as a screen reader does.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace testing_support {

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  ~ComRef() {
    if (object_) object_->Release();
  }
  Interface* operator->() const { return object_; }
  Interface* get() const { return object_; }
  Interface** out() { return &object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Interface* object_ = nullptr;
};

inline VARIANT ChildId(LONG child) {
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = child;
  return id;
}

}  // namespace testing_support
