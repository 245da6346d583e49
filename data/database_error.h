// The errors of the table engine's facade.
//
// EDatabaseError is every table error: bad orders, missing fields, read-only
// violations, out-of-range values. EDBClient is the kind raised when the row
// store or the cursor returned a non-zero result code; it carries the code.
// Errors of an operation that names its table read "name: message" (see
// TableMessage); field range errors carry no table name.
#pragma once

#include <string>
#include <string_view>

#include "base/exception.h"
#include "data/result_codes.h"

namespace data {

PHONEBOOK_DEFINE_EXCEPTION(EDatabaseError, base::Exception);

class EDBClient : public EDatabaseError {
 public:
  EDBClient(std::string message, DsResult code) : EDatabaseError(std::move(message)), code_(code) {}
  const char* ClassName() const override { return "EDBClient"; }

  // The row store's result code that caused the error (never 0).
  DsResult ErrorCode() const { return code_; }

 private:
  DsResult code_;
};

// "table: message", or the message alone when the table has no name.
std::string TableMessage(std::string_view table, std::string_view message);

}  // namespace data
