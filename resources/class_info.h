// The published description of one class: its name, its ancestor, its
// property tables and published methods, and how a stream creates it.
//
//   const resources::ClassInfo& TLabel::Class() {
//     static constexpr resources::PropertyInfo kProperties[] = {...};   // property_info.h
//     static const resources::ClassInfo info{"TLabel", &TControl::Class(), kProperties, {}, {},
//                                            resources::Creator<TLabel>};
//     return info;
//   }
//
// Lookups walk from the class to its ancestors, so a class lists only what it
// adds. Names compare without regard to ASCII case. A class whose objects a
// stream may hold must return the same name from ClassName() (that is how the
// registry finds an object's description).
#pragma once

#include <span>
#include <string_view>

#include "base/component.h"
#include "resources/event.h"
#include "resources/property_info.h"

namespace resources {

using CreateFunction = base::TComponent* (*)(base::TComponent* owner);

template <typename C>
base::TComponent* CreateComponentOf(base::TComponent* owner) {
  return new C(owner);
}
// The creation function of a component class constructible from its owner.
template <typename C>
inline constexpr CreateFunction Creator = &CreateComponentOf<C>;

struct ClassInfo {
  std::string_view name;
  const ClassInfo* parent = nullptr;
  std::span<const PropertyInfo> properties;
  std::span<const ExtraPropertyInfo> extras;
  std::span<const MethodInfo> methods;
  // Null for classes that a stream never creates (sub-objects, windows).
  CreateFunction create = nullptr;

  // The first entry of that name in this class or its nearest ancestor, or null.
  const PropertyInfo* FindProperty(std::string_view property) const;
  const ExtraPropertyInfo* FindExtra(std::string_view property) const;
  const MethodInfo* FindMethod(std::string_view method) const;
};

}  // namespace resources
