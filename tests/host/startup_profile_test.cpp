#include "app/core/startup_profile.h"

#include <gtest/gtest.h>

namespace {

using app::ParseStartupProfile;
using app::StartupProfile;

TEST(StartupProfileTest, AnOffProfileRecordsNothing) {
  StartupProfile profile;
  EXPECT_FALSE(profile.On());
  profile.Mark("application object");
  profile.Record("entry", 5, 5);
  EXPECT_EQ(profile.PhaseCount(), 0u);
  EXPECT_EQ(profile.Text(), "");
}

TEST(StartupProfileTest, EachMarkEndsThePhaseBegunAtThePreviousOne) {
  double now = 0;
  StartupProfile profile([&] { return now; });
  profile.Record("process start to the program's entry", 12.5, 12.5);
  now = 15.25;
  profile.Mark("application object");
  now = 40;
  profile.Mark("TMainForm: table daFio opened (rows and orders)");
  EXPECT_EQ(profile.Text(),
            "process start to the program's entry\t12.500\t12.500\n"
            "application object\t2.750\t15.250\n"
            "TMainForm: table daFio opened (rows and orders)\t24.750\t40.000\n");
}

TEST(StartupProfileTest, NamesStayOneLineOfThreeColumns) {
  double now = 1;
  StartupProfile profile([&] { return now; });
  profile.Mark("a\tb\nc\rd");
  const auto lines = ParseStartupProfile(profile.Text());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].name, "a b c d");
  EXPECT_DOUBLE_EQ(lines[0].duration_ms, 1.0);
}

TEST(StartupProfileTest, ParsingKeepsWellFormedLinesAndSkipsTheRest) {
  const auto lines = ParseStartupProfile(
      "first\t1.5\t1.5\r\n"
      "two columns\t3\n"
      "four\t1\t2\t3\n"
      "\t1\t2\n"
      "not a number\tx\t2\n"
      "negative\t-1\t2\n"
      "trailing junk\t1ms\t2\n"
      "\n"
      "last\t0.250\t9");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].name, "first");
  EXPECT_DOUBLE_EQ(lines[0].end_ms, 1.5);
  EXPECT_EQ(lines[1].name, "last");
  EXPECT_DOUBLE_EQ(lines[1].duration_ms, 0.25);
  EXPECT_DOUBLE_EQ(lines[1].end_ms, 9.0);
  EXPECT_TRUE(ParseStartupProfile("").empty());
}

}  // namespace
