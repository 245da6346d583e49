// The capture loop's handling of each kind of message, with messages posted
// to a window of the test that holds the capture: which input reaches the
// callbacks, which is dropped and which is dispatched in each input mode, and
// the three ways the loop ends.
#include "ui/framework/capture_loop.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kMarker = WM_APP + 1;       // dispatched as anything else
constexpr UINT kAfter = WM_APP + 2;        // posted after the loop's end
constexpr UINT kDropCapture = WM_APP + 3;  // its handler gives the capture away

std::vector<UINT>* dispatched = nullptr;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kDropCapture) ReleaseCapture();
  const bool watched = message == kMarker || message == kAfter || message == kDropCapture ||
                       (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) ||
                       (message >= WM_KEYFIRST && message <= WM_KEYLAST);
  if (watched && dispatched) dispatched->push_back(message);
  return DefWindowProcW(window, message, wparam, lparam);
}

class CaptureLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"CaptureLoopTest";
    RegisterClassW(&window_class);  // fails harmlessly when registered by an earlier test
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"CaptureLoopTest", L"capture", WS_POPUP | WS_VISIBLE, 10, 10,
                              40, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    dispatched = &dispatched_;
    loop_.running = [this] { return !done_; };
    loop_.move = [this](POINT) { ++moves_; };
    loop_.left_up = [this](POINT) { done_ = true; };
    loop_.key = [this](const ui::KeyStroke& stroke) { keys_.push_back(stroke); };
  }
  void TearDown() override {
    dispatched = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
    // What a test left posted to the window goes with it (posted messages
    // only: a pending paint is never removed by a peek).
    MSG message;
    for (int left = 100; left > 0 && PeekMessageW(&message, window_, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE);
         --left) {
    }
    DestroyWindow(window_);
  }

  void Post(UINT message, WPARAM wparam = 0) { PostMessageW(window_, message, wparam, 0); }
  // Every kind of input the loop tells apart, then a marker, the release
  // that ends the loop, and one message more.
  void PostEveryKind() {
    Post(WM_MOUSEMOVE);
    Post(WM_MOUSEWHEEL);
    Post(WM_MOUSEHWHEEL);
    Post(WM_RBUTTONDOWN);
    Post(WM_MBUTTONUP);
    Post(WM_XBUTTONDOWN);
    Post(WM_XBUTTONUP);
    Post(WM_LBUTTONDOWN);
    Post(WM_LBUTTONDBLCLK);
    Post(WM_CHAR, 'a');
    Post(WM_SYSCHAR, 'b');
    Post(WM_KEYDOWN, VK_ESCAPE);
    Post(WM_SYSKEYUP, 'A');
    Post(kMarker);
    Post(WM_LBUTTONUP);
    Post(kAfter);
  }
  bool AfterStillQueued() {
    MSG message;
    return PeekMessageW(&message, window_, kAfter, kAfter, PM_REMOVE) != FALSE;
  }

  HWND window_ = nullptr;
  ui::CaptureLoop loop_;
  std::vector<UINT> dispatched_;
  std::vector<ui::KeyStroke> keys_;
  int moves_ = 0;
  bool done_ = false;
};

TEST_F(CaptureLoopTest, TakingAllInputDropsEveryOtherMouseAndKeyMessageAndEndsAtTheRelease) {
  ui::MouseCapture capture(window_);
  ASSERT_TRUE(capture.Held());
  PostEveryKind();
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kDone);
  EXPECT_EQ(dispatched_, std::vector<UINT>{kMarker});
  EXPECT_GE(moves_, 1);
  ASSERT_EQ(keys_.size(), 2u);
  EXPECT_EQ(keys_[0].key, static_cast<WPARAM>(VK_ESCAPE));
  EXPECT_TRUE(keys_[0].down);
  EXPECT_FALSE(keys_[0].system);
  EXPECT_EQ(keys_[1].key, static_cast<WPARAM>('A'));
  EXPECT_FALSE(keys_[1].down);
  EXPECT_TRUE(keys_[1].system);
  EXPECT_TRUE(AfterStillQueued()) << "the loop went on after the release";
  EXPECT_TRUE(capture.Held()) << "the caller gives the capture back";
}

TEST_F(CaptureLoopTest, TakingButtonsAndKeysDropsEveryOtherButtonAndCharacterAndDispatchesTheWheels) {
  int left_downs = 0;
  loop_.left_down = [&] { ++left_downs; };
  loop_.input = ui::CaptureInput::kButtonsAndKeys;
  ui::MouseCapture capture(window_);
  PostEveryKind();
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kDone);
  EXPECT_EQ(dispatched_, (std::vector<UINT>{WM_MOUSEWHEEL, WM_MOUSEHWHEEL, kMarker}));
  EXPECT_EQ(left_downs, 2) << "the press and the double-click";
  EXPECT_EQ(keys_.size(), 2u);
  EXPECT_TRUE(AfterStillQueued());
}

TEST_F(CaptureLoopTest, KeysWithoutAHandlerAreDroppedInEitherMode) {
  loop_.key = nullptr;
  loop_.input = ui::CaptureInput::kButtonsAndKeys;
  ui::MouseCapture capture(window_);
  Post(WM_KEYDOWN, VK_CONTROL);
  Post(WM_SYSKEYDOWN, VK_MENU);
  Post(WM_LBUTTONUP);
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kDone);
  EXPECT_TRUE(dispatched_.empty());
}

TEST_F(CaptureLoopTest, NotRunningAtTheStartTakesNoMessage) {
  done_ = true;
  ui::MouseCapture capture(window_);
  Post(kAfter);
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kDone);
  EXPECT_TRUE(AfterStillQueued());
}

TEST_F(CaptureLoopTest, ALostCaptureEndsTheLoopAfterDispatchingTheMessageThatFoundItGone) {
  ui::MouseCapture capture(window_);
  Post(kDropCapture);
  Post(WM_RBUTTONDOWN);  // input, but the capture is gone: passed on as it is
  Post(WM_LBUTTONUP);
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kCaptureLost);
  EXPECT_EQ(dispatched_, (std::vector<UINT>{kDropCapture, WM_RBUTTONDOWN}));
  EXPECT_FALSE(done_) << "the release after it was not taken";
}

TEST_F(CaptureLoopTest, AQuitMessageEndsTheLoopAndIsPostedAgain) {
  ui::MouseCapture capture(window_);
  PostQuitMessage(7);
  EXPECT_EQ(ui::RunCaptureLoop(capture, loop_), ui::CaptureEnd::kQuit);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
