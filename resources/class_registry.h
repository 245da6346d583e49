// ClassRegistry: the classes a component stream may name, found by name.
//
// Start-up registers every component class of the program once; a test
// registers its own small classes in a registry of its own. The registry keeps
// pointers to the descriptions, which live as long as the program (function
// statics, see class_info.h).
#pragma once

#include <string_view>
#include <vector>

#include "base/persistent.h"
#include "resources/class_info.h"

namespace resources {

class ClassRegistry {
 public:
  // Adds `info`; a class of the same name registered before is replaced.
  void Register(const ClassInfo& info);

  // The class of that name (ASCII case ignored), or null.
  const ClassInfo* Find(std::string_view name) const;
  // The description of `object`'s class (by its ClassName()), or null.
  const ClassInfo* FindFor(const base::TPersistent& object) const { return Find(object.ClassName()); }

 private:
  std::vector<const ClassInfo*> classes_;
};

}  // namespace resources
