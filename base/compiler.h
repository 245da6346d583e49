// The few things the language leaves to each compiler, in one place, so the
// rest of the sources build with GCC, Clang and MSVC alike:
//   * PHONEBOOK_RETURN_ADDRESS(): the code address the current function
//     returns to (for the unexpected-error box);
//   * DemangledTypeName(): a type's name as people write it;
//   * CurrentExceptionTypeName(): the type of the exception being handled,
//     also when it is not a class we know ("unknown" where the compiler
//     cannot tell).
#pragma once

#include <string>
#include <typeinfo>

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#define PHONEBOOK_RETURN_ADDRESS() _ReturnAddress()
#else
#define PHONEBOOK_RETURN_ADDRESS() __builtin_return_address(0)
#endif

namespace base {

// The readable name of `type` ("base::Exception"); null gives "unknown".
std::string DemangledTypeName(const std::type_info* type);

// The name of the type of the exception being handled, inside a catch block.
std::string CurrentExceptionTypeName();

}  // namespace base
