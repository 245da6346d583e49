#include "resources/class_info.h"

namespace resources {

namespace {
template <typename Entry>
const Entry* FindIn(const ClassInfo* info, std::string_view name, std::span<const Entry> ClassInfo::*table) {
  for (; info; info = info->parent) {
    for (const Entry& entry : info->*table) {
      if (base::SameNameIgnoringAsciiCase(entry.name, name)) return &entry;
    }
  }
  return nullptr;
}
}  // namespace

const PropertyInfo* ClassInfo::FindProperty(std::string_view property) const {
  return FindIn(this, property, &ClassInfo::properties);
}
const ExtraPropertyInfo* ClassInfo::FindExtra(std::string_view property) const {
  return FindIn(this, property, &ClassInfo::extras);
}
const MethodInfo* ClassInfo::FindMethod(std::string_view method) const {
  return FindIn(this, method, &ClassInfo::methods);
}

}  // namespace resources
