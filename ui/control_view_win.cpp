#include "ui/control_view.h"

#include "base/exception.h"
#include "ui/align_layout.h"
#include "ui/form_window.h"
#include "ui/wide_text.h"

namespace ui {

ControlView::ControlView(TControl& control, FormWindow& form) : control_(control), form_(form) {
  control_.SetPeer(this);
}

ControlView::~ControlView() {
  control_.SetPeer(nullptr);
  DestroyHandle();
}

void ControlView::CreateControlWindow(ControlView& parent, const wchar_t* class_name, DWORD ex_style,
                                      DWORD style, const std::wstring& text, const wchar_t* base_class) {
  parent_view_ = &parent;
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.visible) style |= WS_VISIBLE;
  if (!control_.enabled) style |= WS_DISABLED;
  if (!CreateHandle(class_name, ex_style, style, text, control_.left, control_.top, control_.width,
                    control_.height, parent.Handle(), 0, base_class)) {
    throw base::Exception("Cannot create the window of " + control_.Name());
  }
  parent.AddChild(*this);
}

void ControlView::ApplyBounds() {
  if (!Handle()) return;
  RECT now;
  GetWindowRect(Handle(), &now);
  MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&now), 2);
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

void ControlView::VisibilityChanged() {
  if (!Handle()) return;
  ShowWindow(Handle(), control_.visible ? SW_SHOWNA : SW_HIDE);
  if (parent_view_) parent_view_->AlignChildren();
  form_.ControlVisibilityChanged(*this);
}

HBRUSH ControlView::ControlColors(HDC dc) {
  SetTextColor(dc, ColorRef(control_.EffectiveFont().color));
  SetBkColor(dc, ColorRef(control_.color));
  return background_.For(control_.color);
}

void ControlView::DrawCaption(HDC dc, const std::string& text, RECT& area, UINT format) {
  const HGDIOBJ old_font = SelectObject(dc, FontHandle());
  SetTextColor(dc, ColorRef(control_.EffectiveFont().color));
  SetBkMode(dc, TRANSPARENT);
  const std::wstring wide = Wide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
  SelectObject(dc, old_font);
}

LRESULT ControlView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = DefaultHandling(message, wparam, lparam);
      AlignChildren();
      return result;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      auto* child = dynamic_cast<ControlView*>(Window::FromHandle(reinterpret_cast<HWND>(lparam)));
      if (HBRUSH brush = child ? child->ControlColors(reinterpret_cast<HDC>(wparam)) : nullptr) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return DefaultHandling(message, wparam, lparam);
    }
    case WM_SETFOCUS:
      form_.FocusEntered(*this);
      return DefaultHandling(message, wparam, lparam);
    case WM_ERASEBKGND: {
      if (BuiltOnSystemClass()) return DefaultHandling(message, wparam, lparam);
      RECT client;
      GetClientRect(Handle(), &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, background_.For(BackgroundColor()));
      return 1;
    }
    default:
      return DefaultHandling(message, wparam, lparam);
  }
}

}  // namespace ui
