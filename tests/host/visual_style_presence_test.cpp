// When the program may skip loading the theme library: only when nothing in
// the process or the user's setting says a visual style may be on.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "ui/framework/visual_style_presence.h"

namespace {

using ui::VisualStyleMayBeActive;

TEST(VisualStylePresenceTest, NoLibraryAndASettingOfOffOrNoneMeansTheClassicLook) {
  EXPECT_FALSE(VisualStyleMayBeActive(false, std::nullopt));
  EXPECT_FALSE(VisualStyleMayBeActive(false, std::wstring_view(L"0")));
  EXPECT_FALSE(VisualStyleMayBeActive(false, std::wstring_view(L"")));
  // A registry text may keep its terminating zero in its length.
  EXPECT_FALSE(VisualStyleMayBeActive(false, std::wstring_view(L"0\0", 2)));
}

TEST(VisualStylePresenceTest, TheLibraryInTheProcessOrAnyOtherSettingAsksTheLibrary) {
  EXPECT_TRUE(VisualStyleMayBeActive(true, std::nullopt));
  EXPECT_TRUE(VisualStyleMayBeActive(true, std::wstring_view(L"0")));
  EXPECT_TRUE(VisualStyleMayBeActive(false, std::wstring_view(L"1")));
  EXPECT_TRUE(VisualStyleMayBeActive(false, std::wstring_view(L"1\0", 2)));
  // A value this program does not know is taken as "may be on": the
  // library is asked, as before.
  EXPECT_TRUE(VisualStyleMayBeActive(false, std::wstring_view(L"yes")));
}

}  // namespace
