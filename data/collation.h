// The string order of the table engine.
//
// Every comparison of two text values in the engine (sorting an order,
// searching a key, matching a lookup) goes through this interface, so that the
// host build and the Windows build order names the same way:
//   * WordSortCollation (data/word_sort_collation.h): our own rules, portable;
//   * SystemCollation (data/system_collation.h, Windows only): the system's
//     locale comparison of the same text.
// A Windows test checks that the two give the same result on the directory's
// names and on every pair of single characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace data {

enum class CaseMode { kSensitive, kInsensitive };

class Collation {
 public:
  virtual ~Collation() = default;

  // Compares two 1251 texts, each taken up to its end (a zero byte is a
  // character like any other). Returns -1, 0 or 1.
  virtual int Compare(std::string_view a, std::string_view b, CaseMode mode) const = 0;

  // A byte string whose order under plain byte comparison (shorter first on a
  // common prefix) is exactly the order of Compare for the same mode.
  virtual std::string SortKey(std::string_view text, CaseMode mode) const = 0;
  // Appends SortKey(text, mode) to `out`; a collation may write it there
  // directly, so that the keys of a whole column share one buffer.
  virtual void AppendSortKey(std::string_view text, CaseMode mode, std::string& out) const {
    out += SortKey(text, mode);
  }

  // Whether sorting many texts is faster through SortKey than through
  // Compare (true for the system's order, where every Compare converts both
  // texts; false for the portable word sort, whose Compare is cheap).
  virtual bool PrefersSortKeys() const { return false; }

  // Whether `locale` (a Windows locale identifier) is installed, so that a
  // table may take it as its locale. The portable word sort knows Russian
  // (0x0419) only.
  virtual bool IsInstalledLocale(uint32_t locale) const { return locale == 0x0419; }
};

// Orders two sort keys as Compare orders their texts. Returns -1, 0 or 1.
int CompareSortKeys(std::string_view a, std::string_view b);

}  // namespace data
