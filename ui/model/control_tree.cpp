#include "ui/model/control_tree.h"

#include <algorithm>

namespace ui {

std::vector<TControl*> ChildControls(const base::TComponent& root, const TControl* parent) {
  std::vector<TControl*> children;
  for (base::TComponent* component : root.Components()) {
    auto* control = dynamic_cast<TControl*>(component);
    if (control && control->Parent() == parent) children.push_back(control);
  }
  return children;
}

std::vector<TWinControl*> TabOrderedChildren(const base::TComponent& root, const TControl* parent) {
  std::vector<TWinControl*> list;
  for (TControl* child : ChildControls(root, parent)) {
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed) continue;
    list.push_back(windowed);
    if (windowed->tab_order < 0) continue;
    const auto place = std::min<std::size_t>(static_cast<std::size_t>(windowed->tab_order), list.size() - 1);
    std::rotate(list.begin() + static_cast<std::ptrdiff_t>(place), list.end() - 1, list.end());
  }
  return list;
}

namespace {

void AppendInTabOrder(const base::TComponent& root, const TControl* parent, std::vector<TWinControl*>& list) {
  for (TWinControl* child : TabOrderedChildren(root, parent)) {
    list.push_back(child);
    AppendInTabOrder(root, child, list);
  }
}

}  // namespace

std::vector<TWinControl*> TabOrderList(const base::TComponent& root, const TControl* top) {
  std::vector<TWinControl*> list;
  AppendInTabOrder(root, top, list);
  return list;
}

bool CanTabTo(const TWinControl& control) {
  if (!control.tab_stop) return false;
  for (const TControl* c = &control; c; c = c->Parent()) {
    if (!c->visible || !c->enabled) return false;
  }
  return true;
}

TWinControl* NextTabStop(const std::vector<TWinControl*>& list, const TWinControl* current, bool forward) {
  if (list.empty()) return nullptr;
  const auto n = static_cast<std::ptrdiff_t>(list.size());
  const auto found = std::find(list.begin(), list.end(), current);
  std::ptrdiff_t at = found == list.end() ? (forward ? n - 1 : 0) : found - list.begin();
  for (std::ptrdiff_t step = 0; step < n; ++step) {
    at = forward ? (at + 1) % n : (at + n - 1) % n;
    if (CanTabTo(*list[static_cast<std::size_t>(at)])) return list[static_cast<std::size_t>(at)];
  }
  return nullptr;
}

}  // namespace ui
