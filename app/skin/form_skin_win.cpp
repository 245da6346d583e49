#include "app/skin/form_skin.h"

#include "app/skin/tb_skin.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/platform_services.h"
#include "ui/model/form.h"

namespace app {

namespace {

Rgb SystemRgb(int index) {
  return ToRgb(GetSysColor(index));
}

// The colour the screen shows for `c`.
Rgb ScreenNearest(HDC screen, Rgb c) {
  const COLORREF nearest = GetNearestColor(screen, RGB(c.red, c.green, c.blue));
  return nearest == CLR_INVALID ? c : ToRgb(nearest);
}

}  // namespace

SystemColors CurrentSystemColors() {
  SystemColors system;
  system.btn_face = SystemRgb(COLOR_BTNFACE);
  system.window = SystemRgb(COLOR_WINDOW);
  system.btn_shadow = SystemRgb(COLOR_BTNSHADOW);
  system.highlight = SystemRgb(COLOR_HIGHLIGHT);
  system.menu_text = SystemRgb(COLOR_MENUTEXT);
  system.highlight_text = SystemRgb(COLOR_HIGHLIGHTTEXT);
  system.btn_text = SystemRgb(COLOR_BTNTEXT);
  return system;
}

const SkinPalette& PaletteOf(const ui::TForm& form) {
  if (const TTBSkin* skin = FindSkin(form)) return skin->palette;
  static const SkinPalette kClassic;
  return kClassic;
}

void RefreshSkinColors(const ui::TForm& form) {
  RefreshSkinColors(form, CurrentSystemColors());
}

void RefreshSkinColors(const ui::TForm& form, const SystemColors& system) {
  if (TTBSkin* skin = FindSkin(form)) {
    ui::WindowDC screen(nullptr);
    ui::DisplaySettings* display = ui::ServicesOf(form).display;
    skin->palette.Refresh(
        skin, system, [dc = screen.Get()](Rgb c) { return dc ? ScreenNearest(dc, c) : c; },
        display && display->HighContrast());
  }
  if (auto* form_window = dynamic_cast<ui::FormWindow*>(form.Host())) form_window->RepaintAll();
}

}  // namespace app
