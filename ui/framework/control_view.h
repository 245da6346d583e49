// ControlView: the window on screen of one stored control (Windows only).
//
// A control's class keeps what its description says; its view creates the
// window at the stored place and size, in the stored font and colours, and
// turns window messages into the control's behaviour. Views exist only
// inside a FormWindow, which creates one per control and owns them. A view
// is the control's peer: a change made on the control at run time reaches
// the screen through Changed().
//
// Messages: HandleMessage() below is the one flat switch of every view. Each
// case unpacks the message once and calls a named member (OnPaint, OnMouseDown,
// OnKeyDown, ...); a view overrides only what it uses. What a member leaves
// unhandled (returns false) goes to the default handling of the window class
// (ui::Window::DefaultHandling: DefWindowProc, or the system class's procedure
// for views built on EDIT), so that happens in one place. What a view is asked
// rather than told is a property the switch answers (ActivatesOnClick). A
// view's OnOtherMessage sees only the messages no case names: private ones and
// the queries of its own kind (a status bar's SB_*, a list's LB_GETCURSEL).
//
// Around the view's own members the base raises the control's events:
// OnMouseDown / OnMouseUp / OnMouseMove with the control's coordinates, OnClick
// when the left button is released inside the control it was pressed on,
// OnDblClick, and OnMouseEnter / OnMouseLeave as the pointer comes and goes:
// the pointer is over one view at a time, so entering one view is leaving the
// one before; leaving all of them (to another program or the desktop, or
// because the window hid) comes from the system's tracking (TrackMouseEvent) or
// the window's hiding.
//
// A disabled window gets no mouse input: the system hands a press on it to
// its parent, whose view raises the parent's events (the About window's
// text hands its presses to the window this way).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/framework/gdi.h"
#include "ui/framework/window.h"
#include "ui/model/accessible.h"
#include "ui/model/color_rule.h"
#include "ui/model/control.h"
#include "ui/model/dpi_scale.h"

namespace ui {

class AccessibleObject;
class FormWindow;

// A mouse message, unpacked: the button it is about (mbLeft for moves), the
// shift state at the time and the point in the view's client coordinates.
struct MouseInput {
  TMouseButton button = TMouseButton::mbLeft;
  TShiftState shift = 0;
  POINT at{0, 0};
};

// The edit commands a window is sent (WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR,
// WM_UNDO), from its own keys, its context menu or a program.
enum class EditCommand { kCut, kCopy, kPaste, kClear, kUndo };

class ControlView : public Window, public ControlPeer {
 public:
  ControlView(TControl& control, FormWindow& form);
  ~ControlView() override;

  TControl& Control() const { return control_; }
  FormWindow& Form() const { return form_; }

  // Creates the window as a child of `parent` and joins its children; null
  // makes it a top-level window owned by the form's window (a control that
  // left its window). Throws base::Exception when it cannot be created.
  void Create(ControlView* parent);

  // The views of the controls nested in this one, in reading order.
  const std::vector<ControlView*>& Children() const { return children_; }
  ControlView* ParentView() const { return parent_view_; }
  // The outermost view above this one (the form window, or a top-level view
  // such as a floating frame).
  ControlView& RootView();

  // Moves the window to the control's stored place and size.
  void ApplyBounds();
  // Places the aligned children in the client area and moves every child.
  virtual void AlignChildren();

  // The density of the screen this view's window is on, by which the pixel
  // counts it draws with are scaled: its top-level window's (the form's, or
  // a floating frame's, which follows its own monitor).
  virtual DpiScale WindowScale() const;
  // Told by the form window once its controls' lengths were scaled to a new
  // density, before it lays them out again: the view re-makes what it made
  // for the old one. The base drops the control's font (re-made in its new
  // height) and repaints; a view that keeps system metrics or fonts of its
  // own re-makes them too.
  virtual void OnDensityChanged();

  // The colour behind this control's content (what its children draw on).
  virtual TColor BackgroundColor() const { return control_.EffectiveColor(); }
  // The colours the control's background and text are drawn with now: its
  // background colour and font colour through the colour rule
  // (ui/model/color_rule.h) on the desktop's scheme; or `back` and `text`
  // with `pair` standing in for them (a focused or highlighted part).
  DrawColors SchemeColors() const;
  DrawColors SchemeColors(TColor back, TColor text, SchemePair pair) const;
  // For a view built on a system class, which asks its parent for colours
  // (WM_CTLCOLOR*): sets the font colour and the control's colour in `dc`
  // and returns the brush of the control's colour.
  virtual HBRUSH ControlColors(HDC dc);

  // The font the control shows text in (created on first use, re-made when
  // the control's font changes).
  HFONT FontHandle();

  // ControlPeer: the control changed; the screen follows.
  void Changed(ControlChange what) override;
  // The system's colours (WM_SYSCOLORCHANGE) or its settings such as fonts
  // and metrics (WM_SETTINGCHANGE) changed. The system tells only top-level
  // windows; the form's window tells each of its views once, wherever the
  // view's window is (a floating toolbar's is inside a frame of its own).
  virtual void OnSystemColorsChanged() {}
  virtual void OnSettingsChanged() {}

  // Told by the form window when this control becomes (stops being) its
  // focused control. Exited may throw to refuse (the focus is then put back
  // by the view itself).
  virtual void Entered() {}
  virtual void Exited() {}
  // Told by the form window while this control holds the window's focus and
  // the mouse is pressed on `pressed`, another view of the same window (its
  // client or non-client area), before that view handles the press: the
  // cancel-mode notice, on which a control ends what it had open (a
  // drop-down list closes).
  virtual void OtherControlPressed(ControlView& /*pressed*/) {}

  // The window `form` goes off the screen: the view of it that the pointer
  // was over hears that the pointer left.
  static void PointerGoneFrom(const FormWindow& form);

  // What a reader is told about the control (made on first use by
  // MakeAccessible()), and the system's object over it, which answers
  // WM_GETOBJECT (ui/framework/accessible_object_win.h).
  AccessibleDescription& Accessible();
  AccessibleObject& AccessibleObjectOf();
  // Raises WinEvent `event` (EVENT_OBJECT_*, EVENT_SYSTEM_*) about the
  // control (`child` 0) or one of its parts, for readers listening.
  void NotifyAccessible(DWORD event, int child = 0) const;

  // Destroys and creates again this view's window and its children's, at
  // the same place, keeping what the controls hold (a memo whose alignment
  // changed gets a window of the new style this way).
  void RecreateHandle();

 protected:
  // Creates this view's own window in `parent` (a child window, or with
  // `top_level` a pop-up owned by `parent`); views call
  // CreateControlWindow() from here with their class and styles.
  virtual void CreateWindowIn(HWND parent, bool top_level) = 0;
  // Creates the window with the control's bounds, visibility and enabled
  // state; throws base::Exception when it cannot be created. The window
  // class takes CS_DBLCLKS and `class_style` (CS_SAVEBITS for a pop-up).
  void CreateControlWindow(HWND parent, bool top_level, const wchar_t* class_name, DWORD ex_style,
                           DWORD style, const std::wstring& text, const wchar_t* base_class = nullptr,
                           UINT class_style = 0);
  // Gives FontHandle() to the window (for views built on a system class).
  void ApplyFont();

  // The one message switch; see the file comment.
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  // --- Members a view overrides; "true" means handled, no default handling ---
  // Own-drawn views paint here (built-on-system-class views are painted by
  // their class unless PaintsItself() says otherwise). `dc` is the paint DC
  // of BeginPaint.
  virtual void OnPaint(HDC /*dc*/) {}
  // Whether OnPaint() draws the window now: always for own-drawn views; a
  // view built on a system class may take over while its class would draw
  // what the control does not ask for (a disabled memo's grey text).
  virtual bool PaintsItself() const { return !BuiltOnSystemClass(); }
  // Fills the background (own-drawn views: BackgroundColor()); an own-drawn
  // view that paints every pixel itself returns true without drawing.
  virtual bool OnEraseBackground(HDC dc);
  virtual bool OnMouseDown(const MouseInput& /*input*/) { return false; }
  virtual bool OnMouseUp(const MouseInput& /*input*/) { return false; }
  virtual bool OnMouseMove(const MouseInput& /*input*/) { return false; }
  virtual bool OnDblClick(const MouseInput& /*input*/) { return false; }
  virtual void OnMouseEnter() {}
  virtual void OnMouseLeave() {}
  // `key` is the virtual-key code; `shift` holds ssShift, ssCtrl, ssAlt.
  virtual bool OnKeyDown(WORD /*key*/, TShiftState /*shift*/) { return false; }
  virtual bool OnKeyUp(WORD /*key*/, TShiftState /*shift*/) { return false; }
  // A typed character in 1251; a view may change it before the default
  // handling sees it.
  virtual bool OnChar(char& /*key*/) { return false; }
  virtual void OnSetFocus() {}
  virtual void OnKillFocus(HWND /*next*/) {}
  virtual void OnCaptureChanged(HWND /*new_capture*/) {}
  virtual void OnCancelMode() {}
  // A close request (WM_CLOSE). A control's window goes only with its view,
  // so a control ignores it: the system's default answer would destroy the
  // window under its component, and such requests come without the user
  // closing anything (a multi-line edit control posts one to its parent on
  // Esc once the dialog key handling has asked it for its keys). A form
  // closes.
  virtual void OnCloseRequest() {}
  virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
  // The keys the view wants from the dialog-key handling (WM_GETDLGCODE);
  // `standard` is what the default handling answers.
  virtual LRESULT OnGetDlgCode(LRESULT standard) { return standard; }
  // The same with the key message asked about (WM_GETDLGCODE's MSG, null
  // when the asker gave none); the default answers OnGetDlgCode(standard).
  virtual LRESULT OnGetDlgCodeFor(LRESULT standard, const MSG* /*asked*/) { return OnGetDlgCode(standard); }
  // Non-client area: the client rectangle inside `area` (window coordinates
  // of the parent), its painting and its hit test.
  virtual bool OnNcCalcSize(RECT& /*area*/) { return false; }
  virtual bool OnNcPaint() { return false; }
  virtual bool OnNcHitTest(POINT /*screen*/, LRESULT& /*result*/) { return false; }
  // A button pressed (or double-clicked) on the non-client area at `hit`
  // (WM_NC*BUTTONDOWN / DBLCLK); `screen` in screen coordinates.
  virtual bool OnNcMouseDown(const MouseInput& /*input*/, LRESULT /*hit*/, POINT /*screen*/) { return false; }
  virtual bool OnNcDblClick(const MouseInput& /*input*/, LRESULT /*hit*/, POINT /*screen*/) { return false; }
  // The pointer moved over the non-client area at `hit` (WM_NCMOUSEMOVE),
  // and left it (WM_NCMOUSELEAVE, told only after TrackNcMouseLeave(): one
  // leave for each time it is asked while the pointer is on the area).
  virtual bool OnNcMouseMove(LRESULT /*hit*/, POINT /*screen*/) { return false; }
  virtual bool OnNcMouseLeave() { return false; }
  void TrackNcMouseLeave();
  // The text the view shows, for WM_GETTEXT (screen readers and tests); only
  // views for which ShowsOwnText() is true answer it this way.
  virtual bool ShowsOwnText() const { return false; }
  virtual std::string ShownText() const { return {}; }
  // Activation. Whether a click on the window activates it (WM_MOUSEACTIVATE;
  // a pop-up that leaves the activation where it is says no: a click on
  // it goes to it without activating it).
  virtual bool ActivatesOnClick() const { return true; }
  // The window became active or inactive (WM_ACTIVATE); `minimized` while
  // its window is minimized.
  virtual bool OnActivate(bool /*active*/, bool /*minimized*/) { return false; }
  // The frame is to look active or inactive (WM_NCACTIVATE); handled, the
  // change goes on without the system drawing the frame.
  virtual bool OnNcActivate(bool /*active*/) { return false; }
  // The program became (stopped being) the active application
  // (WM_ACTIVATEAPP).
  virtual bool OnActivateApp(bool /*active*/) { return false; }
  // The window's place, size, order or visibility changed
  // (WM_WINDOWPOSCHANGED), told before the default handling turns the
  // change into WM_SIZE and WM_MOVE, which it still does.
  virtual void OnWindowPosChanged(const WINDOWPOS& /*place*/) {}
  // The visual theme changed (WM_THEMECHANGED, which every window hears).
  virtual void OnThemeChanged() {}
  // A scroll bar of the window (`bar`: SB_VERT or SB_HORZ) was used:
  // `code` is the SB_* action, `thumb` the thumb's place while tracked.
  virtual bool OnScroll(int /*bar*/, WORD /*code*/, WORD /*thumb*/) { return false; }
  // An edit command; handled, the message answers 0 (for an undo: nothing
  // undone) and the window class's own handling does not run.
  virtual bool OnEditCommand(EditCommand /*command*/) { return false; }
  // The window's monitor changed to one of density `dpi` (WM_DPICHANGED);
  // `suggested` is the outer rectangle the system proposes there.
  virtual bool OnDpiChanged(int /*dpi*/, const RECT& /*suggested*/) { return false; }
  // Asked before such a change (WM_GETDPISCALEDSIZE): the outer size the
  // window wants at `dpi`; false lets the system scale the present one.
  virtual bool OnDpiScaledSize(int /*dpi*/, SIZE& /*size*/) { return false; }
  // A change of the control that needs more than the base's answer.
  virtual void OnChanged(ControlChange /*what*/) {}
  // The description of the control for readers, made by its kind's view
  // where the control's window has none of its own (TForm::AccessibleFor).
  // The default tells the control's caption as a plain client area.
  virtual std::unique_ptr<AccessibleDescription> MakeAccessible();
  // Lets the reader's object go while the window stops being there for the
  // user (a list that closed): a reader still holding it gets errors, and
  // the next request makes a new one.
  void DisconnectAccessible();

  // Any message the switch has no case for (private messages and queries
  // of the view's own kind): default handling unless overridden.
  virtual LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam);

  // Draws `text` (1251) in `area` with DrawText `format`, in the control's
  // font and font colour, over what is already there.
  void DrawCaption(HDC dc, const std::string& text, RECT& area, UINT format);
  // A brush of `color`, kept while the view lives (not one per paint).
  HBRUSH Brush(TColor color) { return brushes_.For(ColorRef(color)); }

 private:
  void MoveToParent();
  void MouseButtonDown(UINT message, WPARAM wparam, LPARAM lparam);
  void MouseButtonUp(UINT message, WPARAM wparam, LPARAM lparam);
  void MouseMoved(WPARAM wparam, LPARAM lparam);
  void TrackPointer(POINT client);
  void PointerLeftWindow();
  void PointerLeft();
  bool SetControlCursor(HWND target, WORD hit);
  LRESULT AnswerText(UINT message, WPARAM wparam, LPARAM lparam) const;

  TControl& control_;
  FormWindow& form_;
  ControlView* parent_view_ = nullptr;
  std::vector<ControlView*> children_;
  GdiObject<HFONT> font_;
  SolidBrush background_;
  BrushCache brushes_;
  bool clicked_ = false;  // the left button went down here and is still down
  bool captured_for_click_ = false;
  bool nc_leave_tracked_ = false;  // a WM_NCMOUSELEAVE is asked for
  std::unique_ptr<AccessibleDescription> accessible_;
  AccessibleObject* accessible_object_ = nullptr;  // holds one reference while made
};

// The DrawText flag of `alignment`: DT_LEFT, DT_RIGHT or DT_CENTER. An edit
// control's styles ES_LEFT, ES_RIGHT and ES_CENTER have the same values.
UINT AlignmentFormat(TAlignment alignment);

// The shift state of a mouse message's wparam, with the keyboard's Alt.
TShiftState MouseShiftState(WPARAM wparam);
// The shift state of the keyboard now (Shift, Ctrl, Alt).
TShiftState KeyboardShiftState();

}  // namespace ui
