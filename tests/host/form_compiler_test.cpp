// The form compiler: what it refuses (with file, line and reason), and a
// round trip description -> stream -> reader for every kind of value.
#include "resources/form_compiler.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/component_reader.h"
#include "tests/common/shipped_directory.h"
#include "tests/common/test_components.h"

namespace {

using test_components::TTestControl;
using test_components::TTestWindow;

class FormCompilerTest : public ::testing::Test {
 protected:
  FormCompilerTest() : registry_(test_components::Registry()) {
    options_.registry = &registry_;
    options_.create_window = [](std::string_view name, base::TComponent* owner) -> base::TComponent* {
      return name == "TTestWindow" ? new TTestWindow(owner) : nullptr;
    };
  }

  std::string Compile(const std::string& text) {
    return resources::CompileFormDescription(text, "test.form", options_);
  }
  // The refusal of `text` as "line: reason"; "" when it compiles.
  std::string Refusal(const std::string& text) {
    try {
      Compile(text);
    } catch (const resources::FormCompileError& error) {
      EXPECT_EQ(error.File(), "test.form");
      return std::to_string(error.Line()) + ": " + error.Reason();
    }
    return "";
  }

  resources::ClassRegistry registry_;
  resources::FormCompileOptions options_;
};

TEST_F(FormCompilerTest, RefusesWithLineAndReason) {
  const std::string head = "+ TTestWindow Window1\n";
  EXPECT_EQ(Refusal(head + "++ TTestButton B1\n"), "2: Class TTestButton not found");
  EXPECT_EQ(Refusal("+ TTestControl C1\n"), "1: Class TTestControl is not a window class");
  EXPECT_EQ(Refusal(head + "++ TTestControl B1\nLeft: 1\nWidht: 2\n"),
            "4: Property Widht does not exist on TTestControl");
  EXPECT_EQ(Refusal(head + "Font.Nmae: \"x\"\n"), "2: Property Font.Nmae does not exist on TTestFont");
  EXPECT_EQ(Refusal(head + "Caption.Name: \"x\"\n"), "2: Invalid property path Caption.Name");
  EXPECT_EQ(Refusal(head + "Left: \"7\"\n"), "2: Invalid property value for Left: an integer expected");
  EXPECT_EQ(Refusal(head + "Color: clPink\n"),
            "2: Invalid property value for Color: unknown constant clPink");
  EXPECT_EQ(Refusal(head + "Align: alMiddle\n"),
            "2: Invalid property value for Align: unknown element alMiddle");
  EXPECT_EQ(Refusal(head + "Anchors: {akLeft akUp}\n"),
            "2: Invalid property value for Anchors: unknown set element akUp");
  EXPECT_EQ(Refusal(head + "Visible: 1\n"), "2: Invalid property value for Visible: true or false expected");
  EXPECT_EQ(Refusal(head + "Caption: Hello\n"), "2: Invalid property value for Caption: a text expected");
  EXPECT_EQ(Refusal(head + "Partner: Button9\n"),
            "2: Invalid property value for Partner: no component named Button9");
  EXPECT_EQ(Refusal(head + "OnClick: ButtonKlick\n"),
            "2: Invalid property value for OnClick: TTestWindow has no method ButtonKlick");
  EXPECT_EQ(Refusal(head + "OnClick: EditKeyPress\n"),
            "2: Invalid property value for OnClick: method EditKeyPress has other parameters than the event");
  EXPECT_EQ(Refusal(head + "ComponentCount: 3\n"), "2: Property ComponentCount is read-only");
  EXPECT_EQ(Refusal(head + "Data: packet \"missing.packet\"\n").substr(0, 27), "2: cannot read the packet m");
  EXPECT_EQ(Refusal(head + "++ TTestControl B1\n++ TTestControl b1\n"),
            "3: A component named b1 already exists");
  // Syntax.
  EXPECT_EQ(Refusal("Left: 1\n"), "1: a property before the root component line");
  EXPECT_EQ(Refusal(head + "+++ TTestControl B1\n"),
            "2: a component nested deeper than one level below the one before it");
  EXPECT_EQ(Refusal(head + "Caption: \"open\n"), "2: a text without its closing '\"'");
  EXPECT_EQ(Refusal(head + "Left 1\n"), "2: ':' expected");
  EXPECT_EQ(Refusal(head + "Left: 1 2\n"), "2: unexpected '2' at the end of a line");
  EXPECT_EQ(Refusal(head + "Left: 99999999999999999999\n"),
            "2: the number 99999999999999999999 is out of range");
  EXPECT_EQ(Refusal("# nothing\n"), "2: no component");
  EXPECT_EQ(Refusal(head + "Caption: \"\xD0\"\n"), "2: a text that is not well-formed UTF-8");
  EXPECT_EQ(
      Refusal(head +
              "Caption: \"\xE2\x82\xAC \xE4\xB8\xAD\"\n"),  // the euro sign is in 1251, the ideograph not
      "2: Invalid property value for Caption: a character that 1251 cannot hold");
  EXPECT_EQ(Refusal(head + "Hint: \"\xE4\xB8\xAD\"\n"), "");  // a wide text holds it
  EXPECT_EQ(Refusal(head + "Lines.Strings: [\n  \"a\"\n  7\n]\n"),
            "4: Invalid property value: a list of texts expected");
}

TEST_F(FormCompilerTest, RoundTripOfEveryKind) {
  const std::string stream = Compile(R"(# every kind of value
+ TTestWindow Window1   # the root
Left: -70000
Tag: 12
Color: clBtnFace
Align: alClient
Anchors: {akTop akBottom}
Ratio: 2.5
Caption: "Телефонный справочник г.Тальмир"
Hint: "wide \"quoted\""
Visible: true
Font.Name: "MS Sans Serif"
Font.Charset: RUSSIAN_CHARSET
Lines.Strings: ["one" "" "три"]
Panels: <
  (Width: 50, Text: "first")
  (Width: 7 Link: Button1)
>
OnClick: ButtonClick
++ TTestControl Button1
Partner: Button2
OnKeyPress: EditKeyPress
Ratio: 3
Visible: false
++ TTestControl Button2
Partner: nil
OnClick: nil
)");
  base::TComponent application(nullptr);
  auto* window = new TTestWindow(&application);
  resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                 *window, registry_);
  EXPECT_EQ(window->Name(), "Window1");
  EXPECT_EQ(window->left, -70000);
  EXPECT_EQ(window->tag, 12);
  EXPECT_EQ(window->color, static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_EQ(window->align, test_components::Align::kClient);
  EXPECT_EQ(window->anchors, 0b1010u);
  EXPECT_DOUBLE_EQ(window->ratio, 2.5);
  EXPECT_EQ(window->caption,
            "\xD2\xE5\xEB\xE5\xF4\xEE\xED\xED\xFB\xE9 \xF1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA "
            "\xE3.\xD2\xE0\xEB\xFC\xEC\xE8\xF0");
  EXPECT_EQ(window->hint, u"wide \"quoted\"");
  EXPECT_TRUE(window->visible);
  EXPECT_EQ(window->font.name, "MS Sans Serif");
  EXPECT_EQ(window->font.charset, 204);
  EXPECT_EQ(window->lines.strings, (std::vector<std::string>{"one", "", "\xF2\xF0\xE8"}));
  ASSERT_EQ(window->panels.Count(), 2u);
  EXPECT_EQ(window->panels[0].width, 50);
  EXPECT_EQ(window->panels[0].text, "first");
  auto* button1 = dynamic_cast<TTestControl*>(window->FindComponent("Button1"));
  auto* button2 = dynamic_cast<TTestControl*>(window->FindComponent("Button2"));
  ASSERT_NE(button1, nullptr);
  ASSERT_NE(button2, nullptr);
  EXPECT_EQ(window->panels[1].link, button1);
  EXPECT_EQ(button1->partner, button2);  // a forward reference
  EXPECT_EQ(button2->partner, nullptr);
  EXPECT_DOUBLE_EQ(button1->ratio, 3.0);
  EXPECT_FALSE(button1->visible);
  EXPECT_EQ(button1->parent, window);
  EXPECT_EQ(window->on_click.MethodName(), "ButtonClick");
  EXPECT_EQ(button1->on_key_press.MethodName(), "EditKeyPress");
  EXPECT_FALSE(button2->on_click.Assigned());
  window->on_click(button1);
  EXPECT_EQ(window->clicks, (std::vector<std::string>{"Button1"}));
}

TEST_F(FormCompilerTest, PacketIsEmbeddedWithItsLength) {
  options_.packet_dir = PHONEBOOK_PACKET_DIR;
  const std::string stream = Compile("+ TTestWindow W\nData: packet \"fio.packet\"\n");
  base::TComponent application(nullptr);
  auto* window = new TTestWindow(&application);
  resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                 *window, registry_);
  ASSERT_TRUE(window->has_data);
  EXPECT_EQ(window->data.size(), testing_support::PersonPacketSize());
}

}  // namespace
