// The portable word sort: the rules the directory relies on, and agreement
// between Compare and the sort keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/word_sort_collation.h"
#include "tests/common/name_sample.h"
#include "text/cp1251.h"

namespace {

using data::CaseMode;

class WordSort : public ::testing::Test {
 protected:
  int Cmp(const char* a, const char* b, CaseMode mode = CaseMode::kSensitive) const {
    return collation_.Compare(text::Utf8ToCp1251(a), text::Utf8ToCp1251(b), mode);
  }
  std::string KeyHex(const char* utf8) const {
    const std::string key = collation_.SortKey(text::Utf8ToCp1251(utf8), CaseMode::kSensitive);
    std::string hex;
    for (unsigned char c : key) {
      static const char digits[] = "0123456789abcdef";
      if (!hex.empty()) hex += ' ';
      hex += digits[c >> 4];
      hex += digits[c & 15];
    }
    return hex;
  }
  data::WordSortCollation collation_;
};

TEST_F(WordSort, LettersFollowTheAlphabetNotTheBytes) {
  EXPECT_LT(Cmp("АБВ", "АБГ"), 0);
  EXPECT_LT(Cmp("ЯКОВЛЕВ АА", "ЯКОВЛЕВА АА"), 0);
  EXPECT_EQ(Cmp("ИВАНОВ ИИ", "ИВАНОВ ИИ"), 0);
  EXPECT_GT(Cmp("Я", "А"), 0);
}

TEST_F(WordSort, BlankSortsBeforeLettersSoAShorterFirstWordComesFirst) {
  EXPECT_LT(Cmp("АБВ Г", "АБВА Б"), 0);
  EXPECT_GT(Cmp("АБВА Б", "АБВ Г"), 0);
  EXPECT_LT(Cmp("ИВАН ЯЯ", "ИВАНОВ АА"), 0);
}

TEST_F(WordSort, YoIsAVariantOfYeThatDecidesOnlyOnATie) {
  EXPECT_LT(Cmp("ЕА", "ЁА"), 0);
  EXPECT_GT(Cmp("ЕЖ", "ЁА"), 0);  // Ж after А decides before the accent does
  EXPECT_LT(Cmp("ЁЖ", "ЕЯ"), 0);
  EXPECT_LT(Cmp("Ё", "Ж"), 0);
  EXPECT_LT(Cmp("ЕЛКИН АА", "ЁЛКИН АА"), 0);
}

TEST_F(WordSort, HyphenAndApostropheAreSkippedAndOnlyBreakATie) {
  EXPECT_GT(Cmp("ИВАНОВ-ПЕТРОВ АА", "ИВАНОВПЕТРОВ АА"), 0);  // full tie: the hyphen decides
  EXPECT_LT(Cmp("ИВАНОВ-ПЕТРОВ АА", "ИВАНОВПЕТРОВ АБ"), 0);  // otherwise it is not there
  EXPECT_GT(Cmp("ИВАНОВ-ПЕТРОВ АА", "ИВАНОВПЕТРОВ А"), 0);
  EXPECT_LT(Cmp("О'ХАРА АА", "ОХАРА АБ"), 0);
  EXPECT_GT(Cmp("ИВ-АН Б", "ИВАН А"), 0);
  // The blank is a first-level character and the hyphen is not: Б meets the blank.
  EXPECT_GT(Cmp("А-Б", "А Б"), 0);
}

TEST_F(WordSort, OtherCharactersThenDigitsThenLatinThenCyrillic) {
  EXPECT_LT(Cmp(".", "0"), 0);
  EXPECT_LT(Cmp(" ", "0"), 0);
  EXPECT_LT(Cmp("9", "A"), 0);
  EXPECT_LT(Cmp("Z", "А"), 0);
  EXPECT_LT(Cmp("1", "А"), 0);
  EXPECT_LT(Cmp("ИВАНОВ1 А", "ИВАНОВА А"), 0);
  EXPECT_LT(Cmp("ПЕТРОВZ А", "ПЕТРОВА А"), 0);
}

TEST_F(WordSort, CaseDecidesLastAndIsDroppedOnRequest) {
  EXPECT_LT(Cmp("аб", "АБ"), 0);  // lower case first
  EXPECT_GT(Cmp("АБ", "аа"), 0);  // but only after the letters
  EXPECT_EQ(Cmp("аб", "АБ", CaseMode::kInsensitive), 0);
  EXPECT_EQ(Cmp("ёлкин", "ЁЛКИН", CaseMode::kInsensitive), 0);
  EXPECT_NE(Cmp("елкин", "ЁЛКИН", CaseMode::kInsensitive), 0);
}

TEST_F(WordSort, IgnoredCharactersTakeNoPart) {
  EXPECT_EQ(collation_.Compare(std::string("\xC0\x00\xC1", 3), "\xC0\xC1", CaseMode::kSensitive), 0);
  EXPECT_EQ(Cmp("А\u00ADБ", "АБ"), 0);  // soft hyphen
  EXPECT_EQ(Cmp("", ""), 0);
  EXPECT_LT(Cmp("", "А"), 0);
}

TEST_F(WordSort, SortKeysHaveTheSystemLayout) {
  // first level, accents, case, an empty level, the skipped characters
  EXPECT_EQ(KeyHex("АБ-В"), "10 02 10 06 10 08 01 01 12 12 12 01 01 ff fd 82 12");
  EXPECT_EQ(KeyHex("ЁЕ"), "10 14 10 14 01 13 01 12 12 01 01");
  EXPECT_EQ(KeyHex("аБ"), "10 02 10 06 01 01 02 12 01 01");
  EXPECT_EQ(KeyHex(""), "01 01 01 01");
}

TEST_F(WordSort, CompareAndSortKeysAgreeOnSampleNames) {
  const auto names = testing_support::SampleNames(3000);
  for (CaseMode mode : {CaseMode::kSensitive, CaseMode::kInsensitive}) {
    std::vector<std::string> keys;
    for (const auto& n : names) keys.push_back(collation_.SortKey(n, mode));
    for (size_t i = 0; i + 7 < names.size(); ++i) {
      for (size_t j : {i + 1, i + 7}) {
        ASSERT_EQ(collation_.Compare(names[i], names[j], mode), data::CompareSortKeys(keys[i], keys[j]))
            << text::Cp1251ToUtf8(names[i]) << " / " << text::Cp1251ToUtf8(names[j]);
        ASSERT_EQ(collation_.Compare(names[i], names[j], mode),
                  -collation_.Compare(names[j], names[i], mode));
      }
    }
  }
}

TEST_F(WordSort, SortedSampleIsOrderedPairwise) {
  auto names = testing_support::SampleNames(5000);
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    return collation_.Compare(a, b, CaseMode::kSensitive) < 0;
  });
  for (size_t i = 0; i + 1 < names.size(); ++i) {
    ASSERT_LE(collation_.Compare(names[i], names[i + 1], CaseMode::kSensitive), 0);
    ASSERT_LE(collation_.Compare(names[i], names[std::min(i + 100, names.size() - 1)], CaseMode::kSensitive),
              0);
  }
}

}  // namespace
