// TForm: the base of the program's window classes. A window reads its own
// description into itself (it is the root record), so a form class has no
// creation function; its derived class publishes the handler methods that
// the description binds to events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ui/model/accessible.h"
#include "ui/model/control.h"
#include "ui/model/form_host.h"

namespace ui {

enum class TFormBorderStyle : std::uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
enum class TPosition : std::uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
// The keys a window hears when its focused control leaves them: Tab, Shift+Tab,
// and Enter and Space without Shift, Ctrl or Alt.
enum class FormKey : std::uint8_t { kTab, kShiftTab, kEnter, kSpace };

// Bits of TForm::border_icons.
enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };

// A window's scroll bar setting ("HorzScrollBar.Visible").
class TControlScrollBar : public base::TPersistent {
 public:
  bool visible = true;

  const char* ClassName() const override { return "TControlScrollBar"; }
  static const resources::ClassInfo& Class();
};

class TForm : public TWinControl {
 public:
  explicit TForm(base::TComponent* owner);
  ~TForm() override;

  std::int32_t client_width = 0;
  std::int32_t client_height = 0;
  TFormBorderStyle border_style = TFormBorderStyle::bsSizeable;
  std::uint32_t border_icons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
  TPosition position = TPosition::poDesigned;
  bool old_create_order = false;
  std::int32_t pixels_per_inch = 96;
  std::int32_t text_height = 13;
  TControlScrollBar horz_scroll_bar;
  TControlScrollBar vert_scroll_bar;

  bool HasBorderIcon(TBorderIcon icon) const { return (border_icons >> icon) & 1u; }

  // The platform side that shows this window; the form owns it, and it goes
  // before the controls it shows.
  void AttachHost(std::unique_ptr<FormHost> host) { host_ = std::move(host); }
  // Leaves the making of the platform side to the first time it is needed
  // (Host(), Show()): a window hidden at start-up gets its handles when it is
  // first shown, not while the program starts.
  using HostMaker = std::function<std::unique_ptr<FormHost>()>;
  void AttachHostWhenNeeded(HostMaker maker) { host_maker_ = std::move(maker); }
  // The platform side, made now if it was left for later; null when none was
  // attached. (Logically const: the window shown is the same either way.)
  FormHost* Host() const;

  // Without a host these only change `visible`. Show() tells a hidden
  // window first (Showing()).
  void Show();
  void Hide();
  void Close();
  // Starts a move of the window by the pointer, as a grab of its caption
  // does (FormHost::StartMoveByCaption); without a host, nothing.
  void StartMoveByCaption();
  // Esc was pressed in the window and its focused control left it: a window
  // that closes on Esc closes and answers true. The base leaves it (false).
  virtual bool EscapePressed() { return false; }
  // A key of `key`'s kind was pressed in the window and its focused control
  // left it: a window that moves a focus of its own among parts that take
  // none from the system (the About window's links) takes it and answers
  // true; the base leaves it (false), and Tab then moves the focus between
  // the controls as usual.
  virtual bool KeyPressed(FormKey /*key*/) { return false; }
  // The control that holds such a focus of the window's own, or null; the
  // window's screen side tells readers of it whenever the window itself gets
  // the system's focus.
  virtual TControl* HeldFocus() const { return nullptr; }

  // Sets `member` to the owned component of that name when it is a T, else null
  // (how a window class finds its members once its description has been read).
  template <typename T>
  void FindMember(std::string_view name, T*& member) const {
    member = dynamic_cast<T*>(FindComponent(name));
  }

  // Adds the client size.
  void VisitLengths(const LengthVisitor& visit) override;

  // What a reader is told about `control`, one of this window's, where the
  // window knows better than the control's kind (a label that is a link);
  // null leaves it to the kind's own description.
  virtual std::unique_ptr<AccessibleDescription> AccessibleFor(TControl& /*control*/) { return nullptr; }

  const char* ClassName() const override { return "TForm"; }
  static const resources::ClassInfo& Class();

 protected:
  // The window is about to show, having been hidden.
  virtual void Showing() {}

 private:
  mutable std::unique_ptr<FormHost> host_;
  mutable HostMaker host_maker_;
};

}  // namespace ui
