// TfmAbout: the About window. A frameless window with a strip at the top
// (Panel1) that holds the close mark and the two web links, and the text
// (me) below it. Everything it shows comes from its description; the
// handlers below are what it does:
//
//   event                        | hidden            | shown
//   -----------------------------+-------------------+--------------------------------------
//   "O..." (Show, main window)   | shown, in front   | brought to the front, place kept
//                                | (first time: on   |
//                                | the main window's |
//                                | centre)           |
//   pointer onto / off the mark  | -                 | mark sky blue / back to the panel's clInfoBk
//   pointer onto / off a link    | -                 | hand cursor / default cursor on that link
//   click on the close mark      | -                 | hidden (Close of a window that is not
//                                |                   | the main one), place kept
//   Esc, the window active       | -                 | hidden, as by the close mark
//   click on a link              | -                 | the shell opens its page, result ignored
//   press of any button on the   | -                 | the system's move loop until release;
//   window, the strip or the text|                   | the window stays where it was dropped
//   Tab, Shift+Tab, Enter, Space | -                 | the strip's own focus (strip_focus.h):
//                                |                   | the next / previous part, wrapping; the
//                                |                   | focused part acts as if clicked
//
// A press on the close mark or a link starts no move (their presses are
// theirs, not the strip's); their release over them is their click. The
// window is never modal and goes with the application, shown or hidden.
//
// The handlers are portable: the shell goes through the platform services
// of the window's owner (ui::ServicesOf), the move through the form's host.
#pragma once

#include "about/strip_focus.h"
#include "ui/controls/label/label.h"
#include "ui/controls/memo/memo.h"
#include "ui/controls/panel/panel.h"
#include "ui/model/form.h"

namespace about {

// The pages the two links open. The description shows their hosts: laLink1's
// caption is the maker's ("example.com"), laLink2's caption and line 6 of the
// text the portal's ("example.org"); a host test holds the description to
// these two addresses.
inline constexpr char kMakerHomePage[] = "http://example.com/";
inline constexpr char kPortalDirectoryPage[] = "http://example.org/index.php?topicID=16";

class TfmAbout : public ui::TForm {
 public:
  explicit TfmAbout(base::TComponent* owner) : TForm(owner) {}

  // The members, found by name once the description has been read (null when
  // a description lacks one).
  ui::TPanel* Panel1 = nullptr;
  ui::TLabel* laButtomClose = nullptr;
  ui::TMemo* me = nullptr;
  ui::TLabel* laLink1 = nullptr;
  ui::TLabel* laLink2 = nullptr;

  // The close mark's hover colours: clSkyBlue (15780518) under the pointer
  // (the highlight pair where colours give way), clInfoBk (the panel's
  // colour) off it. `sender` is the mark; a sender that
  // is not a control is left alone.
  void laButtomCloseMouseEnter(base::TComponent* sender);
  void laButtomCloseMouseLeave(base::TComponent* sender);
  // Closes the window, which hides it (it is not the main window).
  void laButtomCloseClick(base::TComponent* sender);
  // Bound to both links: the hand cursor (crHandPoint) on the sender while
  // the pointer is over it, crDefault again when it leaves.
  void laLink1MouseEnter(base::TComponent* sender);
  void laLink1MouseLeave(base::TComponent* sender);
  // Bound to the window, the strip and the text: releases the capture and
  // starts the system's move of the window, whatever the button.
  void FormMouseDown(base::TComponent* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  // Ask the shell to open the portal's directory page (laLink2) or the
  // maker's home page (laLink1): no owner window, no verb, the address as
  // the file, no parameters, no directory, shown normally. What the shell
  // answers is not looked at: a missing browser reports nothing.
  void laLink2Click(base::TComponent* sender);
  void laLink1Click(base::TComponent* sender);

  // Esc while the window is active hides it, as its close mark does.
  bool EscapePressed() override;
  // Tab and Shift+Tab move the strip's focus, Enter and Space click the
  // focused part; the window is shown with its focus on the portal's link.
  bool KeyPressed(ui::FormKey key) override;
  ui::TControl* HeldFocus() const override;

  void Loaded() override;
  // The links, the close mark and the text (about_accessible.h).
  std::unique_ptr<ui::AccessibleDescription> AccessibleFor(ui::TControl& control) override;

  const char* ClassName() const override { return "TfmAbout"; }
  static const resources::ClassInfo& Class();

 protected:
  void Showing() override;

 private:
  void OpenPage(const char* address) const;
  ui::TLabel* LabelOf(StripPart part) const;
  // Marks the focused part on the labels.
  void ShowStripFocus();

  StripFocus strip_;
};

}  // namespace about
