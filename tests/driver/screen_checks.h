// What the driver checks on the texts it reads back from the program's
// windows (all UTF-8 here; the Windows side converts what WM_GETTEXT gives).
// Each check returns an empty text when the text is sound, otherwise the
// reason it is not.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// The directory source: which numbers belong to which name. Numbers are kept
// as integers, the way the program shows them (no leading zeros).
class DirectoryPairs {
 public:
  // Reads the source text: a header line, then "NAME<TAB>NUMBER" lines; "#"
  // lines and empty lines are skipped. Nothing on a malformed line, with
  // `error` naming the line.
  static std::optional<DirectoryPairs> Parse(std::string_view utf8, std::string* error);

  bool Holds(const std::string& name, std::int64_t number) const;
  // The name that has `number`, or nothing.
  std::optional<std::string> NameOf(std::int64_t number) const;
  std::size_t Persons() const { return numbers_of_.size(); }
  std::size_t Numbers() const { return name_of_.size(); }
  // The rows in source order, for choosing test data.
  const std::vector<std::pair<std::string, std::string>>& Rows() const { return rows_; }

 private:
  std::map<std::string, std::set<std::int64_t>> numbers_of_;
  std::map<std::int64_t, std::string> name_of_;
  std::vector<std::pair<std::string, std::string>> rows_;
};

// Splits at "\r\n" (or a lone "\n"); a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The three answer lines for `name` and the number as the program shows it.
std::string AnswerText(const std::string& name, std::int64_t number);

// The number field: seven characters, dashes at places 1 and 4, a digit or
// the blank "_" at every other place.
std::string CheckNumberField(std::string_view text);

// The memo: "Пока ничего нет!" alone, or the three answer lines whose name
// and number belong together in the directory.
std::string CheckMemo(std::string_view text, const DirectoryPairs& directory);

// An error box's text: one of the two errors the program has for a user's
// input (the conversion error of the number search, the number field's
// leaving error). Any other text is a fault.
std::string CheckErrorBoxText(std::string_view text);

// The contrast of the text in a region of the screen, its pixels given as
// 0x00BBGGRR values: the ratio between its most common colour (the
// background) and its next most common one (the text), each colour's
// relative luminance plus 0.05, the lighter over the darker. Nothing when
// the region shows one colour only (no text to read).
std::optional<double> RegionContrast(const std::vector<std::uint32_t>& pixels);

// The contrast a text needs to be read.
inline constexpr double kReadableContrast = 4.5;

}  // namespace driver
