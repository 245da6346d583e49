// Wall-clock timing for the Windows timing programs (Google Benchmark is not
// built for the cross toolchain): the median of several runs of one piece of work.
#pragma once

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace testing_support {

// The median of `times` (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> times) {
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <typename Work>
double MedianMilliseconds(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(std::move(times));
}

// The same, with `prepare` run before each timed run and left out of its time.
template <typename Prepare, typename Work>
double MedianMilliseconds(int runs, Prepare prepare, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(std::move(times));
}

}  // namespace testing_support
