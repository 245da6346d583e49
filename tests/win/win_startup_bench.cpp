// Start-up time of the program under Windows (or Wine): from CreateProcessW
// until the program shows its main window, taken as the first visible
// top-level window of the process that is not the hidden application window
// (any main window class counts). Each run then closes that window with
// WM_CLOSE and requires the program to end with exit code 0. Prints every
// run and the median in milliseconds; exit status 1 when a run fails, 2 for
// bad arguments.
//
//   win_startup_bench.exe [runs [program]]   (defaults: 15 runs, the build's phonebook.exe via Z:)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/common/child_process.h"
#include "tests/common/median_time.h"

namespace {

constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr long kMaxRuns = 1000;

bool IsShownMainWindow(HWND window) {
  return IsWindowVisible(window) && testing_support::WindowClassName(window) != L"PhonebookApplication";
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One start of `program`: its time to the first shown window in `ms`.
// Prints the reason and returns false when the run fails.
bool TimeOneStart(const std::wstring& program, int run, const LARGE_INTEGER& frequency, double& ms) {
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  const testing_support::ChildProcess child(program);
  if (!child.Started()) {
    std::fprintf(stderr, "run %d: cannot start %ls (error %lu)\n", run, program.c_str(), child.StartError());
    return false;
  }
  HWND window = child.WaitForTopWindow(IsShownMainWindow, kShowTimeoutMs);
  QueryPerformanceCounter(&shown);
  if (!window) {
    const auto code = child.WaitForExit(0);
    if (code) {
      std::fprintf(stderr, "run %d: the program ended with exit code %lu before showing a window\n", run,
                   *code);
    } else {
      std::fprintf(stderr, "run %d: no visible window within %lu ms\n", run, kShowTimeoutMs);
    }
    return false;
  }
  ms = Milliseconds(start, shown, frequency);
  const std::wstring window_class = testing_support::WindowClassName(window);
  std::printf("run %2d: %8.1f ms  (window class %ls)\n", run, ms, window_class.c_str());
  std::fflush(stdout);

  PostMessageW(window, WM_CLOSE, 0, 0);
  const auto code = child.WaitForExit(kExitTimeoutMs);
  if (!code) {
    std::fprintf(stderr, "run %d: the program still runs %lu ms after WM_CLOSE\n", run, kExitTimeoutMs);
    return false;
  }
  if (*code != 0) {
    std::fprintf(stderr, "run %d: the program ended with exit code %lu\n", run, *code);
    return false;
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  long runs = 15;
  if (argc > 1) {
    wchar_t* end = nullptr;
    runs = std::wcstol(argv[1], &end, 10);
    if (end == argv[1] || *end != L'\0' || runs < 1 || runs > kMaxRuns) runs = 0;
  }
  if (argc > 3 || runs == 0) {
    std::fprintf(stderr, "usage: win_startup_bench.exe [runs (1..%ld) [program]]\n", kMaxRuns);
    return 2;
  }
  const std::wstring program = argc > 2 ? std::wstring(argv[2]) : std::wstring(L"" PHONEBOOK_EXE);

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int run = 1; run <= runs; ++run) {
    double ms = 0;
    if (!TimeOneStart(program, run, frequency, ms)) return 1;
    times.push_back(ms);
  }
  std::printf("start of %ls to its first visible window, median of %ld runs: %.1f ms\n", program.c_str(),
              runs, testing_support::Median(times));
  return 0;
}
