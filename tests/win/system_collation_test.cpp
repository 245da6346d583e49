// The portable word sort gives the system's order: on every pair of single
// characters, on the documented examples and on a generated directory.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/system_collation.h"
#include "data/word_sort_collation.h"
#include "tests/common/name_sample.h"
#include "text/cp1251.h"

namespace {

using data::CaseMode;

constexpr CaseMode kModes[] = {CaseMode::kSensitive, CaseMode::kInsensitive};

std::string Show(const std::string& cp1251) {
  std::string shown = "\"" + text::Cp1251ToUtf8(cp1251) + "\" [";
  for (unsigned char c : cp1251) {
    static const char digits[] = "0123456789abcdef";
    shown += digits[c >> 4];
    shown += digits[c & 15];
  }
  return shown + "]";
}

class SystemCollationAgreement : public ::testing::Test {
 protected:
  data::SystemCollation system_;
  data::WordSortCollation host_;
};

TEST_F(SystemCollationAgreement, EveryPairOfSingleCharacters) {
  for (CaseMode mode : kModes) {
    for (unsigned a = 0; a < 256; ++a) {
      for (unsigned b = 0; b < 256; ++b) {
        const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
        ASSERT_EQ(host_.Compare(x, y, mode), system_.Compare(x, y, mode)) << Show(x) << " vs " << Show(y);
      }
    }
  }
}

TEST_F(SystemCollationAgreement, DocumentedExamples) {
  const char* const pairs[][2] = {
      {"АБВ Г", "АБВА Б"},
      {"ИВАНОВА-ПЕТРОВА АА", "ИВАНОВАПЕТРОВА АА"},
      {"ИВАНОВА-ПЕТРОВА АА", "ИВАНОВАПЕТРОВА АБ"},
      {"ЕЖ", "ЁА"},
      {"ЕА", "ЁА"},
      {"A", "А"},
      {"1", "A"},
      {". ", "1"},
      {"аб", "АБ"},
      {"А-Б", "А Б"},
      {"О'ХАРА АА", "ОХАРА АА"},
      {"А-Б-В", "АБ-В"},
      {"ИВАНОВ1 А", "ИВАНОВА А"},
  };
  for (const auto& pair : pairs) {
    const std::string a = text::Utf8ToCp1251(pair[0]), b = text::Utf8ToCp1251(pair[1]);
    for (CaseMode mode : kModes) {
      EXPECT_EQ(host_.Compare(a, b, mode), system_.Compare(a, b, mode)) << Show(a) << " vs " << Show(b);
      EXPECT_EQ(host_.SortKey(a, mode), system_.SortKey(a, mode)) << Show(a);
    }
  }
  EXPECT_LT(system_.Compare(text::Utf8ToCp1251("АБВ Г"), text::Utf8ToCp1251("АБВА Б"), CaseMode::kSensitive),
            0);
}

TEST_F(SystemCollationAgreement, GeneratedDirectoryOf20000Names) {
  auto names = testing_support::SampleNames(20000);
  for (CaseMode mode : kModes) {
    for (const auto& name : names) {
      ASSERT_EQ(host_.SortKey(name, mode), system_.SortKey(name, mode)) << "sort key of " << Show(name);
    }
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return host_.Compare(a, b, mode) < 0; });
    for (size_t i = 0; i + 1 < names.size(); ++i) {
      const std::string& a = names[i];
      for (size_t j : {i + 1, std::min(i + 97, names.size() - 1)}) {
        ASSERT_EQ(host_.Compare(a, names[j], mode), system_.Compare(a, names[j], mode))
            << Show(a) << " vs " << Show(names[j]);
      }
    }
  }
}

TEST_F(SystemCollationAgreement, SystemSortKeysOrderAsSystemCompare) {
  const auto names = testing_support::SampleNames(4000, 7);
  for (CaseMode mode : kModes) {
    for (size_t i = 0; i + 1 < names.size(); ++i) {
      ASSERT_EQ(data::CompareSortKeys(system_.SortKey(names[i], mode), system_.SortKey(names[i + 1], mode)),
                system_.Compare(names[i], names[i + 1], mode))
          << Show(names[i]) << " vs " << Show(names[i + 1]);
    }
  }
}

}  // namespace
