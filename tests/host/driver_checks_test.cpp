// The driver's portable part: its JSON lines, the monkey's seeded choices and
// history, and the checks it makes on what the program's windows show.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "tests/common/shipped_directory.h"
#include "tests/driver/json_line.h"
#include "tests/driver/monkey_plan.h"
#include "tests/driver/screen_checks.h"

namespace {

using driver::CheckErrorBoxText;
using driver::CheckMemo;
using driver::CheckNumberField;
using driver::DirectoryPairs;

TEST(DriverJsonLine, EscapesQuotesBackslashesAndControlCharactersAndKeepsUtf8) {
  EXPECT_EQ(driver::JsonEscape("a\"b\\c"), "a\\\"b\\\\c");
  EXPECT_EQ(driver::JsonEscape("\r\n\t"), "\\r\\n\\t");
  EXPECT_EQ(driver::JsonEscape(std::string("\x01\x1f\x7f", 3)), "\\u0001\\u001f\\u007f");
  EXPECT_EQ(driver::JsonEscape("Пока"), "Пока");
}

TEST(DriverJsonLine, WritesMembersInOrderWithTheirTypes) {
  driver::JsonLine line;
  line.Text("event", "paste").Number("n", -12).Flag("ok", false).Text("text", "1\r\n");
  EXPECT_EQ(line.Str(), R"({"event":"paste","n":-12,"ok":false,"text":"1\r\n"})");
  EXPECT_EQ(driver::JsonLine().Str(), "{}");
}

TEST(DriverMonkeyPlan, OneSeedGivesOneSequenceAndAnotherSeedAnother) {
  driver::MonkeyPlan a(42), b(42), c(43);
  std::string seen_a, seen_b, seen_c;
  for (int i = 0; i < 200; ++i) {
    seen_a += driver::Describe(a.Next(), i);
    seen_b += driver::Describe(b.Next(), i);
    seen_c += driver::Describe(c.Next(), i);
  }
  EXPECT_EQ(seen_a, seen_b);
  EXPECT_NE(seen_a, seen_c);
}

TEST(DriverMonkeyPlan, KindsComeAtTheirWeightsAndParametersStayInRange) {
  driver::MonkeyPlan plan(7);
  std::map<driver::EventKind, int> counts;
  constexpr int kEvents = 100000;
  for (int i = 0; i < kEvents; ++i) {
    const driver::MonkeyEvent event = plan.Next();
    ++counts[event.kind];
    ASSERT_GE(event.x, 0);
    ASSERT_LT(event.x, 1000);
    ASSERT_GE(event.to_y, 0);
    ASSERT_LT(event.to_y, 1000);
    ASSERT_GE(event.variant, 0);
    ASSERT_LT(event.variant, 4);
    if (event.kind == driver::EventKind::kDigit) {
      ASSERT_EQ(event.text.size(), 1u);
      ASSERT_TRUE(event.text[0] >= '0' && event.text[0] <= '9');
    }
    if (event.kind == driver::EventKind::kLetter) {
      ASSERT_FALSE(event.text.empty());
    }
  }
  std::uint32_t total = 0;
  for (const auto& w : driver::DefaultWeights()) total += w.weight;
  for (const auto& w : driver::DefaultWeights()) {
    const double expected = static_cast<double>(kEvents) * w.weight / total;
    EXPECT_NEAR(counts[w.kind], expected, expected * 0.1 + 50) << driver::KindName(w.kind);
  }
}

TEST(DriverMonkeyPlan, AKindOfWeightZeroNeverComes) {
  driver::MonkeyPlan plan(1, {{driver::EventKind::kEnter, 0}, {driver::EventKind::kTab, 3}});
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(plan.Next().kind, driver::EventKind::kTab);
}

TEST(DriverEventHistory, KeepsTheLastLinesOldestFirst) {
  driver::EventHistory history(3);
  for (int i = 1; i <= 5; ++i) history.Add(std::to_string(i));
  EXPECT_EQ(std::vector<std::string>(history.Lines().begin(), history.Lines().end()),
            (std::vector<std::string>{"3", "4", "5"}));
  driver::EventHistory none(0);
  none.Add("x");
  EXPECT_TRUE(none.Lines().empty());
}

TEST(DriverScreenChecks, TheNumberFieldIsSevenPlacesWithTwoDashes) {
  EXPECT_EQ(CheckNumberField("_-__-__"), "");
  EXPECT_EQ(CheckNumberField("1-23-45"), "");
  EXPECT_EQ(CheckNumberField("1-_3-4_"), "");
  EXPECT_NE(CheckNumberField("1-23-4"), "");
  EXPECT_NE(CheckNumberField("1-23-456"), "");
  EXPECT_NE(CheckNumberField("12-3-45"), "");
  EXPECT_NE(CheckNumberField("1-23_45"), "");
  EXPECT_NE(CheckNumberField("1-2a-45"), "");
  EXPECT_NE(CheckNumberField("1-2 -45"), "");
}

DirectoryPairs SmallDirectory() {
  std::string error;
  auto pairs = DirectoryPairs::Parse(
      "NAME\tNUMBER\n# a note\n\nИВАНОВ ИИ\t01234\r\nИВАНОВ ИИ\t55555\nПЕТРОВ ПП\t20000\n", &error);
  EXPECT_TRUE(pairs.has_value()) << error;
  return pairs.value_or(DirectoryPairs());
}

TEST(DriverScreenChecks, TheDirectoryKnowsWhichNumbersBelongToWhichName) {
  const DirectoryPairs pairs = SmallDirectory();
  EXPECT_EQ(pairs.Persons(), 2u);
  EXPECT_EQ(pairs.Numbers(), 3u);
  EXPECT_TRUE(pairs.Holds("ИВАНОВ ИИ", 1234));
  EXPECT_TRUE(pairs.Holds("ИВАНОВ ИИ", 55555));
  EXPECT_FALSE(pairs.Holds("ИВАНОВ ИИ", 20000));
  EXPECT_FALSE(pairs.Holds("ИВАНОВ", 1234));
  EXPECT_EQ(pairs.NameOf(20000), "ПЕТРОВ ПП");
  EXPECT_EQ(pairs.NameOf(20001), std::nullopt);
}

TEST(DriverScreenChecks, AMalformedDirectoryLineIsNamed) {
  std::string error;
  EXPECT_FALSE(DirectoryPairs::Parse("NAME\tNUMBER\nИВАНОВ ИИ 01234\n", &error));
  EXPECT_EQ(error, "line 2: not NAME<TAB>NUMBER");
  EXPECT_FALSE(DirectoryPairs::Parse("NAME\tNUMBER\n\t01234\n", &error));
  EXPECT_FALSE(DirectoryPairs::Parse("NAME\tNUMBER\nA\t12x\n", &error));
}

TEST(DriverScreenChecks, TheShippedDirectorySourceReads) {
  std::ifstream file(PHONEBOOK_DIRECTORY_SOURCE, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  std::string error;
  const auto pairs = DirectoryPairs::Parse(bytes.str(), &error);
  ASSERT_TRUE(pairs.has_value()) << error;
  EXPECT_EQ(pairs->Persons(), testing_support::ShippedPersonCount());
  EXPECT_EQ(pairs->Numbers(), testing_support::ShippedNumberCount());
}

TEST(DriverScreenChecks, TheMemoHoldsItsFirstTextOrAnAnswerThatBelongsTogether) {
  const DirectoryPairs pairs = SmallDirectory();
  EXPECT_EQ(CheckMemo("Пока ничего нет!", pairs), "");
  EXPECT_EQ(CheckMemo("Пока ничего нет!\r\n", pairs), "");
  EXPECT_EQ(CheckMemo(driver::AnswerText("ИВАНОВ ИИ", 1234), pairs), "");
  EXPECT_EQ(CheckMemo(driver::AnswerText("ИВАНОВ ИИ", 55555) + "\r\n", pairs), "");
  EXPECT_EQ(CheckMemo(" *** Результат. ***\r\nФамилия - ПЕТРОВ ПП\r\nТелефон - 20000", pairs), "");
  // Wrong pairs, shapes and number texts.
  EXPECT_NE(CheckMemo(driver::AnswerText("ПЕТРОВ ПП", 1234), pairs), "");
  EXPECT_NE(CheckMemo(" *** Результат. ***\r\nФамилия - ИВАНОВ ИИ\r\nТелефон - 01234", pairs), "");
  EXPECT_NE(CheckMemo(" *** Результат. ***\r\nФамилия - ИВАНОВ ИИ\r\nТелефон - 1-23-4", pairs), "");
  EXPECT_NE(CheckMemo(" *** Результат. ***\r\nФамилия - ИВАНОВ ИИ\r\nТелефон - ", pairs), "");
  EXPECT_NE(CheckMemo("*** Результат. ***\r\nФамилия - ИВАНОВ ИИ\r\nТелефон - 1234", pairs), "");
  EXPECT_NE(CheckMemo(" *** Результат. ***\r\nФамилия - ИВАНОВ ИИ", pairs), "");
  EXPECT_NE(CheckMemo(driver::AnswerText("ИВАНОВ ИИ", 1234) + "\r\nx", pairs), "");
  EXPECT_NE(CheckMemo("", pairs), "");
  EXPECT_NE(CheckMemo("Пока ничего нет!\r\nПока ничего нет!", pairs), "");
}

TEST(DriverScreenChecks, OnlyTheProgramsTwoInputErrorsAreExpectedInABox) {
  EXPECT_EQ(CheckErrorBoxText("'' is not a valid integer value."), "");
  EXPECT_EQ(CheckErrorBoxText("'1 345' is not a valid integer value."), "");
  EXPECT_EQ(CheckErrorBoxText("' 2  5' is not a valid integer value."), "");
  EXPECT_EQ(CheckErrorBoxText("Invalid input value.  Use escape key to abandon changes."), "");
  EXPECT_NE(CheckErrorBoxText("'123456' is not a valid integer value."), "");
  EXPECT_NE(CheckErrorBoxText("'1x' is not a valid integer value."), "");
  EXPECT_NE(CheckErrorBoxText("' is not a valid integer value."), "");
  EXPECT_NE(CheckErrorBoxText("daTel: Record not found."), "");
  EXPECT_NE(CheckErrorBoxText(""), "");
}

TEST(DriverScreenChecks, ARegionsContrastIsBetweenItsTwoMostCommonColours) {
  using driver::RegionContrast;
  // White text on the memo's light blue: the figure of the unreadable answer.
  std::vector<std::uint32_t> answer(100, 0xFFFBF0);
  answer.insert(answer.end(), 20, 0xFFFFFF);
  ASSERT_TRUE(RegionContrast(answer).has_value());
  EXPECT_NEAR(*RegionContrast(answer), 1.05, 0.005);
  // Black on white, with a few pixels of a third colour that do not count.
  std::vector<std::uint32_t> text(100, 0xFFFFFF);
  text.insert(text.end(), 30, 0x000000);
  text.insert(text.end(), 5, 0xFFCAA6);
  EXPECT_DOUBLE_EQ(*RegionContrast(text), 21.0);
  // One colour: nothing to read.
  EXPECT_FALSE(RegionContrast(std::vector<std::uint32_t>(50, 0x808080)).has_value());
  EXPECT_FALSE(RegionContrast({}).has_value());
}

}  // namespace
