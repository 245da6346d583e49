#include "base/compiler.h"

#if defined(__GNUC__) || defined(__clang__)
#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#endif

namespace base {

std::string DemangledTypeName(const std::type_info* type) {
  if (!type) return "unknown";
#if defined(__GNUC__) || defined(__clang__)
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type->name(), nullptr, nullptr, &status),
                                              std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(type->name());
#else
  // MSVC's names are readable already ("class base::Exception").
  return type->name();
#endif
}

std::string CurrentExceptionTypeName() {
#if defined(__GNUC__) || defined(__clang__)
  return DemangledTypeName(abi::__cxa_current_exception_type());
#else
  return "unknown";
#endif
}

}  // namespace base
