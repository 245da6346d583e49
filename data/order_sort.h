// The sort that builds an order: a partition sort that leaves every part of
// at most 10 entries alone, then one insertion pass over the whole array.
//
// It is not stable, and which of several equal keys ends first is exactly what
// these steps give: the name search of the program finds that entry, so the
// steps below must not be "improved" (no other pivot rule, no std::sort).
//
//   A[0]      low sentinel: compares less than any record
//   A[1..n]   the record numbers to sort
//   A[n+1]    high sentinel: compares greater than any record
//
// `compare(a, b)` returns <0, 0, >0 for two entries of A (record numbers or
// sentinels); SentinelCompare wraps a record comparison with the sentinels.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace data {

inline constexpr uint32_t kLowSentinel = 0;  // record numbers start at 1
inline constexpr uint32_t kHighSentinel = UINT32_MAX;
inline constexpr size_t kInsertionCutoff = 10;

// Adds the sentinels to a comparison of two record numbers.
template <typename RecordCompare>
class SentinelCompare {
 public:
  explicit SentinelCompare(RecordCompare& compare) : compare_(compare) {}
  int operator()(uint32_t a, uint32_t b) const {
    if (a == kLowSentinel || b == kHighSentinel) return (a == b) ? 0 : -1;
    if (a == kHighSentinel || b == kLowSentinel) return 1;
    return compare_(a, b);
  }

 private:
  RecordCompare& compare_;
};

// Partition sort of A[lo..hi] (hi - lo >= 1); A[hi + 1] must compare at least
// as great as every entry of the range (the high sentinel or an earlier pivot).
template <typename Compare>
void PartitionSort(std::vector<uint32_t>& a, size_t lo, size_t hi, const Compare& compare) {
  assert(lo < hi && hi + 1 < a.size());
  for (;;) {
    const size_t mid = lo + (hi - lo) / 2;
    if (hi - lo <= 3) {
      std::swap(a[lo], a[mid]);
    } else {
      // Median of three: A[lo] ends as the median, A[hi] at least as great.
      if (compare(a[lo], a[hi]) > 0) std::swap(a[lo], a[hi]);
      if (compare(a[mid], a[lo]) > 0) {
        std::swap(a[lo], a[mid]);
        if (compare(a[lo], a[hi]) > 0) std::swap(a[lo], a[hi]);
      }
    }
    const uint32_t pivot = a[lo];
    size_t i = lo;
    size_t j = hi + 1;
    for (;;) {
      do {
        ++i;
      } while (compare(a[i], pivot) < 0);
      do {
        --j;
      } while (compare(pivot, a[j]) < 0);
      if (i >= j) break;
      std::swap(a[i], a[j]);
    }
    std::swap(a[lo], a[j]);
    // The pivot stands at j. Recurse into one part, loop on the other; parts
    // of at most 10 entries are left to the insertion pass.
    const size_t lower = j - lo;
    const size_t upper = hi - j;
    if (upper >= lower) {
      if (lower > kInsertionCutoff) PartitionSort(a, lo, j - 1, compare);
      if (upper <= kInsertionCutoff) return;
      lo = j + 1;
    } else {
      if (upper > kInsertionCutoff) PartitionSort(a, j + 1, hi, compare);
      if (lower <= kInsertionCutoff) return;
      hi = j - 1;
    }
  }
}

// One insertion pass over A[1..n]; A[0] must be the low sentinel.
template <typename Compare>
void InsertionPass(std::vector<uint32_t>& a, size_t n, const Compare& compare) {
  assert(n < a.size() && a[0] == kLowSentinel);
  for (size_t i = 2; i <= n; ++i) {
    if (compare(a[i - 1], a[i]) <= 0) continue;
    const uint32_t v = a[i];
    size_t j = i;
    while (compare(a[j - 1], v) > 0) {
      a[j] = a[j - 1];
      --j;
    }
    a[j] = v;
  }
}

// Sorts `records` (the record numbers in record-number order) into the
// order's sequence. `compare(a, b)` compares two record numbers.
template <typename RecordCompare>
void SortOrder(std::vector<uint32_t>& records, RecordCompare compare) {
  const size_t n = records.size();
  if (n <= 1) return;
  std::vector<uint32_t> a;
  a.reserve(n + 2);
  a.push_back(kLowSentinel);
  a.insert(a.end(), records.begin(), records.end());
  a.push_back(kHighSentinel);
  const SentinelCompare<RecordCompare> with_sentinels(compare);
  if (n > kInsertionCutoff) PartitionSort(a, 1, n, with_sentinels);
  InsertionPass(a, n, with_sentinels);
  std::copy(a.begin() + 1, a.begin() + 1 + static_cast<std::ptrdiff_t>(n), records.begin());
}

// A faster sort for keys that turn out to be all different: the sorted order
// of distinct keys is unique, so it is exactly the order SortOrder gives.
// `keys[record]` is the key of a record (any type with < and ==). Sorts
// `records` ascending (descending when asked) and returns true; returns
// false with `records` untouched when two records have equal keys, which
// only SortOrder's own steps may arrange.
template <typename Key>
bool SortDistinctKeys(std::vector<uint32_t>& records, const Key* keys, bool descending) {
  std::vector<std::pair<Key, uint32_t>> entries;
  entries.reserve(records.size());
  for (const uint32_t record : records) entries.emplace_back(keys[record], record);
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < entries.size(); ++i) {
    if (entries[i - 1].first == entries[i].first) return false;
  }
  for (size_t i = 0; i < entries.size(); ++i)
    records[descending ? entries.size() - 1 - i : i] = entries[i].second;
  return true;
}

}  // namespace data
