// The About window's strip focus: every key in every state of its table.
#include "about/strip_focus.h"

#include <gtest/gtest.h>

namespace {

using about::StripFocus;
using about::StripKey;
using about::StripPart;

constexpr StripPart kPortal = StripPart::kPortalLink, kMaker = StripPart::kMakerLink,
                    kClose = StripPart::kCloseMark, kNone = StripPart::kNone;

TEST(StripFocusTest, EachKeyFromEachPartAndTheRectangleOnlyOnceAKeyWasUsed) {
  struct Case {
    int tabs_before;  // Tabs pressed after showing, to reach the part
    StripKey key;
    StripPart focused_after;
    StripPart acting;
  } const cases[] = {
      {0, StripKey::kTab, kMaker, kNone},       {1, StripKey::kTab, kClose, kNone},
      {2, StripKey::kTab, kPortal, kNone},      {0, StripKey::kShiftTab, kClose, kNone},
      {1, StripKey::kShiftTab, kPortal, kNone}, {2, StripKey::kShiftTab, kMaker, kNone},
      {0, StripKey::kEnter, kPortal, kPortal},  {1, StripKey::kSpace, kMaker, kMaker},
      {2, StripKey::kEnter, kClose, kClose},
  };
  for (const Case& c : cases) {
    StripFocus focus;
    EXPECT_FALSE(focus.Key(c.key).taken);  // hidden: the keys are not its own
    focus.Shown();
    EXPECT_EQ(focus.Focused(), kPortal);
    EXPECT_FALSE(focus.CueShown());  // no rectangle until a key is used
    for (int i = 0; i < c.tabs_before; ++i) focus.Key(StripKey::kTab);
    const about::StripOutcome outcome = focus.Key(c.key);
    EXPECT_TRUE(outcome.taken);
    EXPECT_EQ(outcome.moved, c.acting == kNone);
    EXPECT_EQ(outcome.act, c.acting) << c.tabs_before << " " << static_cast<int>(c.key);
    EXPECT_EQ(focus.Focused(), c.focused_after) << c.tabs_before << " " << static_cast<int>(c.key);
    EXPECT_TRUE(focus.CueShown());
    focus.Hidden();
    focus.Shown();
    EXPECT_FALSE(focus.CueShown());
  }
}

}  // namespace
