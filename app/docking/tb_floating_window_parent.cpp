#include "app/docking/tb_floating_window_parent.h"

namespace app {

TTBFloatingWindowParent::TTBFloatingWindowParent(base::TComponent* owner, TTBDockableWindow& content)
    : TWinControl(owner), content_(&content) {
  caption = content.caption;
  visible = false;
  content.FreeNotification(this);
}

void TTBFloatingWindowParent::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == content_) {
    content_ = nullptr;
    SetVisible(false);
  }
  TWinControl::Notification(component, operation);
}

const resources::ClassInfo& TTBFloatingWindowParent::Class() {
  static const resources::ClassInfo info{
      "TTBFloatingWindowParent", &ui::TWinControl::Class(), {}, {}, {}, nullptr};
  return info;
}

TTBFloatingWindowParent* FloatingFrameOf(const TTBDockableWindow& window) {
  if (!window.Owner()) return nullptr;
  for (base::TComponent* c : window.Owner()->Components()) {
    auto* frame = dynamic_cast<TTBFloatingWindowParent*>(c);
    if (frame && frame->Content() == &window) return frame;
  }
  return nullptr;
}

}  // namespace app
