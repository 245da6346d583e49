#include "app/toolbar/tb_toolbar.h"

namespace app {

const resources::ClassInfo& TTBToolbar::Class() {
  static const resources::ClassInfo info{"TTBToolbar", &TTBDockableWindow::Class(),   {}, {},
                                         {},           resources::Creator<TTBToolbar>};
  return info;
}

}  // namespace app
