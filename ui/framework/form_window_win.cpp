#include "ui/framework/form_window.h"

#include <algorithm>

#include "base/exception.h"
#include "ui/framework/caption_move.h"
#include "ui/framework/program_icon.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/view_factory.h"
#include "ui/framework/wide_text.h"
#include "ui/model/control_tree.h"

namespace ui {

namespace {

struct WindowStyles {
  DWORD style;
  DWORD ex_style;
};

WindowStyles StylesOf(const TForm& form) {
  WindowStyles s{WS_CLIPCHILDREN, 0};
  switch (form.border_style) {
    case TFormBorderStyle::bsNone:
      s.style |= WS_POPUP;
      return s;
    case TFormBorderStyle::bsSingle:
      s.style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
      s.style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      s.style |= WS_POPUP | WS_CAPTION;
      s.ex_style |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      s.style |= WS_CAPTION;
      s.ex_style |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      s.style |= WS_CAPTION | WS_THICKFRAME;
      s.ex_style |= WS_EX_TOOLWINDOW;
      break;
  }
  const bool plain_frame =
      form.border_style == TFormBorderStyle::bsSingle || form.border_style == TFormBorderStyle::bsSizeable;
  if (form.HasBorderIcon(biSystemMenu)) {
    s.style |= WS_SYSMENU;
    if (plain_frame && form.HasBorderIcon(biMinimize)) s.style |= WS_MINIMIZEBOX;
    if (plain_frame && form.HasBorderIcon(biMaximize)) s.style |= WS_MAXIMIZEBOX;
  }
  return s;
}

// Sends OwnerStateMessage() to the top-level windows of this thread that
// `owner` owns.
// The primary screen, as a rectangle.
RECT ScreenRect() {
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Where a window of `width` x `height` stands centred on `area`, never left
// of or above the screen's origin.
POINT CentredOn(const RECT& area, int width, int height) {
  return POINT{std::max(0L, area.left + (area.right - area.left - width) / 2),
               std::max(0L, area.top + (area.bottom - area.top - height) / 2)};
}

void TellOwnedWindows(HWND owner) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM owner_value) -> BOOL {
        if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner_value)) {
          SendMessageW(window, OwnerStateMessage(), 0, 0);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(owner));
}

}  // namespace

FormWindow::FormWindow(TForm& form, const ViewFactory& views, FormOwner& owner)
    : ControlView(form, *this),
      form_(form),
      views_factory_(views),
      owner_(owner),
      lengths_(form),
      stored_client_{form.client_width, form.client_height} {
  SetErrorSink(&owner_);
  // Laid out for the system's density first; a window that comes up on a
  // monitor of another one is laid out again for that, before its
  // controls have windows.
  lengths_.ScaleTo(DpiScale(SystemDpi()));
  CreateWindowIn(owner_.OwnerHandle(), true);
  if (const int dpi = WindowDpi(Handle()); dpi != lengths_.Applied().Dpi()) {
    lengths_.ScaleTo(DpiScale(dpi));
    const RECT outer = OuterRectAt(dpi);
    form_.width = outer.right - outer.left;
    form_.height = outer.bottom - outer.top;
    SetWindowPos(Handle(), nullptr, form_.left, form_.top, form_.width, form_.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  form_.visible = false;
  CreateViews(*this);
  creating_ = false;
  AlignTree(*this);
  owner_.FormCreated(Handle());
}

FormWindow::~FormWindow() {
  // The windows go first (children before the form), then the view objects.
  DestroyHandle();
}

RECT FormWindow::OuterRectAt(int dpi) const {
  // A stored client size wins over the outer size: the frame is whatever the
  // desktop's metrics make it at that density.
  if (form_.client_width > 0 && form_.client_height > 0) {
    const WindowStyles styles = StylesOf(form_);
    return WindowRectForClient(RECT{0, 0, form_.client_width, form_.client_height}, styles.style,
                               styles.ex_style, dpi);
  }
  return RECT{0, 0, form_.width, form_.height};
}

void FormWindow::CreateWindowIn(HWND parent, bool) {
  const WindowStyles styles = StylesOf(form_);
  const RECT outer = OuterRectAt(lengths_.Applied().Dpi());
  form_.width = outer.right - outer.left;
  form_.height = outer.bottom - outer.top;
  const std::wstring class_name = Wide(form_.ClassName());
  // A form is a top-level window: its class shows the program's icon.
  SetClassIcons(ProgramIcons());
  // A form centred on the screen is made where its first showing puts it,
  // so that showing it need not move its window again.
  POINT at{form_.left, form_.top};
  if (form_.position == TPosition::poScreenCenter || form_.position == TPosition::poDesktopCenter) {
    at = CentredOn(ScreenRect(), form_.width, form_.height);
  }
  if (!CreateHandle(class_name.c_str(), styles.ex_style, styles.style, Wide(form_.caption), at.x, at.y,
                    form_.width, form_.height, parent, CS_DBLCLKS)) {
    throw base::Exception("Cannot create the window " + form_.Name());
  }
}

void FormWindow::CreateViews(ControlView& parent) {
  for (TControl* control : ChildControls(form_, &parent.Control())) {
    std::unique_ptr<ControlView> view = views_factory_.Create(*control, *this);
    view->SetErrorSink(&owner_);
    view->Create(&parent);
    ControlView& created = *view;
    views_.push_back(std::move(view));
    CreateViews(created);
  }
}

ControlView& FormWindow::CreateViewFor(TControl& control) {
  if (ControlView* existing = ViewOf(control)) return *existing;
  ControlView* parent = control.Parent() ? ViewOf(*control.Parent()) : nullptr;
  std::unique_ptr<ControlView> view = views_factory_.Create(control, *this);
  view->SetErrorSink(&owner_);
  view->Create(parent);
  ControlView& created = *view;
  views_.push_back(std::move(view));
  CreateViews(created);
  AlignTree(created);
  return created;
}

void FormWindow::AlignTree(ControlView& view) {
  view.AlignChildren();
  for (ControlView* child : view.Children()) AlignTree(*child);
}

FormWindow* FormWindow::FromHandle(HWND window) {
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
    if (auto* view = dynamic_cast<ControlView*>(Window::FromHandle(w))) return &view->Form();
    if (w == GetDesktopWindow()) break;
  }
  return nullptr;
}

ControlView* FormWindow::ViewOf(const TControl& control) const {
  if (&control == &form_) return const_cast<FormWindow*>(this);
  for (const auto& view : views_) {
    if (&view->Control() == &control) return view.get();
  }
  return nullptr;
}

ControlView* FormWindow::ViewNamed(std::string_view name) const {
  for (const auto& view : views_) {
    if (base::SameNameIgnoringAsciiCase(view->Control().Name(), name)) return view.get();
  }
  return nullptr;
}

void FormWindow::PlaceForFirstShowing() {
  RECT centre_on = ScreenRect();
  const auto window_rect_of = [&centre_on](HWND window) {
    if (window) GetWindowRect(window, &centre_on);
    return window != nullptr;
  };
  switch (form_.position) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      break;
    case TPosition::poMainFormCenter:
      if (owner_.MainWindow() == Handle() || !window_rect_of(owner_.MainWindow())) return;
      break;
    case TPosition::poOwnerFormCenter: {
      const auto* owner_form = dynamic_cast<const TForm*>(form_.Owner());
      const auto* host = owner_form ? dynamic_cast<const FormWindow*>(owner_form->Host()) : nullptr;
      const HWND centre = host ? host->Handle() : owner_.MainWindow();
      if (centre == Handle() || !window_rect_of(centre)) return;
      break;
    }
    default:
      return;
  }
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const POINT at = CentredOn(centre_on, outer.right - outer.left, outer.bottom - outer.top);
  form_.left = at.x;
  form_.top = at.y;
  // A window made in its place already is not moved again.
  if (at.x == outer.left && at.y == outer.top) return;
  SetWindowPos(Handle(), nullptr, form_.left, form_.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
  if (!shown_before_) {
    shown_before_ = true;
    PlaceForFirstShowing();
  }
  form_.visible = true;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
}

void FormWindow::Hide() {
  form_.visible = false;
  ShowWindow(Handle(), SW_HIDE);
  // A control under the pointer (the About window's close mark) hears it
  // left: shown again, it is not still lit.
  PointerGoneFrom(*this);
}

void FormWindow::Close() {
  // A form has no check of its own before closing: it always may close.
  if (owner_.IsMainWindow(Handle())) {
    owner_.MainWindowClosed();
  } else {
    Hide();
  }
}

void FormWindow::StartMoveByCaption() {
  MoveByCaption(Handle());
}

void FormWindow::FocusEntered(ControlView& view) {
  if (&view == this || &view == active_) return;
  ControlView* left = active_;
  active_ = &view;
  if (left) left->Exited();
  // The control that lost the focus may have taken it back meanwhile.
  if (active_ == &view) view.Entered();
}

void FormWindow::ControlPressed(ControlView& view) {
  if (key_preview_) key_preview_->PreviewPress(view);
  if (!active_ || active_ == &view) return;
  try {
    active_->OtherControlPressed(view);
  } catch (...) {
    owner_.ShowError(std::current_exception());
  }
}

void FormWindow::FocusFirstControl() {
  // The control that had the focus gets it back while it is still in this
  // window; one that moved to a window of its own (a floating frame) does
  // not, since focusing it would activate that window instead of this one.
  if (active_ && active_->Handle() && &active_->RootView() == this && IsWindowVisible(active_->Handle()) &&
      IsWindowEnabled(active_->Handle())) {
    SetFocus(active_->Handle());
    return;
  }
  active_ = nullptr;
  SelectNext(true);
  // With no control to take it, the window keeps the keyboard itself.
  if (!active_ && GetFocus() != Handle()) SetFocus(Handle());
}

void FormWindow::SelectNext(bool forward, ControlView* from) {
  if (!from) from = active_;
  // The controls of the top-level window `from` is in: the form's own, or
  // those of a window a control moved to.
  const TControl* top = from ? &from->RootView().Control() : &form_;
  auto* current = from ? dynamic_cast<TWinControl*>(&from->Control()) : nullptr;
  TWinControl* next = NextTabStop(TabOrderList(form_, top), current, forward);
  if (!next) return;
  if (ControlView* view = ViewOf(*next)) SetFocus(view->Handle());
}

void FormWindow::ControlVisibilityChanged(ControlView& view) {
  // A control that holds the focus gives it on when it is hidden or moves
  // out of this window (into a floating frame, say): the focus stays in the
  // window the user works in.
  if (!active_) return;
  bool holds_focus = false;
  for (ControlView* v = active_; v; v = v->ParentView()) holds_focus = holds_focus || v == &view;
  if (!holds_focus) return;
  if (!view.Control().visible || &active_->RootView() != this) SelectNext(true, this);
}

void FormWindow::OnSetFocus() {
  // The window itself never keeps the focus while a control can take it.
  FocusFirstControl();
}

void FormWindow::OnCloseRequest() {
  Close();
}

void FormWindow::TellChildWindows(UINT message, WPARAM wparam, LPARAM lparam) const {
  // Only top-level windows hear of colour and setting changes; the controls
  // that draw in system colours and fonts (the status bar) hear it from here.
  struct Notice {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  } notice{message, wparam, lparam};
  EnumChildWindows(
      Handle(),
      [](HWND child, LPARAM data) -> BOOL {
        const auto* n = reinterpret_cast<const Notice*>(data);
        SendMessageW(child, n->message, n->wparam, n->lparam);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&notice));
}

void FormWindow::OnWindowPosChanged(const WINDOWPOS& place) {
  // Shown, hidden or resized: the windows that go with this one follow.
  if ((place.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 || (place.flags & SWP_NOSIZE) == 0) {
    TellOwnedWindows(Handle());
  }
}

bool FormWindow::OnActivate(bool active, bool minimized) {
  if (!active && key_preview_) key_preview_->PreviewDeactivated();
  if (!active || minimized) return false;
  FocusFirstControl();
  return true;
}

bool FormWindow::ChangeDensity(int dpi, const RECT& outer) {
  if (!DpiScale::Plausible(dpi) || IsRectEmpty(&outer) || !MonitorFromRect(&outer, MONITOR_DEFAULTTONULL)) {
    return false;
  }
  lengths_.ScaleTo(DpiScale(dpi));
  OnDensityChanged();
  for (const auto& view : views_) view->OnDensityChanged();
  form_.left = outer.left;
  form_.top = outer.top;
  form_.width = outer.right - outer.left;
  form_.height = outer.bottom - outer.top;
  SetWindowPos(Handle(), nullptr, form_.left, form_.top, form_.width, form_.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The size may be the one the window had: the controls are placed anew
  // whether or not a WM_SIZE came.
  AlignTree(*this);
  // The scaling wrote the lengths without telling the views, and a layout
  // that then finds a control's place equal to the one written moves
  // nothing (a dock's windows): every window goes where its control says.
  for (const auto& view : views_) view->ApplyBounds();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

bool FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  // Handled even when refused: the system's answer would resize the window
  // to a rectangle that was found wrong.
  ChangeDensity(dpi, suggested);
  return true;
}

bool FormWindow::OnDpiScaledSize(int dpi, SIZE& size) {
  if (!DpiScale::Plausible(dpi) || stored_client_.width <= 0 || stored_client_.height <= 0) return false;
  // The stored client size at the new density, not the present one
  // stretched, so the suggested rectangle that follows fits it exactly;
  // unless the user resized the window since.
  RECT client;
  GetClientRect(Handle(), &client);
  const base::Size now{client.right, client.bottom};
  const DpiScale to(dpi), from = lengths_.Applied();
  const base::Size wanted =
      now == from.Scale(stored_client_)
          ? to.Scale(stored_client_)
          : base::Size{MulDiv(now.width, dpi, from.Dpi()), MulDiv(now.height, dpi, from.Dpi())};
  const WindowStyles styles = StylesOf(form_);
  const RECT outer =
      WindowRectForClient(RECT{0, 0, wanted.width, wanted.height}, styles.style, styles.ex_style, dpi);
  size = SIZE{outer.right - outer.left, outer.bottom - outer.top};
  return true;
}

void FormWindow::SystemChanged(UINT message, WPARAM wparam, LPARAM lparam) {
  // The views hear it wherever their windows are (a floating toolbar's is
  // inside a frame of its own); the child windows hear it as well.
  const bool colors = message == WM_SYSCOLORCHANGE || wparam == SPI_SETHIGHCONTRAST;
  for (const auto& view : views_) {
    if (message != WM_SYSCOLORCHANGE) view->OnSettingsChanged();
    if (colors) view->OnSystemColorsChanged();
  }
  TellChildWindows(message, wparam, lparam);
  if (colors) RepaintAll();
}

void FormWindow::RepaintAll() const {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM target) -> BOOL {
        if (FormWindow::FromHandle(window) == reinterpret_cast<const FormWindow*>(target)) {
          RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
}

UINT OwnerStateMessage() {
  static const UINT message = RegisterWindowMessageW(L"Phonebook.OwnerStateChanged");
  return message;
}

bool HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  auto* view = dynamic_cast<ControlView*>(Window::FromHandle(message.hwnd));
  if (!view) return false;
  const LRESULT wants = SendMessageW(message.hwnd, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&message));
  if (wants & DLGC_WANTTAB) return false;
  const bool forward = GetKeyState(VK_SHIFT) >= 0;
  // A window with a focus of its own among its parts moves that one.
  if (view->Form().Model().KeyPressed(forward ? FormKey::kTab : FormKey::kShiftTab)) return true;
  view->Form().SelectNext(forward, view);
  return true;
}

}  // namespace ui
