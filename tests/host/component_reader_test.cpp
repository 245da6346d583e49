#include "resources/component_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/component_stream_writer.h"
#include "resources/read_error.h"
#include "tests/common/test_components.h"
#include "text/literal.h"

namespace {

using resources::ComponentStreamWriter;
using test_components::Align;
using test_components::TTestControl;
using test_components::TTestWindow;

// A window owned by an application object, read from streams built in the test.
class ComponentReaderTest : public ::testing::Test {
 protected:
  ComponentReaderTest() : window_(new TTestWindow(&application_)) {}
  ~ComponentReaderTest() override {
    TTestControl::loaded_log = nullptr;
    TTestControl::failing_name.clear();
  }

  // The stream of a window record with `properties` written by the caller and
  // the children written by `children`.
  template <typename Properties, typename Children>
  static std::string Stream(Properties properties, Children children) {
    ComponentStreamWriter w;
    w.Signature().BeginObject("TTestWindow", "Window1");
    properties(w);
    w.EndProperties();
    children(w);
    w.EndObject();
    return w.Finish();
  }
  // A window whose only child is a TTestControl "Button1" with `properties`.
  template <typename Properties>
  static std::string ButtonStream(Properties properties) {
    return Stream([](ComponentStreamWriter&) {},
                  [&](ComponentStreamWriter& w) {
                    w.BeginObject("TTestControl", "Button1");
                    properties(w);
                    w.EndProperties().EndObject();
                  });
  }

  // Reads `stream` into the window; returns the read error's message, or "".
  std::string Read(const std::string& stream) {
    try {
      resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                     *window_, registry_);
    } catch (const resources::EReadError& error) {
      return error.Message();
    }
    return "";
  }

  TTestControl& Child(const char* name) {
    auto* child = dynamic_cast<TTestControl*>(window_->FindComponent(name));
    EXPECT_NE(child, nullptr) << name;
    return *child;
  }

  // The read failed and left no component behind.
  void ExpectNothingCreated() {
    EXPECT_TRUE(window_->Components().empty());
    EXPECT_EQ(TTestControl::live, 1);  // the window itself
  }

  resources::ClassRegistry registry_ = test_components::Registry();
  base::TComponent application_{nullptr};
  TTestWindow* window_;
};

// --- Round trip: every property kind written, read and compared ---

TEST_F(ComponentReaderTest, EveryPropertyKindRoundTrips) {
  constexpr auto kCaption = text::Cp1251(u8"Телефонный справочник г.Тальмир");
  const std::string stream = Stream(
      [&](ComponentStreamWriter& w) {
        w.Property("Caption").Utf8String(u8"Телефонный справочник г.Тальмир");
        w.Property("Font.Name").String("MS Sans Serif");
        w.Property("Font.Height").Integer(-11);
        w.Property("Font.Color").Ident("clWindowText");
        w.Property("Font.Charset").Ident("DEFAULT_CHARSET");
      },
      [](ComponentStreamWriter& w) {
        w.BeginObject("TTestControl", "Button1");
        w.Property("Left").Integer(100000);
        w.Property("Tag").Integer(-300);
        w.Property("Color").Integer(16776176);
        w.Property("Align").Ident("alClient");
        w.Property("Anchors").Set({"akLeft", "akBottom"});
        w.Property("Ratio").Extended(0.601);
        w.Property("Hint").WideString(u"Подсказка");
        w.Property("Visible").Boolean(true);
        w.Property("Partner").Ident("Edit1");
        w.Property("OnClick").Ident("ButtonClick");
        w.Property("Lines.Strings").BeginList().String("one").Utf8String(u8"два").EndList();
        w.Property("Panels").BeginCollection();
        w.BeginItem().Property("Width").Integer(50).Property("Text").LongString("left").EndItem();
        w.BeginItem(1).Property("Link").Ident("Button1").EndItem();
        w.EndCollection();
        w.Property("Data").Binary(std::string("\x03\x00\x00\x00PKT", 7));
        w.EndProperties().EndObject();
        w.BeginObject("TTestControl", "Edit1");
        w.Property("Ratio").Integer(3);
        w.Property("Color").Ident("clBtnFace");
        w.Property("OnKeyPress").Ident("EditKeyPress");
        w.Property("Caption").WideString(u"Телефон");
        w.Property("Visible").Boolean(false);
        w.EndProperties().EndObject();
      });
  ASSERT_EQ(Read(stream), "");

  EXPECT_EQ(window_->Name(), "Window1");
  EXPECT_EQ(window_->caption, kCaption.view());
  EXPECT_EQ(window_->font.name, "MS Sans Serif");
  EXPECT_EQ(window_->font.height, -11);
  EXPECT_EQ(window_->font.color, static_cast<std::int32_t>(0x80000008u));
  EXPECT_EQ(window_->font.charset, 1);

  TTestControl& button = Child("Button1");
  TTestControl& edit = Child("Edit1");
  EXPECT_EQ(button.Owner(), window_);
  EXPECT_EQ(button.left, 100000);
  EXPECT_EQ(button.tag, -300);
  EXPECT_EQ(button.color, 16776176);
  EXPECT_EQ(button.align, Align::kClient);
  EXPECT_EQ(button.anchors, 0b1001u);
  EXPECT_DOUBLE_EQ(button.ratio, 0.601);
  EXPECT_EQ(button.hint, u"Подсказка");
  EXPECT_TRUE(button.visible);
  EXPECT_EQ(button.partner, &edit);
  EXPECT_EQ(button.lines.strings, (std::vector<std::string>{"one", text::Cp1251(u8"два").str()}));
  ASSERT_EQ(button.panels.Count(), 2u);
  EXPECT_EQ(button.panels[0].width, 50);
  EXPECT_EQ(button.panels[0].text, "left");
  EXPECT_EQ(button.panels[1].link, &button);
  EXPECT_TRUE(button.has_data);
  EXPECT_EQ(button.data, "PKT");

  EXPECT_DOUBLE_EQ(edit.ratio, 3.0);
  EXPECT_EQ(edit.color, static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_EQ(edit.caption, text::Cp1251(u8"Телефон").view());
  EXPECT_FALSE(edit.visible);

  // Events call the window's methods.
  ASSERT_TRUE(button.on_click.Assigned());
  EXPECT_EQ(button.on_click.MethodName(), "ButtonClick");
  button.on_click(&button);
  EXPECT_EQ(window_->clicks, (std::vector<std::string>{"Button1"}));
  char key = 'x';
  edit.on_key_press(&edit, key);
  EXPECT_EQ(key, 0);
  EXPECT_FALSE(edit.on_click.Assigned());
}

TEST_F(ComponentReaderTest, NilClearsReferencesAndEvents) {
  ASSERT_EQ(Read(ButtonStream([](ComponentStreamWriter& w) {
              w.Property("Partner").Ident("Window1").Property("OnClick").Ident("ButtonClick");
              w.Property("Partner").Nil().Property("OnClick").Nil();
            })),
            "");
  EXPECT_EQ(Child("Button1").partner, nullptr);
  EXPECT_FALSE(Child("Button1").on_click.Assigned());
}

// --- Structure: parents, order of Loaded, names ---

TEST_F(ComponentReaderTest, NestedRecordsGetTheirParentAndLoadedRunsInReadingOrder) {
  std::vector<std::string> log;
  TTestControl::loaded_log = &log;
  ASSERT_EQ(Read(Stream([](ComponentStreamWriter&) {},
                        [](ComponentStreamWriter& w) {
                          w.BeginObject("TTestControl", "Dock").EndProperties();
                          w.BeginObject("TTestControl", "Tool", resources::kChildPosition, 0);
                          w.Property("Partner").Ident("Late").EndProperties();  // a forward reference
                          w.BeginObject("TTestControl", "Memo").EndProperties().EndObject();
                          w.EndObject();
                          w.EndObject();
                          w.BeginObject("TTestControl", "Late").EndProperties().EndObject();
                        })),
            "");
  EXPECT_EQ(log, (std::vector<std::string>{"Window1", "Dock", "Tool", "Memo", "Late"}));
  EXPECT_EQ(Child("Dock").parent, window_);
  EXPECT_EQ(Child("Tool").parent, &Child("Dock"));
  EXPECT_EQ(Child("Memo").parent, &Child("Tool"));
  EXPECT_EQ(Child("Memo").Owner(), window_);  // every component belongs to the window
  EXPECT_EQ(Child("Dock").child_orders, (std::vector<std::pair<std::string, int>>{{"Tool", 0}}));
  // References are resolved before Loaded runs.
  EXPECT_EQ(Child("Tool").partner_at_loaded, "Late");
}

TEST_F(ComponentReaderTest, AClashingTopLevelNameTakesTheFirstFreeSuffix) {
  TTestWindow other(&application_);
  other.SetName("Window1");
  TTestWindow other1(&application_);
  other1.SetName("window1_1");
  ASSERT_EQ(Read(Stream([](ComponentStreamWriter&) {}, [](ComponentStreamWriter&) {})), "");
  EXPECT_EQ(window_->Name(), "Window1_2");
}

TEST_F(ComponentReaderTest, InheritedRecordsNameComponentsThatExistAlready) {
  auto* existing = new TTestControl(window_);
  existing->SetName("Old");
  const auto inherited = [](const char* name) {
    return Stream([](ComponentStreamWriter&) {},
                  [&](ComponentStreamWriter& w) {
                    w.BeginObject("TTestControl", name, resources::kInherited);
                    w.Property("Left").Integer(9).EndProperties().EndObject();
                  });
  };
  ASSERT_EQ(Read(inherited("Old")), "");
  EXPECT_EQ(existing->left, 9);
  EXPECT_EQ(window_->Components().size(), 1u);
  EXPECT_EQ(Read(inherited("Missing")), "Ancestor for 'Missing' not found");
  EXPECT_EQ(window_->Components().size(), 1u);  // the component that was there stays
}

// --- Collections ---

TEST_F(ComponentReaderTest, AnEmptyCollectionLeavesItAsItWasAndItemsReplaceIt) {
  window_->panels.Add();
  window_->panels.Add();
  ASSERT_EQ(
      Read(Stream([](ComponentStreamWriter& w) { w.Property("Panels").BeginCollection().EndCollection(); },
                  [](ComponentStreamWriter&) {})),
      "");
  EXPECT_EQ(window_->panels.Count(), 2u);
  ASSERT_EQ(Read(Stream(
                [](ComponentStreamWriter& w) {
                  w.Property("Panels").BeginCollection().BeginItem().Property("Width").Integer(7).EndItem();
                  w.EndCollection();
                },
                [](ComponentStreamWriter&) {})),
            "");
  ASSERT_EQ(window_->panels.Count(), 1u);
  EXPECT_EQ(window_->panels[0].width, 7);
}

TEST_F(ComponentReaderTest, ACollectionGivenTwiceDropsTheReferencesOfItsFirstItems) {
  // The first items are freed when the second value clears the collection;
  // their waiting reference must not be stored into freed memory.
  ASSERT_EQ(Read(ButtonStream([](ComponentStreamWriter& w) {
              w.Property("Panels").BeginCollection().BeginItem().Property("Link").Ident("Button1").EndItem();
              w.EndCollection();
              w.Property("Panels").BeginCollection().BeginItem().Property("Width").Integer(1).EndItem();
              w.EndCollection();
            })),
            "");
  ASSERT_EQ(Child("Button1").panels.Count(), 1u);
  EXPECT_EQ(Child("Button1").panels[0].link, nullptr);
}

// --- Values the framework refuses or ignores ---

TEST_F(ComponentReaderTest, AnUnknownSetElementIsIgnoredAndTheOthersAreSet) {
  ASSERT_EQ(Read(ButtonStream([](ComponentStreamWriter& w) {
              w.Property("Anchors").Set({"akTop", "akSideways", "akRight"});
            })),
            "");
  EXPECT_EQ(Child("Button1").anchors, 0b0110u);
}

TEST_F(ComponentReaderTest, PropertyFailuresNameTheComponentAndThePath) {
  const struct {
    void (*write)(ComponentStreamWriter&);
    const char* message;
  } cases[] = {
      {[](ComponentStreamWriter& w) { w.Property("Bogus").BeginList().Integer(1).EndList(); },
       "Error reading Button1.Bogus: Property Bogus does not exist"},
      {[](ComponentStreamWriter& w) { w.Property("Font.Bogus").Integer(1); },
       "Error reading Button1.Font.Bogus: Property Bogus does not exist"},
      {[](ComponentStreamWriter& w) { w.Property("OnClick").Ident("NoSuchMethod"); },
       "Error reading Button1.OnClick: Invalid property value"},
      // A method with another parameter list is no handler for the event.
      {[](ComponentStreamWriter& w) { w.Property("OnClick").Ident("EditKeyPress"); },
       "Error reading Button1.OnClick: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("ComponentCount").Integer(3); },
       "Error reading Button1.ComponentCount: Property is read-only"},
      {[](ComponentStreamWriter& w) { w.Property("Caption.Name").String("x"); },
       "Error reading Button1.Caption.Name: Invalid property path"},
      {[](ComponentStreamWriter& w) { w.Property("Color").Ident("clNoSuchColour"); },
       "Error reading Button1.Color: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Tag").Integer(40000); },  // does not fit 16 bits
       "Error reading Button1.Tag: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Left").String("7"); },
       "Error reading Button1.Left: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Left").Int64(7); },
       "Error reading Button1.Left: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Align").Ident("alSideways"); },
       "Error reading Button1.Align: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Visible").Integer(1); },
       "Error reading Button1.Visible: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Partner").Ident("Nobody"); },
       "Error reading Button1.Partner: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Data").String("not binary"); },
       "Error reading Button1.Data: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Data").Binary(std::string("\x09\x00\x00\x00short", 9)); },
       "Error reading Button1.Data: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Lines.Strings").BeginList().Integer(1).EndList(); },
       "Error reading Button1.Lines.Strings: Invalid property value"},
      {[](ComponentStreamWriter& w) {
         w.Property("Panels")
             .BeginCollection()
             .BeginItem()
             .Property("Width")
             .String("x")
             .EndItem()
             .EndCollection();
       },
       "Error reading Button1.Panels: Invalid property value"},
      {[](ComponentStreamWriter& w) { w.Property("Font").Ident("Button1"); },
       "Error reading Button1.Font: Invalid property value"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(ButtonStream(c.write)), c.message);
    ExpectNothingCreated();
  }
}

TEST_F(ComponentReaderTest, AComponentWithoutANameIsNamedByItsClass) {
  EXPECT_EQ(Read(Stream(
                [](ComponentStreamWriter&) {},
                [](ComponentStreamWriter& w) {
                  w.BeginObject("TTestControl", "").Property("Bogus").Integer(1).EndProperties().EndObject();
                })),
            "Error reading TTestControl.Bogus: Property Bogus does not exist");
}

TEST_F(ComponentReaderTest, RecordFailures) {
  EXPECT_EQ(Read("TPF1"), "Invalid stream format");
  EXPECT_EQ(Read(""), "Invalid stream format");
  EXPECT_EQ(Read(Stream([](ComponentStreamWriter&) {},
                        [](ComponentStreamWriter& w) {
                          w.BeginObject("TTestControl", "A").EndProperties().EndObject();
                          w.BeginObject("TNoSuchClass", "B").EndProperties().EndObject();
                        })),
            "Class TNoSuchClass not found");
  ExpectNothingCreated();
  // Sub-object and window classes are registered but a stream cannot create them.
  EXPECT_EQ(Read(Stream([](ComponentStreamWriter&) {},
                        [](ComponentStreamWriter& w) {
                          w.BeginObject("TTestFont", "F").EndProperties().EndObject();
                        })),
            "Class TTestFont not found");
  EXPECT_EQ(Read(Stream([](ComponentStreamWriter&) {},
                        [](ComponentStreamWriter& w) {
                          w.BeginObject("TTestControl", "Same").EndProperties().EndObject();
                          w.BeginObject("TTestControl", "SAME").EndProperties().EndObject();
                        })),
            "A component named SAME already exists");
  ExpectNothingCreated();
}

TEST_F(ComponentReaderTest, AFailureInLoadedPassesThroughAndRemovesWhatWasCreated) {
  std::vector<std::string> log;
  TTestControl::loaded_log = &log;
  TTestControl::failing_name = "FailsInLoaded";
  const std::string stream =
      Stream([](ComponentStreamWriter&) {},
             [](ComponentStreamWriter& w) {
               w.BeginObject("TTestControl", "First").EndProperties().EndObject();
               w.BeginObject("TTestControl", "FailsInLoaded").EndProperties().EndObject();
               w.BeginObject("TTestControl", "Never").EndProperties().EndObject();
             });
  try {
    resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                   *window_, registry_);
    ADD_FAILURE() << "no error";
  } catch (const resources::EReadError&) {
    ADD_FAILURE() << "a component's own error is not a read error";
  } catch (const base::Exception& error) {
    EXPECT_EQ(error.Message(), "Loaded failed");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"Window1", "First", "FailsInLoaded"}));
  ExpectNothingCreated();
}

TEST_F(ComponentReaderTest, AnInheritedComponentIsReadOnce) {
  (new TTestControl(window_))->SetName("Old");
  EXPECT_EQ(
      Read(Stream([](ComponentStreamWriter&) {},
                  [](ComponentStreamWriter& w) {
                    w.BeginObject("TTestControl", "Old", resources::kInherited).EndProperties();
                    w.BeginObject("TTestControl", "Old", resources::kInherited).EndProperties().EndObject();
                    w.EndObject();
                  })),
      "A component named Old already exists");
  EXPECT_EQ(window_->Components().size(), 1u);
}

TEST_F(ComponentReaderTest, TheComponentCountIsLimited) {
  ComponentStreamWriter w;
  w.Signature().BeginObject("TTestWindow", "Window1").EndProperties();
  for (int i = 0; i < 5; ++i) w.BeginObject("TTestControl", "").EndProperties().EndObject();
  w.EndObject();
  resources::StreamLimits limits;
  limits.max_components = 4;
  EXPECT_THROW(resources::ReadComponentStream(w.Bytes(), *window_, registry_, limits), resources::EReadError);
  ExpectNothingCreated();
  limits.max_components = 5;
  EXPECT_NO_THROW(resources::ReadComponentStream(w.Bytes(), *window_, registry_, limits));
  EXPECT_EQ(window_->Components().size(), 5u);
}

TEST_F(ComponentReaderTest, ATruncatedStreamFailsCleanlyAtEveryLength) {
  const std::string stream = Stream(
      [](ComponentStreamWriter& w) {
        w.Property("Caption").String("Main").Property("Font.Height").Integer(-11);
      },
      [](ComponentStreamWriter& w) {
        w.BeginObject("TTestControl", "Button1", resources::kChildPosition, 1);
        w.Property("Partner").Ident("Edit1").Property("OnClick").Ident("ButtonClick");
        w.Property("Anchors").Set({"akLeft"}).Property("Ratio").Extended(1.5);
        w.Property("Panels")
            .BeginCollection()
            .BeginItem(0)
            .Property("Width")
            .Integer(5)
            .EndItem()
            .EndCollection();
        w.EndProperties();
        w.BeginObject("TTestControl", "Edit1").Property("Data").Binary(std::string("\x01\x00\x00\x00X", 5));
        w.EndProperties().EndObject();
        w.EndObject();
      });
  ASSERT_EQ(Read(stream), "");
  delete window_;
  // Short of the signature the stream is no stream; past it every cut runs
  // out of bytes, inside a property said with the property's name.
  const std::string past_end = resources::kReadPastEnd;
  for (std::size_t size = 0; size < stream.size(); ++size) {
    window_ = new TTestWindow(&application_);
    const std::string error = Read(stream.substr(0, size));
    if (size < 4) {
      EXPECT_EQ(error, resources::kInvalidStreamFormat) << "cut at " << size;
    } else if (error != past_end) {
      EXPECT_TRUE(error.starts_with("Error reading ") && error.ends_with(": " + past_end))
          << "cut at " << size << ": " << error;
    }
    ExpectNothingCreated();
    delete window_;
  }
  window_ = new TTestWindow(&application_);
}

}  // namespace
