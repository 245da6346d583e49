// The classes the program's window descriptions may name: the two window
// classes, their controls and the data classes, and the sub-object classes
// reached through dotted paths (fonts, string lists, scroll bars, status
// panels, skin colours).
#pragma once

#include "resources/class_registry.h"

namespace app {

// Registers every class above in `registry`.
void RegisterComponentClasses(resources::ClassRegistry& registry);

}  // namespace app
