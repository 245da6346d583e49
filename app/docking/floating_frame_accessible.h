// FloatingFrameAccessible: the small window that carries a floating toolbar
// or result window, as a reader finds it: a window named by its caption
// ("Окно результата", "Главное меню") with one child of its own, the close
// button, a push button "Закрыть" whose default action hides the carried
// window as a click on it does. (The carried window is a child window and
// is found as such.)
#pragma once

#include <functional>

#include "app/docking/tb_floating_window_parent.h"
#include "base/rect.h"
#include "ui/model/accessible.h"

namespace app {

class FloatingFrameAccessible final : public ui::AccessibleDescription {
 public:
  // `close_place` answers the close button's place in the frame's client
  // coordinates (above the client area: the caption bar is no part of it).
  FloatingFrameAccessible(TTBFloatingWindowParent& frame, std::function<base::Rect()> close_place)
      : frame_(frame), close_place_(std::move(close_place)) {}

  ui::AccessibleElement Self() const override;
  int ChildCount() const override { return 1; }
  ui::AccessibleElement Child(int child) const override;
  bool DoDefaultAction(int child) override;

 private:
  TTBFloatingWindowParent& frame_;
  std::function<base::Rect()> close_place_;
};

}  // namespace app
