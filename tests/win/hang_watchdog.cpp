// A watchdog for the GUI tests: a test that runs for more than two minutes
// (a modal loop that never ends, a lost release) ends the test program with
// its name printed, instead of leaving the test run waiting until its outer
// time limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr ULONGLONG kLimitMs = 120000;

class HangWatchdog final : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo& test) override {
    {
      const std::lock_guard lock(mutex_);
      name_ = std::string(test.test_suite_name()) + "." + test.name();
    }
    started_.store(GetTickCount64());
    if (!thread_.joinable()) thread_ = std::thread([this] { Watch(); });
  }
  void OnTestEnd(const testing::TestInfo&) override { started_.store(0); }
  void OnTestProgramEnd(const testing::UnitTest&) override {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Watch() {
    while (!stop_.load()) {
      Sleep(500);
      const ULONGLONG started = started_.load();
      if (started != 0 && GetTickCount64() - started > kLimitMs) {
        const std::lock_guard lock(mutex_);
        std::fprintf(stderr, "\n%s still runs after %llu s: ending the test program\n", name_.c_str(),
                     kLimitMs / 1000);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
    }
  }

  std::mutex mutex_;
  std::string name_;
  std::atomic<ULONGLONG> started_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Registered before main runs; gtest owns the listener from then on.
const bool registered = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new HangWatchdog);
  return true;
}();

}  // namespace
