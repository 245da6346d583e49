// printf-style formatting into a std::string, for the program's message
// formats ("Field '%s' not found", "%s: %s", "%g is not a valid value ...").
// The format is always one of our own literals, never input.
#pragma once

#include <cstdio>
#include <string>

namespace base {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return {};
  std::string out(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, args...);
  out.resize(static_cast<size_t>(size));
  return out;
}

}  // namespace base
