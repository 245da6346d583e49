#include "app/menus/drop_down_view.h"

#include <utility>

#include "app/menus/drop_down_accessible.h"
#include "app/skin/form_skin.h"
#include "app/skin/skin_frame.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/wide_text.h"

namespace app {

DropDownView::~DropDownView() {
  // The window goes here, while this is still a DropDownView: once this body
  // has run only the base's members are left, and the messages the window's
  // destruction sends (the capture given back, which its toolbar hears
  // through OnCaptureChanged) would miss this view's handlers.
  DestroyHandle();
}

void DropDownView::CreateWindowIn(HWND parent, bool top_level) {
  // A menu: above every other window, no task-bar button, never activated.
  CreateControlWindow(parent, top_level, L"TTBDropDownWindow",
                      WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 0, L"");
}

DropDownOwner* DropDownView::Owner() const {
  if (owner_) return owner_;
  ui::TControl* toolbar = menu_.Toolbar();
  return dynamic_cast<DropDownOwner*>(toolbar ? Form().ViewOf(*toolbar) : nullptr);
}

void DropDownView::Open(std::vector<TTBItem*> rows, HFONT font, const ui::DpiScale& scale, const RECT& button,
                        bool horizontal_bar) {
  // Another menu replaces the open one: readers hear the one end first.
  if (IsOpen()) NotifyAccessible(EVENT_SYSTEM_MENUPOPUPEND);
  font_ = font;
  scale_ = scale;
  menu_.SetRows(std::move(rows));
  std::vector<DropDownRow> measured;
  int text_height = 0;
  {
    ui::WindowDC screen(nullptr);
    ui::SelectedObject selected(screen.Get(), font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    text_height = std::max(1, static_cast<int>(metrics.tmHeight));
    for (const TTBItem* row : menu_.Rows()) {
      DropDownRow measure;
      measure.separator = row == nullptr;
      if (row) {
        const std::wstring text = ui::Wide(row->caption);
        SIZE extent{};
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
        measure.text_width = std::max(0, static_cast<int>(extent.cx));
      }
      measured.push_back(measure);
    }
  }
  layout_ = LayOutDropDown(measured, text_height, scale_);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&button, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const Rect place = PlaceDropDown(Rect{button.left, button.top, button.right, button.bottom}, layout_.size,
                                   Rect{work.left, work.top, work.right, work.bottom}, horizontal_bar);
  menu_.SetBounds(place.left, place.top, place.Width(), place.Height());
  InvalidateRect(Handle(), nullptr, TRUE);
  menu_.SetVisible(true);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  NotifyAccessible(EVENT_SYSTEM_MENUPOPUPSTART);
}

void DropDownView::Close() {
  const bool was_open = IsOpen();
  menu_.highlighted = -1;
  menu_.SetVisible(false);
  if (!was_open) return;
  NotifyAccessible(EVENT_SYSTEM_MENUPOPUPEND);
  // A reader holding the closed menu's object gets errors from now on.
  DisconnectAccessible();
}

void DropDownView::SetHighlighted(int row) {
  if (row == menu_.highlighted) return;
  for (const int changed : {menu_.highlighted, row}) {
    if (changed < 0 || static_cast<std::size_t>(changed) >= layout_.rows.size()) continue;
    const RECT area = ui::ToRECT(layout_.rows[static_cast<std::size_t>(changed)].row);
    InvalidateRect(Handle(), &area, FALSE);
  }
  menu_.highlighted = row;
  if (row >= 0) NotifyAccessible(EVENT_OBJECT_FOCUS, row + 1);
}

std::unique_ptr<ui::AccessibleDescription> DropDownView::MakeAccessible() {
  return std::make_unique<DropDownAccessible>(menu_, layout_, [this](int row) {
    if (DropDownOwner* owner = Owner()) owner->DropDownChoose(row);
  });
}

int DropDownView::RowAt(POINT screen) const {
  if (!IsOpen() || !Handle()) return -1;
  ScreenToClient(Handle(), &screen);
  return layout_.RowAt(Point{screen.x, screen.y});
}

ui::TColor DropDownView::SkinColor(TTBColorIndex index) const {
  return SkinColorOf(Form().Model(), index);
}

void DropDownView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, Brush(SkinColor(tcPopup)));
  FrameArea(dc, client, Brush(SkinColor(tcBorder)), layout_.frames.window);
  ui::SelectedObject font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t row = 0; row < layout_.rows.size() && row < menu_.Rows().size(); ++row) PaintRow(dc, row);
}

void DropDownView::PaintRow(HDC dc, std::size_t row) {
  const DropDownRowPlace& place = layout_.rows[row];
  const auto fill = [this, dc](const Rect& area, TTBColorIndex color) {
    const RECT r = ui::ToRECT(area);
    FillRect(dc, &r, Brush(SkinColor(color)));
  };
  const auto frame = [this, dc](const Rect& area, TTBColorIndex color) {
    FrameArea(dc, ui::ToRECT(area), Brush(SkinColor(color)), layout_.frames.item);
  };
  fill(place.image, tcImageList);
  if (place.separator) {
    fill(place.line, tcSeparator);
    return;
  }
  const TTBItem* item = menu_.Rows()[row];
  if (!item) return;  // destroyed while shown
  const bool highlighted = static_cast<int>(row) == menu_.highlighted;
  if (highlighted) {
    fill(place.highlight, tcSelItem);
    frame(place.highlight, tcSelItemBorder);
  }
  const SkinPalette& palette = PaletteOf(Form().Model());
  if (item->checked) {
    const TTBColorIndex check = highlighted ? tcSelPushed : tcSelItem;
    fill(place.check, check);
    frame(place.check, highlighted ? tcSelPushedBorder : tcSelItemBorder);
    const HBRUSH ink = Brush(palette.TextOn(check));
    for (const Rect& stroke : CheckMarkStrokes(place.check, scale_)) {
      const RECT r = ui::ToRECT(stroke);
      FillRect(dc, &r, ink);
    }
  }
  SetTextColor(dc, ui::ColorRef(palette.TextOn(highlighted ? tcSelItem : tcPopup)));
  RECT text_area = ui::ToRECT(place.text);
  const std::wstring text = ui::Wide(item->caption);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DropDownView::Pass(MenuPointerAction action, const ui::MouseInput& input) {
  POINT screen = input.at;
  ClientToScreen(Handle(), &screen);
  if (DropDownOwner* owner = Owner()) owner->DropDownPointer(action, screen);
}

bool DropDownView::OnMouseDown(const ui::MouseInput& input) {
  if (input.button == ui::TMouseButton::mbLeft) Pass(MenuPointerAction::kPress, input);
  return true;
}

bool DropDownView::OnMouseUp(const ui::MouseInput& input) {
  if (input.button == ui::TMouseButton::mbLeft) Pass(MenuPointerAction::kRelease, input);
  return true;
}

bool DropDownView::OnMouseMove(const ui::MouseInput& input) {
  Pass(MenuPointerAction::kMove, input);
  return true;
}

void DropDownView::OnCaptureChanged(HWND new_capture) {
  if (DropDownOwner* owner = Owner()) owner->DropDownLost(new_capture);
}

void DropDownView::OnCancelMode() {
  if (DropDownOwner* owner = Owner()) owner->DropDownLost(nullptr);
}

bool DropDownView::OnActivateApp(bool active) {
  // Another program became the active one: the menu closes (and what a
  // window menu's keys were doing ends, the menu shown or not).
  if (!active && (IsOpen() || owner_)) {
    if (DropDownOwner* owner = Owner()) owner->DropDownLost(nullptr);
  }
  return false;
}

}  // namespace app
