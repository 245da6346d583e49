// The system's string order (Windows build only): CompareStringW on the text
// converted from 1251, word sort, in the given locale (0 = the user's default
// locale). SortKey uses LCMapStringW(LCMAP_SORTKEY), which orders exactly as
// CompareStringW and lets a sort compare precomputed keys instead of
// converting and comparing the texts again for every pair.
#pragma once

#include <cstdint>

#include "data/collation.h"

namespace data {

class SystemCollation final : public Collation {
 public:
  explicit SystemCollation(uint32_t locale = 0);

  int Compare(std::string_view a, std::string_view b, CaseMode mode) const override;
  std::string SortKey(std::string_view text, CaseMode mode) const override;
  void AppendSortKey(std::string_view text, CaseMode mode, std::string& out) const override;
  bool PrefersSortKeys() const override { return true; }
  // IsValidLocale(locale, LCID_INSTALLED).
  bool IsInstalledLocale(uint32_t locale) const override;

 private:
  uint32_t locale_;
};

}  // namespace data
