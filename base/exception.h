// The error classes shared by every subsystem.
//
// Every failure the program reports is an Exception (or a descendant) with a
// message in 1251 text. EAbort is the silent kind: the error display swallows
// it. The specific classes (table errors, read errors, conversion errors) live
// with the subsystem that raises them and derive from these.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace base {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  // The message in 1251 text, exactly as raised (no full stop added).
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

  // The class name shown by the error display for errors of unexpected kinds.
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string message_;
};

// The silent error: raised to end an operation without telling the user.
class EAbort : public Exception {
 public:
  explicit EAbort(std::string message = "Operation aborted") : Exception(std::move(message)) {}
  const char* ClassName() const override { return "EAbort"; }
};

// Defines `Name`, a descendant of `Base` that reports "Name" as its class name.
#define PHONEBOOK_DEFINE_EXCEPTION(Name, Base)               \
  class Name : public Base {                                 \
    using Inherited = Base;                                  \
                                                             \
   public:                                                   \
    using Inherited::Inherited;                              \
    const char* ClassName() const override { return #Name; } \
  }

// Conversion of a text to a number failed ("'%s' is not a valid integer value").
PHONEBOOK_DEFINE_EXCEPTION(EConvertError, Exception);

}  // namespace base
