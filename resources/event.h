// Events bound by name to methods of a window class.
//
// A window class publishes its handler methods in a table:
//
//   static constexpr resources::MethodInfo kMethods[] = {
//       resources::PublishedMethod<&TMainForm::TBItem1Click>("TBItem1Click"),
//       resources::PublishedMethod<&TMainForm::MaskEdit1KeyPress>("MaskEdit1KeyPress"),
//   };
//
// A component holds its events as TEvent members of the handler's parameter
// list (`TEvent<base::TComponent*> on_click;`, `TEvent<base::TComponent*, char&>
// on_key_press;`). The stream reader binds an event to the method of that name
// on the window being read, and only when the parameter lists match; the
// event then calls the method on that window.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "base/component.h"

namespace resources {

// Identifies a handler's parameter list: one distinct address per list.
template <typename... Args>
struct EventSignature {
  static inline const char id = 0;
};

// One published method: its name, its parameter list and a type-erased caller
// (really `void (*)(base::TComponent& window, Args...)` of that list).
struct MethodInfo {
  std::string_view name;
  const void* signature = nullptr;
  void (*invoke)() = nullptr;
};

namespace detail {
template <typename T>
struct MethodTraits;
template <typename C, typename... Args>
struct MethodTraits<void (C::*)(Args...)> {
  using Class = C;
  template <auto Method>
  static void Call(base::TComponent& window, Args... args) {
    // The window is of class C when the tables are right; checked all the same.
    if (auto* self = dynamic_cast<C*>(&window)) (self->*Method)(args...);
  }
  static constexpr const void* Signature() { return &EventSignature<Args...>::id; }
};
}  // namespace detail

// The table entry of `Method` (a `void` member function of a window class).
template <auto Method>
MethodInfo PublishedMethod(std::string_view name) {
  using Traits = detail::MethodTraits<decltype(Method)>;
  static_assert(std::is_base_of_v<base::TComponent, typename Traits::Class>);
  return {name, Traits::Signature(), reinterpret_cast<void (*)()>(&Traits::template Call<Method>)};
}

// An event: empty, or bound to a method of a window.
template <typename... Args>
class TEvent {
 public:
  using Caller = void (*)(base::TComponent&, Args...);

  static constexpr const void* Signature() { return &EventSignature<Args...>::id; }

  bool Assigned() const { return caller_ != nullptr; }
  // The name of the bound method ("" when empty).
  const std::string& MethodName() const { return name_; }
  base::TComponent* Target() const { return target_; }

  // Binds to `method` of `window`. The caller guarantees that the method is one
  // of `window`'s class and that its signature is Signature().
  void Bind(base::TComponent& window, const MethodInfo& method) {
    target_ = &window;
    caller_ = reinterpret_cast<Caller>(method.invoke);
    name_ = std::string(method.name);
  }
  void Clear() {
    target_ = nullptr;
    caller_ = nullptr;
    name_.clear();
  }

  // Calls the bound method; does nothing when empty.
  void operator()(Args... args) const {
    if (caller_) caller_(*target_, args...);
  }

 private:
  base::TComponent* target_ = nullptr;
  Caller caller_ = nullptr;
  std::string name_;
};

}  // namespace resources
