// Word sort of 1251 text, implemented without the system.
//
// The rules (for the Russian user locale):
//   * letters in alphabet order, А..Я, with Ё a variant of Е that only decides
//     when the texts are otherwise equal letter for letter;
//   * characters that are neither letters nor digits (the blank included)
//     before digits, digits before letters, Latin letters before Cyrillic;
//   * the hyphen and the apostrophe (and the dashes and control characters)
//     are skipped at the first level: ИВАНОВА-ПЕТРОВА sorts as ИВАНОВАПЕТРОВА,
//     and only a full tie is broken by them and by where they stand;
//   * case decides only after letters and accents, lower case first; the
//     case-insensitive mode drops that level.
//
// The comparison runs level by level over the whole text: first-level weights,
// then accents, then case, then the skipped characters. The weights per byte
// are the table in word_sort_collation.cpp; they were chosen so that this
// order is the system's order on Windows (checked by a Windows test), and the
// sort key has the same bytes as the system's sort key for the same text.
#pragma once

#include "data/collation.h"

namespace data {

class WordSortCollation final : public Collation {
 public:
  int Compare(std::string_view a, std::string_view b, CaseMode mode) const override;
  std::string SortKey(std::string_view text, CaseMode mode) const override;
};

}  // namespace data
