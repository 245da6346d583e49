// TTBFloatingWindowParent: the small top-level tool window that carries a
// toolbar or a tool window while it floats. It is made on demand, the first
// time its window floats, owned by the same window as the dockable window,
// and holds it as its only child control; its caption is the dockable
// window's. It shows while its window is visible and floats, and hides
// otherwise (its view also hides it while the program is inactive).
#pragma once

#include "app/docking/tb_dockable_window.h"
#include "ui/model/control.h"

namespace app {

class TTBFloatingWindowParent : public ui::TWinControl {
 public:
  // `content` is the window it carries; both belong to `owner`.
  TTBFloatingWindowParent(base::TComponent* owner, TTBDockableWindow& content);

  TTBDockableWindow* Content() const { return content_; }

  // The carried window going first leaves the frame empty (and hidden).
  void Notification(base::TComponent* component, base::TOperation operation) override;

  const char* ClassName() const override { return "TTBFloatingWindowParent"; }
  // Made by the program only, never read from a description.
  static const resources::ClassInfo& Class();

 private:
  TTBDockableWindow* content_;
};

// The floating frame of `window` (among its owner's components), or null.
TTBFloatingWindowParent* FloatingFrameOf(const TTBDockableWindow& window);

}  // namespace app
