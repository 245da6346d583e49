// Timings of the system string order under Windows (or Wine): sorting the
// names of a directory-sized list with direct CompareStringW calls and with
// precomputed LCMapStringW sort keys. Prints the median of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "data/system_collation.h"
#include "data/word_sort_collation.h"
#include "tests/common/median_time.h"
#include "tests/common/name_sample.h"

using testing_support::MedianMilliseconds;

int main() {
  const auto names = testing_support::SampleNames(25937);
  const data::SystemCollation system;
  const data::WordSortCollation host;
  const auto sort_by = [&](const data::Collation& collation) {
    auto copy = names;
    std::sort(copy.begin(), copy.end(), [&](const std::string& a, const std::string& b) {
      return collation.Compare(a, b, data::CaseMode::kSensitive) < 0;
    });
  };
  const double direct = MedianMilliseconds(5, [&] { sort_by(system); });
  const double keyed = MedianMilliseconds(5, [&] {
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
      keys.emplace_back(system.SortKey(names[i], data::CaseMode::kSensitive), i);
    std::sort(keys.begin(), keys.end());
  });
  const double portable = MedianMilliseconds(5, [&] { sort_by(host); });
  // The check of a sorted list: one system comparison per neighbouring pair.
  auto sorted = names;
  std::sort(sorted.begin(), sorted.end(), [&](const std::string& a, const std::string& b) {
    return host.Compare(a, b, data::CaseMode::kSensitive) < 0;
  });
  int disagreements = 0;
  const double check = MedianMilliseconds(5, [&] {
    disagreements = 0;
    for (size_t i = 1; i < sorted.size(); ++i) {
      disagreements += system.Compare(sorted[i - 1], sorted[i], data::CaseMode::kSensitive) > 0;
    }
  });
  const double keys_only = MedianMilliseconds(5, [&] {
    for (const std::string& name : names) (void)system.SortKey(name, data::CaseMode::kSensitive);
  });
  std::printf("system sort keys of %zu names (no sort):       %.1f ms\n", names.size(), keys_only);
  std::printf("check of a sorted list, neighbours compared: %.1f ms (%d out of order)\n", check,
              disagreements);
  std::printf("sort %zu names, system CompareStringW: %.1f ms\n", names.size(), direct);
  std::printf("sort %zu names, system sort keys:      %.1f ms (%.1fx faster)\n", names.size(), keyed,
              direct / keyed);
  std::printf("sort %zu names, portable word sort:    %.1f ms\n", names.size(), portable);
  return 0;
}
