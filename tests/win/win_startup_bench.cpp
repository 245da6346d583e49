// Start-up time of the program under Windows (or Wine): from CreateProcessW
// until the program shows its main window, taken as the first visible
// top-level window of the process that is not the hidden application window
// (any main window class counts). Each run then closes that window with
// WM_CLOSE and requires the program to end with exit code 0. Before the
// close it reads, from outside, the memory the process has committed once
// its window shows and its message loop first waits (GetProcessMemoryInfo).
//
// The runs alternate with runs of a bare window program (one class, one
// empty window) built in the same tree, so that both meet the same machine
// load; the program's runs are started with PHONEBOOK_PROFILE naming a
// temporary file, whose phases are collected (only a profiling build writes
// them: scripts/startup-time times one). Prints every run, the median
// of each phase, both medians and their ratio, and both median committed
// sizes with their difference; exit status 1 when a run fails, 2 for bad
// arguments.
//
//   win_startup_bench.exe [runs [program [bare program]]]
//   (defaults: 15 runs each, the build's phonebook.exe and bare_window.exe via Z:)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/core/startup_profile.h"
#include "tests/common/child_process.h"
#include "tests/common/median_time.h"

namespace {

constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kIdleTimeoutMs = 10000;
constexpr long kMaxRuns = 1000;

// The size of the file at `path`, 0 when it is missing.
ULONGLONG GetFileSizeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One start of `program`: its time to the first shown window in `ms`, and
// the bytes it has committed once it is idle after that in `committed`.
// Prints the reason and returns false when the run fails.
// With `profile` named, the program is let finish its profile (bounded wait)
// before it is closed.
bool TimeOneStart(const std::wstring& program, int run, const LARGE_INTEGER& frequency, double& ms,
                  double& committed, const std::wstring& profile = {}) {
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  const testing_support::ChildProcess child(program);
  if (!child.Started()) {
    std::fprintf(stderr, "run %d: cannot start %ls (error %lu)\n", run, program.c_str(), child.StartError());
    return false;
  }
  HWND window = child.WaitForTopWindow(testing_support::IsShownMainWindow, kShowTimeoutMs);
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
  if (!profile.empty()) {
    for (int waited = 0; waited < 5000 && GetFileSizeOf(profile) == 0; waited += 10) Sleep(10);
  }
  if (!child.WaitForIdle(kIdleTimeoutMs)) {
    std::fprintf(stderr, "run %d: the program is not idle %lu ms after showing its window\n", run,
                 kIdleTimeoutMs);
    return false;
  }
  const auto bytes = child.CommittedBytes();
  if (!bytes) {
    std::fprintf(stderr, "run %d: cannot read the program's memory counters (error %lu)\n", run,
                 GetLastError());
    return false;
  }
  committed = static_cast<double>(*bytes) / (1024.0 * 1024.0);
  const std::wstring window_class = testing_support::WindowClassName(window);
  std::printf("run %2d: %8.1f ms  %6.2f MiB committed  (window class %ls)\n", run, ms, committed,
              window_class.c_str());
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

// The phases of every profiled start, in the order they first appeared.
class PhaseTimes {
 public:
  void Add(const std::vector<app::ProfileLine>& lines) {
    for (const app::ProfileLine& line : lines) {
      size_t i = 0;
      while (i < names_.size() && names_[i] != line.name) ++i;
      if (i == names_.size()) {
        names_.push_back(line.name);
        times_.emplace_back();
      }
      times_[i].push_back(line.duration_ms);
    }
  }
  bool Empty() const { return names_.empty(); }
  void Print() const {
    for (size_t i = 0; i < names_.size(); ++i) {
      std::printf("  %8.1f ms  %s (%zu runs)\n", testing_support::Median(times_[i]), names_[i].c_str(),
                  times_[i].size());
    }
  }

 private:
  std::vector<std::string> names_;
  std::vector<std::vector<double>> times_;
};

// The whole content of `path` (empty when it cannot be read).
std::string ReadWholeFile(const std::wstring& path) {
  std::string text;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// A fresh temporary file name for one run's profile.
std::wstring ProfilePath() {
  wchar_t folder[MAX_PATH + 1] = {}, path[MAX_PATH + 1] = {};
  if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"pbp", 0, path)) return {};
  return path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  long runs = 15;
  if (argc > 1) {
    wchar_t* end = nullptr;
    runs = std::wcstol(argv[1], &end, 10);
    if (end == argv[1] || *end != L'\0' || runs < 1 || runs > kMaxRuns) runs = 0;
  }
  if (argc > 4 || runs == 0) {
    std::fprintf(stderr, "usage: win_startup_bench.exe [runs (1..%ld) [program [bare program]]]\n", kMaxRuns);
    return 2;
  }
  const std::wstring program = argc > 2 ? std::wstring(argv[2]) : std::wstring(L"" PHONEBOOK_EXE);
  const std::wstring bare = argc > 3 ? std::wstring(argv[3]) : std::wstring(L"" BARE_WINDOW_EXE);

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times, bare_times, memory, bare_memory;
  PhaseTimes phases;
  // Whether the program writes a profile (a profiling build): the first run
  // tells, so that later runs of another build wait for none.
  bool profiled = true;
  for (int run = 1; run <= runs; ++run) {
    const std::wstring profile = profiled ? ProfilePath() : std::wstring();
    SetEnvironmentVariableW(L"PHONEBOOK_PROFILE", profile.empty() ? nullptr : profile.c_str());
    double ms = 0, committed = 0;
    const bool started = TimeOneStart(program, run, frequency, ms, committed, profile);
    SetEnvironmentVariableW(L"PHONEBOOK_PROFILE", nullptr);
    if (!profile.empty()) {
      const std::vector<app::ProfileLine> lines = app::ParseStartupProfile(ReadWholeFile(profile));
      if (run == 1 && lines.empty()) profiled = false;
      phases.Add(lines);
      DeleteFileW(profile.c_str());
    }
    if (!started) return 1;
    times.push_back(ms);
    memory.push_back(committed);
    if (!TimeOneStart(bare, run, frequency, ms, committed)) return 1;
    bare_times.push_back(ms);
    bare_memory.push_back(committed);
  }
  std::printf("phases of the program's start-up (medians, from its own profile):\n");
  if (phases.Empty()) std::printf("  none: the program is no profiling build (PHONEBOOK_PROFILING)\n");
  phases.Print();
  const double median = testing_support::Median(times), bare_median = testing_support::Median(bare_times);
  std::printf("start of %ls to its first visible window, median of %ld runs: %.1f ms\n", program.c_str(),
              runs, median);
  std::printf("start of %ls to its first visible window, median of %ld runs: %.1f ms\n", bare.c_str(), runs,
              bare_median);
  std::printf("ratio program / bare window: %.2f\n", median / bare_median);
  const double memory_median = testing_support::Median(memory);
  const double bare_memory_median = testing_support::Median(bare_memory);
  std::printf(
      "committed once shown and idle, medians: program %.2f MiB, bare window %.2f MiB, "
      "difference %.2f MiB\n",
      memory_median, bare_memory_median, memory_median - bare_memory_median);
  return 0;
}
