// Finding a window's component stream among a module's resources: an RCDATA
// resource named after the window class ("TMAINFORM"; the lookup ignores
// case). Windows only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace resources {

// The bytes of the stream of `class_name` in `module` (null: the running
// executable); they live as long as the module stays loaded. Throws
// base::Exception "Resource %s not found" (the class name) when the module has
// no such resource.
std::span<const std::uint8_t> FindWindowStream(std::string_view class_name, HMODULE module = nullptr);

}  // namespace resources
