#include "about/strip_focus.h"

namespace about {

namespace {

// The parts in the strip's order, from left to right.
constexpr StripPart kOrder[] = {StripPart::kPortalLink, StripPart::kMakerLink, StripPart::kCloseMark};
constexpr int kParts = 3;

int IndexOf(StripPart part) {
  for (int i = 0; i < kParts; ++i) {
    if (kOrder[i] == part) return i;
  }
  return 0;
}

}  // namespace

void StripFocus::Shown() {
  focused_ = StripPart::kPortalLink;
  cue_ = false;
}

void StripFocus::Hidden() {
  focused_ = StripPart::kNone;
  cue_ = false;
}

StripOutcome StripFocus::Key(StripKey key) {
  StripOutcome outcome;
  if (focused_ == StripPart::kNone) return outcome;
  outcome.taken = true;
  cue_ = true;
  switch (key) {
    case StripKey::kTab:
    case StripKey::kShiftTab: {
      const int step = key == StripKey::kTab ? 1 : kParts - 1;
      focused_ = kOrder[(IndexOf(focused_) + step) % kParts];
      outcome.moved = true;
      break;
    }
    case StripKey::kEnter:
    case StripKey::kSpace:
      outcome.act = focused_;
      break;
  }
  return outcome;
}

}  // namespace about
