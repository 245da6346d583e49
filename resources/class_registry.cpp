#include "resources/class_registry.h"

#include "base/component.h"

namespace resources {

void ClassRegistry::Register(const ClassInfo& info) {
  for (const ClassInfo*& known : classes_) {
    if (base::SameNameIgnoringAsciiCase(known->name, info.name)) {
      known = &info;
      return;
    }
  }
  classes_.push_back(&info);
}

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
  for (const ClassInfo* info : classes_) {
    if (base::SameNameIgnoringAsciiCase(info->name, name)) return info;
  }
  return nullptr;
}

}  // namespace resources
