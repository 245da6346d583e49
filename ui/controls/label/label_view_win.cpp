#include "ui/controls/label/label_view.h"

#include "ui/framework/wide_text.h"

namespace ui {

void LabelView::CreateWindowIn(HWND parent, bool top_level) {
  if (label_.auto_size) FitToText();
  CreateControlWindow(parent, top_level, L"TLabel", 0, 0, Wide(label_.caption));
}

void LabelView::FitToText() {
  // An empty caption still takes one line's height.
  const std::wstring text = label_.caption.empty() ? std::wstring(L" ") : Wide(label_.caption);
  RECT extent{0, 0, 0, 0};
  {
    const WindowDC screen(nullptr);
    SelectedObject font(screen.Get(), FontHandle());
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_EXPANDTABS);
  }
  // A right-aligned label keeps its right edge, any other its left edge.
  if (label_.alignment == TAlignment::taRightJustify) label_.left += label_.width - extent.right;
  label_.width = extent.right;
  label_.height = extent.bottom;
}

TColor LabelView::BackgroundColor() const {
  if (label_.transparent && ParentView()) return ParentView()->BackgroundColor();
  return label_.EffectiveColor();
}

void LabelView::OnPaint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  DrawCaption(dc, label_.caption, client, DT_EXPANDTABS | AlignmentFormat(label_.alignment));
  if (label_.holds_focus && label_.focus_cue) {
    RECT box;
    GetClientRect(Handle(), &box);
    DrawFocusRect(dc, &box);
  }
}

void LabelView::OnDensityChanged() {
  ControlView::OnDensityChanged();
  // The form window places every control after this, in the new size.
  if (label_.auto_size) FitToText();
}

void LabelView::OnChanged(ControlChange what) {
  if (what == ControlChange::kFocusMark) {
    InvalidateRect(Handle(), nullptr, TRUE);
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    if (label_.holds_focus && IsWindowVisible(Handle())) NotifyAccessible(EVENT_OBJECT_FOCUS);
    return;
  }
  if ((what == ControlChange::kText || what == ControlChange::kFont) && label_.auto_size) {
    FitToText();
    ApplyBounds();
  }
}

}  // namespace ui
