#include "tools/directory_source.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "base/format.h"
#include "text/cp1251.h"
#include "text/utf8.h"

namespace tools {

namespace {

bool IsAllowedNameByte(unsigned char b) {
  return (b >= 0xC0 && b <= 0xDF) || b == 0xA8  // А-Я, Ё
         || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == ' ' || b == '-' || b == '\'';
}

// The name in 1251, or the reason it cannot be one.
std::optional<std::string> NameToCp1251(std::string_view utf8, std::string& reason) {
  if (utf8.empty()) {
    reason = "empty name";
    return std::nullopt;
  }
  std::string out;
  for (std::string_view rest = utf8; !rest.empty();) {
    const size_t before = rest.size();
    const char32_t cp = text::DecodeUtf8(rest);
    const std::string_view bytes = utf8.substr(utf8.size() - before, before - rest.size());
    if (cp == text::kReplacementCharacter && bytes != "\xEF\xBF\xBD") {
      reason = "malformed UTF-8 in the name";
      return std::nullopt;
    }
    const auto b = text::CodePointToCp1251(cp);
    if (!b) {
      reason = base::Format("character U+%04X has no Windows-1251 form", static_cast<unsigned>(cp));
      return std::nullopt;
    }
    if (!IsAllowedNameByte(*b)) {
      reason = base::Format("character U+%04X is not allowed in a name", static_cast<unsigned>(cp));
      return std::nullopt;
    }
    out.push_back(static_cast<char>(*b));
  }
  if (out.front() == ' ' || out.back() == ' ') {
    reason = "blank at the start or end of the name";
    return std::nullopt;
  }
  if (out.find("  ") != std::string::npos) {
    reason = "two blanks in a row in the name";
    return std::nullopt;
  }
  if (out.size() > kNameWidth) {
    reason = base::Format("name is %zu bytes in Windows-1251, more than %zu", out.size(), kNameWidth);
    return std::nullopt;
  }
  return out;
}

std::optional<int32_t> ParseNumber(std::string_view digits) {
  if (digits.size() != 5 || digits[0] < '1' || digits[0] > '9') return std::nullopt;
  int32_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

size_t Directory::NumberCount() const {
  size_t n = 0;
  for (const DirectoryPerson& p : persons) n += p.numbers.size();
  return n;
}

std::optional<Directory> ReadDirectorySource(std::string_view text, std::string_view file,
                                             std::vector<std::string>& errors) {
  const size_t errors_before = errors.size();
  const auto refuse = [&](size_t line, const std::string& reason) {
    errors.push_back(
        base::Format("%.*s:%zu: %s", static_cast<int>(file.size()), file.data(), line, reason.c_str()));
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);

  std::map<std::string, std::vector<int32_t>> persons;  // ordered by the 1251 bytes
  std::unordered_map<int32_t, size_t> number_line;      // number -> line it first occurred on
  size_t line_number = 0;
  bool too_many_reported = false;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);

    if (line_number == 1) {
      if (line != kDirectoryHeader) refuse(1, "the first line must be the header NAME<TAB>NUMBER");
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      refuse(line_number, "expected NAME<TAB>NUMBER");
      continue;
    }
    const std::string_view number_text = line.substr(tab + 1);
    const auto number = ParseNumber(number_text);
    std::string reason;
    const auto name = NameToCp1251(line.substr(0, tab), reason);
    if (!name) {
      refuse(line_number, reason);
    } else if (!number) {
      refuse(line_number, base::Format("number '%s' is not five digits from 10000 to 99999",
                                       text::Cp1251ToUtf8(text::Utf8ToCp1251(number_text)).c_str()));
    } else if (const auto [it, inserted] = number_line.emplace(*number, line_number); !inserted) {
      refuse(line_number, base::Format("duplicate number %d (first on line %zu)", *number, it->second));
    } else if (!persons.contains(*name) && persons.size() == kMaxPersons) {
      if (!too_many_reported) refuse(line_number, base::Format("more than %zu persons", kMaxPersons));
      too_many_reported = true;
    } else {
      persons[*name].push_back(*number);
    }
  }
  if (line_number == 0) refuse(1, "the first line must be the header NAME<TAB>NUMBER");
  if (errors.size() != errors_before) return std::nullopt;

  Directory directory;
  directory.persons.reserve(persons.size());
  for (auto& [name, numbers] : persons) directory.persons.push_back({name, std::move(numbers)});
  return directory;
}

}  // namespace tools
