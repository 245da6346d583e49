// The window menu's state table over a target that floats, docks and places
// a frame as the screen does, with the real frame geometry's sizing limits.
#include "app/window_menu/window_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using app::FloatingHit;
using app::Rect;
using app::WindowCommand;
using app::WindowMenu;
using Key = app::WindowMenuKey;
using State = app::WindowMenu::State;

const Rect kWork{0, 0, 1024, 740};
const Rect kFloated{100, 100, 400, 220};  // where floating puts the window

class FakeTarget final : public app::WindowMenuTarget {
 public:
  explicit FakeTarget(int dpi = 96) : scale(dpi) {}
  bool floating = false;
  Rect frame = kFloated;
  std::string calls;
  ui::DpiScale scale;
  // A sizing frame 4 x 4 with a small caption of 17.
  app::FloatingFrame geometry{{{4, 4}, {3, 3}, 17, {}}, app::FloatingContent::kToolWindow, true, true};

  bool Floating() const override { return floating; }
  void Float() override { calls += "float;", floating = true, frame = kFloated; }
  void Dock() override { calls += "dock;", floating = false; }
  void Hide() override { calls += "hide;"; }
  Rect FrameRect() const override { return frame; }
  void PlaceFrame(const Rect& place) override { frame = place; }
  Rect WorkArea() const override { return kWork; }
  Rect Resized(const Rect& start, FloatingHit edge, int delta) const override {
    const app::Point by = edge == FloatingHit::kRight ? app::Point{delta, 0} : app::Point{0, delta};
    return geometry.Resize(start, edge, by, app::kToolWindowMinClient);
  }
  ui::DpiScale Scale() const override { return scale; }
};

// Alt+-, then for moving or sizing that command chosen with Down and Enter.
void Reach(WindowMenu& menu, State state) {
  if (state == State::kIdle) return;
  menu.Key(Key::kAltMinus);
  if (state == State::kMenu) return;
  if (state == State::kSizing) menu.Key(Key::kDown);
  const app::WindowMenuEvents chosen = menu.Key(Key::kEnter);
  ASSERT_TRUE(chosen.chosen);
  menu.Run(*chosen.chosen);
}

TEST(WindowMenuTest, EachKeyInEachState) {
  struct Case {
    State from;
    Key key;
    bool taken;
    State to;
    Rect frame;  // the floating frame afterwards (the menu floats a docked window to move or size it)
  } const cases[] = {
      {State::kIdle, Key::kUp, false, State::kIdle, kFloated},
      {State::kIdle, Key::kEsc, false, State::kIdle, kFloated},
      {State::kIdle, Key::kAltMinus, true, State::kMenu, kFloated},
      {State::kMenu, Key::kLeft, true, State::kMenu, kFloated},
      {State::kMenu, Key::kOther, true, State::kMenu, kFloated},
      {State::kMenu, Key::kEsc, true, State::kIdle, kFloated},
      {State::kMenu, Key::kAltMinus, true, State::kIdle, kFloated},
      {State::kMoving, Key::kLeft, true, State::kMoving, {92, 100, 392, 220}},
      {State::kMoving, Key::kDown, true, State::kMoving, {100, 108, 400, 228}},
      {State::kMoving, Key::kOther, true, State::kMoving, kFloated},
      {State::kMoving, Key::kEnter, true, State::kIdle, kFloated},
      {State::kSizing, Key::kRight, true, State::kSizing, {100, 100, 408, 220}},
      {State::kSizing, Key::kUp, true, State::kSizing, {100, 100, 400, 212}},
      {State::kSizing, Key::kEnter, true, State::kIdle, kFloated},
  };
  for (const Case& c : cases) {
    FakeTarget target;
    target.floating = true;
    WindowMenu menu(target);
    Reach(menu, c.from);
    const std::string where =
        std::to_string(static_cast<int>(c.from)) + "/" + std::to_string(static_cast<int>(c.key));
    EXPECT_EQ(menu.Key(c.key).taken, c.taken) << where;
    EXPECT_EQ(menu.CurrentState(), c.to) << where;
    EXPECT_EQ(target.frame, c.frame) << where;
  }
}

TEST(WindowMenuTest, TheMenuWrapsChoosesByKeyOrPointerAndItsCommandsActAsTheMouse) {
  FakeTarget target;
  WindowMenu menu(target);
  menu.Key(Key::kAltMinus);
  EXPECT_FALSE(menu.OpenedFloating());  // its third command floats
  menu.Key(Key::kUp);
  EXPECT_EQ(menu.Key(Key::kEnter).chosen, WindowCommand::kHide);
  menu.Key(Key::kAltMinus);
  EXPECT_EQ(menu.Pointer(app::WindowMenuPointer::kRelease, app::MenuPointer::Item(2)).chosen,
            WindowCommand::kFloatOrDock);
  for (const WindowCommand command :
       {WindowCommand::kFloatOrDock, WindowCommand::kFloatOrDock, WindowCommand::kHide}) {
    menu.Run(command);
  }
  EXPECT_EQ(target.calls, "float;dock;hide;");
}

TEST(WindowMenuTest, EscAltMinusAndInterruptionsPutADockedWindowBackIntoItsDockAFloatingOneInPlace) {
  for (const bool floating : {false, true}) {
    for (int end = 0; end < 3; ++end) {
      FakeTarget target;
      target.floating = floating;
      WindowMenu menu(target);
      Reach(menu, floating ? State::kSizing : State::kMoving);
      menu.Key(Key::kDown);
      end == 2 ? menu.Interrupted() : static_cast<void>(menu.Key(end == 0 ? Key::kEsc : Key::kAltMinus));
      EXPECT_EQ(target.calls, floating ? "" : "float;dock;");
      if (floating) EXPECT_EQ(target.frame, kFloated);
      EXPECT_EQ(menu.CurrentState(), State::kIdle);
    }
  }
}

TEST(WindowMenuTest, HeldKeysStopAtTheWorkAreaAndTheLeastSizeAndScaleTheStep) {
  FakeTarget target(144);
  target.floating = true;
  WindowMenu menu(target);
  Reach(menu, State::kMoving);
  menu.Key(Key::kRight);
  EXPECT_EQ(target.frame.left, kFloated.left + 12);
  for (int i = 0; i < 300; ++i) menu.Key(Key::kLeft);
  EXPECT_EQ(target.frame.right, kWork.left + 6);  // 4 pixels kept inside, scaled
  menu.Key(Key::kEnter);
  target.frame = kFloated;
  Reach(menu, State::kSizing);
  for (int i = 0; i < 300; ++i) menu.Key(Key::kLeft), menu.Key(Key::kUp);
  const app::Insets in = target.geometry.NonClient();
  EXPECT_EQ(target.frame.Width() - in.left - in.right, 32);
  EXPECT_EQ(target.frame.Height() - in.top - in.bottom, 32);
  menu.Key(Key::kRight);  // held at the least size, one press grows it again
  EXPECT_EQ(target.frame.Width() - in.left - in.right, 32 + 12);
  for (int i = 0; i < 300; ++i) menu.Key(Key::kRight), menu.Key(Key::kDown);
  EXPECT_EQ(target.frame.right, kWork.right);
  EXPECT_EQ(target.frame.bottom, kWork.bottom);
}

}  // namespace
