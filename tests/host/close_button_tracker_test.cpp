// The floating frame's close button: hovering, a press held while the
// pointer wanders off and back, where the release hides the window, and the
// events that come when no press is tracked.
#include "app/docking/close_button_tracker.h"

#include <gtest/gtest.h>

namespace {

using app::CloseButtonTracker;
using app::CloseLook;
using State = app::CloseButtonTracker::State;

constexpr bool kInside = true;
constexpr bool kOutside = false;

TEST(CloseButtonHover, IsHotOverTheButtonAndNormalWhenThePointerMovesOffOrLeaves) {
  CloseButtonTracker button;
  EXPECT_EQ(button.Look(), CloseLook::kNormal);
  button.Move(kInside);
  EXPECT_EQ(button.Current(), State::kHot);
  EXPECT_EQ(button.Look(), CloseLook::kHot);
  EXPECT_FALSE(button.Pressed());
  button.Move(kOutside);
  EXPECT_EQ(button.Look(), CloseLook::kNormal);
  button.Move(kInside);
  button.Leave();
  EXPECT_EQ(button.Current(), State::kIdle);
  EXPECT_EQ(button.Look(), CloseLook::kNormal);
}

TEST(CloseButtonPress, ShowsPushedOnlyWhileThePointerIsOverTheButton) {
  CloseButtonTracker button;
  button.Move(kInside);
  button.Press(kInside);
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(button.Look(), CloseLook::kPushed);
  button.Move(kOutside);
  EXPECT_EQ(button.Current(), State::kPushedAway);
  EXPECT_EQ(button.Look(), CloseLook::kNormal);
  EXPECT_TRUE(button.Pressed()) << "the press is still tracked away from the button";
  button.Move(kInside);
  EXPECT_EQ(button.Look(), CloseLook::kPushed);
  // Leaving the frame while pressed is a move off the button, not the end
  // of the press.
  button.Leave();
  EXPECT_EQ(button.Current(), State::kPushedAway);
  button.Leave();
  EXPECT_EQ(button.Current(), State::kPushedAway);
}

TEST(CloseButtonPress, AReleaseOverTheButtonHidesEvenAfterTheTripAway) {
  CloseButtonTracker button;
  button.Press(kInside);
  EXPECT_TRUE(button.Release(kInside));
  EXPECT_EQ(button.Current(), State::kIdle);
  EXPECT_EQ(button.Look(), CloseLook::kNormal) << "not hot after the release, until the next move";

  button.Press(kInside);
  button.Move(kOutside);
  button.Move(kInside);
  EXPECT_TRUE(button.Release(kInside));
}

TEST(CloseButtonPress, AReleaseOffTheButtonOrALostCaptureHidesNothing) {
  CloseButtonTracker button;
  button.Press(kInside);
  EXPECT_FALSE(button.Release(kOutside));
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(button.Look(), CloseLook::kNormal);

  // The release counts where it happens, not where the last move was.
  button.Press(kInside);
  EXPECT_FALSE(button.Release(kOutside));

  button.Press(kInside);
  button.Move(kOutside);
  button.CaptureLost();
  EXPECT_EQ(button.Current(), State::kIdle);
  EXPECT_FALSE(button.Release(kInside)) << "a release after the lost capture is no longer the press's";
}

TEST(CloseButtonPress, EventsWithoutATrackedPressChangeNothing) {
  CloseButtonTracker button;
  button.Press(kOutside);
  EXPECT_FALSE(button.Pressed());
  EXPECT_FALSE(button.Release(kInside));
  button.CaptureLost();
  EXPECT_EQ(button.Current(), State::kIdle);

  button.Move(kInside);
  EXPECT_FALSE(button.Release(kInside));
  button.CaptureLost();
  EXPECT_EQ(button.Current(), State::kHot) << "a stray release or lost capture leaves the hot look";

  // A second press during a tracked one does not start it again.
  button.Press(kInside);
  button.Move(kOutside);
  button.Press(kInside);
  EXPECT_EQ(button.Current(), State::kPushedAway);
}

}  // namespace
