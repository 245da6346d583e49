// The error display: what reaches the box for each kind of error, and one run
// with the real box, dismissed automatically, after which the program goes on.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "app/error_display.h"
#include "base/exception.h"
#include "text/cp1251.h"

namespace {

struct Shown {
  HWND owner;
  std::string text, caption;
  UINT style;
  bool other_window_enabled;
};

class RecordingBox final : public app::MessageBoxSeam {
 public:
  explicit RecordingBox(HWND watched = nullptr) : watched_(watched) {}
  void Show(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
    shown.push_back({owner, text, caption, style, watched_ ? IsWindowEnabled(watched_) != FALSE : true});
  }
  std::vector<Shown> shown;

 private:
  HWND watched_;
};

class ErrorDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  template <typename Error>
  std::vector<Shown> ShowError(Error error) {
    RecordingBox box(window_);
    app::ErrorDisplay display("Viravoz", window_, "C:\\TOWN\\VIRAVOZ.EXE", box);
    display.Show(std::make_exception_ptr(error), 0x1234);
    return box.shown;
  }

  HWND window_ = nullptr;
};

TEST_F(ErrorDisplayTest, ProgramErrorsGoToOneBoxWithTheTitleAndAFullStop) {
  const auto shown = ShowError(base::Exception("Field 'KEY' not found"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Field 'KEY' not found.");
  EXPECT_EQ(shown[0].caption, "Viravoz");
  EXPECT_EQ(shown[0].owner, window_);
  EXPECT_EQ(shown[0].style, 0x10u);
  EXPECT_FALSE(shown[0].other_window_enabled) << "the program's windows are disabled while the box is up";
  EXPECT_TRUE(IsWindowEnabled(window_)) << "and enabled again afterwards";
}

TEST_F(ErrorDisplayTest, TheFullStopRuleOnTheWayToTheBox) {
  EXPECT_EQ(ShowError(base::EConvertError(text::Utf8ToCp1251("Неверный номер")))[0].text,
            text::Utf8ToCp1251("Неверный номер."));
  EXPECT_EQ(ShowError(base::Exception("Done!"))[0].text, "Done!");
  EXPECT_EQ(ShowError(base::Exception(""))[0].text, "");
}

TEST_F(ErrorDisplayTest, AbortIsSilent) {
  EXPECT_TRUE(ShowError(base::EAbort()).empty());
}

TEST_F(ErrorDisplayTest, OtherRaisedObjectsGoToTheApplicationErrorBox) {
  const auto shown = ShowError(std::runtime_error("x"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Application Error");
  EXPECT_EQ(shown[0].text.rfind("Exception std::runtime_error in module C:\\TOWN\\VIRAVOZ.EXE at ", 0), 0u)
      << shown[0].text;
  EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_TASKMODAL));
  EXPECT_NE(ShowError(42)[0].text.find("Exception int in module"), std::string::npos);
}

TEST(StartUpErrorTest, ShownAsAnUnexpectedErrorWithItsMessage) {
  RecordingBox box;
  app::ShowStartUpError(box, "C:\\TOWN\\VIRAVOZ.EXE",
                        std::make_exception_ptr(base::Exception("Resource TMainForm not found")));
  app::ShowStartUpError(box, "C:\\TOWN\\VIRAVOZ.EXE", std::make_exception_ptr(std::runtime_error("broken.")));
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[0].caption, "Application Error");
  EXPECT_EQ(box.shown[0].text,
            "Exception Exception in module C:\\TOWN\\VIRAVOZ.EXE at 0000000000000000.\n"
            "Resource TMainForm not found.");
  EXPECT_EQ(box.shown[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_TASKMODAL));
  EXPECT_EQ(box.shown[1].text.rfind("Exception std::runtime_error in module", 0), 0u);
  EXPECT_EQ(box.shown[1].text.substr(box.shown[1].text.size() - 8), "\nbroken.");
}

TEST_F(ErrorDisplayTest, CaptureIsCancelledFirst) {
  SetCapture(window_);
  ShowError(base::Exception("x"));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ErrorDisplayTest, TheRealBoxIsShownAndTheProgramGoesOn) {
  std::atomic<bool> dismissed{false};
  std::thread dismisser([&] {
    for (int i = 0; i < 200 && !dismissed; ++i) {
      if (HWND box = FindWindowW(L"#32770", L"Viravoz")) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        dismissed = true;
      }
      Sleep(25);
    }
  });
  // The box's owner is the application's hidden window, as in the program.
  const HWND application = CreateWindowExW(0, L"STATIC", L"application", WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(application, nullptr);
  SetForegroundWindow(window_);
  ASSERT_EQ(GetForegroundWindow(), window_);
  app::SystemMessageBox box;
  app::ErrorDisplay display("Viravoz", application, "VIRAVOZ.EXE", box);
  display.Show(std::make_exception_ptr(base::Exception("Shown for real")));
  dismisser.join();
  EXPECT_TRUE(dismissed);
  EXPECT_TRUE(IsWindowEnabled(window_));
  // The window that was active has the keyboard again.
  EXPECT_EQ(GetForegroundWindow(), window_);
  EXPECT_EQ(GetActiveWindow(), window_);
  DestroyWindow(application);
}

}  // namespace
