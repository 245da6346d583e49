// The picker's view. Sections:
//   1. creation and the list's window
//   2. painting
//   3. keys, focus, capture and notices
//   4. the screen side of the core (LookupPlatform)
#include "search/lookup_combo_view.h"

#include <utility>

#include "search/picker_accessible.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/system_function.h"
#include "ui/framework/wide_text.h"

namespace search {

namespace {

constexpr ui::TColor kGrayText = ui::SystemColor(COLOR_GRAYTEXT);

// The density of `monitor` where the system tells one per monitor (the
// shell's GetDpiForMonitor, looked up when a list first opens); `fallback`
// elsewhere.
int MonitorDpi(HMONITOR monitor, int fallback) {
  using DpiForMonitor = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
  static DpiForMonitor* const get = ui::SystemFunction<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (!get || !monitor || FAILED(get(monitor, kEffectiveDpi, &x, &y))) return fallback;
  return ui::DpiScale::Plausible(static_cast<int>(y)) ? static_cast<int>(y) : fallback;
}

}  // namespace

// --- 1. Creation and the list's window ---

LookupComboView::LookupComboView(TRxDBLookupCombo& combo, ui::FormWindow& form)
    : ControlView(combo, form), combo_(combo) {
  combo_.SetPlatform(this);
}

LookupComboView::~LookupComboView() {
  // The core must not reach this view (or the list's) once they go.
  combo_.SetPlatform(nullptr);
}

void LookupComboView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = 0;
  if (combo_.tab_stop) style |= WS_TABSTOP;
  const DWORD ex_style = combo_.ctl3d ? WS_EX_CLIENTEDGE : 0;
  if (!combo_.ctl3d) style |= WS_BORDER;
  CreateControlWindow(parent, top_level, L"TRxDBLookupCombo", ex_style, style, L"");
  font_measured_ = false;
  FitHeightToFont();
}

PopupDataListView* LookupComboView::ListView() {
  // Made when first needed, so the start-up makes one top-level window
  // fewer; re-creating the picker's window keeps the list's.
  if (!list_view_ && Handle()) {
    auto list = std::make_unique<PopupDataListView>(combo_, Form());
    list->SetErrorSink(&Form().Owner());
    list->Create(nullptr);
    list_view_ = std::move(list);
  }
  return list_view_.get();
}

// --- 2. Painting ---

void LookupComboView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  const ui::DpiScale scale = WindowScale();
  const PickerLayout layout =
      LayoutPicker(static_cast<int32_t>(client.right), static_cast<int32_t>(client.bottom),
                   ui::SystemMetricForDpi(SM_CXVSCROLL, scale.Dpi()), scale);
  const bool enabled = IsWindowEnabled(Handle()) != FALSE;
  const bool selected = combo_.Focused() && !combo_.ListVisible();
  const ui::DrawColors colors = SchemeColors();
  const ui::DrawColors focus = SchemeColors(ui::clHighlight, ui::clHighlightText, ui::SchemePair::kHighlight);

  // The margin around the text area and the button, as thick as scaled.
  for (RECT ring = client; ring.top < layout.text.top && ring.left < ring.right && ring.top < ring.bottom;
       InflateRect(&ring, -1, -1)) {
    FrameRect(dc, &ring, Brush(static_cast<ui::TColor>(colors.back)));
  }

  MeasureFont();
  const RECT text = ui::ToRECT(layout.text);
  ui::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, selected ? focus.back : colors.back);
  SetTextColor(dc, !enabled ? ui::ColorRef(kGrayText) : selected ? focus.text : colors.text);
  const std::wstring shown = ui::Wide(combo_.ShownText());
  const int y = static_cast<int>(text.top) + (static_cast<int>(text.bottom - text.top) - font_height_) / 2;
  ExtTextOutW(dc, static_cast<int>(text.left) + layout.text_indent, y, ETO_OPAQUE | ETO_CLIPPED, &text,
              shown.c_str(), static_cast<UINT>(shown.size()), nullptr);
  if (selected) DrawFocusRect(dc, &text);

  RECT button = ui::ToRECT(layout.button);
  UINT state = DFCS_SCROLLCOMBOBOX;
  if (combo_.ButtonPressed()) state |= DFCS_PUSHED | DFCS_FLAT;
  if (!enabled || !combo_.CanModify()) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &button, DFC_SCROLL, state);
}

void LookupComboView::MeasureFont() {
  if (font_measured_ || !Handle()) return;
  ui::WindowDC dc(Handle());
  if (!dc.Get()) return;
  ui::SelectedObject font(dc.Get(), FontHandle());
  TEXTMETRICW metrics{};
  SIZE m{};
  if (!GetTextMetricsW(dc.Get(), &metrics) || !GetTextExtentPoint32W(dc.Get(), L"M", 1, &m)) return;
  font_height_ = static_cast<int32_t>(metrics.tmHeight);
  char_width_ = static_cast<int32_t>(m.cx);
  font_measured_ = true;
}

void LookupComboView::FitHeightToFont() {
  MeasureFont();
  if (!font_measured_) return;
  const ui::DpiScale scale = WindowScale();
  const int border = ui::SystemMetricForDpi(combo_.ctl3d ? SM_CYEDGE : SM_CYBORDER, scale.Dpi());
  combo_.FitHeightToFont(font_height_, border, scale);
}

void LookupComboView::OnDensityChanged() {
  // An open list was placed and measured for the old density.
  combo_.CancelMode();
  ControlView::OnDensityChanged();
  font_measured_ = false;
  FitHeightToFont();
  if (list_view_) list_view_->OnDensityChanged();
}

// --- 3. Keys, focus, capture and notices ---

bool LookupComboView::OnKeyDown(WORD key, ui::TShiftState shift) {
  return combo_.KeyDown(static_cast<LookupKey>(key), ui::HasShift(shift, ui::ssAlt));
}

bool LookupComboView::OnChar(char& key) {
  if (key != kBackspaceChar && static_cast<unsigned char>(key) < 32) return false;
  combo_.KeyPress(key);
  return true;
}

void LookupComboView::OnSetFocus() {
  combo_.FocusChanged(true);
}

void LookupComboView::OnKillFocus(HWND) {
  combo_.FocusChanged(false);
}

void LookupComboView::OnCaptureChanged(HWND new_capture) {
  // Handing the drag to the list is no loss; nor is a release, which lets
  // the button up before the core ends the drag itself.
  if (new_capture == PartHandle(LookupPart::kList) || !combo_.Tracking()) return;
  if (GetKeyState(VK_LBUTTON) < 0) combo_.CancelTracking();
}

void LookupComboView::OnCancelMode() {
  combo_.CancelMode();
}

void LookupComboView::OtherControlPressed(ui::ControlView& pressed) {
  if (&pressed != list_view_.get()) combo_.CancelMode();
}

std::string LookupComboView::ShownText() const {
  return combo_.ShownText();
}

void LookupComboView::OnChanged(ui::ControlChange what) {
  switch (what) {
    case ui::ControlChange::kFont:
      font_measured_ = false;
      FitHeightToFont();
      if (list_view_) list_view_->Changed(ui::ControlChange::kFont);
      break;
    case ui::ControlChange::kVisible:
    case ui::ControlChange::kEnabled:
    case ui::ControlChange::kParent:
      // A list left where a hidden, disabled or moved picker was closes.
      if (what == ui::ControlChange::kParent || !combo_.visible || !combo_.enabled) combo_.CancelMode();
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    default:
      break;
  }
}

// --- 4. The screen side of the core ---

HWND LookupComboView::PartHandle(LookupPart part) const {
  if (part == LookupPart::kPicker) return Handle();
  return list_view_ ? list_view_->Handle() : nullptr;
}

LookupGeometry LookupComboView::Geometry() {
  LookupGeometry geometry;
  if (!Handle()) return geometry;
  RECT window;
  GetWindowRect(Handle(), &window);
  geometry.picker_window = ui::FromRECT(window);
  RECT client;
  GetClientRect(Handle(), &client);
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  geometry.picker_client = ui::FromRECT(client);
  const HMONITOR on = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(on, &monitor)) {
    geometry.screen = ui::FromRECT(monitor.rcMonitor);
  } else {
    geometry.screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  // The picker's window has its top-level window's density; the list opens
  // on the picker's monitor and has that one's (the same unless the main
  // window straddles monitors of two densities).
  const int dpi = MonitorDpi(on, WindowScale().Dpi());
  geometry.scale = ui::DpiScale(dpi);
  MeasureFont();
  if (font_measured_) {
    geometry.metrics.font_height = font_height_;
    geometry.metrics.char_width = char_width_;
  }
  geometry.metrics.scroll_bar_width = ui::SystemMetricForDpi(SM_CXVSCROLL, dpi);
  geometry.metrics.list_border = ui::SystemMetricForDpi(SM_CXBORDER, dpi);
  return geometry;
}

void LookupComboView::ShowList(const base::Rect& screen_rect) {
  if (PopupDataListView* list = ListView()) {
    list->ShowAt(screen_rect, Handle() ? GetAncestor(Handle(), GA_ROOT) : nullptr, combo_.List().Scale());
  }
  AnnounceChanges();
}

void LookupComboView::HideList() {
  if (list_view_) list_view_->HideWindow();
  AnnounceChanges();
}

void LookupComboView::CaptureMouse(LookupPart part) {
  // From the picker to the list the capture passes without a release: the
  // picker hears that the list took it and lets the drag go on there.
  if (HWND window = PartHandle(part)) capture_.MoveTo(window);
}

void LookupComboView::ReleaseMouse() {
  // A part may hold the capture that the control framework took for a click
  // on it rather than the one asked for here: either is let go.
  const HWND holder = GetCapture();
  if (holder && (holder == PartHandle(LookupPart::kPicker) || holder == PartHandle(LookupPart::kList))) {
    capture_.MoveTo(holder);
  }
  capture_.Release();
}

bool LookupComboView::TakeFocus() {
  const HWND self = Handle();
  if (!self || !IsWindowVisible(self) || !IsWindowEnabled(self)) return false;
  if (GetFocus() != self) SetFocus(self);
  // The control that had the focus may have refused to let it go.
  return GetFocus() == self;
}

void LookupComboView::Repaint(LookupPart part) {
  if (part == LookupPart::kList) {
    if (list_view_) list_view_->Refresh();
  } else if (Handle()) {
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  AnnounceChanges();
}

void LookupComboView::AnnounceChanges() {
  if (!Handle()) return;
  if (std::string text = combo_.ShownText(); text != announced_text_) {
    announced_text_ = std::move(text);
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
  }
  if (combo_.ListVisible() != announced_open_) {
    announced_open_ = combo_.ListVisible();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
  }
  if (list_view_) list_view_->AnnounceRow();
}

std::unique_ptr<ui::AccessibleDescription> LookupComboView::MakeAccessible() {
  return std::make_unique<PickerAccessible>(combo_);
}

void LookupComboView::SetBusyCursor(bool busy) {
  ui::FormOwner& owner = Form().Owner();
  if (busy) {
    if (busy_depth_++ == 0) {
      cursor_before_busy_ = owner.ScreenCursor();
      owner.SetScreenCursor(ui::crHourGlass);
    }
  } else if (busy_depth_ > 0 && --busy_depth_ == 0) {
    owner.SetScreenCursor(cursor_before_busy_);
  }
}

void LookupComboView::SetAutoScrollTimer(int32_t interval_ms) {
  // Only an open list scrolls; stopping needs no list.
  if (interval_ms > 0) {
    if (PopupDataListView* list = ListView()) list->SetAutoScroll(interval_ms);
  } else if (list_view_) {
    list_view_->SetAutoScroll(interval_ms);
  }
}

}  // namespace search
