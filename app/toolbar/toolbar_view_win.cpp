// The toolbar's view. Sections:
//   1. creation, measuring and fitting the items
//   2. painting
//   3. menu tracking: hit test, the tracker's events, the drop-down, the
//      capture and the chosen item
//   4. mouse and keys of the bar and of its drop-down
//   5. the keyboard's menu mode: the window's keys before its controls
#include "app/toolbar/toolbar_view.h"

#include <algorithm>
#include <optional>

#include "app/docking/dock_drag.h"
#include "app/skin/form_skin.h"
#include "app/skin/glyph_scale.h"
#include "app/skin/skin_frame.h"
#include "app/toolbar/toolbar_accessible.h"
#include "app/toolbar/toolbar_measure.h"
#include "app/toolbar/toolbar_utility_window.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/mouse_capture.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace app {

namespace {

// The keyboard menu mode's name for `key` pressed with `shift`. Alt with
// Ctrl held is AltGr (a character's key on some layouts), no menu key; F10
// with Shift or Ctrl is another command's.
MenuModeKey MenuModeKeyOf(WORD key, ui::TShiftState shift) {
  const bool ctrl = ui::HasShift(shift, ui::ssCtrl);
  switch (key) {
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
      return ctrl ? MenuModeKey::kOther : MenuModeKey::kAlt;
    case VK_F10:
      return ctrl || ui::HasShift(shift, ui::ssShift) ? MenuModeKey::kOther : MenuModeKey::kF10;
    case VK_LEFT:
      return MenuModeKey::kLeft;
    case VK_RIGHT:
      return MenuModeKey::kRight;
    case VK_UP:
      return MenuModeKey::kUp;
    case VK_DOWN:
      return MenuModeKey::kDown;
    case VK_RETURN:
      return MenuModeKey::kEnter;
    case VK_SPACE:
      return MenuModeKey::kSpace;
    case VK_ESCAPE:
      return MenuModeKey::kEsc;
    default:
      return MenuModeKey::kOther;
  }
}

// The chevron's double arrow: 5 x 5 pixels, two arrow heads 2 pixels apart
// pointing along the bar.
constexpr int kChevronGlyph = 5;

}  // namespace

// --- 1. Creation, measuring and fitting the items ---

ToolbarView::ToolbarView(TTBToolbar& toolbar, ui::FormWindow& form)
    : DockableView(toolbar, form),
      toolbar_(toolbar),
      bar_(form.Model(), toolbar),
      tracker_(bar_),
      mode_(tracker_, bar_),
      sounds_(*ui::ServicesOf(form.Model()).sounds) {
  // The bar sees the window's keys first, for F10 and a lone Alt.
  form.SetKeyPreview(this);
}

ToolbarView::~ToolbarView() {
  if (Form().Preview() == this) Form().SetKeyPreview(nullptr);
  // The window goes here, while this is still a ToolbarView: once this body
  // has run only the base's members are left, and the messages the window's
  // destruction sends (the capture given back, which ends the tracking)
  // would miss this view's handlers.
  DestroyHandle();
}

void ToolbarView::CreateWindowIn(HWND parent, bool top_level) {
  menu_font_.Reset();
  MeasureForDensity();
  FitItems(kUnlimitedLength);
  DockableView::CreateWindowIn(parent, top_level);
  // The skin's colours are worked out from the bar's first window on. The
  // window that runs the chosen items is made with the first choice.
  if (skin_colors_known_) return;
  skin_colors_known_ = true;
  RefreshSkinColors(Form().Model());
}

void ToolbarView::OnSystemColorsChanged() {
  // The skin's colours derive from the system's: worked out again, and
  // every window of the form repainted in them.
  RefreshSkinColors(Form().Model());
}

HFONT ToolbarView::MenuFont() const {
  return menu_font_.Get() ? menu_font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ToolbarView::MeasureForDensity() {
  const ui::DpiScale scale = WindowScale();
  if (menu_font_.Get() && scale == measured_at_) return;
  measured_at_ = scale;
  menu_font_.Reset(CreateMenuFont(scale));
  sizes_ = MeasureTextItems(bar_.Items(), menu_font_.Get(), scale);
}

void ToolbarView::OnDensityChanged() {
  DockableView::OnDensityChanged();
  // An open menu was laid out for the old density.
  if (tracker_.Tracking()) Apply(tracker_.Cancel());
  MeasureForDensity();
}

bool ToolbarView::Horizontal() const {
  return IsHorizontal(DockSide());
}

int ToolbarView::AvailableLength() const {
  const TTBDock* dock = toolbar_.CurrentDock();
  const ui::ControlView* dock_view = ParentView();
  if (!dock || !dock_view || !dock_view->Handle()) return kUnlimitedLength;
  RECT client;
  GetClientRect(dock_view->Handle(), &client);
  const Size frame = DockedOuterSize(Size{}, dock->position, DockedHandle(), DockScale());
  return IsHorizontal(dock->position) ? client.right - frame.width : client.bottom - frame.height;
}

Size ToolbarView::ContentSize(TTBDockPosition side) const {
  // Limited by the dock only in the dock it sits in.
  const TTBDock* dock = toolbar_.CurrentDock();
  const int available = dock && dock->position == side ? AvailableLength() : kUnlimitedLength;
  return LayOutToolbar(sizes_, IsHorizontal(side), available, measured_at_).content;
}

void ToolbarView::AlignChildren() {
  DockableView::AlignChildren();
  if (!Handle() || Form().Creating()) return;
  // Moved between the main window and a frame on a monitor of another density.
  MeasureForDensity();
  RECT client;
  GetClientRect(Handle(), &client);
  FitItems(Horizontal() ? client.right : client.bottom);
}

std::optional<Size> ToolbarView::FloatingFit(Size wanted, bool by_width) const {
  return FloatingToolbarSize(sizes_, wanted, by_width, measured_at_);
}

void ToolbarView::FitItems(int length) {
  // Floating, the items flow into rows as wide as the client area.
  const ToolbarLayout layout = toolbar_.Floating()
                                   ? FlowToolbar(sizes_, length, measured_at_)
                                   : LayOutToolbar(sizes_, Horizontal(), length, measured_at_);
  if (layout.fit.shown != bar_.Shown() || layout.fit.chevron != (bar_.Chevron() >= 0)) {
    // The buttons the tracker knows change: an open menu closes first.
    if (tracker_.Tracking()) Apply(tracker_.Cancel());
    bar_.SetShown(layout.fit.shown, layout.fit.chevron);
  }
  buttons_.clear();
  for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
    buttons_.push_back(Button{bar_.Items()[i], ui::ToRECT(layout.buttons[i])});
  }
  chevron_ = layout.chevron;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

RECT ToolbarView::ChevronPlace() const {
  return bar_.Chevron() >= 0 ? ui::ToRECT(chevron_) : RECT{};
}

std::vector<TTBItem*> ToolbarView::ChevronItems() const {
  return bar_.DropDownItems(bar_.Chevron());
}

RECT ToolbarView::ButtonPlace(int button) const {
  if (button >= 0 && button < static_cast<int>(buttons_.size()))
    return buttons_[static_cast<std::size_t>(button)].place;
  return button >= 0 && button == bar_.Chevron() ? ui::ToRECT(chevron_) : RECT{};
}

RECT ToolbarView::ButtonScreenRect(int button) const {
  RECT place = ButtonPlace(button);
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

std::string ToolbarView::ShownText() const {
  std::string text;
  for (const Button& b : buttons_) {
    if (!text.empty()) text += '\t';
    text += b.item->caption;
  }
  return text;
}

// --- 2. Painting ---

void ToolbarView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, Brush(SkinColor(tcToolbar)));
  ui::SelectedObject font(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  const SkinPalette& palette = PaletteOf(Form().Model());
  const int frame_width = measured_at_.Length(1);
  const auto fill_framed = [this, dc, frame_width](const RECT& area, TTBColorIndex fill,
                                                   TTBColorIndex frame) {
    FillRect(dc, &area, Brush(SkinColor(fill)));
    FrameArea(dc, area, Brush(SkinColor(frame)), frame_width);
    return fill;
  };
  const int hot = ShownHot();
  for (int button = 0; button < bar_.ButtonCount(); ++button) {
    RECT place = ButtonPlace(button);
    TTBColorIndex under = tcToolbar;
    if (button == tracker_.Open()) {
      under = fill_framed(place, tcImageList, tcBorder);
    } else if (button == tracker_.Pressed() && button == hot) {
      under = fill_framed(place, tcSelPushed, tcSelBarBorder);
    } else if (button == hot) {
      under = fill_framed(place, tcSelBar, tcSelBarBorder);
    }
    SetTextColor(dc, ui::ColorRef(palette.TextOn(under)));
    if (button == bar_.Chevron()) {
      PaintChevron(dc, place);
      continue;
    }
    const std::wstring text = ui::Wide(bar_.ButtonItem(button)->caption);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  look_ = CurrentLook();
}

void ToolbarView::PaintChevron(HDC dc, const RECT& place) {
  const HBRUSH ink = Brush(SkinColor(tcMenuText));
  // Enlarged by a whole factor, each dot a square block: the arrows stay sharp.
  const int k = GlyphFactor(measured_at_);
  const int glyph = kChevronGlyph * k;
  const int left = place.left + (place.right - place.left - glyph) / 2;
  const int top = place.top + (place.bottom - place.top - glyph) / 2;
  const bool horizontal = Horizontal();
  for (int step = 0; step < kChevronGlyph; ++step) {
    const int in = std::min(step, kChevronGlyph - 1 - step);  // 0 1 2 1 0: the arrow heads' points
    for (const int offset : {in, in + 2}) {
      // Along the bar the heads point to its end; across it they span the glyph.
      const int x = left + k * (horizontal ? offset : step), y = top + k * (horizontal ? step : offset);
      const RECT dot{x, y, x + k, y + k};
      FillRect(dc, &dot, ink);
    }
  }
}

ToolbarView::Look ToolbarView::CurrentLook() const {
  return Look{ShownHot(), tracker_.Pressed(), tracker_.Open()};
}

int ToolbarView::ShownHot() const {
  return mode_.CurrentState() == MenuKeyboardMode::State::kBar ? mode_.Hot() : tracker_.Hot();
}

// --- 3. Menu tracking ---

MenuPointer ToolbarView::PointerAt(POINT screen) const {
  if (const DropDownView* menu = DropDown(); menu && tracker_.Open() >= 0) {
    const int row = menu->RowAt(screen);
    if (row >= 0) return MenuPointer::Item(row);
  }
  // Only where the bar itself is under the pointer (not a window above it).
  if (!Handle() || WindowFromPoint(screen) != Handle()) return MenuPointer::Elsewhere();
  POINT client = screen;
  ScreenToClient(Handle(), &client);
  for (int button = 0; button < bar_.ButtonCount(); ++button) {
    const RECT place = ButtonPlace(button);
    if (PtInRect(&place, client)) return MenuPointer::Button(button);
  }
  return MenuPointer::Elsewhere();
}

MenuPointer ToolbarView::PointerAtClient(POINT client) const {
  ClientToScreen(Handle(), &client);
  return PointerAt(client);
}

DropDownView* ToolbarView::DropDown() const {
  return drop_down_ ? dynamic_cast<DropDownView*>(Form().ViewOf(*drop_down_)) : nullptr;
}

HWND ToolbarView::DropDownHandle() const {
  const DropDownView* menu = DropDown();
  return menu ? menu->Handle() : nullptr;
}

bool ToolbarView::WindowEnabled() const {
  // A window disabled while an error box is up opens no menu, even should a
  // press reach it.
  const HWND root = GetAncestor(Handle(), GA_ROOT);
  return IsWindowEnabled(Handle()) && (!root || IsWindowEnabled(root));
}

bool ToolbarView::IsOurs(HWND window) const {
  return window && (window == Handle() || window == DropDownHandle());
}

void ToolbarView::Apply(const MenuEvents& events) {
  if (tracker_.Tracking() && !announced_.tracking) NotifyAccessible(EVENT_SYSTEM_MENUSTART);
  const int open = tracker_.Open();
  if (events.opened && open >= 0) {
    OpenDropDown(open);
  } else if (DropDownView* menu = DropDown(); open < 0 && menu && menu->IsOpen()) {
    menu->Close();
  }
  if (DropDownView* menu = DropDown(); menu && open >= 0) menu->SetHighlighted(tracker_.Highlighted());
  SyncCapture();
  // The keyboard's menu mode follows what the event did to the tracking.
  mode_.TrackerChanged();
  if (Handle() && CurrentLook() != look_) InvalidateRect(Handle(), nullptr, FALSE);
  AnnounceTracking();
  if (events.chosen) RunChoice(*events.chosen);
}

void ToolbarView::AnnounceTracking() {
  Announced now;
  now.tracking = tracker_.Tracking();
  now.open = tracker_.Open();
  now.current = now.tracking ? (now.open >= 0 ? now.open : tracker_.Hot()) : -1;
  for (const int button : {announced_.open, now.open}) {
    if (button >= 0 && announced_.open != now.open) NotifyAccessible(EVENT_OBJECT_STATECHANGE, button + 1);
  }
  // The drop-down's highlighted item is the focus once there is one.
  const bool item_focused = now.open >= 0 && tracker_.Highlighted() >= 0;
  if (now.current >= 0 && now.current != announced_.current && !item_focused) {
    NotifyAccessible(EVENT_OBJECT_FOCUS, now.current + 1);
  }
  if (announced_.tracking && !now.tracking) NotifyAccessible(EVENT_SYSTEM_MENUEND);
  announced_ = now;
}

void ToolbarView::DropDownChoose(int row) {
  if (tracker_.Open() >= 0) Apply(tracker_.PointerRelease(MenuPointer::Item(row)));
}

std::unique_ptr<ui::AccessibleDescription> ToolbarView::MakeAccessible() {
  return std::make_unique<ToolbarAccessible>(
      toolbar_, bar_, tracker_,
      [this](int button) {
        const RECT place = ButtonPlace(button);
        return Rect{place.left, place.top, place.right, place.bottom};
      },
      [this](const MenuEvents& events) { Apply(events); });
}

void ToolbarView::OpenDropDown(int button) {
  std::vector<TTBItem*> rows = bar_.DropDownItems(button);
  // The check marks are those of the moment the menu opens.
  UpdateItems(rows);
  if (!drop_down_) {
    drop_down_ = new TTBDropDownWindow(&Form().Model(), toolbar_);
    Form().CreateViewFor(*drop_down_);
  }
  DropDownView* menu = DropDown();
  if (!menu) return;
  // The menu opens at the bar's density, in its menu font.
  menu->Open(std::move(rows), MenuFont(), measured_at_, ButtonScreenRect(button), Horizontal());
  sounds_.Play(MenuSound::kMenuPopup);
}

void ToolbarView::SyncCapture() {
  if (!Handle()) return;
  if (tracker_.Tracking()) {
    // The drop-down while one is open, so presses on it reach it; else the bar.
    const DropDownView* menu = DropDown();
    const HWND holder = menu && menu->IsOpen() && menu->Handle() ? menu->Handle() : Handle();
    // The new holder takes the capture before the old one's goes, so that
    // neither hears of the capture going to a window not ours.
    if (!capture_ || GetCapture() != holder) capture_ = std::make_unique<ui::MouseCapture>(holder);
  } else {
    capture_.reset();
  }
}

void ToolbarView::RunChoice(const MenuChoice& choice) {
  TTBItem* item = bar_.ButtonItem(choice.button);
  if (choice.item >= 0) {
    const std::vector<TTBItem*> no_rows;
    const std::vector<TTBItem*>& rows = drop_down_ ? drop_down_->Rows() : no_rows;
    item = static_cast<std::size_t>(choice.item) < rows.size() ? rows[static_cast<std::size_t>(choice.item)]
                                                               : nullptr;
  }
  if (!item) return;
  if (!utility_) utility_ = new ToolbarUtilityWindow(Form());
  utility_->Runner().Choose(*item, choice.from_drop_down);
}

ToolbarView* ToolbarView::TrackingBar(HWND capture) {
  ui::Window* window = ui::Window::FromHandle(capture);
  auto* bar = dynamic_cast<ToolbarView*>(window);
  if (!bar) {
    if (auto* menu = dynamic_cast<DropDownView*>(window)) bar = dynamic_cast<ToolbarView*>(menu->Owner());
  }
  return bar && bar->tracker_.Tracking() ? bar : nullptr;
}

void RouteMenuKeys(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return;
  if (ToolbarView* bar = ToolbarView::TrackingBar(GetCapture())) {
    message.hwnd = bar->Handle();
    return;
  }
  // In menu mode with nothing open the bar holds no capture: its window's
  // keys are found through the window's key preview.
  const ui::FormWindow* form = ui::FormWindow::FromHandle(message.hwnd);
  auto* bar = form ? dynamic_cast<ToolbarView*>(form->Preview()) : nullptr;
  if (bar && bar->Handle() && bar->KeyboardMode().Active()) message.hwnd = bar->Handle();
}

// --- 4. Mouse and keys ---

bool ToolbarView::OnMouseMove(const ui::MouseInput& input) {
  POINT screen = input.at;
  ClientToScreen(Handle(), &screen);
  PointerMoved(screen);
  return true;
}

void ToolbarView::PointerMoved(POINT screen) {
  // The system also reports a "move" when a window appears under a resting
  // pointer; only a real move may switch menus (not undo a key's switch).
  if (last_move_ && last_move_->x == screen.x && last_move_->y == screen.y) return;
  last_move_ = screen;
  Apply(tracker_.PointerMove(PointerAt(screen)));
}

void ToolbarView::OnMouseLeave() {
  // In menu mode the pointer is followed through the capture.
  if (tracker_.CurrentState() != MenuTracker::State::kIdle) return;
  last_move_.reset();
  Apply(tracker_.PointerMove(MenuPointer::Elsewhere()));
}

bool ToolbarView::OnMouseDown(const ui::MouseInput& input) {
  if (input.button != ui::TMouseButton::mbLeft) return true;
  if (!tracker_.Tracking() && !WindowEnabled()) return true;
  const MenuPointer at = PointerAtClient(input.at);
  // A press on the bar's free space is not the menus' business: it drags the
  // bar, as its handle does.
  if (!tracker_.Tracking() && at.over != MenuPointer::Over::kButton) {
    POINT screen = input.at;
    ClientToScreen(Handle(), &screen);
    RunDockDrag(*this, screen);
    return true;
  }
  Apply(tracker_.PointerPress(at));
  return true;
}

bool ToolbarView::OnDblClick(const ui::MouseInput& input) {
  // The second press of a quick pair on a button is a press like the first.
  if (!tracker_.Tracking() && !WindowEnabled()) return true;
  const MenuPointer at = PointerAtClient(input.at);
  if (input.button != ui::TMouseButton::mbLeft) return DockableView::OnDblClick(input);
  if (!tracker_.Tracking() && at.over != MenuPointer::Over::kButton) {
    // On free space a double-click floats a docked bar.
    if (Docked()) FloatWindow(*this);
    return true;
  }
  Apply(tracker_.PointerPress(at));
  return true;
}

bool ToolbarView::OnMouseUp(const ui::MouseInput& input) {
  if (input.button != ui::TMouseButton::mbLeft || !tracker_.Tracking()) return DockableView::OnMouseUp(input);
  Apply(tracker_.PointerRelease(PointerAtClient(input.at)));
  return true;
}

void ToolbarView::DropDownPointer(MenuPointerAction action, POINT screen) {
  switch (action) {
    case MenuPointerAction::kMove:
      PointerMoved(screen);
      break;
    case MenuPointerAction::kPress:
      Apply(tracker_.PointerPress(PointerAt(screen)));
      break;
    case MenuPointerAction::kRelease:
      Apply(tracker_.PointerRelease(PointerAt(screen)));
      break;
  }
}

void ToolbarView::DropDownLost(HWND new_capture) {
  if (!IsOurs(new_capture) && tracker_.Tracking()) Apply(tracker_.Cancel());
}

void ToolbarView::OnCaptureChanged(HWND new_capture) {
  if (!IsOurs(new_capture) && tracker_.Tracking()) Apply(tracker_.Cancel());
}

void ToolbarView::OnCancelMode() {
  if (tracker_.Tracking()) Apply(tracker_.Cancel());
}

bool ToolbarView::OnKeyDown(WORD key, ui::TShiftState shift) {
  if (!tracker_.Tracking()) return false;
  if (key == VK_MENU || ui::HasShift(shift, ui::ssAlt)) {
    // Alt leaves the menus; the key itself is handled as usual.
    Apply(tracker_.Cancel());
    return false;
  }
  if (const std::optional<MenuKey> menu_key = TrackerKeyOf(MenuModeKeyOf(key, shift))) {
    Apply(tracker_.Key(*menu_key));
  }
  return true;
}

bool ToolbarView::OnKeyUp(WORD, ui::TShiftState) {
  return tracker_.Tracking();
}

bool ToolbarView::OnChar(char&) {
  return tracker_.Tracking() || mode_.Active();
}

LRESULT ToolbarView::OnGetDlgCode(LRESULT standard) {
  // While tracking, Tab and the arrows are the menus' keys, not the dialog's.
  const bool menus = tracker_.Tracking() || mode_.Active();
  return menus ? standard | DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB : standard;
}

// --- 5. The keyboard's menu mode ---

bool ToolbarView::PreviewKey(ui::ControlView&, const ui::KeyInput& key_input) {
  if (!Handle() || !WindowEnabled()) return false;
  const bool was_active = mode_.Active();
  const MenuModeKey key = MenuModeKeyOf(key_input.key, key_input.shift);
  const MenuModeEvents events = key_input.down ? mode_.KeyDown(key) : mode_.KeyUp(key);
  Apply(events.menu);
  if (!was_active && mode_.Active()) TellFocusedControlOfTheMenus();
  return events.taken;
}

void ToolbarView::TellFocusedControlOfTheMenus() {
  // As a click on the bar would: the focused control ends what it had open
  // (the name picker's list closes) and keeps the focus.
  ui::ControlView* focused = Form().ActiveView();
  if (!focused || focused == this) return;
  try {
    focused->OtherControlPressed(*this);
  } catch (...) {
    Form().Owner().ShowError(std::current_exception());
  }
}

void ToolbarView::PreviewPress(ui::ControlView&) {
  mode_.PointerPressed();
  Apply({});
}

void ToolbarView::PreviewDeactivated() {
  Apply(mode_.Deactivated().menu);
}

}  // namespace app
