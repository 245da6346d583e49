// The root of every object that a window description creates: a named
// component with an owner.
//
// Ownership: a component belongs to its owner (a window belongs to the
// application object, a control or a table to its window). Destroying an
// owner destroys what it owns, in reverse order of insertion; nothing is freed
// by hand. A component may also be destroyed on its own, and then leaves its
// owner's list.
//
// Free notification: a component that keeps a pointer to another one (a
// toggle item to its control, a data source to its table) asks that one for
// FreeNotification(); when it is destroyed, every such component, its owner
// and the owner's other components hear Notification(it, opRemove) and drop
// their pointers. The removed component is half destroyed by then: compare
// the pointer, call nothing on it.
//
// States: a component read from a window description is loading from its
// creation until just before its Loaded() runs; a component is destroying
// from the moment its owner (or whoever frees it through Destroy()) starts to
// destroy it, so that its own and its owner's destructors can tell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii_name.h"
#include "base/persistent.h"

namespace base {

enum class TOperation : std::uint8_t { opInsert, opRemove };

// Bits of TComponent::ComponentState().
enum TComponentStateBit : std::uint8_t { csLoading = 1, csDestroying = 2 };

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

  // Destroys `component` (null: nothing) after marking it destroying, so its
  // destructors can tell. Prefer this to a plain delete.
  static void Destroy(TComponent* component);

  std::uint8_t ComponentState() const { return state_; }
  bool Loading() const { return state_ & csLoading; }
  bool Destroying() const { return state_ & csDestroying; }
  // Set by the stream reader while it creates and reads the component.
  void SetLoading(bool loading);
  // Marks this component destroying (idempotent); its owned components too.
  void MarkDestroying();

  // Asks to hear Notification(this, opRemove) when this component is
  // destroyed (`listener` null: nothing). Both directions are registered, so
  // whichever of the two goes first the other forgets it.
  void FreeNotification(TComponent* listener);
  void RemoveFreeNotification(TComponent* listener);
  // Told that `component` is being inserted or removed (destroyed). The
  // default passes it on to the owned components; overrides drop their
  // pointers to it and call the base.
  virtual void Notification(TComponent* component, TOperation operation);

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

  void NotifyFreeListeners();

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_listeners_;  // told when this one goes, and telling this one
  std::uint8_t state_ = 0;
};

}  // namespace base
