// Sorting a directory-sized list of names with the portable word sort.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "data/word_sort_collation.h"
#include "tests/common/name_sample.h"

namespace {

constexpr size_t kDirectorySize = 25937;

void BM_SortNamesWordSort(benchmark::State& state) {
  const auto names = testing_support::SampleNames(kDirectorySize);
  const data::WordSortCollation collation;
  for (auto _ : state) {
    auto copy = names;
    std::sort(copy.begin(), copy.end(), [&](const std::string& a, const std::string& b) {
      return collation.Compare(a, b, data::CaseMode::kSensitive) < 0;
    });
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_SortNamesWordSort)->Unit(benchmark::kMillisecond);

void BM_SortNamesWordSortKeys(benchmark::State& state) {
  const auto names = testing_support::SampleNames(kDirectorySize);
  const data::WordSortCollation collation;
  for (auto _ : state) {
    std::vector<std::pair<std::string, size_t>> keyed;
    keyed.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
      keyed.emplace_back(collation.SortKey(names[i], data::CaseMode::kSensitive), i);
    std::sort(keyed.begin(), keyed.end());
    benchmark::DoNotOptimize(keyed.data());
  }
}
BENCHMARK(BM_SortNamesWordSortKeys)->Unit(benchmark::kMillisecond);

}  // namespace
