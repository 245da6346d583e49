#include "ui/controls/status_bar/status_bar_view.h"

#include <commctrl.h>
#include <vsstyle.h>

#include <algorithm>

#include "ui/controls/status_bar/status_bar_accessible.h"
#include "ui/framework/color_scheme.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace ui {

bool StatusBarView::ShowsSizeGrip(HWND parent) const {
  const auto* form = dynamic_cast<const FormWindow*>(Window::FromHandle(parent));
  if (!form) return false;
  const TFormBorderStyle border = form->Model().border_style;
  if (border != TFormBorderStyle::bsSizeable && border != TFormBorderStyle::bsSizeToolWin) return false;
  RECT client;
  GetClientRect(form->Handle(), &client);
  return bar_.left + bar_.width == client.right && bar_.top + bar_.height == client.bottom;
}

void StatusBarView::CreateWindowIn(HWND parent, bool top_level) {
  DWORD style = 0;
  if (ShowsSizeGrip(parent)) style |= SBARS_SIZEGRIP;
  // Every pixel depends on the width (the last panel and the grip).
  CreateControlWindow(parent, top_level, L"TStatusBar", 0, style, L"", nullptr, CS_HREDRAW | CS_VREDRAW);
}

void StatusBarView::UpdateGripStyle() {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const LONG_PTR wanted =
      ShowsSizeGrip(GetParent(Handle())) ? style | SBARS_SIZEGRIP : style & ~SBARS_SIZEGRIP;
  if (wanted == style) return;
  SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
  InvalidateRect(Handle(), nullptr, FALSE);
}

const VisualTheme& StatusBarView::Theme() const {
  if (!theme_opened_) {
    theme_ = VisualTheme::Open(Handle(), L"Status");
    theme_opened_ = true;
  }
  return theme_;
}

StatusBarLayout StatusBarView::Layout(HDC dc) const {
  RECT client;
  GetClientRect(Handle(), &client);
  // The system's sizes at the window's density; the strip, the gaps and
  // the insets stay the pixels the system's control keeps at every density.
  const int dpi = WindowScale().Dpi();
  const int scroll_width = SystemMetricForDpi(SM_CXVSCROLL, dpi);
  StatusBarMetrics metrics{client.right,     client.bottom,
                           scroll_width + 1, SystemMetricForDpi(SM_CYHSCROLL, dpi) + 1,
                           scroll_width,     true};
  if (const VisualTheme& theme = Theme()) {
    metrics.bevels = false;
    if (const auto size = dc ? theme.PartSize(dc, SP_GRIPPER, 0, client) : std::nullopt) {
      metrics.grip_width = size->cx;
      metrics.grip_height = size->cy;
    }
  }
  const bool grip = (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0;
  return StatusBarLayout(bar_, metrics, grip);
}

HFONT StatusBarView::StatusFont() {
  if (!status_font_.Get()) {
    status_font_.Reset(CreateSystemFont(&NONCLIENTMETRICSW::lfStatusFont, WindowScale().Dpi()));
  }
  return status_font_.Get();
}

void StatusBarView::OnPaint(HDC dc) {
  // The system's status bar draws this way: the bar's background, each
  // panel's frame (a pane of the visual style, or its bevel), its text, and
  // the grip last.
  const StatusBarLayout layout = Layout(dc);
  RECT client;
  GetClientRect(Handle(), &client);
  // The visual style's face carries the scheme's button text, as the colour
  // rule judges it (a dark scheme's light text does not read on the style's
  // light face, and high contrast sets the style aside); else the classic
  // look in the rule's colours.
  const ColorScheme scheme = CurrentColorScheme(bar_);
  const VisualTheme* theme = Theme() && Theme().DrawBackground(dc, 0, 0, client) ? &Theme() : nullptr;
  DrawColors colors{scheme.Resolve(clBtnFace), scheme.Resolve(SystemColor(COLOR_BTNTEXT))};
  if (theme) {
    const COLORREF face = GetPixel(dc, client.right / 2, client.bottom / 2);
    if (face != CLR_INVALID) colors.back = face;
  }
  const DrawColors drawn =
      ColorsToDraw(static_cast<TColor>(colors.back), SystemColor(COLOR_BTNTEXT), SchemePair::kButton, scheme);
  if (drawn.back != colors.back || !theme) {
    theme = nullptr;
    FillRect(dc, &client, Brush(static_cast<TColor>(drawn.back)));
  }
  const SelectedObject font(dc, StatusFont());
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_color = SetTextColor(dc, drawn.text);
  const std::size_t count = layout.Parts().size();
  for (std::size_t i = 0; i < count; ++i) {
    const StatusBarPart& part = layout.Parts()[i];
    RECT frame = ToRECT(part.frame);
    if (theme) {
      theme->DrawBackground(dc, layout.HasGrip() && i + 1 == count ? SP_GRIPPERPANE : SP_PANE, 0, frame);
    } else if (part.bevel == TStatusPanelBevel::pbLowered) {
      DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    } else if (part.bevel == TStatusPanelBevel::pbRaised) {
      DrawEdge(dc, &frame, BDR_RAISEDOUTER, BF_RECT);
    }
    if (part.caption.empty()) continue;
    RECT text = ToRECT(part.text);
    const std::wstring wide = Wide(part.caption);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              AlignmentFormat(part.alignment) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (layout.HasGrip()) {
    RECT grip = ToRECT(layout.GripBox());
    if (!theme || !theme->DrawBackground(dc, SP_GRIPPER, 0, grip))
      DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  }
  SetTextColor(dc, old_color);
  SetBkMode(dc, old_mode);
}

bool StatusBarView::OnNcHitTest(POINT screen, LRESULT& result) {
  // A maximized window has no size to change.
  if (IsZoomed(GetAncestor(Handle(), GA_ROOT))) return false;
  POINT at = screen;
  ScreenToClient(Handle(), &at);
  if (!Layout(nullptr).OnGrip(at.x, at.y)) return false;
  result = HTBOTTOMRIGHT;
  return true;
}

bool StatusBarView::OnNcMouseDown(const MouseInput& input, LRESULT hit, POINT screen) {
  if (hit != HTBOTTOMRIGHT || input.button != TMouseButton::mbLeft) return false;
  // The window sizes, not the bar: its own frame's corner takes the press.
  SendMessageW(GetAncestor(Handle(), GA_ROOT), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT,
               MAKELPARAM(screen.x, screen.y));
  return true;
}

std::string StatusBarView::ShownText() const {
  return Layout(nullptr).Text();
}

void StatusBarView::OnChanged(ControlChange /*what*/) {
  if (!Handle()) return;
  UpdateGripStyle();
  InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT StatusBarView::AnswerPartText(UINT message, WPARAM wparam, LPARAM lparam) const {
  const StatusBarLayout layout = Layout(nullptr);
  const std::size_t index = LOWORD(wparam);
  if (index >= layout.Parts().size()) return 0;
  const StatusBarPart& part = layout.Parts()[index];
  const std::wstring text = Wide(part.caption);
  WORD type = 0;
  if (part.bevel == TStatusPanelBevel::pbNone) type = HIWORD(SBT_NOBORDERS);
  if (part.bevel == TStatusPanelBevel::pbRaised) type = HIWORD(SBT_POPOUT);
  const LRESULT answer = MAKELRESULT(static_cast<WORD>(text.size()), type);
  if (message == SB_GETTEXTW && lparam) {
    auto* buffer = reinterpret_cast<wchar_t*>(lparam);
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
  }
  return answer;
}

LRESULT StatusBarView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case SB_GETPARTS: {
      const StatusBarLayout layout = Layout(nullptr);
      const auto count = static_cast<int>(layout.Parts().size());
      if (auto* rights = reinterpret_cast<int*>(lparam)) {
        const int asked = std::min(static_cast<int>(wparam), count);
        for (int i = 0; i < asked; ++i) rights[i] = i + 1 == count ? -1 : layout.Parts()[i].frame.right;
      }
      return count;
    }
    case SB_GETTEXTW:
    case SB_GETTEXTLENGTHW:
      return AnswerPartText(message, wparam, lparam);
    case SB_ISSIMPLE:
      return bar_.simple_panel || bar_.panels.Count() == 0;
    default:
      return ControlView::OnOtherMessage(message, wparam, lparam);
  }
}

void StatusBarView::OnWindowPosChanged(const WINDOWPOS& /*place*/) {
  UpdateGripStyle();
}

void StatusBarView::OnDensityChanged() {
  ControlView::OnDensityChanged();
  // The status font and the visual style's part sizes are the old density's.
  status_font_.Reset();
  OnThemeChanged();
}

void StatusBarView::OnSettingsChanged() {
  status_font_.Reset();
  OnSystemColorsChanged();
}

void StatusBarView::OnSystemColorsChanged() {
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void StatusBarView::OnThemeChanged() {
  theme_ = VisualTheme();
  theme_opened_ = false;
  InvalidateRect(Handle(), nullptr, FALSE);
}

std::unique_ptr<AccessibleDescription> StatusBarView::MakeAccessible() {
  return std::make_unique<StatusBarAccessible>(bar_);
}

}  // namespace ui
