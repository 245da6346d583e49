// One JSON object written on one line, for the driver's report: every event
// it sends and everything it reads back becomes such a line, so a run can be
// read by a person and by a script alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace driver {

// `utf8` as the inside of a JSON string: quote, backslash and the control
// characters escaped, every other byte kept (the caller passes UTF-8).
std::string JsonEscape(std::string_view utf8);

// Collects the members of one object in the order they are added. The
// adders have distinct names so that a string literal never turns into a
// bool by overload resolution.
class JsonLine {
 public:
  JsonLine& Text(std::string_view key, std::string_view utf8_value);
  JsonLine& Number(std::string_view key, std::int64_t value);
  JsonLine& Flag(std::string_view key, bool value);
  // The object with its braces and no line end.
  std::string Str() const;

 private:
  void Key(std::string_view key);
  std::string body_;
};

}  // namespace driver
