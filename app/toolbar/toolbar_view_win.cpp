#include "app/toolbar/toolbar_view.h"

#include "app/toolbar/dock_drag.h"
#include "app/toolbar/tb_submenu_item.h"
#include "app/toolbar/tb_visibility_toggle_item.h"
#include "ui/form_window.h"
#include "ui/wide_text.h"

namespace app {

namespace {

// The private message that runs the posted click.
constexpr UINT kRunPostedClick = 0x500;

// The items' space around their text.
constexpr int kTextMarginWidth = 12;
constexpr int kTextMarginHeight = 9;

HFONT CreateMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

}  // namespace

std::vector<TTBItem*> ChildItems(const base::TComponent& window, const base::TComponent* parent) {
  std::vector<TTBItem*> items;
  for (base::TComponent* component : window.Components()) {
    auto* item = dynamic_cast<TTBItem*>(component);
    if (item && item->ParentComponent() == parent) items.push_back(item);
  }
  return items;
}

ToolbarView::~ToolbarView() {
  DestroyHandle();
}

void ToolbarView::CreateWindowIn(HWND parent, bool top_level) {
  if (!menu_font_.Get()) menu_font_.Reset(CreateMenuFont());
  MeasureButtons();
  DockableView::CreateWindowIn(parent, top_level);
  std::wstring shown;
  for (const Button& b : buttons_) {
    if (!shown.empty()) shown += L'\t';
    shown += ui::Wide(b.item->caption);
  }
  SetWindowTextW(Handle(), shown.c_str());
}

void ToolbarView::MeasureButtons() {
  buttons_.clear();
  HDC dc = GetDC(nullptr);
  const HGDIOBJ old_font =
      SelectObject(dc, menu_font_.Get() ? menu_font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  int left = 0;
  for (TTBItem* item : ChildItems(Form().Model(), &toolbar_)) {
    const std::wstring text = ui::Wide(item->caption);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int width = extent.cx + kTextMarginWidth, height = metrics.tmHeight + kTextMarginHeight;
    buttons_.push_back(Button{item, RECT{left, 0, left + width, height}});
    left += width;
  }
  SelectObject(dc, old_font);
  ReleaseDC(nullptr, dc);
}

Size ToolbarView::ContentSize(TTBDockPosition) const {
  int width = 0, height = 0;
  for (const Button& b : buttons_) {
    width = b.place.right;
    height = std::max(height, static_cast<int>(b.place.bottom));
  }
  return Size{width, height};
}

int ToolbarView::ButtonAt(POINT client) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (PtInRect(&buttons_[i].place, client)) return static_cast<int>(i);
  }
  return -1;
}

void ToolbarView::SetHot(int index) {
  if (hot_ == index) return;
  hot_ = index;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void ToolbarView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, Brush(SkinColor("tcToolbar")));
  ui::SelectedObject font(dc, menu_font_.Get() ? menu_font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorRef(SkinColor("tcMenuText")));
  const auto fill_framed = [this, dc](const RECT& area, ui::TColor fill, ui::TColor frame) {
    FillRect(dc, &area, Brush(fill));
    FrameRect(dc, &area, Brush(frame));
  };
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int index = static_cast<int>(i);
    RECT place = buttons_[i].place;
    if (index == open_) {
      fill_framed(place, SkinColor("tcImageList"), SkinColor("tcBorder"));
    } else if (index == pressed_ && index == hot_) {
      fill_framed(place, SkinColor("tcSelPushed"), SkinColor("tcSelBarBorder"));
    } else if (index == hot_) {
      fill_framed(place, SkinColor("tcSelBar"), SkinColor("tcSelBarBorder"));
    }
    const std::wstring text = ui::Wide(buttons_[i].item->caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void ToolbarView::OpenMenu(int index) {
  const Button& button = buttons_[static_cast<std::size_t>(index)];
  const std::vector<TTBItem*> items = ChildItems(Form().Model(), button.item);
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  for (std::size_t i = 0; i < items.size(); ++i) {
    UINT flags = MF_STRING;
    if (auto* toggle = dynamic_cast<TTBVisibilityToggleItem*>(items[i]); toggle && toggle->Checked()) {
      flags |= MF_CHECKED;
    }
    AppendMenuW(menu, flags, i + 1, ui::Wide(items[i]->caption).c_str());
  }
  POINT under{button.place.left, button.place.bottom};
  ClientToScreen(Handle(), &under);
  open_ = index;
  InvalidateRect(Handle(), nullptr, TRUE);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                       under.x, under.y, 0, Handle(), nullptr));
  DestroyMenu(menu);
  open_ = -1;
  SetHot(-1);
  InvalidateRect(Handle(), nullptr, TRUE);
  if (chosen >= 1 && chosen <= items.size()) PostClick(*items[chosen - 1]);
}

void ToolbarView::PostClick(TTBItem& item) {
  posted_ = &item;
  PostMessageW(Handle(), kRunPostedClick, 0, 0);
}

void ToolbarView::RunPostedClick() {
  TTBItem* item = posted_;
  posted_ = nullptr;
  if (item) item->Click();
}

bool ToolbarView::OnMouseMove(const ui::MouseInput& input) {
  SetHot(ButtonAt(input.at));
  return true;
}

void ToolbarView::OnMouseLeave() {
  SetHot(-1);
}

bool ToolbarView::OnMouseDown(const ui::MouseInput& input) {
  if (input.button != ui::TMouseButton::mbLeft) return true;
  const int index = ButtonAt(input.at);
  if (index < 0) {
    // Free space between the items drags the bar, as its handle does.
    POINT screen = input.at;
    ClientToScreen(Handle(), &screen);
    RunDockDrag(*this, screen);
    return true;
  }
  if (dynamic_cast<TTBSubmenuItem*>(buttons_[static_cast<std::size_t>(index)].item)) {
    OpenMenu(index);
  } else {
    pressed_ = index;
    SetCapture(Handle());
    InvalidateRect(Handle(), nullptr, TRUE);
  }
  return true;
}

bool ToolbarView::OnDblClick(const ui::MouseInput& input) {
  if (input.button != ui::TMouseButton::mbLeft) return true;
  // On free space of a docked bar a double-click floats it; on an item it is
  // a second press.
  if (ButtonAt(input.at) >= 0) return OnMouseDown(input);
  if (Docked()) FloatWindow(*this);
  return true;
}

bool ToolbarView::OnMouseUp(const ui::MouseInput& input) {
  if (input.button != ui::TMouseButton::mbLeft || pressed_ < 0) return true;
  const int index = pressed_;
  pressed_ = -1;
  if (GetCapture() == Handle()) ReleaseCapture();
  InvalidateRect(Handle(), nullptr, TRUE);
  if (ButtonAt(input.at) == index) PostClick(*buttons_[static_cast<std::size_t>(index)].item);
  return true;
}

void ToolbarView::OnCaptureChanged(HWND) {
  pressed_ = -1;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void ToolbarView::OnCancelMode() {
  if (pressed_ >= 0 && GetCapture() == Handle()) ReleaseCapture();
  pressed_ = -1;
  InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT ToolbarView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRunPostedClick) {
    RunPostedClick();
    return 0;
  }
  return DockableView::OnOtherMessage(message, wparam, lparam);
}

}  // namespace app
