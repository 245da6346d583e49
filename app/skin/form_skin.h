// The skin as the windows of one form draw it (Windows only).
//
// The colours come from the form's skin (TTBSkin::palette): every window
// that draws in the skin asks the form for its skin when it paints, so no
// other object holds them. They are worked out from the desktop's colours
// when the form's first toolbar gets its window (the colours are needed from
// then on) and again when the desktop's colours change; each time every
// window of the form is repainted, frames and pop-ups (floating windows,
// drop-down menus) included, so everything drawn in the skin takes the new
// colours. A form without a skin draws in the colours the rules give on the
// classic desktop scheme.
#pragma once

#include "app/skin/skin_palette.h"

namespace ui {
class TForm;
}

namespace app {

// The system colours the skin rules read, as the desktop has them now.
SystemColors CurrentSystemColors();

// The colours the skinned windows of `form` draw with now.
const SkinPalette& PaletteOf(const ui::TForm& form);

// The colour at `index` the skinned windows of `form` draw with now.
inline ui::TColor SkinColorOf(const ui::TForm& form, TTBColorIndex index) {
  return PaletteOf(form).Color(index);
}

// Works the colours of `form`'s skin out again under the system colours
// now, or under `system` (a test's scheme), in high contrast when the
// form's services say it is on, then repaints the form's windows.
void RefreshSkinColors(const ui::TForm& form);
void RefreshSkinColors(const ui::TForm& form, const SystemColors& system);

}  // namespace app
