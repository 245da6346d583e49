// The monkey's choices, apart from any window: a seeded random generator, the
// weighted choice of the next event with its parameters, and the history of
// the last events that a failed run prints so that it can be replayed.
//
// An event names places in relative terms (a window among those shown, a
// point in thousandths of its width and height); the Windows side maps them
// onto the windows that are there when the event is sent, so one seed gives
// one sequence of choices whatever the screen looks like.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace driver {

// SplitMix64: small, fast, and the same sequence on every compiler.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // A value in [0, n); 0 when n is 0.
  std::uint32_t Below(std::uint32_t n);

 private:
  std::uint64_t state_;
};

enum class EventKind {
  kDigit,
  kLetter,
  kEnter,
  kEscape,
  kTab,
  kArrow,
  kPageKey,
  kBackspace,
  kDelete,
  kAltDown,
  kAltMinus,
  kPaste,
  kClick,
  kDrag,
  kDoubleClickHandle,
  kMenu,
};

struct MonkeyEvent {
  EventKind kind = EventKind::kDigit;
  // Typed characters (a digit, a letter) or the clipboard's text, UTF-8.
  std::string text;
  // kArrow: 0 left, 1 right, 2 up, 3 down; kPageKey: 0 Page Up, 1 Page Down,
  // 2 Home, 3 End; kTab: 1 with Shift; kClick: 0 left, 1 right, 2 middle
  // button; kDoubleClickHandle: which handle (taken modulo what is there).
  int variant = 0;
  // Which of the shown windows (taken modulo their count), and the points in
  // thousandths of its width and height: where it starts, where a drag ends.
  std::uint32_t window = 0;
  int x = 0, y = 0, to_x = 0, to_y = 0;
};

// The event's name as the report writes it ("digit", "click", ...).
const char* KindName(EventKind kind);
// The whole event as one JSON line, numbered `index`.
std::string Describe(const MonkeyEvent& event, std::uint64_t index);

// Each kind's share of the events, out of the sum of all weights.
struct KindWeight {
  EventKind kind;
  std::uint32_t weight;
};
const std::vector<KindWeight>& DefaultWeights();

class MonkeyPlan {
 public:
  explicit MonkeyPlan(std::uint64_t seed, std::vector<KindWeight> weights = DefaultWeights());
  MonkeyEvent Next();

 private:
  EventKind ChooseKind();
  std::string RandomClipboardText();

  Random random_;
  std::vector<KindWeight> weights_;
  std::uint32_t total_ = 0;
};

// The last `capacity` lines added, oldest first.
class EventHistory {
 public:
  explicit EventHistory(std::size_t capacity) : capacity_(capacity) {}
  void Add(std::string line);
  const std::deque<std::string>& Lines() const { return lines_; }

 private:
  std::size_t capacity_;
  std::deque<std::string> lines_;
};

}  // namespace driver
