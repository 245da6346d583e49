// ControlView: the window on screen of one stored control (Windows only).
//
// A control's class keeps what its description says; its view creates the
// window at the stored place and size, in the stored font and colours, and
// turns window messages into the control's behaviour. Views exist only
// inside a FormWindow, which creates one per control and owns them. A view
// is the control's peer: a change of visibility made on the control reaches
// the screen. What a view's window does not handle itself goes to the
// default handling of its window class (ui::Window).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace ui {

class FormWindow;

class ControlView : public Window, public ControlPeer {
 public:
  ControlView(TControl& control, FormWindow& form);
  ~ControlView() override;

  TControl& Control() const { return control_; }
  FormWindow& Form() const { return form_; }

  // Creates the window in `parent` (the parent control's view).
  virtual void Create(ControlView& parent) = 0;

  // The views of the controls nested in this one, in reading order.
  const std::vector<ControlView*>& Children() const { return children_; }
  void AddChild(ControlView& child) { children_.push_back(&child); }
  ControlView* ParentView() const { return parent_view_; }

  // Moves the window to the control's stored place and size.
  void ApplyBounds();
  // Places the aligned children in the client area and moves every child.
  virtual void AlignChildren();

  // The colour behind this control's content (what its children draw on).
  virtual TColor BackgroundColor() const { return control_.color; }
  // For a view built on a system class, which asks its parent for colours
  // (WM_CTLCOLOR*): sets the font colour and the control's colour in `dc`
  // and returns the brush of the control's colour.
  virtual HBRUSH ControlColors(HDC dc);

  // The font the control shows text in (created on first use).
  HFONT FontHandle();
  // Gives that font to the window (for views built on a system class).
  void ApplyFont();

  void VisibilityChanged() override;
  // Called when the control becomes its window's focused control.
  virtual void Entered() {}

 protected:
  // Creates the window with the control's bounds and visibility; throws
  // base::Exception when it cannot be created.
  void CreateControlWindow(ControlView& parent, const wchar_t* class_name, DWORD ex_style, DWORD style,
                           const std::wstring& text, const wchar_t* base_class = nullptr);
  // Besides the layout, focus and colour messages, an own-drawn view's
  // background is erased in BackgroundColor(); one that paints its whole
  // client area in WM_PAINT answers WM_ERASEBKGND with 1 itself.
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Draws `text` (1251) in `area` with DrawText `format`, in the control's
  // font and font colour, over what is already there.
  void DrawCaption(HDC dc, const std::string& text, RECT& area, UINT format);

 private:
  TControl& control_;
  FormWindow& form_;
  ControlView* parent_view_ = nullptr;
  std::vector<ControlView*> children_;
  GdiObject<HFONT> font_;
  SolidBrush background_;
};

}  // namespace ui
