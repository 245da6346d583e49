#include "app/window_menu/window_menu_view.h"

#include <vector>

#include "app/docking/dock_drag.h"
#include "app/docking/floating_window_view.h"
#include "app/docking/tb_tool_window.h"
#include "app/toolbar/toolbar_measure.h"
#include "app/toolbar/toolbar_view.h"
#include "text/literal.h"

namespace app {

namespace {

constexpr auto kMove = text::Cp1251(u8"Переместить");
constexpr auto kSize = text::Cp1251(u8"Размер");
constexpr auto kFloat = text::Cp1251(u8"Открепить");
constexpr auto kDock = text::Cp1251(u8"Закрепить");
constexpr auto kHide = text::Cp1251(u8"Скрыть");

bool IsMinus(WORD key) {
  return key == VK_OEM_MINUS || key == VK_SUBTRACT;
}

WindowMenuKey MenuKeyOf(WORD key) {
  switch (key) {
    case VK_UP:
      return WindowMenuKey::kUp;
    case VK_DOWN:
      return WindowMenuKey::kDown;
    case VK_LEFT:
      return WindowMenuKey::kLeft;
    case VK_RIGHT:
      return WindowMenuKey::kRight;
    case VK_RETURN:
      return WindowMenuKey::kEnter;
    case VK_ESCAPE:
      return WindowMenuKey::kEsc;
    default:
      return WindowMenuKey::kOther;
  }
}

Rect ScreenRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

WindowMenuView::~WindowMenuView() {
  End();
}

ui::FormWindow* WindowMenuView::MainForm() const {
  return ui::FormWindow::FromHandle(owner_.MainWindow());
}

DropDownView* WindowMenuView::DropDown() const {
  ui::FormWindow* main = MainForm();
  return drop_down_ && main ? dynamic_cast<DropDownView*>(main->ViewOf(*drop_down_)) : nullptr;
}

bool WindowMenuView::Route(const MSG& message) {
  const UINT kind = message.message;
  if (kind < WM_KEYFIRST || kind > WM_KEYLAST) return false;
  const auto key = static_cast<WORD>(message.wParam);
  const bool down = kind == WM_KEYDOWN || kind == WM_SYSKEYDOWN;
  const bool first_press = (message.lParam & (1L << 30)) == 0;
  if (kind == WM_SYSKEYDOWN && key == VK_MENU && first_press) {
    // The toolbar's keyboard mode ends as Alt goes down: whether it was on
    // decides whose menu a following minus opens.
    ui::FormWindow* main = MainForm();
    const auto* bar = main ? dynamic_cast<const ToolbarView*>(main->Preview()) : nullptr;
    alt_in_menu_mode_ = bar && bar->KeyboardMode().Active();
  }
  if (down && IsMinus(key) && GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0) {
    if (first_press) OpenOrClose();
    swallow_alt_up_ = true;
    return true;
  }
  if (!down && key == VK_MENU && swallow_alt_up_) {
    swallow_alt_up_ = false;
    return true;
  }
  if (!Active()) return false;
  if (kind == WM_SYSKEYDOWN && key != VK_MENU) {
    // Alt with another key (Alt+F4, Alt+Tab) ends what the keys were doing
    // as Esc would, and goes on as usual.
    menu_->Interrupted();
    Apply({});
    return false;
  }
  // Every other key is the menu's: a press acts, releases and characters
  // are swallowed.
  if (down) Apply(menu_->Key(MenuKeyOf(key)));
  return true;
}

bool WindowMenuView::OpenOrClose() {
  if (Active()) {
    Apply(menu_->Key(WindowMenuKey::kAltMinus));
    return true;
  }
  ui::FormWindow* main = MainForm();
  DockableView* view = main ? TargetFor(*main) : nullptr;
  alt_in_menu_mode_ = false;
  if (!view) return false;
  // The bar's mode forgets the Alt it saw go down, as a press would make it.
  if (auto* bar = dynamic_cast<ToolbarView*>(main->Preview())) bar->KeyboardMode().PointerPressed();
  menu_.reset();
  target_.emplace(*view);
  menu_.emplace(*target_);
  Apply(menu_->Key(WindowMenuKey::kAltMinus));
  return true;
}

DockableView* WindowMenuView::TargetFor(ui::FormWindow& main) const {
  if (alt_in_menu_mode_) {
    if (auto* bar = dynamic_cast<DockableView*>(main.Preview()); bar && bar->Dockable().visible) return bar;
  }
  // The result window: the main window's first tool window, while shown.
  for (base::TComponent* component : main.Model().Components()) {
    auto* tool = dynamic_cast<TTBToolWindow*>(component);
    if (!tool) continue;
    auto* view = dynamic_cast<DockableView*>(main.ViewOf(*tool));
    return view && tool->visible ? view : nullptr;
  }
  return nullptr;
}

void WindowMenuView::Apply(const WindowMenuEvents& events) {
  if (!menu_) return;
  DropDownView* drop_down = DropDown();
  if (menu_->CurrentState() == WindowMenu::State::kMenu) {
    if (!drop_down || !drop_down->IsOpen()) OpenDropDown();
    if ((drop_down = DropDown())) drop_down->SetHighlighted(menu_->Highlighted());
  } else if (drop_down && drop_down->IsOpen()) {
    drop_down->Close();
  }
  // The drop-down's window holds the capture while anything is going on,
  // shown or not, so a press anywhere reaches this view.
  drop_down = DropDown();
  if (menu_->Active() && drop_down && drop_down->Handle()) {
    if (!capture_ || GetCapture() != drop_down->Handle()) {
      capture_ = std::make_unique<ui::MouseCapture>(drop_down->Handle());
    }
  } else {
    capture_.reset();
  }
  // A command runs once the drop-down has closed and the capture is back.
  if (events.chosen) {
    menu_->Run(*events.chosen);
    Apply({});
  }
}

void WindowMenuView::OpenDropDown() {
  ui::FormWindow* main = MainForm();
  if (!main || !target_) return;
  if (!drop_down_) {
    drop_down_ = new TTBDropDownWindow(&main->Model(), main->Model());
    main->CreateViewFor(*drop_down_);
    opener_ = new TTBItem(&main->Model());
    for (TTBItem*& row : rows_) {
      row = new TTBItem(&main->Model());
      row->SetParentComponent(opener_);
    }
  }
  DropDownView* view = DropDown();
  if (!view) return;
  view->SetOwner(this);
  const std::string_view captions[kWindowCommandCount] = {
      kMove.view(), kSize.view(), menu_->OpenedFloating() ? kDock.view() : kFloat.view(), kHide.view()};
  for (int i = 0; i < kWindowCommandCount; ++i) rows_[static_cast<std::size_t>(i)]->caption = captions[i];
  DockableView& window = target_->View();
  // Readers hear the menu named by its window.
  opener_->caption = window.Dockable().caption;
  const ui::DpiScale scale = window.WindowScale();
  font_.Reset(CreateMenuFont(scale));
  // Below the floating caption bar, or over the docked window's top left.
  Rect at = ScreenRectOf(window.Handle());
  at.bottom = at.top;
  if (window.Dockable().Floating()) {
    const FloatingWindowView& frame = FloatingFrameViewFor(window);
    const Rect outer = ScreenRectOf(frame.Handle());
    const Rect bar = frame.Geometry().CaptionBar(outer.Extent());
    at = Rect{outer.left + bar.left, outer.top + bar.top, outer.left + bar.right, outer.top + bar.bottom};
  }
  view->Open(std::vector<TTBItem*>(rows_.begin(), rows_.end()), font_.Get(), scale,
             RECT{at.left, at.top, at.right, at.bottom}, true);
}

void WindowMenuView::DropDownPointer(MenuPointerAction action, POINT screen) {
  if (!Active()) return;
  if (menu_->CurrentState() != WindowMenu::State::kMenu) {
    // A press anywhere while the arrows move or size a window.
    if (action == MenuPointerAction::kPress) {
      menu_->Interrupted();
      Apply({});
    }
    return;
  }
  const DropDownView* view = DropDown();
  const int row = view ? view->RowAt(screen) : -1;
  const MenuPointer at = row >= 0 ? MenuPointer::Item(row) : MenuPointer::Elsewhere();
  const WindowMenuPointer what = action == MenuPointerAction::kMove    ? WindowMenuPointer::kMove
                                 : action == MenuPointerAction::kPress ? WindowMenuPointer::kPress
                                                                       : WindowMenuPointer::kRelease;
  Apply(menu_->Pointer(what, at));
}

void WindowMenuView::DropDownLost(HWND new_capture) {
  const DropDownView* view = DropDown();
  if (!Active() || (view && new_capture == view->Handle())) return;
  menu_->Interrupted();
  Apply({});
}

void WindowMenuView::DropDownChoose(int row) {
  if (menu_ && menu_->CurrentState() == WindowMenu::State::kMenu) {
    Apply(menu_->Pointer(WindowMenuPointer::kRelease, MenuPointer::Item(row)));
  }
}

void WindowMenuView::End() {
  if (Active()) {
    menu_->Interrupted();
    Apply({});
  }
  capture_.reset();
}

}  // namespace app
