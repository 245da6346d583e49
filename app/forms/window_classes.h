// Creating the program's window objects by class name, for tools and tests
// that read or check a window description before the program runs.
#pragma once

#include <string_view>

#include "base/component.h"

namespace app {

// A new TMainForm or TfmAbout owned by `owner`, or null for another name.
base::TComponent* CreateWindowOfClass(std::string_view class_name, base::TComponent* owner);

}  // namespace app
