#include "app/toolbar/toolbar_view.h"

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

void FillFramed(HDC dc, const RECT& area, ui::TColor fill, ui::TColor frame) {
  ui::GdiObject<HBRUSH> fill_brush(CreateSolidBrush(ui::ColorRef(fill)));
  ui::GdiObject<HBRUSH> frame_brush(CreateSolidBrush(ui::ColorRef(frame)));
  FillRect(dc, &area, fill_brush.Get());
  FrameRect(dc, &area, frame_brush.Get());
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

void ToolbarView::Create(ui::ControlView& parent) {
  menu_font_.Reset(CreateMenuFont());
  MeasureButtons();
  DockableView::Create(parent);
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

SIZE ToolbarView::DockedSize(int) const {
  int width = 0, height = 0;
  for (const Button& b : buttons_) {
    width = b.place.right;
    height = std::max(height, static_cast<int>(b.place.bottom));
  }
  return SIZE{width + 2 * kBorder + kDragHandle, height + 2 * kBorder};
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

void ToolbarView::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  ui::GdiObject<HBRUSH> face(CreateSolidBrush(ui::ColorRef(SkinColor("tcToolbar"))));
  FillRect(dc, &client, face.Get());
  const HGDIOBJ old_font =
      SelectObject(dc, menu_font_.Get() ? menu_font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorRef(SkinColor("tcMenuText")));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int index = static_cast<int>(i);
    RECT place = buttons_[i].place;
    if (index == open_) {
      FillFramed(dc, place, SkinColor("tcImageList"), SkinColor("tcBorder"));
    } else if (index == pressed_ && index == hot_) {
      FillFramed(dc, place, SkinColor("tcSelPushed"), SkinColor("tcSelBarBorder"));
    } else if (index == hot_) {
      FillFramed(dc, place, SkinColor("tcSelBar"), SkinColor("tcSelBarBorder"));
    }
    const std::wstring text = ui::Wide(buttons_[i].item->caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old_font);
  EndPaint(Handle(), &paint);
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

LRESULT ToolbarView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole by WM_PAINT
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
      TrackMouseEvent(&track);
      SetHot(ButtonAt(at));
      return 0;
    }
    case WM_MOUSELEAVE:
      SetHot(-1);
      return 0;
    case WM_LBUTTONDOWN: {
      const int index = ButtonAt(at);
      if (index < 0) return 0;
      if (dynamic_cast<TTBSubmenuItem*>(buttons_[static_cast<std::size_t>(index)].item)) {
        OpenMenu(index);
      } else {
        pressed_ = index;
        SetCapture(Handle());
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      if (pressed_ < 0) return 0;
      const int index = pressed_;
      pressed_ = -1;
      ReleaseCapture();
      InvalidateRect(Handle(), nullptr, TRUE);
      if (ButtonAt(at) == index) PostClick(*buttons_[static_cast<std::size_t>(index)].item);
      return 0;
    }
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      if (pressed_ >= 0 && message == WM_CANCELMODE) ReleaseCapture();
      pressed_ = -1;
      InvalidateRect(Handle(), nullptr, TRUE);
      return DefaultHandling(message, wparam, lparam);
    case kRunPostedClick:
      RunPostedClick();
      return 0;
    default:
      return DockableView::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace app
