// The application object: title, application window, the loop, and errors
// that escape a handler going to the one error display while the loop goes on.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/forms/main_form.h"
#include "base/exception.h"
#include "data/client_data_set.h"
#include "tests/common/recording_message_box.h"
#include "ui/framework/window.h"

namespace {

using RecordingBox = testing_support::RecordingMessageBox;

// A window whose handler throws on WM_APP and ends the loop on WM_APP + 1.
class ThrowingWindow final : public ui::Window {
 public:
  explicit ThrowingWindow(app::TApplication& application) {
    SetErrorSink(&application);
    EXPECT_TRUE(CreateHandle(L"PhonebookTestThrowing", 0, WS_POPUP, L"", 0, 0, 10, 10, application.Handle()));
  }
  int handled_after_error = 0;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_APP:
        throw base::Exception("Handler failed");
      case WM_APP + 1:
        ++handled_after_error;
        PostQuitMessage(0);
        return 0;
      default:
        return DefaultHandling(message, wparam, lparam);
    }
  }
};

TEST(Application, TitleAndTheInvisibleApplicationWindow) {
  RecordingBox box;
  app::TApplication application("C:\\TOWN\\VIRAVOZ.EXE", box);
  EXPECT_EQ(application.Title(), "Viravoz");
  ASSERT_NE(application.Handle(), nullptr);
  EXPECT_FALSE(IsWindowVisible(application.Handle()));
  wchar_t caption[64] = {};
  GetWindowTextW(application.Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Viravoz");
  HMENU menu = GetSystemMenu(application.Handle(), FALSE);
  ASSERT_NE(menu, nullptr);
  for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_MOVE}) {
    EXPECT_EQ(GetMenuState(menu, command, MF_BYCOMMAND), static_cast<UINT>(-1)) << "command " << command;
  }
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST(Application, AnErrorInAHandlerIsShownAndTheLoopGoesOn) {
  RecordingBox box;
  app::TApplication application("C:\\TOWN\\VIRAVOZ.EXE", box);
  ThrowingWindow window(application);
  PostMessageW(window.Handle(), WM_APP, 0, 0);
  PostMessageW(window.Handle(), WM_APP + 1, 0, 0);
  EXPECT_EQ(application.Run(), 0);
  EXPECT_EQ(box.shown, (std::vector<std::string>{"Viravoz|Handler failed."}));
  EXPECT_EQ(window.handled_after_error, 1);
}

TEST(Application, TheFirstRegisteredWindowIsTheMainWindow) {
  RecordingBox box;
  app::TApplication application("phonebook.exe", box);
  ThrowingWindow first(application), second(application);
  application.SetMainWindowIfFirst(first.Handle());
  application.SetMainWindowIfFirst(second.Handle());
  EXPECT_EQ(application.MainWindow(), first.Handle());
}

std::vector<uint32_t> OrderOf(const data::TCustomClientDataSet& table) {
  std::vector<uint32_t> records;
  table.Cursor()->MoveToBOF();
  for (uint32_t r = 0; table.Cursor()->GetNextRecord(r) == data::kDsOk;) records.push_back(r);
  return records;
}

// The main window's person table opens on the name order stored by the
// build; the loop's first idle moment checks it against the system's order,
// and what the table then holds is the order the system's keys build.
TEST(Application, TheLoopChecksTheStoredNameOrderWhenFirstIdle) {
  RecordingBox box;
  app::TApplication application("phonebook.exe", box);
  app::TMainForm& form = application.CreateForm<app::TMainForm>();
  ASSERT_NE(form.daFio, nullptr);
  EXPECT_TRUE(form.daFio->StoredOrderUnchecked());
  // The loop ends on a timer once the check has run, or after 5 s without
  // it. (A timer that fires at once may come before the loop's first idle
  // moment on a busy machine: the loop must not end before it.)
  static app::TMainForm* checked_form = nullptr;
  static DWORD give_up_at = 0;
  checked_form = &form;
  give_up_at = GetTickCount() + 5000;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!checked_form->daFio->StoredOrderUnchecked() || static_cast<LONG>(GetTickCount() - give_up_at) >= 0)
      PostQuitMessage(0);
  });
  EXPECT_EQ(application.Run(), 0);
  KillTimer(nullptr, timer);
  checked_form = nullptr;
  EXPECT_FALSE(form.daFio->StoredOrderUnchecked());
  EXPECT_TRUE(box.shown.empty());

  // The same rows sorted afresh by the system's keys (the table let its
  // packet go once open: it is read-only).
  const std::vector<uint32_t> checked = OrderOf(*form.daFio);
  data::IDSBase& store = *form.daFio->RowStore();
  const data::IndexDescriptor by_name{"fresh name order",
                                      {{static_cast<uint32_t>(form.daFioFIO->FieldNo())}}};
  ASSERT_EQ(store.BuildTemporaryIndex(by_name), data::kDsOk);
  data::IDSCursor fresh(store);
  ASSERT_EQ(fresh.UseTemporaryIndex(), data::kDsOk);
  std::vector<uint32_t> fresh_order;
  fresh.MoveToBOF();
  for (uint32_t r = 0; fresh.GetNextRecord(r) == data::kDsOk;) fresh_order.push_back(r);
  EXPECT_EQ(fresh_order.size(), store.RecordCount());
  EXPECT_EQ(checked, fresh_order);
}

}  // namespace
