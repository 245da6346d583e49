// The order build's sort: partition sort with median of three and cut-off 10,
// then one insertion pass. Which of several equal keys comes first is decided
// by these steps, so the expected results below were worked out by hand by
// walking the steps (traces in the comments); they are not "what a stable
// sort gives".
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "data/order_sort.h"

namespace {

// Sorts record numbers 1..n by keys[record - 1] and returns the sequence.
std::vector<uint32_t> SortByKeys(const std::vector<int>& keys) {
  std::vector<uint32_t> records(keys.size());
  std::iota(records.begin(), records.end(), 1u);
  data::SortOrder(records, [&](uint32_t a, uint32_t b) {
    const int x = keys[a - 1], y = keys[b - 1];
    return x < y ? -1 : (x > y ? 1 : 0);
  });
  return records;
}

TEST(OrderSortTest, NoRowsOrOneRowNeedNoSort) {
  EXPECT_TRUE(SortByKeys({}).empty());
  EXPECT_EQ(SortByKeys({42}), (std::vector<uint32_t>{1}));
}

TEST(OrderSortTest, UpToTenRowsOnlyTheInsertionPassRunsAndKeepsEqualKeysInRecordOrder) {
  // keys by record: 1:2 2:1 3:2 4:1 5:0. The insertion pass moves an entry
  // only past entries that compare greater, so equal keys keep their order:
  // 5(0) 2(1) 4(1) 1(2) 3(2).
  EXPECT_EQ(SortByKeys({2, 1, 2, 1, 0}), (std::vector<uint32_t>{5, 2, 4, 1, 3}));
  // Ten equal keys: nothing moves.
  EXPECT_EQ(SortByKeys(std::vector<int>(10, 7)), (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(OrderSortTest, ElevenRowsPartitionOnceAndDifferFromAStableSort) {
  // keys by record: 1:5 2:1 3:5 4:2 5:5 6:3 7:9 8:4 9:5 10:6 11:7
  // Partition 1..11: mid = 6. Median of three: A[1]=r1(5) > A[11]=r11(7)? no;
  //   A[6]=r6(3) > A[1]=r1(5)? no. Pivot r1 (key 5).
  // i from 1: r2(1) < 5, r3(5) is not -> i = 3. j from 12: r11(7), r10(6) are
  //   greater, r9(5) is not -> j = 9. Swap: A = 1 2 9 4 5 6 7 8 3 10 11.
  // i: r4(2) < 5, r5(5) not -> i = 5. j: r8(4) not greater -> j = 8.
  //   Swap: A = 1 2 9 4 8 6 7 5 3 10 11.
  // i: r6(3) < 5, r7(9) not -> i = 7. j: r7(9) greater, r6(3) not -> j = 6.
  //   i >= j: swap A[1], A[6]: A = 6 2 9 4 8 1 7 5 3 10 11; pivot at 6.
  // The ranges 1..5 and 7..11 hold 5 entries each: left to the insertion pass,
  //   which sorts 3 1 5 2 4 5 9 5 5 6 7 (keys) keeping that relative order of
  //   equal keys: r9, r1, r5, r3 for key 5.
  const std::vector<int> keys = {5, 1, 5, 2, 5, 3, 9, 4, 5, 6, 7};
  const auto sorted = SortByKeys(keys);
  EXPECT_EQ(sorted, (std::vector<uint32_t>{2, 4, 6, 8, 9, 1, 5, 3, 10, 11, 7}));
  // A stable sort would put record 1 first among the fives.
  std::vector<uint32_t> stable(keys.size());
  std::iota(stable.begin(), stable.end(), 1u);
  std::stable_sort(stable.begin(), stable.end(),
                   [&](uint32_t a, uint32_t b) { return keys[a - 1] < keys[b - 1]; });
  EXPECT_NE(sorted, stable);
  EXPECT_EQ(stable[4], 1u);
}

TEST(OrderSortTest, ElevenEqualKeysMeetInTheMiddle) {
  // Every scan stops at every entry (none compares less than the pivot r1):
  // i and j swap the pairs (2,11) (3,10) (4,9) (5,8) (6,7), then i = 7 and
  // j = 6 and A[1] trades with A[6], which holds r7 since the last swap:
  // A = 7 11 10 9 8 1 6 5 4 3 2. Both parts hold 5: only the insertion pass
  // follows, and it moves nothing among equal keys.
  EXPECT_EQ(SortByKeys(std::vector<int>(11, 3)), (std::vector<uint32_t>{7, 11, 10, 9, 8, 1, 6, 5, 4, 3, 2}));
}

TEST(OrderSortTest, LargeInputsEndSortedAndKeepEveryRecord) {
  std::mt19937 random(7);
  for (size_t n : {11u, 12u, 31u, 100u, 1000u, 5000u}) {
    std::vector<int> keys(n);
    for (int& key : keys) key = static_cast<int>(random() % (n / 3 + 1));
    const auto sorted = SortByKeys(keys);
    ASSERT_EQ(sorted.size(), n);
    for (size_t i = 1; i < n; ++i) ASSERT_LE(keys[sorted[i - 1] - 1], keys[sorted[i] - 1]) << "n=" << n;
    auto check = sorted;
    std::sort(check.begin(), check.end());
    for (size_t i = 0; i < n; ++i) ASSERT_EQ(check[i], i + 1);
  }
  // Already sorted and reversed inputs (the median of three's best and worst friends).
  std::vector<int> ascending(500), descending(500);
  std::iota(ascending.begin(), ascending.end(), 0);
  std::iota(descending.rbegin(), descending.rend(), 0);
  const auto forward = SortByKeys(ascending);
  EXPECT_TRUE(std::is_sorted(forward.begin(), forward.end()));
  const auto reversed = SortByKeys(descending);
  EXPECT_EQ(reversed.front(), 500u);
  EXPECT_EQ(reversed.back(), 1u);
}

// The faster sort for distinct keys gives exactly SortOrder's result in both
// directions, and with a single tie it declines and leaves the records as
// they were (record 0 is unused, as in the row store's key arrays).
TEST(OrderSortTest, DistinctKeysSortAsSortOrderAndATieDeclines) {
  std::mt19937 random(20261208);
  for (const size_t n : {size_t{0}, size_t{1}, size_t{11}, size_t{5000}}) {
    std::vector<int64_t> keys(n + 1);
    std::iota(keys.begin(), keys.end(), -static_cast<int64_t>(n / 2));
    std::shuffle(keys.begin() + 1, keys.end(), random);
    for (const bool descending : {false, true}) {
      std::vector<uint32_t> fast(n), slow(n);
      std::iota(fast.begin(), fast.end(), 1u);
      std::shuffle(fast.begin(), fast.end(), random);
      slow = fast;
      ASSERT_TRUE(data::SortDistinctKeys(fast, keys.data(), descending));
      data::SortOrder(slow, [&](uint32_t a, uint32_t b) {
        const int c = keys[a] < keys[b] ? -1 : (keys[a] > keys[b] ? 1 : 0);
        return descending ? -c : c;
      });
      EXPECT_EQ(fast, slow) << n << (descending ? " descending" : " ascending");
    }
  }
  std::vector<int64_t> tied = {0, 5, 3, 9, 3, 1};
  std::vector<uint32_t> records = {5, 4, 3, 2, 1};
  EXPECT_FALSE(data::SortDistinctKeys(records, tied.data(), false));
  EXPECT_EQ(records, (std::vector<uint32_t>{5, 4, 3, 2, 1}));
}

}  // namespace
