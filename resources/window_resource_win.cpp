#include "resources/window_resource.h"

#include <string>

#include "base/exception.h"
#include "base/format.h"

namespace resources {

std::span<const std::uint8_t> FindWindowStream(std::string_view class_name, HMODULE module) {
  // Class names are ASCII identifiers, so the wide name is the bytes widened.
  const std::wstring name(class_name.begin(), class_name.end());
  const std::string printable(class_name);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes) throw base::Exception(base::Format("Resource %s not found", printable.c_str()));
  return {static_cast<const std::uint8_t*>(bytes), static_cast<std::size_t>(SizeofResource(module, info))};
}

}  // namespace resources
