#include "tests/driver/screen_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

namespace driver {

namespace {

constexpr std::string_view kNothingYet = "Пока ничего нет!";
constexpr std::string_view kAnswerHead = " *** Результат. ***";
constexpr std::string_view kNameLabel = "Фамилия - ";
constexpr std::string_view kNumberLabel = "Телефон - ";
constexpr std::string_view kConversionHead = "'";
constexpr std::string_view kConversionTail = "' is not a valid integer value.";
constexpr std::string_view kLeavingError = "Invalid input value.  Use escape key to abandon changes.";

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// A plain decimal as the program writes a number: an optional minus, then
// digits without a leading zero (0 itself excepted).
std::optional<std::int64_t> PlainDecimal(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == '0'))
    return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<DirectoryPairs> DirectoryPairs::Parse(std::string_view utf8, std::string* error) {
  DirectoryPairs pairs;
  std::size_t line_number = 0;
  bool header_seen = false;
  for (const std::string& line : SplitLines(utf8)) {
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    if (!header_seen) {
      header_seen = true;
      continue;
    }
    const std::size_t tab = line.find('\t');
    std::int64_t number = 0;
    const std::string_view digits =
        tab == std::string::npos ? std::string_view() : std::string_view(line).substr(tab + 1);
    const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (tab == 0 || tab == std::string::npos || digits.empty() || failure != std::errc() ||
        end != digits.data() + digits.size()) {
      if (error) *error = "line " + std::to_string(line_number) + ": not NAME<TAB>NUMBER";
      return std::nullopt;
    }
    const std::string name = line.substr(0, tab);
    pairs.numbers_of_[name].insert(number);
    pairs.name_of_[number] = name;
    pairs.rows_.emplace_back(name, std::string(digits));
  }
  return pairs;
}

bool DirectoryPairs::Holds(const std::string& name, std::int64_t number) const {
  const auto found = numbers_of_.find(name);
  return found != numbers_of_.end() && found->second.count(number) != 0;
}

std::optional<std::string> DirectoryPairs::NameOf(std::int64_t number) const {
  const auto found = name_of_.find(number);
  if (found == name_of_.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string AnswerText(const std::string& name, std::int64_t number) {
  return std::string(kAnswerHead) + "\r\n" + std::string(kNameLabel) + name + "\r\n" +
         std::string(kNumberLabel) + std::to_string(number);
}

std::string CheckNumberField(std::string_view text) {
  if (text.size() != 7) return "the number field holds " + std::to_string(text.size()) + " bytes, not 7";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i == 1 || i == 4) {
      if (c != '-') return "no dash at place " + std::to_string(i);
    } else if (c != '_' && (c < '0' || c > '9')) {
      return "place " + std::to_string(i) + " holds neither a digit nor the blank";
    }
  }
  return {};
}

std::string CheckMemo(std::string_view text, const DirectoryPairs& directory) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() == 1 && lines[0] == kNothingYet) return {};
  if (lines.size() != 3) return "the memo holds " + std::to_string(lines.size()) + " lines";
  if (lines[0] != kAnswerHead) return "the memo's first line is not the answer's head";
  if (!StartsWith(lines[1], kNameLabel)) return "the memo's second line has no name label";
  if (!StartsWith(lines[2], kNumberLabel)) return "the memo's third line has no number label";
  const std::string name = lines[1].substr(kNameLabel.size());
  const auto number = PlainDecimal(std::string_view(lines[2]).substr(kNumberLabel.size()));
  if (!number) return "the memo's number is not a plain decimal";
  if (!directory.Holds(name, *number)) return "the memo's name and number do not belong together";
  return {};
}

std::string CheckErrorBoxText(std::string_view text) {
  if (text == kLeavingError) return {};
  if (StartsWith(text, kConversionHead) && EndsWith(text, kConversionTail) &&
      text.size() >= kConversionHead.size() + kConversionTail.size()) {
    // The field's text between the quotes: digits and blanks, at most five.
    const std::string_view inner =
        text.substr(kConversionHead.size(), text.size() - kConversionHead.size() - kConversionTail.size());
    if (inner.size() > 5) return "the conversion error quotes more than five places";
    for (const char c : inner) {
      if (c != ' ' && (c < '0' || c > '9'))
        return "the conversion error quotes something else than digits and blanks";
    }
    return {};
  }
  return "an error box the program has no reason to show";
}

std::optional<double> RegionContrast(const std::vector<std::uint32_t>& pixels) {
  std::map<std::uint32_t, std::size_t> counts;
  for (const std::uint32_t pixel : pixels) ++counts[pixel & 0xFFFFFF];
  if (counts.size() < 2) return std::nullopt;
  std::vector<std::pair<std::size_t, std::uint32_t>> by_count;
  for (const auto& [color, count] : counts) by_count.emplace_back(count, color);
  std::partial_sort(by_count.begin(), by_count.begin() + 2, by_count.end(), std::greater<>());
  // sRGB channels to linear light, weighted by the eye's sensitivity.
  const auto luminance = [](std::uint32_t color) {
    constexpr double kWeights[] = {0.2126, 0.7152, 0.0722};  // red, green, blue
    double sum = 0;
    for (int channel = 0; channel < 3; ++channel) {
      const double v = ((color >> (8 * channel)) & 0xFF) / 255.0;
      sum += kWeights[channel] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum + 0.05;
  };
  const double a = luminance(by_count[0].second), b = luminance(by_count[1].second);
  return std::max(a, b) / std::min(a, b);
}

}  // namespace driver
