// What a reader finds in the About window: the window named "О программе"
// (it has no caption to show); its two links as links named by
// their captions, whose default action opens their page as a click does;
// the close mark as a push button "Закрыть" whose default action hides the
// window, all three focusable and the one holding the strip's focus
// focused; the text as static text holding the whole text. AboutAccessible()
// answers for those parts; for the others (the strip) it gives null and the
// view's own description holds.
#pragma once

#include <memory>

#include "about/fm_about.h"
#include "ui/model/accessible.h"

namespace about {

std::unique_ptr<ui::AccessibleDescription> AboutAccessible(TfmAbout& window, ui::TControl& control);

}  // namespace about
