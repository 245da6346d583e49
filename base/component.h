// The root of every object that a window description creates: a named
// component with an owner.
//
// Ownership: a component belongs to its owner (a window belongs to the
// application object, a control or a table to its window). Destroying an
// owner destroys what it owns, in reverse order of insertion; nothing is freed
// by hand. A component may also be destroyed on its own, and then leaves its
// owner's list.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/persistent.h"

namespace base {

// True when `a` and `b` are equal without regard to ASCII case: how component,
// class, property and method names are compared.
bool SameNameIgnoringAsciiCase(std::string_view a, std::string_view b);

class TComponent : public TPersistent {
 public:
  // `owner` may be null (the application object has no owner). The owner
  // takes ownership: create owned components with `new` and do not delete them.
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  // The owned component of that name (compared without regard to ASCII case), or null.
  TComponent* FindComponent(std::string_view name) const;

  // The class name as the class registry knows it ("TMemo").
  const char* ClassName() const override { return "TComponent"; }

  // Called once after the whole window description has been read and every
  // reference resolved, in the order the components were read.
  virtual void Loaded() {}

  // Hooks of the stream reader. A component read from a nested record is told
  // the component of the enclosing record (a control takes it as its parent
  // window; the default ignores it), before its properties are read.
  virtual void SetParentComponent(TComponent* /*parent*/) {}
  // A record that asks for a child position: after `child` (whose parent
  // component is this one) has been read, it moves to `position` among this
  // component's children. The default keeps the order of reading.
  virtual void SetChildOrder(TComponent* /*child*/, int /*position*/) {}

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
};

}  // namespace base
