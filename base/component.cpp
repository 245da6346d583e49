#include "base/component.h"

#include <algorithm>

namespace base {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  MarkDestroying();
  NotifyFreeListeners();
  // Owned components go first, the last inserted first.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;
  }
  if (owner_) {
    TComponent* owner = owner_;
    owner_ = nullptr;
    owner->RemoveComponent(this);
    owner->Notification(this, TOperation::opRemove);
  }
}

void TComponent::Destroy(TComponent* component) {
  if (!component) return;
  component->MarkDestroying();
  delete component;
}

void TComponent::SetLoading(bool loading) {
  state_ = static_cast<std::uint8_t>(loading ? state_ | csLoading : state_ & ~csLoading);
}

void TComponent::MarkDestroying() {
  if (Destroying()) return;
  state_ |= csDestroying;
  for (TComponent* c : components_) c->MarkDestroying();
}

void TComponent::FreeNotification(TComponent* listener) {
  if (!listener || listener == this) return;
  if (std::find(free_listeners_.begin(), free_listeners_.end(), listener) == free_listeners_.end()) {
    free_listeners_.push_back(listener);
  }
  if (std::find(listener->free_listeners_.begin(), listener->free_listeners_.end(), this) ==
      listener->free_listeners_.end()) {
    listener->free_listeners_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* listener) {
  if (!listener) return;
  std::erase(free_listeners_, listener);
  std::erase(listener->free_listeners_, this);
}

void TComponent::NotifyFreeListeners() {
  // Each listener forgets this one first, so a listener destroyed from its
  // Notification() cannot come back here.
  while (!free_listeners_.empty()) {
    TComponent* listener = free_listeners_.back();
    free_listeners_.pop_back();
    std::erase(listener->free_listeners_, this);
    listener->Notification(this, TOperation::opRemove);
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) std::erase(free_listeners_, component);
  // A copy: a component may leave the list while it hears of another's end.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned) {
    if (c != component) c->Notification(component, operation);
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (SameNameIgnoringAsciiCase(c->Name(), name)) return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}

}  // namespace base
