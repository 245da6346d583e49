// The directory source: the text file from which the build makes the two
// directory packets (resources/directory.txt).
//
// Format (UTF-8; a leading byte-order mark and a "\r" before each "\n" are
// tolerated):
//
//   NAME<TAB>NUMBER            the header, always the first line
//   ИВАНОВА ЕА<TAB>34518       one line per phone number
//   ИВАНОВА ЕА<TAB>20017       the same name again: the same person
//   # a comment                lines starting with "#", and empty lines,
//                              are ignored
//
// A person is identified by the exact bytes of the name; the order of a
// person's lines is the order of its numbers.
//
// A row is refused when:
//   * it has no TAB;
//   * the number is not five digits from 10000 to 99999, or occurred before;
//   * the name is empty, is longer than kNameWidth bytes in Windows-1251,
//     holds malformed UTF-8 or a character that 1251 cannot hold, holds a
//     character outside the allowed set (upper-case Cyrillic letters with Ё,
//     upper-case Latin letters, digits, the blank, the hyphen and the
//     apostrophe), or begins or ends with a blank or has two blanks in a row;
//   * it brings in person number kMaxPersons + 1 (the person key is a signed
//     16-bit number).
// Every refused row is reported, not only the first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

inline constexpr size_t kNameWidth = 24;       // the FIO column's width
inline constexpr size_t kMaxPersons = 32'767;  // person keys are 1..32767
inline constexpr std::string_view kDirectoryHeader = "NAME\tNUMBER";

struct DirectoryPerson {
  std::string name;              // Windows-1251
  std::vector<int32_t> numbers;  // in the order of the source lines
};

// A read and checked directory.
struct Directory {
  // Sorted by the bytes of the 1251 names (unsigned, shorter first on a
  // common prefix); person i has the key i + 1.
  std::vector<DirectoryPerson> persons;

  size_t NumberCount() const;
};

// Reads the directory source `text`. `file` names the file in the messages.
// Returns the directory, or nothing when any line is bad; then `errors` holds
// one message "file:line: reason" per bad line, in line order.
std::optional<Directory> ReadDirectorySource(std::string_view text, std::string_view file,
                                             std::vector<std::string>& errors);

}  // namespace tools
