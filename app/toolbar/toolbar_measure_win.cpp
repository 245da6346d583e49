#include "app/toolbar/toolbar_measure.h"

#include <algorithm>
#include <string>

#include "app/docking/dock_layout.h"
#include "app/menus/toolbar_menu_bar.h"
#include "app/toolbar/toolbar_fit.h"
#include "ui/framework/gdi.h"
#include "ui/framework/wide_text.h"

namespace app {

HFONT CreateMenuFont(const ui::DpiScale& scale) {
  return ui::CreateSystemFont(&NONCLIENTMETRICSW::lfMenuFont, scale.Dpi());
}

std::vector<ItemSize> MeasureTextItems(std::span<TTBItem* const> items, HFONT font,
                                       const ui::DpiScale& scale) {
  std::vector<ItemSize> sizes;
  ui::WindowDC screen(nullptr);
  ui::SelectedObject selected(screen.Get(),
                              font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  for (const TTBItem* item : items) {
    const std::wstring text = item ? ui::Wide(item->caption) : std::wstring();
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    sizes.push_back(TextItemSize(std::max(0, static_cast<int>(extent.cx)), metrics.tmHeight, scale));
  }
  return sizes;
}

base::Size DockedToolbarSize(const TTBToolbar& toolbar, TTBDockPosition side, const ui::DpiScale& scale) {
  const base::TComponent* owner = toolbar.Owner();
  const std::vector<TTBItem*> items = owner ? ChildItems(*owner, &toolbar) : std::vector<TTBItem*>{};
  const ui::GdiObject<HFONT> font(CreateMenuFont(scale));
  return LayOutToolbar(MeasureTextItems(items, font.Get(), scale), IsHorizontal(side), kUnlimitedLength,
                       scale)
      .content;
}

std::function<base::Size(const TTBToolbar&, TTBDockPosition)> ToolbarMeasureAt(const ui::DpiScale& scale) {
  return [scale](const TTBToolbar& toolbar, TTBDockPosition side) {
    return DockedToolbarSize(toolbar, side, scale);
  };
}

}  // namespace app
