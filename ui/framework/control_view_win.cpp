// The view base. Sections:
//   1. creation, the tree of views, re-creation and re-parenting
//   2. layout, colours and fonts
//   3. live properties (ControlPeer::Changed)
//   4. the message switch
//   5. mouse: buttons, clicks, enter and leave, the cursor
#include "ui/framework/control_view.h"

#include <algorithm>
#include <utility>

#include "base/exception.h"
#include "ui/framework/accessible_object_win.h"
#include "ui/framework/color_scheme.h"
#include "ui/framework/form_window.h"
#include "ui/framework/wide_text.h"
#include "ui/model/align_layout.h"
#include "ui/model/control_accessible.h"

namespace ui {

namespace {

// The view of this thread the pointer is over: OnMouseEnter raised,
// OnMouseLeave not yet. At most one.
thread_local ControlView* hovered = nullptr;

// WM_GETDPISCALEDSIZE: sent by systems newer than the one the headers are
// set to (the program still runs on Windows 7, which never sends it).
constexpr UINT kGetDpiScaledSize = 0x02E4;

POINT PointOf(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// The system cursor of a stored cursor value; values outside the table show
// the arrow.
LPCWSTR SystemCursorOf(TCursor cursor) {
  switch (cursor) {
    case crCross:
      return IDC_CROSS;
    case crIBeam:
      return IDC_IBEAM;
    case crSizeNESW:
      return IDC_SIZENESW;
    case crSizeNS:
      return IDC_SIZENS;
    case crSizeNWSE:
      return IDC_SIZENWSE;
    case crSizeWE:
      return IDC_SIZEWE;
    case crUpArrow:
      return IDC_UPARROW;
    case crHourGlass:
      return IDC_WAIT;
    case crNo:
      return IDC_NO;
    case crAppStart:
      return IDC_APPSTARTING;
    case crHelp:
      return IDC_HELP;
    case crHandPoint:
      return IDC_HAND;
    case crSizeAll:
      return IDC_SIZEALL;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

UINT AlignmentFormat(TAlignment alignment) {
  static_assert(DT_LEFT == ES_LEFT && DT_RIGHT == ES_RIGHT && DT_CENTER == ES_CENTER);
  switch (alignment) {
    case TAlignment::taCenter:
      return DT_CENTER;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taLeftJustify:
      break;
  }
  return DT_LEFT;
}

TShiftState MouseShiftState(WPARAM wparam) {
  TShiftState state = 0;
  if (wparam & MK_SHIFT) state |= 1u << ssShift;
  if (wparam & MK_CONTROL) state |= 1u << ssCtrl;
  if (wparam & MK_LBUTTON) state |= 1u << ssLeft;
  if (wparam & MK_RBUTTON) state |= 1u << ssRight;
  if (wparam & MK_MBUTTON) state |= 1u << ssMiddle;
  if (GetKeyState(VK_MENU) < 0) state |= 1u << ssAlt;
  return state;
}

TShiftState KeyboardShiftState() {
  TShiftState state = 0;
  if (GetKeyState(VK_SHIFT) < 0) state |= 1u << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) state |= 1u << ssCtrl;
  if (GetKeyState(VK_MENU) < 0) state |= 1u << ssAlt;
  return state;
}

// --- 1. Creation, the tree of views, re-creation and re-parenting ---

ControlView::ControlView(TControl& control, FormWindow& form) : control_(control), form_(form) {
  control_.SetPeer(this);
}

ControlView::~ControlView() {
  DisconnectAccessible();
  if (hovered == this) hovered = nullptr;
  control_.SetPeer(nullptr);
  DestroyHandle();
}

void ControlView::Create(ControlView* parent) {
  parent_view_ = parent;
  CreateWindowIn(parent ? parent->Handle() : form_.Handle(), parent == nullptr);
  if (parent) parent->children_.push_back(this);
}

void ControlView::CreateControlWindow(HWND parent, bool top_level, const wchar_t* class_name, DWORD ex_style,
                                      DWORD style, const std::wstring& text, const wchar_t* base_class,
                                      UINT class_style) {
  style |= (top_level ? WS_POPUP : WS_CHILD) | WS_CLIPSIBLINGS;
  if (control_.visible) style |= WS_VISIBLE;
  if (!control_.enabled) style |= WS_DISABLED;
  if (!CreateHandle(class_name, ex_style, style, text, control_.left, control_.top, control_.width,
                    control_.height, parent, CS_DBLCLKS | class_style, base_class)) {
    throw base::Exception("Cannot create the window of " + control_.Name());
  }
}

ControlView& ControlView::RootView() {
  ControlView* view = this;
  while (view->parent_view_) view = view->parent_view_;
  return *view;
}

void ControlView::RecreateHandle() {
  if (!Handle()) return;
  const HWND focus = GetFocus();
  const bool had_focus = focus && (focus == Handle() || IsChild(Handle(), focus));
  const HWND parent = parent_view_ ? parent_view_->Handle() : form_.Handle();
  // Destroying the window destroys the children's windows as well; each is
  // made again in the new one, in the order they were made first.
  DestroyHandle();
  CreateWindowIn(parent, parent_view_ == nullptr);
  std::vector<ControlView*> pending = children_;
  for (std::size_t i = 0; i < pending.size(); ++i) {
    ControlView* child = pending[i];
    child->CreateWindowIn(child->parent_view_->Handle(), false);
    pending.insert(pending.end(), child->children_.begin(), child->children_.end());
  }
  AlignChildren();
  if (had_focus) SetFocus(Handle());
}

void ControlView::MoveToParent() {
  TControl* parent_control = control_.Parent();
  ControlView* new_parent = parent_control ? form_.ViewOf(*parent_control) : nullptr;
  if (new_parent == parent_view_ || !Handle()) return;
  ControlView* old_parent = parent_view_;
  if (old_parent) std::erase(old_parent->children_, this);
  parent_view_ = new_parent;
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  if (new_parent) {
    // A child again: WS_CHILD before SetParent, as the system asks.
    style = (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD;
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    SetParent(Handle(), new_parent->Handle());
    new_parent->children_.push_back(this);
  } else {
    // A top-level window owned by the form's window.
    SetParent(Handle(), nullptr);
    style = (style & ~static_cast<LONG_PTR>(WS_CHILD)) | WS_POPUP;
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(form_.Handle()));
  }
  SetWindowPos(Handle(), nullptr, control_.left, control_.top, control_.width, control_.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (old_parent) old_parent->AlignChildren();
  if (new_parent) new_parent->AlignChildren();
  form_.ControlVisibilityChanged(*this);
}

// --- 2. Layout, colours and fonts ---

void ControlView::ApplyBounds() {
  if (!Handle()) return;
  RECT now;
  GetWindowRect(Handle(), &now);
  if (HWND parent = GetParent(Handle()); parent && (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
  }
  if (now.left == control_.left && now.top == control_.top && now.right - now.left == control_.width &&
      now.bottom - now.top == control_.height) {
    return;
  }
  MoveWindow(Handle(), control_.left, control_.top, control_.width, control_.height, TRUE);
}

void ControlView::AlignChildren() {
  if (!Handle() || Form().Creating()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  std::vector<TControl*> controls;
  controls.reserve(children_.size());
  for (ControlView* child : children_) controls.push_back(&child->Control());
  AlignControls(controls, client.right, client.bottom);
  for (ControlView* child : children_) child->ApplyBounds();
}

void ControlView::ApplyFont() {
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
}

HFONT ControlView::FontHandle() {
  if (!font_.Get()) font_.Reset(CreateFontHandle(control_.EffectiveFont()));
  return font_.Get();
}

DpiScale ControlView::WindowScale() const {
  return parent_view_ ? parent_view_->WindowScale() : form_.WindowScale();
}

void ControlView::OnDensityChanged() {
  if (!Handle()) return;
  font_.Reset();
  if (BuiltOnSystemClass()) ApplyFont();
  InvalidateRect(Handle(), nullptr, TRUE);
}

DrawColors ControlView::SchemeColors() const {
  return SchemeColors(BackgroundColor(), control_.EffectiveFont().color, PairFor(control_));
}

DrawColors ControlView::SchemeColors(TColor back, TColor text, SchemePair pair) const {
  return ColorsToDraw(back, text, pair, CurrentColorScheme(control_));
}

HBRUSH ControlView::ControlColors(HDC dc) {
  const DrawColors colors = SchemeColors();
  SetTextColor(dc, colors.text);
  SetBkColor(dc, colors.back);
  return background_.For(static_cast<TColor>(colors.back));
}

void ControlView::DrawCaption(HDC dc, const std::string& text, RECT& area, UINT format) {
  SelectedObject font(dc, FontHandle());
  SetTextColor(dc, SchemeColors().text);
  SetBkMode(dc, TRANSPARENT);
  const std::wstring wide = Wide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

bool ControlView::OnEraseBackground(HDC dc) {
  if (BuiltOnSystemClass()) return false;
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, background_.For(static_cast<TColor>(SchemeColors().back)));
  return true;
}

// --- 3. Live properties ---

void ControlView::Changed(ControlChange what) {
  if (!Handle()) return;
  switch (what) {
    case ControlChange::kBounds:
      // An aligned control's place comes from its parent's layout.
      if (parent_view_ && control_.align != TAlign::alNone) {
        parent_view_->AlignChildren();
      } else {
        ApplyBounds();
      }
      break;
    case ControlChange::kVisible:
      ShowWindow(Handle(), control_.visible ? SW_SHOWNA : SW_HIDE);
      if (parent_view_) parent_view_->AlignChildren();
      form_.ControlVisibilityChanged(*this);
      break;
    case ControlChange::kEnabled:
      EnableWindow(Handle(), control_.enabled);
      break;
    case ControlChange::kColor:
      InvalidateRect(Handle(), nullptr, TRUE);
      // Children that take this colour show it too.
      for (ControlView* child : children_) {
        if (child->control_.parent_color) child->Changed(ControlChange::kColor);
      }
      break;
    case ControlChange::kFont:
      font_.Reset();
      if (BuiltOnSystemClass()) ApplyFont();
      InvalidateRect(Handle(), nullptr, TRUE);
      for (ControlView* child : children_) {
        if (child->control_.parent_font) child->Changed(ControlChange::kFont);
      }
      break;
    case ControlChange::kText:
      // Own-drawn views show the caption; views built on a system class
      // keep their text in the control (OnChanged).
      if (!BuiltOnSystemClass()) {
        SetWindowTextW(Handle(), Wide(control_.caption).c_str());
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      break;
    case ControlChange::kAlignment:
      InvalidateRect(Handle(), nullptr, TRUE);
      break;
    case ControlChange::kCursor: {
      // The pointer resting on the control takes the new shape at once.
      POINT at;
      if (GetCursorPos(&at) && WindowFromPoint(at) == Handle()) {
        SendMessageW(Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      }
      break;
    }
    case ControlChange::kParent:
      MoveToParent();
      break;
    case ControlChange::kFocusMark:
      break;  // the kinds that show one say how (a label)
  }
  OnChanged(what);
}

// --- 4. The message switch ---

LRESULT ControlView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      if (!PaintsItself()) break;
      {
        PaintDC paint(Handle());
        OnPaint(paint.Get());
      }
      return 0;
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wparam))) return 1;
      break;
    case WM_SIZE: {
      const LRESULT result = DefaultHandling(message, wparam, lparam);
      AlignChildren();
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      MouseButtonDown(message, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      MouseButtonUp(message, wparam, lparam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMoved(wparam, lparam);
      return 0;
    case WM_MOUSELEAVE:
      PointerLeftWindow();
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      // The window's key preview (the menu bar) before the view.
      const KeyInput key_input{static_cast<WORD>(wparam), true, KeyboardShiftState()};
      if (form_.PreviewKey(*this, key_input)) return 0;
      if (OnKeyDown(key_input.key, key_input.shift)) return 0;
      // An Esc the control left is the window's (the About window hides).
      if (message == WM_KEYDOWN && key_input.key == VK_ESCAPE && key_input.shift == 0 &&
          form_.Model().EscapePressed()) {
        return 0;
      }
      // So are Enter and Space (the About window's focused link acts).
      if (message == WM_KEYDOWN && key_input.shift == 0 &&
          (key_input.key == VK_RETURN || key_input.key == VK_SPACE) &&
          form_.Model().KeyPressed(key_input.key == VK_RETURN ? FormKey::kEnter : FormKey::kSpace)) {
        return 0;
      }
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const KeyInput key_input{static_cast<WORD>(wparam), false, KeyboardShiftState()};
      if (form_.PreviewKey(*this, key_input)) return 0;
      if (OnKeyUp(key_input.key, key_input.shift)) return 0;
      break;
    }
    case WM_CHAR: {
      const wchar_t typed[] = {static_cast<wchar_t>(wparam), L'\0'};
      std::string key = Narrow(typed);
      if (key.size() != 1) break;
      if (OnChar(key[0])) return 0;
      if (key[0] == '\0') return 0;  // swallowed by a handler
      return DefaultHandling(message, static_cast<WPARAM>(Wide(key)[0]), lparam);
    }
    case WM_SETFOCUS:
      form_.FocusEntered(*this);
      OnSetFocus();
      NotifyAccessible(EVENT_OBJECT_FOCUS);
      // A window that keeps a focus of its own among parts that take none
      // (the About window's links) tells readers which part has it.
      if (&control_ == &form_.Model()) {
        if (const TControl* held = form_.Model().HeldFocus()) {
          if (const ControlView* view = form_.ViewOf(*held)) view->NotifyAccessible(EVENT_OBJECT_FOCUS);
        }
      }
      break;
    case WM_KILLFOCUS:
      OnKillFocus(reinterpret_cast<HWND>(wparam));
      break;
    case WM_CAPTURECHANGED:
      // Taking the capture again while holding it is no loss.
      if (reinterpret_cast<HWND>(lparam) == Handle()) break;
      clicked_ = false;
      captured_for_click_ = false;
      OnCaptureChanged(reinterpret_cast<HWND>(lparam));
      break;
    case WM_CANCELMODE:
      clicked_ = false;
      if (captured_for_click_ && GetCapture() == Handle()) ReleaseCapture();
      captured_for_click_ = false;
      OnCancelMode();
      break;
    case WM_TIMER:
      if (OnTimer(static_cast<UINT_PTR>(wparam))) return 0;
      break;
    case WM_SETCURSOR:
      if (SetControlCursor(reinterpret_cast<HWND>(wparam), LOWORD(lparam))) return TRUE;
      break;
    case WM_GETDLGCODE:
      return OnGetDlgCodeFor(DefaultHandling(message, wparam, lparam), reinterpret_cast<const MSG*>(lparam));
    case WM_NCCALCSIZE:
      if (OnNcCalcSize(*reinterpret_cast<RECT*>(lparam))) return 0;
      break;
    case WM_NCPAINT:
      if (OnNcPaint()) return 0;
      break;
    case WM_NCHITTEST: {
      LRESULT result = HTNOWHERE;
      if (OnNcHitTest(PointOf(lparam), result)) return result;
      break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      form_.ControlPressed(*this);
      MouseInput input;
      input.button = message == WM_NCRBUTTONDOWN   ? TMouseButton::mbRight
                     : message == WM_NCMBUTTONDOWN ? TMouseButton::mbMiddle
                                                   : TMouseButton::mbLeft;
      input.shift = KeyboardShiftState();
      const POINT screen = PointOf(lparam);
      input.at = screen;
      ScreenToClient(Handle(), &input.at);
      const auto hit = static_cast<LRESULT>(wparam);
      const bool handled = message == WM_NCLBUTTONDBLCLK ? OnNcDblClick(input, hit, screen)
                                                         : OnNcMouseDown(input, hit, screen);
      if (handled) return 0;
      break;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (ShowsOwnText()) return AnswerText(message, wparam, lparam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      auto* child = dynamic_cast<ControlView*>(Window::FromHandle(reinterpret_cast<HWND>(lparam)));
      if (HBRUSH brush = child ? child->ControlColors(reinterpret_cast<HDC>(wparam)) : nullptr) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    }
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_NCMOUSEMOVE:
      if (OnNcMouseMove(static_cast<LRESULT>(wparam), PointOf(lparam))) return 0;
      break;
    case WM_NCMOUSELEAVE:
      nc_leave_tracked_ = false;
      if (OnNcMouseLeave()) return 0;
      break;
    case WM_MOUSEACTIVATE:
      if (!ActivatesOnClick()) return MA_NOACTIVATE;
      break;
    case WM_ACTIVATE:
      if (OnActivate(LOWORD(wparam) != WA_INACTIVE, HIWORD(wparam) != 0)) return 0;
      break;
    case WM_NCACTIVATE:
      if (OnNcActivate(wparam != FALSE)) return TRUE;
      break;
    case WM_ACTIVATEAPP:
      if (OnActivateApp(wparam != FALSE)) return 0;
      break;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lparam));
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // Only top-level windows hear of these, floating frames as well as the
      // form's window: the form's window tells every view once.
      if (Handle() == form_.Handle()) form_.SystemChanged(message, wparam, lparam);
      break;
    case WM_THEMECHANGED:
      OnThemeChanged();
      break;
    case WM_DPICHANGED:
      // A message without its suggested rectangle (sent by another program)
      // is dropped: the system always gives one.
      if (lparam == 0) return 0;
      if (OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam))) return 0;
      break;
    case kGetDpiScaledSize:
      if (OnDpiScaledSize(static_cast<int>(wparam), *reinterpret_cast<SIZE*>(lparam))) return TRUE;
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (OnScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wparam), HIWORD(wparam))) return 0;
      break;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: {
      const EditCommand command = message == WM_CUT     ? EditCommand::kCut
                                  : message == WM_COPY  ? EditCommand::kCopy
                                  : message == WM_PASTE ? EditCommand::kPaste
                                  : message == WM_CLEAR ? EditCommand::kClear
                                                        : EditCommand::kUndo;
      if (OnEditCommand(command)) return 0;
      break;
    }
    case WM_GETOBJECT:
      // The client area's object is ours; the window's frame stays the system's.
      if (static_cast<LONG>(static_cast<DWORD>(lparam)) == OBJID_CLIENT) {
        if (const LRESULT answer = AccessibleObjectOf().AnswerRequest(wparam)) return answer;
      }
      break;
    default:
      return OnOtherMessage(message, wparam, lparam);
  }
  return DefaultHandling(message, wparam, lparam);
}

AccessibleDescription& ControlView::Accessible() {
  if (!accessible_) accessible_ = form_.Model().AccessibleFor(control_);
  if (!accessible_) accessible_ = MakeAccessible();
  return *accessible_;
}

AccessibleObject& ControlView::AccessibleObjectOf() {
  if (!accessible_object_) accessible_object_ = AccessibleObject::Create(*this);
  return *accessible_object_;
}

void ControlView::DisconnectAccessible() {
  if (!accessible_object_) return;
  std::exchange(accessible_object_, nullptr)->Disconnect();
}

void ControlView::NotifyAccessible(DWORD event, int child) const {
  NotifyAccessibleEvent(Handle(), event, child);
}

std::unique_ptr<AccessibleDescription> ControlView::MakeAccessible() {
  return std::make_unique<ControlAccessible>(control_, AccessibleRole::kClient, control_.caption);
}

LRESULT ControlView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT ControlView::AnswerText(UINT message, WPARAM wparam, LPARAM lparam) const {
  const std::wstring text = Wide(ShownText());
  if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
  auto* buffer = reinterpret_cast<wchar_t*>(lparam);
  if (!buffer || wparam == 0) return 0;
  const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(wparam) - 1);
  std::copy_n(text.begin(), copied, buffer);
  buffer[copied] = L'\0';
  return static_cast<LRESULT>(copied);
}

// --- 5. Mouse ---

void ControlView::MouseButtonDown(UINT message, WPARAM wparam, LPARAM lparam) {
  form_.ControlPressed(*this);
  const bool double_click =
      message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
  MouseInput input;
  input.button = message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK   ? TMouseButton::mbRight
                 : message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ? TMouseButton::mbMiddle
                                                                            : TMouseButton::mbLeft;
  input.shift = MouseShiftState(wparam) | (double_click ? 1u << ssDouble : 0u);
  input.at = PointOf(lparam);
  if (input.button == TMouseButton::mbLeft && !double_click) {
    // A click is a press and a release on the same control. A system class
    // captures the mouse itself; an own-drawn view holds it until the release.
    clicked_ = true;
    if (!BuiltOnSystemClass() && GetCapture() != Handle()) {
      SetCapture(Handle());
      captured_for_click_ = true;
    }
  }
  const bool handled = double_click ? OnDblClick(input) : OnMouseDown(input);
  if (!handled) DefaultHandling(message, wparam, lparam);
  if (double_click && input.button == TMouseButton::mbLeft) control_.DblClick();
  control_.MouseDown(input.button, input.shift, static_cast<int>(input.at.x), static_cast<int>(input.at.y));
}

void ControlView::MouseButtonUp(UINT message, WPARAM wparam, LPARAM lparam) {
  MouseInput input;
  input.button = message == WM_RBUTTONUP   ? TMouseButton::mbRight
                 : message == WM_MBUTTONUP ? TMouseButton::mbMiddle
                                           : TMouseButton::mbLeft;
  input.shift = MouseShiftState(wparam);
  input.at = PointOf(lparam);
  const bool was_clicked = clicked_ && input.button == TMouseButton::mbLeft;
  // The view sees the release while it still holds the capture.
  if (!OnMouseUp(input)) DefaultHandling(message, wparam, lparam);
  if (input.button == TMouseButton::mbLeft) {
    clicked_ = false;
    if (captured_for_click_) {
      captured_for_click_ = false;
      if (GetCapture() == Handle()) ReleaseCapture();
    }
  }
  RECT client;
  GetClientRect(Handle(), &client);
  if (was_clicked && PtInRect(&client, input.at)) control_.Click();
  control_.MouseUp(input.button, input.shift, static_cast<int>(input.at.x), static_cast<int>(input.at.y));
}

void ControlView::MouseMoved(WPARAM wparam, LPARAM lparam) {
  MouseInput input;
  input.shift = MouseShiftState(wparam);
  input.at = PointOf(lparam);
  TrackPointer(input.at);
  if (!OnMouseMove(input)) DefaultHandling(WM_MOUSEMOVE, wparam, lparam);
  control_.MouseMove(input.shift, static_cast<int>(input.at.x), static_cast<int>(input.at.y));
}

void ControlView::TrackPointer(POINT client) {
  RECT area;
  GetClientRect(Handle(), &area);
  bool inside = PtInRect(&area, client) != FALSE;
  if (inside) {
    // Under a capture the messages come from anywhere: the pointer counts as
    // inside only over this window or one of its children.
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    const HWND under = WindowFromPoint(screen);
    inside = under == Handle() || IsChild(Handle(), under);
  }
  if (inside && hovered != this) {
    // The pointer is over one view at a time: the one it came from hears
    // now that it left, whether or not the system tells it (the system's
    // tracking of this window replaces that of the other one, which may
    // then never hear of its leaving).
    if (hovered) hovered->PointerLeft();
    hovered = this;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    OnMouseEnter();
    control_.MouseEnter();
  } else if (!inside && hovered == this) {
    PointerLeft();
  }
}

void ControlView::PointerLeftWindow() {
  // A leave the system posted before the pointer came back over this window
  // (when the tracking of another window replaced this one's) is stale: the
  // window is tracked again instead.
  POINT at;
  if (hovered == this && IsWindowVisible(Handle()) && GetCursorPos(&at) && WindowFromPoint(at) == Handle()) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    return;
  }
  PointerLeft();
}

void ControlView::PointerLeft() {
  if (hovered != this) return;
  hovered = nullptr;
  OnMouseLeave();
  control_.MouseLeave();
}

void ControlView::TrackNcMouseLeave() {
  if (nc_leave_tracked_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Handle(), 0};
  nc_leave_tracked_ = TrackMouseEvent(&track) != FALSE;
}

void ControlView::PointerGoneFrom(const FormWindow& form) {
  if (hovered && &hovered->form_ == &form) hovered->PointerLeft();
}

bool ControlView::SetControlCursor(HWND target, WORD hit) {
  // A child decides its own shape; the frame's zones keep the system's.
  if (target != Handle() || hit != HTCLIENT) return false;
  TCursor cursor = form_.Owner().ScreenCursor();
  if (cursor == crDefault) cursor = control_.cursor;
  if (cursor == crDefault) return false;
  SetCursor(cursor == crNone ? nullptr : LoadCursorW(nullptr, SystemCursorOf(cursor)));
  return true;
}

}  // namespace ui
