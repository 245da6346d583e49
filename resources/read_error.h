// The error of every failure while reading a component stream, and its
// messages. A failure inside a property reads
// "Error reading <component>.<property>: <message>".
#pragma once

#include "base/exception.h"

namespace resources {

PHONEBOOK_DEFINE_EXCEPTION(EReadError, base::Exception);

inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kReadPastEnd = "Stream read error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kPropertyDoesNotExist = "Property %s does not exist";
inline constexpr const char* kPropertyReadOnly = "Property is read-only";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kClassNotFound = "Class %s not found";
inline constexpr const char* kResourceNotFound = "Resource %s not found";
inline constexpr const char* kDuplicateName = "A component named %s already exists";
inline constexpr const char* kAncestorNotFound = "Ancestor for '%s' not found";
inline constexpr const char* kTooDeep = "Stream nested too deeply";
inline constexpr const char* kTooMany = "Stream holds too many elements";
inline constexpr const char* kErrorReading = "Error reading %s%s%s: %s";

}  // namespace resources
