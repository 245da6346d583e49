// The control framework on the real windows, driven by real input: control
// events raised from the system's mouse messages, live properties reaching
// the screen (colour, cursor, alignment), a control moving to another
// top-level window and back, no GDI object made per paint, and the
// application window's task-bar entry and close request.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "resources/event.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/controls/panel/panel.h"
#include "ui/framework/wide_text.h"
#include "ui/model/control_tree.h"

namespace {

using testing_support::Click;
using testing_support::ClientCentre;
using testing_support::MoveMouse;
using testing_support::ScreenPixel;
using testing_support::ScreenPoint;
using testing_support::TextOf;

// Records the events bound to its methods, as "Method:Sender".
class EventProbe final : public base::TComponent {
 public:
  EventProbe() : TComponent(nullptr) {}

  void Clicked(base::TComponent* sender) { Note("Click", sender); }
  void Entered(base::TComponent* sender) {
    Note("Enter", sender);
    if (on_enter_color) static_cast<ui::TControl*>(sender)->SetColor(*on_enter_color);
  }
  void Left(base::TComponent* sender) { Note("Leave", sender); }
  void Pressed(base::TComponent* sender, ui::TMouseButton button, ui::TShiftState, int x, int y) {
    Note(
        "Down" + std::to_string(static_cast<int>(button)) + "@" + std::to_string(x) + "," + std::to_string(y),
        sender);
  }

  template <auto Method>
  static resources::MethodInfo Info(const char* name) {
    return resources::PublishedMethod<Method>(name);
  }

  std::vector<std::string> events;
  std::optional<ui::TColor> on_enter_color;

 private:
  void Note(const std::string& what, base::TComponent* sender) {
    events.push_back(what + ":" + sender->Name());
  }
};

class ControlEventsTest : public testing_support::ProgramWindowsTest {
 protected:
  void BindClickAndHover(ui::TControl& control) {
    control.on_click.Bind(probe_, click_);
    control.on_mouse_enter.Bind(probe_, enter_);
    control.on_mouse_leave.Bind(probe_, leave_);
  }

  EventProbe probe_;
  const resources::MethodInfo click_ = EventProbe::Info<&EventProbe::Clicked>("Clicked");
  const resources::MethodInfo enter_ = EventProbe::Info<&EventProbe::Entered>("Entered");
  const resources::MethodInfo leave_ = EventProbe::Info<&EventProbe::Left>("Left");
  const resources::MethodInfo down_ = EventProbe::Info<&EventProbe::Pressed>("Pressed");
};

TEST_F(ControlEventsTest, ALabelsClickAndHoverEventsComeFromRealMouseInput) {
  ShowAndSettle();
  BindClickAndHover(*form_->Label1);
  const POINT over = ClientCentre(Of("Label1"));
  MoveMouse(over);
  Settle();
  EXPECT_EQ(probe_.events, (std::vector<std::string>{"Enter:Label1"}));
  Click(over);
  Settle();
  ParkMouse();
  SettleUntil([&] { return probe_.events.size() >= 3; });
  EXPECT_EQ(probe_.events, (std::vector<std::string>{"Enter:Label1", "Click:Label1", "Leave:Label1"}));
}

TEST_F(ControlEventsTest, APressReleasedOutsideTheControlIsNoClick) {
  ShowAndSettle();
  BindClickAndHover(*form_->Label1);
  testing_support::Drag(ClientCentre(Of("Label1")), ClientCentre(Of("Label2")), 4);
  Settle();
  ParkMouse();
  Settle();
  EXPECT_EQ(std::count(probe_.events.begin(), probe_.events.end(), "Click:Label1"), 0);
  EXPECT_EQ(probe_.events.front(), "Enter:Label1");
}

TEST_F(ControlEventsTest, APressOnTheDisabledMemoReachesItsWindowsMouseDown) {
  about_->Show();
  Settle();
  ASSERT_FALSE(IsWindowEnabled(AboutOf("me")));
  about_->on_mouse_down.Bind(probe_, down_);
  about_->me->on_mouse_down.Bind(probe_, down_);
  // The right button: no move loop starts, whatever the window's own handler does.
  const RECT memo = testing_support::PlaceInParent(AboutOf("me"));
  const POINT client{memo.left + 30, memo.top + 40};
  Click(ScreenPoint(AboutHandle(), client), testing_support::Button::kRight);
  Settle();
  // The window's handler, with the point in the window's client coordinates.
  EXPECT_EQ(probe_.events, (std::vector<std::string>{"Down1@30,59:fmAbout"}));
}

TEST_F(ControlEventsTest, AColourSetInAHandlerShowsOnScreenAtOnce) {
  about_->Show();
  Settle();
  ui::TLabel& mark = *about_->laButtomClose;
  probe_.on_enter_color = ui::clSkyBlue;
  mark.on_mouse_enter.Bind(probe_, enter_);
  // The label takes its panel's colour until the handler gives it one.
  const POINT corner = ScreenPoint(AboutOf("laButtomClose"), POINT{1, 1});
  EXPECT_EQ(ScreenPixel(corner), GetSysColor(COLOR_INFOBK));
  MoveMouse(ClientCentre(AboutOf("laButtomClose")));
  ASSERT_TRUE(SettleUntil([&] { return ScreenPixel(corner) == RGB(166, 202, 240); }));
  EXPECT_FALSE(mark.parent_color);
}

TEST_F(ControlEventsTest, TheHandCursorShowsOverAControlWhoseCursorIsHandPoint) {
  ShowAndSettle();
  const POINT over = ClientCentre(Of("Label1"));
  MoveMouse(over);
  Settle();
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_ARROW));
  // Set while the pointer rests on it: the shape changes without a move.
  form_->Label1->SetCursor(ui::crHandPoint);
  Settle();
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_HAND));
  ParkMouse();
  Settle();
  MoveMouse(over);
  Settle();
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_HAND));
  form_->Label1->SetCursor(ui::crDefault);
  Settle();
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_ARROW));
  // A stored value outside the table shows the arrow, not nothing.
  form_->Label1->SetCursor(1234);
  Settle();
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(ControlEventsTest, AMemosNewAlignmentRecreatesItsWindowWithTheTextKept) {
  ShowAndSettle();
  const HWND before = Of("meResult");
  ASSERT_TRUE(GetWindowLongPtrW(before, GWL_STYLE) & ES_CENTER);
  form_->meResult->lines.Add("second line");
  EXPECT_EQ(TextOf(before), testing_support::W(u8"Пока ничего нет!\r\nsecond line"));
  form_->meResult->SetAlignment(ui::TAlignment::taLeftJustify);
  const HWND after = Of("meResult");
  EXPECT_FALSE(IsWindow(before));
  ASSERT_TRUE(IsWindow(after));
  EXPECT_FALSE(GetWindowLongPtrW(after, GWL_STYLE) & (ES_CENTER | ES_RIGHT));
  EXPECT_EQ(TextOf(after), testing_support::W(u8"Пока ничего нет!\r\nsecond line"));
  EXPECT_TRUE(testing_support::PlaceInParent(after).right == 289);
  // The same alignment again changes nothing.
  form_->meResult->SetAlignment(ui::TAlignment::taLeftJustify);
  EXPECT_EQ(Of("meResult"), after);
}

TEST_F(ControlEventsTest, AControlMovedToAnotherWindowKeepsItsTextAndAnswersTabThere) {
  ShowAndSettle();
  // A window of its own: a panel of the form with no parent control.
  auto* panel = new ui::TPanel(form_);
  panel->SetName("Elsewhere");
  panel->SetBounds(20, 20, 220, 60);
  ui::ControlView& elsewhere = window_->CreateViewFor(*panel);
  ASSERT_EQ(GetAncestor(elsewhere.Handle(), GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(elsewhere.Handle(), GW_OWNER), Handle());

  const HWND edit = Of("MaskEdit1");
  const std::wstring text = TextOf(edit);
  form_->MaskEdit1->SetParent(panel);
  form_->RxDBLookupCombo1->SetParent(panel);
  EXPECT_EQ(GetParent(edit), elsewhere.Handle());
  EXPECT_EQ(Of("MaskEdit1"), edit);
  EXPECT_EQ(TextOf(edit), text);
  // Tab there cycles through the controls of that window only.
  SetForegroundWindow(elsewhere.Handle());
  SetFocus(edit);
  Settle();
  testing_support::PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Of("RxDBLookupCombo1"); }));
  testing_support::PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == edit; }));
  // The main window's cycle no longer holds them.
  const auto list = ui::TabOrderList(*form_, form_);
  EXPECT_EQ(std::count(list.begin(), list.end(), form_->MaskEdit1), 0);

  // And back home, at the stored place, in the main window's cycle again.
  form_->MaskEdit1->SetParent(form_);
  form_->RxDBLookupCombo1->SetParent(form_);
  EXPECT_EQ(GetParent(edit), Handle());
  EXPECT_EQ(testing_support::PlaceInParent(edit).left, 176);
  SetForegroundWindow(Handle());
  SetFocus(edit);
  Settle();
  testing_support::PressKey(VK_TAB);
  EXPECT_TRUE(SettleUntil([&] { return GetFocus() == Of("meResult"); }));
}

// How far up the system's GDI handle table reaches: the highest index among
// many brushes made at once (then deleted again). Freed entries are handed
// out again before the table grows, but not necessarily lowest first (Wine
// reuses the last freed), so one probe handle's index says little; a batch
// larger than the free entries takes them all and reaches past the table's
// end by as much as objects have been kept since the last look.
unsigned GdiHighWater() {
  constexpr int kBatch = 1024;
  std::vector<HBRUSH> batch;
  unsigned highest = 0;
  for (int i = 0; i < kBatch; ++i) {
    batch.push_back(CreateSolidBrush(RGB(1, 2, 3)));
    highest =
        std::max(highest, static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(batch.back()) & 0xFFFF));
  }
  for (const HBRUSH brush : batch) DeleteObject(brush);
  return highest;
}

TEST_F(ControlEventsTest, PaintingAThousandTimesMakesNoNewGdiObjects) {
  ShowAndSettle();
  const auto paint_all = [&] {
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  paint_all();  // the first paint makes what the views keep
  const DWORD objects_before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const unsigned index_before = GdiHighWater();
  for (int i = 0; i < 1000; ++i) paint_all();
  const DWORD objects_after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const unsigned index_after = GdiHighWater();
  // Where the system counts GDI objects (Windows), the count stays; where it
  // does not (Wine answers 0), the handle table did not grow either.
  EXPECT_LE(objects_after, objects_before);
  EXPECT_LT(index_after, index_before + 64u) << "handle index " << index_before << " -> " << index_after;
}

TEST_F(ControlEventsTest, TheApplicationWindowGivesTheProgramATaskBarButtonWithTheTitle) {
  form_->Show();
  application_->ShowTaskBarEntry(true);
  Settle();
  // A visible top-level window without an owner that is not a tool window
  // (or asks for a button) gets one.
  struct Found {
    int count = 0;
    std::wstring text;
  } found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found_param) {
        const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
        const bool gets_button = IsWindowVisible(window) && GetParent(window) == nullptr &&
                                 (GetWindow(window, GW_OWNER) == nullptr || (ex_style & WS_EX_APPWINDOW)) &&
                                 !(ex_style & WS_EX_TOOLWINDOW);
        if (gets_button) {
          auto* result = reinterpret_cast<Found*>(found_param);
          ++result->count;
          result->text = TextOf(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  const int qualifying = found.count;
  const std::wstring text = found.text;
  EXPECT_EQ(qualifying, 1);
  EXPECT_EQ(text, L"Phonebook");
  // Its window menu offers no Maximize, Size or Move.
  HMENU menu = GetSystemMenu(application_->Handle(), FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(ControlEventsTest, AClosingRequestToTheApplicationWindowEndsTheProgramAsTheMainWindowWould) {
  ShowAndSettle();
  application_->ShowTaskBarEntry(true);
  PostMessageW(application_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(LoopEndsWithZero());
  // Nothing was destroyed before the application object goes.
  EXPECT_TRUE(IsWindow(Handle()));
  EXPECT_TRUE(IsWindow(AboutHandle()));
}

TEST_F(ControlEventsTest, TheAboutWindowFirstShowsCentredOnTheMainWindow) {
  ShowAndSettle();
  SetWindowPos(Handle(), nullptr, 31, 17, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  about_->Show();
  Settle();
  RECT main, about;
  GetWindowRect(Handle(), &main);
  GetWindowRect(AboutHandle(), &about);
  const LONG width = about.right - about.left, height = about.bottom - about.top;
  EXPECT_EQ(width, 343);
  EXPECT_EQ(height, 146);
  EXPECT_EQ(about.left, std::max(0L, main.left + (main.right - main.left - width) / 2));
  EXPECT_EQ(about.top, std::max(0L, main.top + (main.bottom - main.top - height) / 2));
  // Later showings keep the place it has.
  about_->Hide();
  SetWindowPos(Handle(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  about_->Show();
  Settle();
  RECT again;
  GetWindowRect(AboutHandle(), &again);
  EXPECT_EQ(again.left, about.left);
  EXPECT_EQ(again.top, about.top);
}

TEST_F(ControlEventsTest, TheAboutWindowsFirstPlaceIsRaisedToTheScreensCorner) {
  ShowAndSettle();
  // The main window mostly above and left of the screen.
  SetWindowPos(Handle(), nullptr, -250, -200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  about_->Show();
  Settle();
  RECT about;
  GetWindowRect(AboutHandle(), &about);
  EXPECT_EQ(about.left, 0);
  EXPECT_EQ(about.top, 0);
}

TEST_F(ControlEventsTest, NoTwoVisibleControlsOfTheAboutPanelOverlap) {
  about_->Show();
  Settle();
  const std::vector<HWND> parts{AboutOf("laButtomClose"), AboutOf("laLink1"), AboutOf("laLink2")};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    for (std::size_t j = i + 1; j < parts.size(); ++j) {
      RECT a, b, both;
      GetWindowRect(parts[i], &a);
      GetWindowRect(parts[j], &b);
      EXPECT_FALSE(IntersectRect(&both, &a, &b))
          << TextOf(parts[i]).size() << " and " << TextOf(parts[j]).size();
    }
  }
  // The links stay at their design places.
  EXPECT_EQ(testing_support::PlaceInParent(AboutOf("laLink2")).left, 8);
  EXPECT_EQ(testing_support::PlaceInParent(AboutOf("laLink1")).left, 104);
}

}  // namespace
