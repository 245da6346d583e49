// Where errors that escape an event handler go: the application's error
// display in the program, a recorder in tests. Portable, so that behaviour
// classes without windows can hand their errors on too.
#pragma once

#include <exception>

namespace ui {

class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  // Shows or records `error`; never throws.
  virtual void ShowError(std::exception_ptr error) noexcept = 0;
};

}  // namespace ui
