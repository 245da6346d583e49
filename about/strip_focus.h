// StripFocus: the keyboard focus of the About window's strip, without
// windows. The strip's parts are labels, which take no focus of their own, so
// the window holds the system's focus itself and this class says which part
// the user is on: the portal's link, the maker's link and the close mark, in
// that order from left to right. The window hands it the keys its focused
// control left (ui::TForm::KeyPressed) and shows what it says.
//
// Focus cues follow the system's convention: the part is focused (readers
// hear it) from the window's showing on, but its focus rectangle is drawn
// only once the keyboard has been used in the window, so a window opened
// with the mouse looks as it always did.
//
// | event         | hidden           | portal link         | maker link          | close mark          |
// |---------------|------------------|---------------------|---------------------|---------------------|
// | shown         | portal link, no  | -                   | -                   | -                   |
// |               | rectangle        |                     |                     |                     |
// | Tab           | not taken        | maker link          | close mark          | portal link         |
// | Shift+Tab     | not taken        | close mark          | portal link         | maker link          |
// | Enter, Space  | not taken        | acts: opens its     | acts: opens its     | acts: hides the     |
// |               |                  | page                | page                | window              |
// | hidden        | -                | hidden              | hidden              | hidden              |
//
// Every key taken in a shown window turns the rectangle on; it stays on until
// the window hides.
#pragma once

#include <cstdint>

namespace about {

enum class StripPart : std::uint8_t { kNone, kPortalLink, kMakerLink, kCloseMark };
enum class StripKey : std::uint8_t { kTab, kShiftTab, kEnter, kSpace };

// What one key did.
struct StripOutcome {
  bool taken = false;                // the key goes no further
  bool moved = false;                // another part is focused now
  StripPart act = StripPart::kNone;  // the part whose click runs now
};

class StripFocus {
 public:
  void Shown();
  void Hidden();
  StripOutcome Key(StripKey key);

  // The focused part; kNone while the window is hidden.
  StripPart Focused() const { return focused_; }
  // Whether the focused part is drawn with its focus rectangle.
  bool CueShown() const { return cue_ && focused_ != StripPart::kNone; }

 private:
  StripPart focused_ = StripPart::kNone;
  bool cue_ = false;
};

}  // namespace about
