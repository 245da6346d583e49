#include "tests/win/program_windows.h"

#include "tests/win/real_input.h"
#include "text/literal.h"
#include "ui/framework/wide_text.h"

namespace testing_support {

std::wstring TextOf(HWND window) {
  const auto length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                                    reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::wstring W(std::u8string_view utf8) {
  return ui::Wide(text::Utf8ToCp1251(std::string(utf8.begin(), utf8.end())));
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

RECT PlaceInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ProgramWindowsTest::SetUp() {
  ParkMouse();
  application_ = std::make_unique<app::TApplication>("C:\\TOWN\\PHONEBOOK.EXE", box_);
  application_->SetServices(services_.Services());
  form_ = &application_->CreateForm<app::TMainForm>();
  about_ = &application_->CreateForm<about::TfmAbout>();
  window_ = dynamic_cast<ui::FormWindow*>(form_->Host());
  about_window_ = dynamic_cast<ui::FormWindow*>(about_->Host());
  ASSERT_NE(window_, nullptr);
  ASSERT_NE(about_window_, nullptr);
}

void ProgramWindowsTest::TearDown() {
  application_.reset();
  // Input left in the queue must not reach the next test's windows.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

HWND ProgramWindowsTest::Of(const char* name) const {
  ui::ControlView* view = window_->ViewNamed(name);
  return view ? view->Handle() : nullptr;
}

HWND ProgramWindowsTest::AboutOf(const char* name) const {
  ui::ControlView* view = about_window_->ViewNamed(name);
  return view ? view->Handle() : nullptr;
}

void ProgramWindowsTest::ShowAndSettle() {
  form_->Show();
  Settle();
}

void ProgramWindowsTest::Settle(int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  do {
    application_->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (static_cast<LONG>(until - GetTickCount()) > 0);
  application_->ProcessMessages();
}

bool ProgramWindowsTest::SettleUntil(const std::function<bool()>& done, int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  for (;;) {
    application_->ProcessMessages();
    if (done()) return true;
    if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

::testing::AssertionResult ProgramWindowsTest::LoopEndsWithZero(UINT ms) {
  const DWORD until = GetTickCount() + ms;
  for (;;) {
    if (!application_->ProcessMessages()) return ::testing::AssertionSuccess();
    if (static_cast<LONG>(until - GetTickCount()) <= 0) {
      return ::testing::AssertionFailure() << "the loop did not end";
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void ProgramWindowsTest::ParkMouse() {
  MoveMouseAndSettle(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

void ProgramWindowsTest::MoveMouseAndSettle(POINT screen) {
  const auto at_screen = [screen] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
  };
  // The program's loop once it exists; before, the thread's own.
  const auto pump_until = [this](const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
      if (application_) {
        application_->ProcessMessages();
      } else {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  };
  if (!at_screen()) {
    MoveMouse(screen);
    pump_until([&] { return !at_screen(); }, 300);  // the echo
    pump_until(at_screen, 300);
  }
  MoveMouse(screen);
  pump_until([] { return false; }, 60);
}

}  // namespace testing_support
