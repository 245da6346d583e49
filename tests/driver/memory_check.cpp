#include "tests/driver/memory_check.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/child_process.h"
#include "tests/common/median_time.h"
#include "tests/driver/program_under_test.h"

namespace driver {

namespace {

constexpr DWORD kWaitMs = 15000;

std::string MiB(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f MiB", value);
  return text;
}

// One start of `exe`: the MiB it has committed once its first visible
// top-level window (not the hidden application window) shows and it waits
// for input; nothing when it does not get there or does not end with 0.
std::optional<double> CommittedOnceShown(const std::wstring& exe, Report& report) {
  const testing_support::ChildProcess child(exe);
  if (!report.Check(child.Started(), "it starts", Utf8(exe))) return std::nullopt;
  const HWND window = child.WaitForTopWindow(testing_support::IsShownMainWindow, kWaitMs);
  if (!report.Check(window != nullptr, "its window shows")) return std::nullopt;
  if (!report.Check(child.WaitForIdle(kWaitMs), "it waits for input once shown")) return std::nullopt;
  const std::optional<size_t> bytes = child.CommittedBytes();
  if (!report.Check(bytes.has_value(), "its memory counters can be read")) return std::nullopt;
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (!report.Check(child.WaitForExit(kWaitMs) == std::optional<DWORD>(0), "it ends with exit code 0"))
    return std::nullopt;
  return static_cast<double>(*bytes) / (1024.0 * 1024.0);
}

}  // namespace

int CommittedMemoryOnceShown(const Setup& setup, Report& report) {
  std::vector<double> program, bare;
  for (int run = 0; run < kMemoryStarts; ++run) {
    const std::optional<double> a = CommittedOnceShown(setup.exe, report);
    const std::optional<double> b = CommittedOnceShown(setup.bare_window, report);
    if (!a || !b) return report.Failures();
    program.push_back(*a);
    bare.push_back(*b);
  }
  const double program_median = testing_support::Median(program);
  const double bare_median = testing_support::Median(bare);
  report.Check(program_median - bare_median <= kMostCommittedOverBareMiB,
               "once shown, the program commits at most " + MiB(kMostCommittedOverBareMiB) +
                   " more than the bare window",
               "program " + MiB(program_median) + ", bare window " + MiB(bare_median) + ", difference " +
                   MiB(program_median - bare_median));
  return report.Failures();
}

}  // namespace driver
