#include "app/core/startup_profile.h"

#include <charconv>
#include <cstdio>

namespace app {

namespace {

std::string OneLine(std::string_view name) {
  std::string line(name);
  for (char& c : line) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return line;
}

bool ParseMs(std::string_view text, double& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && value >= 0;
}

}  // namespace

StartupProfile::StartupProfile(Clock clock) : clock_(std::move(clock)) {}

void StartupProfile::Mark(std::string_view name) {
  if (!clock_) return;
  const double now = clock_();
  Record(name, now - last_ms_, now);
}

void StartupProfile::Record(std::string_view name, double duration_ms, double end_ms) {
  if (!clock_) return;
  phases_.push_back({OneLine(name), duration_ms, end_ms});
  last_ms_ = end_ms;
}

std::string StartupProfile::Text() const {
  std::string text;
  for (const Phase& phase : phases_) {
    char times[64];
    std::snprintf(times, sizeof times, "\t%.3f\t%.3f\n", phase.duration_ms, phase.end_ms);
    text += phase.name;
    text += times;
  }
  return text;
}

std::vector<ProfileLine> ParseStartupProfile(std::string_view text) {
  std::vector<ProfileLine> lines;
  while (!text.empty()) {
    const size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t tab1 = line.find('\t');
    if (tab1 == std::string_view::npos || tab1 == 0) continue;
    const size_t tab2 = line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) continue;
    ProfileLine parsed;
    parsed.name = std::string(line.substr(0, tab1));
    if (!ParseMs(line.substr(tab1 + 1, tab2 - tab1 - 1), parsed.duration_ms) ||
        !ParseMs(line.substr(tab2 + 1), parsed.end_ms)) {
      continue;
    }
    lines.push_back(std::move(parsed));
  }
  return lines;
}

}  // namespace app
