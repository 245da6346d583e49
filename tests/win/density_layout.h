// Windows only: what the density tests compare a window on screen with. A
// window description read afresh (no window made for it, so its lengths are
// the stored ones) gives the layout every density should produce
// (app::LayOutScaled); the window's controls are then read back from their
// windows and each difference is named.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/forms/scaled_form_layout.h"
#include "app/toolbar/toolbar_measure.h"
#include "base/component.h"
#include "ui/framework/form_window.h"

namespace testing_support {

// Reads the description of `class_name` from the test program's resources
// into `form` (owned by its owner).
void ReadFreshForm(ui::TForm& form, const char* class_name);

// A form of class `Form` read afresh from its description.
template <typename Form>
class FreshForm {
 public:
  explicit FreshForm(const char* class_name) : form_(new Form(&owner_)) { ReadFreshForm(*form_, class_name); }
  // Where its controls go at `dpi` (the layout refers to this form's
  // controls), a toolbar's items measured as its view measures them.
  app::ScaledFormLayout At(int dpi) const {
    const ui::DpiScale scale(dpi);
    return app::LayOutScaled(*form_, scale, app::ToolbarMeasureAt(scale));
  }

 private:
  base::TComponent owner_{nullptr};
  Form* form_;
};

// One line per control of `expected` whose window in `window` is not where
// the layout puts it (place in the parent's client area and size), or whose
// font (where its window tells it, WM_GETFONT) has another height; empty when
// all are right. A label that sizes itself to its text is compared by its
// place only.
std::vector<std::string> Misplaced(const ui::FormWindow& window, const app::ScaledFormLayout& expected);

// The lines joined for a failure message.
std::string Lines(const std::vector<std::string>& lines);

// `window`'s outer rectangle on the screen.
RECT OuterRect(HWND window);

// "x,y wxh" of a RECT{left, top, width, height}.
std::string Describe(const RECT& place);

}  // namespace testing_support
