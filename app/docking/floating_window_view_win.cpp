// Sections:
//   1. geometry and creation
//   2. painting the frame, the caption and the close button
//   3. the mouse on the frame: hit test, caption, close button, resizing
//   4. activation, closing and hiding while the program is inactive
#include "app/docking/floating_window_view.h"

#include "app/docking/dock_drag.h"
#include "app/docking/dockable_view.h"
#include "app/docking/floating_frame_accessible.h"
#include "app/skin/form_skin.h"
#include "app/skin/skin_frame.h"
#include "ui/framework/capture_loop.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/mouse_capture.h"
#include "ui/framework/screen_density.h"
#include "ui/framework/wide_text.h"

namespace app {

namespace {

// Hands the activation back to the main window, after the message that
// activated the frame.
constexpr UINT kGiveActivationBack = WM_APP + 0x71;
// While the close button shows its hot look, the pointer is checked on this
// timer too: a leave notice can be missed when the pointer jumps far away.
constexpr UINT_PTR kHotCheckTimer = 1;
constexpr UINT kHotCheckMs = 50;

// Raster operations with a monochrome source whose 0 bits are the glyph:
// paint the selected brush where the glyph is, keep the rest (PSDPxax); and
// invert what is under the glyph, keep the rest (DSxn).
constexpr DWORD kPaintBrushThroughGlyph = 0x00B8074A;
constexpr DWORD kInvertUnderGlyph = 0x00990066;

Size OuterSizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Size{r.right - r.left, r.bottom - r.top};
}

LRESULT HitCode(FloatingHit hit) {
  switch (hit) {
    case FloatingHit::kClient:
      return HTCLIENT;
    case FloatingHit::kCaption:
      return HTCAPTION;
    case FloatingHit::kCloseButton:
      return HTCLOSE;
    case FloatingHit::kBorder:
      return HTBORDER;
    case FloatingHit::kLeft:
      return HTLEFT;
    case FloatingHit::kRight:
      return HTRIGHT;
    case FloatingHit::kTop:
      return HTTOP;
    case FloatingHit::kBottom:
      return HTBOTTOM;
    case FloatingHit::kTopLeft:
      return HTTOPLEFT;
    case FloatingHit::kTopRight:
      return HTTOPRIGHT;
    case FloatingHit::kBottomLeft:
      return HTBOTTOMLEFT;
    case FloatingHit::kBottomRight:
      return HTBOTTOMRIGHT;
    case FloatingHit::kNowhere:
      break;
  }
  return HTNOWHERE;
}

bool IsSizingZone(FloatingHit hit) {
  return hit >= FloatingHit::kLeft && hit <= FloatingHit::kBottomRight;
}

}  // namespace

// --- 1. Geometry and creation ---

FloatingFrame FloatingGeometryFor(const TTBDockableWindow& window, const ui::DpiScale& scale) {
  const int dpi = scale.Dpi();
  const FrameMetrics metrics{
      Size{ui::SystemMetricForDpi(SM_CXSIZEFRAME, dpi), ui::SystemMetricForDpi(SM_CYSIZEFRAME, dpi)},
      Size{ui::SystemMetricForDpi(SM_CXFIXEDFRAME, dpi), ui::SystemMetricForDpi(SM_CYFIXEDFRAME, dpi)},
      ui::SystemMetricForDpi(SM_CYSMCAPTION, dpi),
      scale,
  };
  return FloatingFrame(metrics, window.FloatingKind(), window.resizable, window.close_button);
}

FloatingWindowView::FloatingWindowView(TTBFloatingWindowParent& frame, ui::FormWindow& form)
    : ControlView(frame, form), frame_(frame) {}

FloatingFrame FloatingWindowView::Geometry() const {
  if (const TTBDockableWindow* content = frame_.Content())
    return FloatingGeometryFor(*content, WindowScale());
  return FloatingFrame(FrameMetrics{}, FloatingContent::kToolWindow, false, false);
}

ui::DpiScale FloatingWindowView::WindowScale() const {
  if (ui::DpiScale::Plausible(dpi_)) return ui::DpiScale(dpi_);
  // Before its window exists the frame is where its form is.
  return ControlView::WindowScale();
}

DockableView* FloatingWindowView::ContentView() const {
  for (ui::ControlView* child : Children()) {
    if (auto* view = dynamic_cast<DockableView*>(child)) return view;
  }
  return nullptr;
}

void FloatingWindowView::CreateWindowIn(HWND parent, bool) {
  close_glyph_.Reset(LoadBitmapW(GetModuleHandleW(nullptr), L"CLOSE"));
  // Owned by the form's window: it stays above it and gets no task-bar button.
  // It is never made the active window by a click or by the system handing
  // it the keyboard focus; the main window keeps the activation.
  CreateControlWindow(parent, true, L"TTBFloatingWindowParent", WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                      WS_CLIPCHILDREN, ui::Wide(frame_.caption));
  dpi_ = ui::WindowDpi(Handle());
  caption_font_.Reset(ui::CreateSystemFont(&NONCLIENTMETRICSW::lfSmCaptionFont, dpi_));
}

void FloatingWindowView::AlignChildren() {
  if (!Handle()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  for (ui::ControlView* child : Children()) {
    child->Control().SetBounds(0, 0, client.right, client.bottom);
    child->ApplyBounds();
  }
}

bool FloatingWindowView::OnNcCalcSize(RECT& area) {
  const Insets insets = Geometry().NonClient();
  area.left += insets.left;
  area.top += insets.top;
  area.right = std::max(area.left, area.right - insets.right);
  area.bottom = std::max(area.top, area.bottom - insets.bottom);
  return true;
}

// --- 2. Painting ---

bool FloatingWindowView::OnNcPaint() {
  ui::WindowDC window_dc(Handle());
  PaintFrame(window_dc.Get(), OuterSizeOf(Handle()));
  return true;
}

void FloatingWindowView::PaintFrame(HDC dc, Size outer) {
  const FloatingFrame geometry = Geometry();
  const ui::TForm& form = Form().Model();
  // The client area is the carried window's: the frame never paints there.
  const Rect client = geometry.ClientRect(outer);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  RECT area{0, 0, outer.width, outer.height};
  FillRect(dc, &area, Brush(SkinColorOf(form, tcFace)));
  const int ring = geometry.RingWidth();
  FrameArea(dc, area, Brush(SkinColorOf(form, tcDockBorderOut)), ring);
  InflateRect(&area, -ring, -ring);
  FrameArea(dc, area, Brush(SkinColorOf(form, tcDockBorderIn)), ring);

  const RECT bar = ui::ToRECT(geometry.CaptionBar(outer));
  FillRect(dc, &bar, Brush(SkinColorOf(form, tcDockBorderTitle)));
  RECT text = ui::ToRECT(geometry.CaptionTextRect(outer));
  const std::wstring caption = ui::Wide(frame_.caption);
  ui::SelectedObject font(dc, caption_font_.Get() ? caption_font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorRef(SkinColorOf(form, tcCaptionText)));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  PaintCloseButton(dc, outer);
}

void FloatingWindowView::PaintCloseButton(HDC dc, Size outer) {
  const FloatingFrame geometry = Geometry();
  if (geometry.CloseButton(outer).Empty()) return;
  const ui::TForm& form = Form().Model();
  const RECT highlight = ui::ToRECT(geometry.CloseButtonHighlight(outer));
  const int ring = geometry.RingWidth();
  if (close_look_ == CloseLook::kHot) {
    FillRect(dc, &highlight, Brush(SkinColorOf(form, tcSelBar)));
    FrameArea(dc, highlight, Brush(SkinColorOf(form, tcSelBarBorder)), ring);
  } else if (close_look_ == CloseLook::kPushed) {
    FillRect(dc, &highlight, Brush(SkinColorOf(form, tcSelPushed)));
    FrameArea(dc, highlight, Brush(SkinColorOf(form, tcSelItemBorder)), ring);
  }
  if (!close_glyph_.Get()) return;
  const Rect glyph = geometry.CloseGlyph(outer);
  const ui::CompatibleDC glyph_dc(dc);
  if (!glyph_dc.Get()) return;
  {
    ui::SelectedObject bitmap(glyph_dc.Get(), close_glyph_.Get());
    // The monochrome glyph's 0 bits come out black, its 1 bits white.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    // Enlarged by a whole factor, each source pixel copied into a block: no
    // blending of neighbours.
    const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
    const auto draw = [&](DWORD rop) {
      StretchBlt(dc, glyph.left, glyph.top, glyph.Width(), glyph.Height(), glyph_dc.Get(), 0, 0,
                 kCloseGlyphSize.width, kCloseGlyphSize.height, rop);
    };
    if (close_look_ == CloseLook::kPushed) {
      draw(kInvertUnderGlyph);
    } else {
      const ui::TColor ink = close_look_ == CloseLook::kHot ? PaletteOf(form).TextOn(tcSelBar)
                                                            : SkinColorOf(form, tcCaptionText);
      ui::SelectedObject brush(dc, Brush(ink));
      draw(kPaintBrushThroughGlyph);
    }
    SetStretchBltMode(dc, old_mode);
  }
}

void FloatingWindowView::ShowCloseLook() {
  const CloseLook look = close_button_.Look();
  if (close_look_ == look) return;
  close_look_ = look;
  if (look == CloseLook::kHot) {
    hot_check_.Start(Handle(), kHotCheckTimer, kHotCheckMs);
  } else {
    hot_check_.Stop();
  }
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// --- 3. The mouse on the frame ---

FloatingHit FloatingWindowView::HitAt(POINT screen) const {
  RECT window{};
  GetWindowRect(Handle(), &window);
  return Geometry().HitTest(Size{window.right - window.left, window.bottom - window.top},
                            Point{screen.x - window.left, screen.y - window.top});
}

bool FloatingWindowView::OnNcHitTest(POINT screen, LRESULT& result) {
  result = HitCode(HitAt(screen));
  return true;
}

bool FloatingWindowView::OnNcMouseDown(const ui::MouseInput& input, LRESULT, POINT screen) {
  // Every press on the frame is ours: no system move, size or menu.
  if (input.button != ui::TMouseButton::mbLeft) return true;
  const FloatingHit hit = HitAt(screen);
  if (hit == FloatingHit::kCaption) {
    if (DockableView* content = ContentView()) RunDockDrag(*content, screen);
  } else if (hit == FloatingHit::kCloseButton) {
    TrackCloseButton();
  } else if (IsSizingZone(hit)) {
    TrackResize(hit, screen);
  }
  return true;
}

bool FloatingWindowView::OnNcDblClick(const ui::MouseInput& input, LRESULT hit, POINT screen) {
  if (HitAt(screen) != FloatingHit::kCaption) {
    // The system reports a second press soon after a first anywhere on the
    // frame as a double-click: on the close button or a sizing zone it is
    // just another press.
    return OnNcMouseDown(input, hit, screen);
  }
  if (DockableView* content = ContentView()) DockWindowAgain(*content);
  return true;
}

void FloatingWindowView::TrackCloseButton() {
  ui::MouseCapture capture(Handle());
  close_button_.Press(true);
  ShowCloseLook();
  bool hide = false;
  ui::CaptureLoop loop;
  loop.running = [&] { return close_button_.Pressed(); };
  loop.move = [&](POINT at) {
    close_button_.Move(HitAt(at) == FloatingHit::kCloseButton);
    ShowCloseLook();
  };
  // The look is shown again once the capture is given back.
  loop.left_up = [&](POINT at) { hide = close_button_.Release(HitAt(at) == FloatingHit::kCloseButton); };
  // The rest of the input is taken by the press; wheels reach their windows.
  loop.input = ui::CaptureInput::kButtonsAndKeys;
  loop.move_point = ui::MovePoint::kMessage;
  if (ui::RunCaptureLoop(capture, loop) != ui::CaptureEnd::kDone) close_button_.CaptureLost();
  capture.Release();
  ShowCloseLook();
  // Closing hides the carried window; only its toggle item shows it again.
  if (hide) {
    if (TTBDockableWindow* content = frame_.Content()) content->SetVisible(false);
  }
}

Rect FloatingWindowView::FitToContent(const DockableView& content, const Rect& asked,
                                      FloatingHit zone) const {
  const FloatingFrame geometry = Geometry();
  const Insets in = geometry.NonClient();
  const Size wanted{asked.Width() - in.left - in.right, asked.Height() - in.top - in.bottom};
  const bool by_width = zone == FloatingHit::kLeft || zone == FloatingHit::kRight;
  const std::optional<Size> fit = content.FloatingFit(wanted, by_width);
  if (!fit) return asked;
  const Size outer = geometry.OuterSize(*fit);
  // The edges across from the dragged one stay where they are.
  const int left = zone == FloatingHit::kLeft ? asked.right - outer.width : asked.left;
  const int top = zone == FloatingHit::kTop ? asked.bottom - outer.height : asked.top;
  return Rect::At(Point{left, top}, outer);
}

Rect FloatingWindowView::ResizedBy(const Rect& start, FloatingHit zone, Point delta) const {
  const DockableView* content_view = ContentView();
  const Size min_client = content_view ? content_view->FloatingMinClient() : kToolWindowMinClient;
  const Rect r = Geometry().Resize(start, zone, delta, min_client);
  return content_view ? FitToContent(*content_view, r, zone) : r;
}

void FloatingWindowView::PlaceAt(const Rect& place) {
  frame_.SetBounds(place.left, place.top, place.Width(), place.Height());
  if (TTBDockableWindow* content = frame_.Content()) content->floating_rect = place;
}

void FloatingWindowView::TrackResize(FloatingHit zone, POINT start) {
  TTBDockableWindow* content = frame_.Content();
  if (!content || !content->resizable) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  const Rect start_rect{window.left, window.top, window.right, window.bottom};
  ui::MouseCapture capture(Handle());
  bool done = false;
  ui::CaptureLoop loop;
  loop.running = [&] { return !done; };
  const auto resize_to = [&](POINT now) {
    PlaceAt(ResizedBy(start_rect, zone, Point{now.x - start.x, now.y - start.y}));
  };
  loop.move = [&](POINT now) {
    resize_to(now);
    // The pointer stays where it is while the frame moves under it (see
    // the drag loop in dock_drag_win.cpp).
    SetCursorPos(now.x, now.y);
  };
  // The frame ends where the button comes up: as in the drag, the cursor
  // read on the last move can still be an older place under Wine.
  loop.left_up = [&](POINT at) {
    resize_to(at);
    done = true;
  };
  loop.key = [&](const ui::KeyStroke& stroke) {
    if (stroke.down && !stroke.system && stroke.key == VK_ESCAPE) done = true;
  };
  loop.input = ui::CaptureInput::kAll;  // the rest of the input is taken by the resize
  loop.move_point = ui::MovePoint::kCursor;
  ui::RunCaptureLoop(capture, loop);
}

// --- 4. Activation, closing, hiding while inactive ---

void FloatingWindowView::UpdateShown() {
  const HWND owner = GetWindow(Handle(), GW_OWNER);
  const TTBDockableWindow* content = frame_.Content();
  const bool owner_shown = !owner || (IsWindowVisible(owner) && !IsIconic(owner));
  const bool hidden_while_inactive = content && content->hide_when_inactive && !application_active_;
  const bool show = frame_.visible && owner_shown && !hidden_while_inactive;
  if (show == (IsWindowVisible(Handle()) != FALSE)) return;
  ShowWindow(Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void FloatingWindowView::OnChanged(ui::ControlChange what) {
  if (what == ui::ControlChange::kText) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  // Made visible while the main window is minimized or the program
  // inactive, it still waits to be shown.
  if (what == ui::ControlChange::kVisible) UpdateShown();
}

bool FloatingWindowView::OnTimer(UINT_PTR id) {
  if (id != kHotCheckTimer) return false;
  POINT cursor{};
  if (close_button_.Current() == CloseButtonTracker::State::kHot && GetCursorPos(&cursor) &&
      HitAt(cursor) != FloatingHit::kCloseButton) {
    close_button_.Leave();
    ShowCloseLook();
  }
  return true;
}

void FloatingWindowView::OnCloseRequest() {
  // Alt+F4 on the frame: the program's close request.
  if (const HWND main = Form().Owner().MainWindow()) SendMessageW(main, WM_CLOSE, 0, 0);
}

LRESULT FloatingWindowView::OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == ui::OwnerStateMessage()) {
    UpdateShown();
    return 0;
  }
  if (message == kGiveActivationBack) {
    if (const HWND main = Form().Owner().MainWindow(); main && IsWindowEnabled(main)) SetActiveWindow(main);
    return 0;
  }
  return ControlView::OnOtherMessage(message, wparam, lparam);
}

bool FloatingWindowView::OnActivate(bool active, bool /*minimized*/) {
  if (active) PostMessageW(Handle(), kGiveActivationBack, 0, 0);
  return true;
}

bool FloatingWindowView::OnNcActivate(bool /*active*/) {
  // The frame looks the same active or not; nothing of the system's.
  return true;
}

bool FloatingWindowView::OnActivateApp(bool active) {
  application_active_ = active;
  UpdateShown();
  return true;
}

bool FloatingWindowView::OnNcMouseMove(LRESULT hit, POINT /*screen*/) {
  // `hit` is what OnNcHitTest answered for the point.
  const bool over = hit == HitCode(FloatingHit::kCloseButton);
  close_button_.Move(over);
  ShowCloseLook();
  if (over) TrackNcMouseLeave();
  return true;
}

bool FloatingWindowView::OnNcMouseLeave() {
  close_button_.Leave();
  ShowCloseLook();
  return true;
}

void FloatingWindowView::OnSystemColorsChanged() {
  // The caption's font, the frame's metrics and colours come from the system.
  RemakeFromSystem();
}

void FloatingWindowView::RemakeFromSystem() {
  if (!Handle()) return;
  caption_font_.Reset(ui::CreateSystemFont(&NONCLIENTMETRICSW::lfSmCaptionFont, WindowScale().Dpi()));
  // The frame's metrics may have changed: the system asks for the non-client
  // area again.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool FloatingWindowView::OnDpiChanged(int dpi, const RECT& suggested) {
  // Handled even when refused: the system would otherwise size the frame to
  // a rectangle found wrong.
  if (!ui::DpiScale::Plausible(dpi) || IsRectEmpty(&suggested) ||
      !MonitorFromRect(&suggested, MONITOR_DEFAULTTONULL)) {
    return true;
  }
  dpi_ = dpi;
  RemakeFromSystem();
  // The content measures itself at the frame's new density (a toolbar its
  // items in the menu font there) before the frame lays it out.
  if (DockableView* content = ContentView()) content->OnDensityChanged();
  const Rect place = ui::FromRECT(suggested);
  if (TTBDockableWindow* content = frame_.Content()) content->floating_rect = place;
  frame_.SetBounds(place.left, place.top, place.Width(), place.Height());
  ApplyBounds();
  AlignChildren();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  return true;
}

void FloatingWindowView::OnSettingsChanged() {
  OnSystemColorsChanged();
}

std::unique_ptr<ui::AccessibleDescription> FloatingWindowView::MakeAccessible() {
  return std::make_unique<FloatingFrameAccessible>(frame_, [this] {
    // The close button's place in the window, moved to the client area's origin.
    RECT window{};
    GetWindowRect(Handle(), &window);
    POINT client{0, 0};
    ClientToScreen(Handle(), &client);
    return Geometry().CloseButton(OuterSizeOf(Handle())).Moved(window.left - client.x, window.top - client.y);
  });
}

}  // namespace app
