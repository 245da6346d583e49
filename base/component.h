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
#include <string_view>
#include <string>
#include <vector>

namespace base {

class TComponent {
 public:
  // `owner` may be null (the application object has no owner). The owner
  // takes ownership: create owned components with `new` and do not delete them.
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();

  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  // The owned component of that name (compared without regard to ASCII case), or null.
  TComponent* FindComponent(std::string_view name) const;

  // The class name as the class registry knows it ("TMemo").
  virtual const char* ClassName() const { return "TComponent"; }

  // Called once after the whole window description has been read and every
  // reference resolved, in the order the components were read.
  virtual void Loaded() {}

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
};

}  // namespace base
