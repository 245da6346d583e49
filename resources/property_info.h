// Published properties: what a class lets a component stream set, declared as
// one table per class.
//
//   static constexpr resources::NamedValue kAlignments[] = {{"taLeftJustify", 0}, {"taCenter", 2}};
//   static constexpr resources::PropertyInfo kProperties[] = {
//       resources::IntegerProperty<&TLabel::left>("Left"),
//       resources::IntegerProperty<&TLabel::color>("Color", kColorNames),   // "clBtnFace" or a number
//       resources::EnumProperty<&TLabel::alignment>("Alignment", kAlignments),
//       resources::SetProperty<&TLabel::anchors>("Anchors", kAnchorBits),    // value = bit index
//       resources::StringProperty<&TLabel::caption>("Caption"),
//       resources::BoolProperty<&TLabel::SetVisible>("Visible"),            // a setter works too
//       resources::ObjectProperty<&TLabel::font>("Font"),                   // sub-object, "Font.Name"
//       resources::ComponentProperty<&TLabel::focus_control>("FocusControl"),
//       resources::EventProperty<&TLabel::on_click>("OnClick"),
//       resources::ReadOnlyProperty("ComponentCount", resources::PropertyKind::kInteger),
//   };
//
// Each entry is built from a data member (assigned) or a one-argument member
// function (called; one returning bool refuses the value by returning false); the member's type must suit the
// kind: an integer type for integers (a value that does not fit is refused), an enumeration or integer type
// for enumerations, an unsigned integer for sets, a floating type, std::string (1251), std::u16string, bool,
// a pointer to a component class for references, a TEvent for events. An object property names a data member
// derived from base::TPersistent or a function returning a pointer to one. Extra properties (below) read a
// value of their own shape.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/byte_cursor.h"
#include "base/component.h"
#include "resources/event.h"

namespace resources {

class ValueReader;

enum class PropertyKind {
  kInteger,      // tags 2-4, or an identifier from the named constants
  kEnumeration,  // an identifier: an element name
  kSet,          // a set: element names, unknown ones ignored
  kFloat,        // an extended real, or an integer converted
  kString,       // any text, kept in 1251
  kWideString,   // any text, kept in UTF-16
  kBoolean,      // true / false
  kObject,       // a sub-object: reached by a dotted path, or given a collection
  kComponent,    // a reference by name (resolved after the stream), or nil
  kEvent,        // a method name of the window class, or nil
};

// A named constant of an integer property, an element of an enumeration (its
// value) or of a set (its bit index).
struct NamedValue {
  std::string_view name;
  std::int32_t value = 0;
};

// A value ready to be stored; only the member of the property's kind is set.
struct PropertyValue {
  std::int64_t integer = 0;  // integer, enumeration, set bits, boolean (0 or 1)
  double real = 0;
  std::string text;
  std::u16string wide;
  base::TComponent* component = nullptr;  // a resolved reference (null: cleared)
  base::TComponent* window = nullptr;     // the window whose method `method` is
  const MethodInfo* method = nullptr;     // null: the event is cleared
};

struct PropertyInfo {
  std::string_view name;
  PropertyKind kind = PropertyKind::kInteger;
  std::span<const NamedValue> names;
  // Stores the value; false when the member refuses it (out of range, a
  // reference to a component of the wrong class). Null: read-only.
  bool (*set)(base::TPersistent& object, const PropertyValue& value) = nullptr;
  // kObject: the sub-object (may be null).
  base::TPersistent* (*get_object)(base::TPersistent& object) = nullptr;
  // kEvent: the handler's parameter list (EventSignature).
  const void* signature = nullptr;
};

// A property outside the published table, with a reader of its own that reads
// the whole value (tag included) and stores it ("Lines.Strings", a table's Data).
struct ExtraPropertyInfo {
  std::string_view name;
  void (*read)(base::TPersistent& object, ValueReader& reader) = nullptr;
};

namespace detail {

template <typename T>
struct MemberTraits;
template <typename C, typename M>
struct MemberTraits<M C::*> {
  using Class = C;
  using Type = M;
};
template <typename C, typename R, typename A>
struct MemberTraits<R (C::*)(A)> {
  using Class = C;
  using Type = std::remove_cvref_t<A>;
};

template <auto Member>
using MemberType = typename MemberTraits<decltype(Member)>::Type;

// The object as the member's class; null when it is not one (a table attached
// to the wrong class: our mistake, refused rather than undefined).
template <auto Member>
auto* Self(base::TPersistent& object) {
  return dynamic_cast<typename MemberTraits<decltype(Member)>::Class*>(&object);
}

template <auto Member, typename V>
bool Store(base::TPersistent& object, V&& value) {
  auto* self = Self<Member>(object);
  if (!self) return false;
  if constexpr (std::is_member_object_pointer_v<decltype(Member)>) {
    self->*Member = std::forward<V>(value);
  } else if constexpr (std::is_same_v<decltype((self->*Member)(std::forward<V>(value))), bool>) {
    return (self->*Member)(std::forward<V>(value));  // a setter that may refuse the value
  } else {
    (self->*Member)(std::forward<V>(value));
  }
  return true;
}

template <auto Member>
bool StoreInteger(base::TPersistent& object, const PropertyValue& value) {
  using T = MemberType<Member>;
  if constexpr (std::is_enum_v<T>) {
    using U = std::underlying_type_t<T>;
    return std::in_range<U>(value.integer) && Store<Member>(object, static_cast<T>(value.integer));
  } else {
    return std::in_range<T>(value.integer) && Store<Member>(object, static_cast<T>(value.integer));
  }
}

template <auto Member>
bool StoreSet(base::TPersistent& object, const PropertyValue& value) {
  using T = MemberType<Member>;
  static_assert(std::is_unsigned_v<T>, "a set is kept in an unsigned integer");
  return std::in_range<T>(value.integer) && Store<Member>(object, static_cast<T>(value.integer));
}

template <auto Member>
bool StoreFloat(base::TPersistent& object, const PropertyValue& value) {
  static_assert(std::is_floating_point_v<MemberType<Member>>);
  return Store<Member>(object, static_cast<MemberType<Member>>(value.real));
}

template <auto Member>
bool StoreString(base::TPersistent& object, const PropertyValue& value) {
  return Store<Member>(object, value.text);
}

template <auto Member>
bool StoreWideString(base::TPersistent& object, const PropertyValue& value) {
  return Store<Member>(object, value.wide);
}

template <auto Member>
bool StoreBool(base::TPersistent& object, const PropertyValue& value) {
  return Store<Member>(object, value.integer != 0);
}

template <auto Member>
bool StoreComponent(base::TPersistent& object, const PropertyValue& value) {
  using Pointer = MemberType<Member>;
  static_assert(std::is_pointer_v<Pointer>);
  using Target = std::remove_pointer_t<Pointer>;
  static_assert(std::is_base_of_v<base::TComponent, Target>);
  Pointer target = nullptr;
  if (value.component) {
    target = dynamic_cast<Pointer>(value.component);
    if (!target) return false;
  }
  if (!Store<Member>(object, target)) return false;
  // A component that keeps a reference hears of the referenced one's end
  // (base::TComponent::Notification) and drops it.
  if (auto* holder = dynamic_cast<base::TComponent*>(&object); holder && target)
    target->FreeNotification(holder);
  return true;
}

template <auto Member>
bool StoreEvent(base::TPersistent& object, const PropertyValue& value) {
  auto* self = Self<Member>(object);
  if (!self) return false;
  auto& event = self->*Member;
  if (value.method) {
    event.Bind(*value.window, *value.method);
  } else {
    event.Clear();
  }
  return true;
}

template <auto Member>
base::TPersistent* GetObject(base::TPersistent& object) {
  auto* self = Self<Member>(object);
  if (!self) return nullptr;
  if constexpr (std::is_member_object_pointer_v<decltype(Member)>) {
    return &(self->*Member);
  } else {
    return (self->*Member)();
  }
}

constexpr PropertyInfo MakeProperty(std::string_view name, PropertyKind kind,
                                    std::span<const NamedValue> names,
                                    bool (*set)(base::TPersistent&, const PropertyValue&),
                                    base::TPersistent* (*get_object)(base::TPersistent&) = nullptr,
                                    const void* signature = nullptr) {
  return PropertyInfo{name, kind, names, set, get_object, signature};
}

}  // namespace detail

template <auto Member>
constexpr PropertyInfo IntegerProperty(std::string_view name, std::span<const NamedValue> constants = {}) {
  return detail::MakeProperty(name, PropertyKind::kInteger, constants, &detail::StoreInteger<Member>);
}
template <auto Member>
constexpr PropertyInfo EnumProperty(std::string_view name, std::span<const NamedValue> elements) {
  return detail::MakeProperty(name, PropertyKind::kEnumeration, elements, &detail::StoreInteger<Member>);
}
template <auto Member>
constexpr PropertyInfo SetProperty(std::string_view name, std::span<const NamedValue> element_bits) {
  return detail::MakeProperty(name, PropertyKind::kSet, element_bits, &detail::StoreSet<Member>);
}
template <auto Member>
constexpr PropertyInfo FloatProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kFloat, {}, &detail::StoreFloat<Member>);
}
template <auto Member>
constexpr PropertyInfo StringProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kString, {}, &detail::StoreString<Member>);
}
template <auto Member>
constexpr PropertyInfo WideStringProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kWideString, {}, &detail::StoreWideString<Member>);
}
template <auto Member>
constexpr PropertyInfo BoolProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kBoolean, {}, &detail::StoreBool<Member>);
}
template <auto Member>
constexpr PropertyInfo ObjectProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kObject, {}, nullptr, &detail::GetObject<Member>);
}
template <auto Member>
constexpr PropertyInfo ComponentProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kComponent, {}, &detail::StoreComponent<Member>);
}
template <auto Member>
constexpr PropertyInfo EventProperty(std::string_view name) {
  return detail::MakeProperty(name, PropertyKind::kEvent, {}, &detail::StoreEvent<Member>, nullptr,
                              detail::MemberType<Member>::Signature());
}
// A property that a stream may name but not set ("Property is read-only").
constexpr PropertyInfo ReadOnlyProperty(std::string_view name, PropertyKind kind) {
  return detail::MakeProperty(name, kind, {}, nullptr);
}

// --- Extra properties ---

namespace detail {
void ReadBinaryExtra(base::TPersistent& object, ValueReader& reader,
                     bool (*store)(base::TPersistent&, base::ByteCursor));
void ReadTextListExtra(base::TPersistent& object, ValueReader& reader,
                       bool (*store)(base::TPersistent&, std::vector<std::string>));
}  // namespace detail

// A binary value (tag 10) whose bytes are handed to `Member`, a function
// taking a base::ByteCursor over them (valid only during the call).
template <auto Member>
ExtraPropertyInfo BinaryProperty(std::string_view name) {
  return {name, [](base::TPersistent& object, ValueReader& reader) {
            detail::ReadBinaryExtra(object, reader, [](base::TPersistent& o, base::ByteCursor bytes) {
              return detail::Store<Member>(o, bytes);
            });
          }};
}

// A list (tag 1) of texts, converted to 1251 and stored in `Member` (a
// std::vector<std::string> member, or a function taking one).
template <auto Member>
ExtraPropertyInfo TextListProperty(std::string_view name) {
  return {name, [](base::TPersistent& object, ValueReader& reader) {
            detail::ReadTextListExtra(object, reader,
                                      [](base::TPersistent& o, std::vector<std::string> lines) {
                                        return detail::Store<Member>(o, std::move(lines));
                                      });
          }};
}

}  // namespace resources
