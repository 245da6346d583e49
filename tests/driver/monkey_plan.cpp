#include "tests/driver/monkey_plan.h"

#include <array>
#include <string_view>

#include "tests/driver/json_line.h"

namespace driver {

namespace {

// Letters a user of the directory types: mostly Cyrillic in both cases (the
// names are upper case), some Latin, and the blank that parts a name.
constexpr std::array<std::string_view, 20> kLetters = {"И", "В", "А", "Н", "О", "С", "К", "Ё", "Я", "Щ",
                                                       "и", "в", "а", "н", "ё", "я", "A", "z", "C", " "};

// What a clipboard may hold: digits, dashes, blanks, letters, a line break.
constexpr std::array<std::string_view, 12> kClipboardPieces = {"1", "2", "5", "0",    "9",  "-",
                                                               " ", "Ж", "x", "\r\n", "\t", "_"};

}  // namespace

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint32_t Random::Below(std::uint32_t n) {
  return n == 0 ? 0 : static_cast<std::uint32_t>(Next() % n);
}

const char* KindName(EventKind kind) {
  switch (kind) {
    case EventKind::kDigit:
      return "digit";
    case EventKind::kLetter:
      return "letter";
    case EventKind::kEnter:
      return "enter";
    case EventKind::kEscape:
      return "escape";
    case EventKind::kTab:
      return "tab";
    case EventKind::kArrow:
      return "arrow";
    case EventKind::kPageKey:
      return "page-key";
    case EventKind::kBackspace:
      return "backspace";
    case EventKind::kDelete:
      return "delete";
    case EventKind::kAltDown:
      return "alt-down";
    case EventKind::kAltMinus:
      return "alt-minus";
    case EventKind::kPaste:
      return "paste";
    case EventKind::kClick:
      return "click";
    case EventKind::kDrag:
      return "drag";
    case EventKind::kDoubleClickHandle:
      return "double-click-handle";
    case EventKind::kMenu:
      return "menu";
  }
  return "?";
}

std::string Describe(const MonkeyEvent& event, std::uint64_t index) {
  JsonLine line;
  line.Number("n", static_cast<std::int64_t>(index)).Text("event", KindName(event.kind));
  switch (event.kind) {
    case EventKind::kDigit:
    case EventKind::kLetter:
    case EventKind::kPaste:
      line.Text("text", event.text);
      break;
    case EventKind::kTab:
    case EventKind::kArrow:
    case EventKind::kPageKey:
    case EventKind::kDoubleClickHandle:
      line.Number("variant", event.variant);
      break;
    case EventKind::kClick:
    case EventKind::kMenu:
      line.Number("variant", event.variant)
          .Number("window", event.window)
          .Number("x", event.x)
          .Number("y", event.y);
      break;
    case EventKind::kDrag:
      line.Number("window", event.window)
          .Number("x", event.x)
          .Number("y", event.y)
          .Number("to_x", event.to_x)
          .Number("to_y", event.to_y);
      break;
    default:
      break;
  }
  return line.Str();
}

const std::vector<KindWeight>& DefaultWeights() {
  static const std::vector<KindWeight> weights = {
      {EventKind::kDigit, 16},  {EventKind::kLetter, 12},   {EventKind::kEnter, 8},
      {EventKind::kEscape, 5},  {EventKind::kTab, 6},       {EventKind::kArrow, 6},
      {EventKind::kPageKey, 3}, {EventKind::kBackspace, 4}, {EventKind::kDelete, 3},
      {EventKind::kAltDown, 5}, {EventKind::kAltMinus, 3},  {EventKind::kPaste, 4},
      {EventKind::kClick, 14},  {EventKind::kDrag, 5},      {EventKind::kDoubleClickHandle, 3},
      {EventKind::kMenu, 6},
  };
  return weights;
}

MonkeyPlan::MonkeyPlan(std::uint64_t seed, std::vector<KindWeight> weights)
    : random_(seed), weights_(std::move(weights)) {
  for (const auto& w : weights_) total_ += w.weight;
}

EventKind MonkeyPlan::ChooseKind() {
  std::uint32_t pick = random_.Below(total_);
  for (const auto& w : weights_) {
    if (pick < w.weight) return w.kind;
    pick -= w.weight;
  }
  return weights_.empty() ? EventKind::kDigit : weights_.back().kind;
}

std::string MonkeyPlan::RandomClipboardText() {
  // Mostly short texts; one in eight is long enough to overrun the field.
  const std::uint32_t length = random_.Below(8) == 0 ? 20 + random_.Below(200) : random_.Below(10);
  std::string text;
  for (std::uint32_t i = 0; i < length; ++i) text += kClipboardPieces[random_.Below(kClipboardPieces.size())];
  return text;
}

MonkeyEvent MonkeyPlan::Next() {
  MonkeyEvent event;
  event.kind = ChooseKind();
  switch (event.kind) {
    case EventKind::kDigit:
      event.text = std::string(1, static_cast<char>('0' + random_.Below(10)));
      break;
    case EventKind::kLetter:
      event.text = std::string(kLetters[random_.Below(kLetters.size())]);
      break;
    case EventKind::kPaste:
      event.text = RandomClipboardText();
      break;
    case EventKind::kTab:
      event.variant = static_cast<int>(random_.Below(4) == 0);
      break;
    case EventKind::kArrow:
    case EventKind::kPageKey:
    case EventKind::kDoubleClickHandle:
      event.variant = static_cast<int>(random_.Below(4));
      break;
    case EventKind::kClick:
      // Mostly the left button.
      event.variant = static_cast<int>(random_.Below(8) < 6 ? 0 : 1 + random_.Below(2));
      [[fallthrough]];
    case EventKind::kMenu:
    case EventKind::kDrag:
      event.window = random_.Below(1u << 16);
      event.x = static_cast<int>(random_.Below(1000));
      event.y = static_cast<int>(random_.Below(1000));
      event.to_x = static_cast<int>(random_.Below(1000));
      event.to_y = static_cast<int>(random_.Below(1000));
      break;
    default:
      break;
  }
  return event;
}

void EventHistory::Add(std::string line) {
  if (capacity_ == 0) return;
  if (lines_.size() == capacity_) lines_.pop_front();
  lines_.push_back(std::move(line));
}

}  // namespace driver
