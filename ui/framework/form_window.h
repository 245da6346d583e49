// FormWindow: a TForm on screen (Windows only).
//
// It creates the top-level window from the form's stored settings (caption,
// border style and icons, client size, colour, font) and the view of every
// control in it, hidden, owned by the application's window. It places the
// controls by their alignment whenever its size changes, keeps track of the
// control that has the focus (in this window or in a window a control of it
// moved to), gives the focus to the first control in tab order on first
// activation, moves it with Tab and Shift+Tab, and closes as the application
// says (the main window ends the program, another one is hidden). It has no
// scroll bars: a window smaller than its content clips it.
//
// First showing: poScreenCenter and poDesktopCenter centre the window on the
// screen, poMainFormCenter on the main window, poOwnerFormCenter on the
// window of the form's owner (the main window when the owner has none):
// left = centre left + (centre width − width) div 2, top likewise, each
// raised to 0. Later showings keep the place the window has.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "ui/framework/control_view.h"
#include "ui/framework/key_preview.h"
#include "ui/framework/window.h"
#include "ui/model/form.h"
#include "ui/model/form_host.h"
#include "ui/model/stored_lengths.h"

namespace ui {

class ViewFactory;

// What a form's window needs from the application that owns it.
class FormOwner : public ErrorSink {
 public:
  // The window that owns the top-level windows (and the task-bar entry).
  virtual HWND OwnerHandle() const = 0;
  // Told of every new form window; the first one becomes the main window.
  virtual void FormCreated(HWND window) = 0;
  virtual bool IsMainWindow(HWND window) const = 0;
  virtual HWND MainWindow() const = 0;
  // Requests the end of the program.
  virtual void MainWindowClosed() = 0;
  // A cursor that every control shows while it is set (the hourglass of a
  // long search); crDefault when none.
  virtual TCursor ScreenCursor() const { return crDefault; }
  // Sets it (crDefault: none again); an owner without one ignores it.
  virtual void SetScreenCursor(TCursor /*cursor*/) {}
};

class FormWindow final : public ControlView, public FormHost {
 public:
  // Creates the window of `form` and the views of all its controls, from
  // `views` (kept: controls created later get their views there too).
  // Throws base::Exception when a window cannot be created or a control's
  // class has no view.
  FormWindow(TForm& form, const ViewFactory& views, FormOwner& owner);
  ~FormWindow() override;

  // The form window `window` belongs to (itself or one of its controls, also
  // one that moved to another top-level window), or null.
  static FormWindow* FromHandle(HWND window);

  TForm& Model() const { return form_; }
  FormOwner& Owner() const { return owner_; }
  // The view of `control`, or null.
  ControlView* ViewOf(const TControl& control) const;
  // The view of the control named `name`, or null.
  ControlView* ViewNamed(std::string_view name) const;
  // True while the views are being created: nothing is laid out until all exist.
  bool Creating() const { return creating_; }
  // The control that has (or last had) the focus in this window, or null.
  ControlView* ActiveView() const { return active_; }

  // Creates the view of `control` (a component of the form made after the
  // window, such as a floating frame) inside the view of its parent control,
  // or as a top-level window owned by this one when it has none; the form
  // window owns the view. Throws like the constructor.
  ControlView& CreateViewFor(TControl& control);

  // The density the window is laid out for: its monitor's.
  DpiScale WindowScale() const override { return lengths_.Applied(); }
  // Lays the window out again at `dpi` from its stored lengths (fonts,
  // places and sizes scaled from the description's values) with `outer` as
  // its new outer rectangle (screen coordinates). A density no screen has,
  // an empty rectangle or one off every monitor changes nothing: false.
  bool ChangeDensity(int dpi, const RECT& outer);

  // FormHost: the first showing places the window as the form's position
  // says (see above).
  void Show() override;
  void Hide() override;
  void Close() override;
  // The system's move loop, ended by the release of the button that began it
  // (ui/framework/caption_move.h); returns when the move has ended.
  void StartMoveByCaption() override;

  // Moves the focus to the next control in tab order (previous: !forward)
  // among the controls of the top-level window that `from` is in (null: the
  // form's own window, from the focused control).
  void SelectNext(bool forward, ControlView* from = nullptr);

  // Told by the views. FocusEntered may throw (the control that loses the
  // focus refused to let it go).
  void FocusEntered(ControlView& view);
  void ControlVisibilityChanged(ControlView& view);
  // The mouse was pressed on `view`: the key preview hears of it, then the
  // focused control, when it is another one (ControlView::OtherControlPressed).
  // An error it raises is shown and the press goes on.
  void ControlPressed(ControlView& view);

  // The window's key preview (ui/framework/key_preview.h), or null; one at a time, and
  // it must be taken away (null) before it goes.
  void SetKeyPreview(KeyPreview* preview) { key_preview_ = preview; }
  KeyPreview* Preview() const { return key_preview_; }
  // Told by the views: `input` reached `view`; true when the preview took it.
  bool PreviewKey(ControlView& view, const KeyInput& input) const {
    return key_preview_ && key_preview_->PreviewKey(view, input);
  }
  // The form's window heard of a change of the system's colours or settings
  // (WM_SYSCOLORCHANGE, WM_SETTINGCHANGE): every view is told
  // (OnSystemColorsChanged, OnSettingsChanged) and the message goes on to
  // the child windows, for those of the system's classes. A change of the
  // colours or of high contrast (SPI_SETHIGHCONTRAST, told as a change of
  // colours as well) repaints every window of the form: the colours drawn
  // with are worked out at each paint.
  void SystemChanged(UINT message, WPARAM wparam, LPARAM lparam);
  // Repaints the form's window and the pop-ups of its controls (floating
  // windows, drop-down menus, the open list), frames and children included.
  void RepaintAll() const;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnSetFocus() override;
  void OnCloseRequest() override;
  void OnWindowPosChanged(const WINDOWPOS& place) override;
  bool OnActivate(bool active, bool minimized) override;
  bool OnDpiChanged(int dpi, const RECT& suggested) override;
  bool OnDpiScaledSize(int dpi, SIZE& size) override;

 private:
  void CreateViews(ControlView& parent);
  // The outer rectangle (at 0, 0) of the window with its stored client size
  // at `dpi`; the form's own outer size where it stores no client size.
  RECT OuterRectAt(int dpi) const;
  // Lays out `view`'s children, then theirs, all the way down.
  static void AlignTree(ControlView& view);
  void PlaceForFirstShowing();
  void FocusFirstControl();
  // Sends `message` to every window inside this one.
  void TellChildWindows(UINT message, WPARAM wparam, LPARAM lparam) const;

  TForm& form_;
  const ViewFactory& views_factory_;
  FormOwner& owner_;
  StoredLengths lengths_;
  const base::Size stored_client_;  // the description's client size
  std::vector<std::unique_ptr<ControlView>> views_;
  ControlView* active_ = nullptr;
  KeyPreview* key_preview_ = nullptr;
  bool shown_before_ = false;
  bool creating_ = true;
};

// The message a form's window sends, synchronously, to every top-level
// window it owns when it is shown, hidden, minimized, restored or resized,
// so that windows that go with it (floating frames) can follow. wParam and
// lParam are 0.
UINT OwnerStateMessage();

// The Tab key handling of the message loop: when `message` is a Tab press for
// a window of ours whose control does not take Tab itself, moves the focus
// and returns true (the message is then not dispatched).
bool HandleDialogKey(const MSG& message);

}  // namespace ui
