// The program's component classes read from streams built with the writer:
// each kind of stored setting reaches the right member, nested records become
// parents, references and handler bindings resolve.
#include "app/forms/component_classes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/forms/main_form.h"
#include "resources/component_reader.h"
#include "resources/component_stream_writer.h"
#include "resources/read_error.h"
#include "tests/common/recording_form_host.h"

namespace {

using resources::ComponentStreamWriter;

resources::ClassRegistry ProgramRegistry() {
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  return registry;
}

std::string ReadInto(base::TComponent& window, const std::string& stream) {
  try {
    resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                   window, ProgramRegistry());
  } catch (const resources::EReadError& error) {
    return error.Message();
  }
  return "";
}

TEST(ComponentClassesTest, EveryClassOfTheTwoWindowsIsRegistered) {
  const resources::ClassRegistry registry = ProgramRegistry();
  for (const char* name : {"TMainForm",
                           "TfmAbout",
                           "TLabel",
                           "TPanel",
                           "TMemo",
                           "TMaskEdit",
                           "TRxDBLookupCombo",
                           "TStatusBar",
                           "TTBDock",
                           "TTBToolbar",
                           "TTBSubmenuItem",
                           "TTBItem",
                           "TTBVisibilityToggleItem",
                           "TTBToolWindow",
                           "TTBSkin",
                           "TClientDataSet",
                           "TDataSource",
                           "TSmallintField",
                           "TIntegerField",
                           "TStringField"}) {
    const resources::ClassInfo* info = registry.Find(name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_EQ(info->name, name);
  }
  EXPECT_EQ(registry.Find("TButton"), nullptr);
}

TEST(ComponentClassesTest, AboutWindowControlsKeepTheirSettingsAndHandlers) {
  base::TComponent application(nullptr);
  auto* about = new about::TfmAbout(&application);
  ComponentStreamWriter w;
  w.Signature().BeginObject("TfmAbout", "fmAbout");
  w.Property("BorderStyle").Ident("bsNone").Property("Color").Ident("clWindow");
  w.Property("Font.Height").Integer(-10).Property("HorzScrollBar.Visible").Boolean(false);
  w.Property("OnMouseDown").Ident("FormMouseDown").EndProperties();
  w.BeginObject("TPanel", "Panel1").Property("Align").Ident("alTop").Property("BevelOuter").Ident("bvNone");
  w.Property("BorderStyle").Ident("bsSingle").Property("Color").Ident("clInfoBk");
  w.Property("OnMouseDown").Ident("FormMouseDown").EndProperties();
  w.BeginObject("TLabel", "laButtomClose").Property("Caption").String(" x ");
  w.Property("Alignment").Ident("taRightJustify").Property("AutoSize").Boolean(false);
  w.Property("Font.Style").Set({"fsBold"}).Property("OnClick").Ident("laButtomCloseClick");
  w.EndProperties().EndObject();
  w.EndObject();  // Panel1
  w.BeginObject("TMemo", "me").Property("Enabled").Boolean(false).Property("Lines.Strings");
  w.BeginList().String("one").String("").String("three").EndList();
  w.Property("ReadOnly").Boolean(true).EndProperties().EndObject();
  w.EndObject();
  ASSERT_EQ(ReadInto(*about, w.Finish()), "");

  EXPECT_EQ(about->Name(), "fmAbout");
  EXPECT_EQ(about->border_style, ui::TFormBorderStyle::bsNone);
  EXPECT_EQ(about->color, ui::clWindow);
  EXPECT_EQ(about->font.height, -10);
  EXPECT_FALSE(about->horz_scroll_bar.visible);
  EXPECT_TRUE(about->vert_scroll_bar.visible);
  ASSERT_NE(about->Panel1, nullptr);
  ASSERT_NE(about->laButtomClose, nullptr);
  ASSERT_NE(about->me, nullptr);
  EXPECT_EQ(about->laLink1, nullptr);
  EXPECT_EQ(about->Panel1->Parent(), about);
  EXPECT_EQ(about->laButtomClose->Parent(), about->Panel1);
  EXPECT_EQ(about->me->Parent(), about);
  EXPECT_EQ(about->laButtomClose->Owner(), about);
  EXPECT_EQ(about->Panel1->bevel_outer, ui::TBevelCut::bvNone);
  EXPECT_EQ(about->Panel1->color, ui::clInfoBk);
  EXPECT_EQ(about->laButtomClose->alignment, ui::TAlignment::taRightJustify);
  EXPECT_FALSE(about->laButtomClose->auto_size);
  EXPECT_TRUE(about->laButtomClose->font.HasStyle(ui::fsBold));
  EXPECT_FALSE(about->laButtomClose->font.HasStyle(ui::fsUnderline));
  EXPECT_FALSE(about->laButtomClose->parent_font);  // its own font was stored
  EXPECT_TRUE(about->Panel1->parent_font);
  EXPECT_EQ(about->me->lines.lines, (std::vector<std::string>{"one", "", "three"}));
  EXPECT_EQ(about->me->lines.Text(), "one\r\n\r\nthree\r\n");
  EXPECT_FALSE(about->me->enabled);

  // The bound handlers reach the window's host: the close mark closes it, a
  // press on the strip or the window starts a move.
  std::vector<std::string> host_calls;
  about->AttachHost(std::make_unique<testing_support::RecordingHost>(host_calls));
  about->laButtomClose->on_click(about->laButtomClose);
  about->Panel1->on_mouse_down(about->Panel1, ui::TMouseButton::mbLeft, 0, 3, 4);
  about->on_mouse_down(about, ui::TMouseButton::mbRight, 0, 0, 0);
  EXPECT_EQ(host_calls, (std::vector<std::string>{"Close", "StartMoveByCaption", "StartMoveByCaption"}));
}

TEST(ComponentClassesTest, MainWindowReferencesSkinAndPanelsResolve) {
  base::TComponent application(nullptr);
  auto* form = new app::TMainForm(&application);
  ComponentStreamWriter w;
  w.Signature().BeginObject("TMainForm", "MainForm");
  w.Property("BorderIcons").Set({"biSystemMenu", "biNoSuchIcon"}).EndProperties();
  w.BeginObject("TTBDock", "doBott").Property("Position").Ident("dpBottom").EndProperties();
  // A reference to the toolbar window that comes later inside this dock.
  w.BeginObject("TTBToolWindow", "twResult").Property("DefaultDock").Ident("doBott");
  w.Property("ClientAreaWidth").Integer(289).Property("FullSize").Boolean(true);
  w.Property("DockRow").Integer(1).EndProperties().EndObject();
  w.EndObject();
  w.BeginObject("TTBToolbar", "TBToolbar1").Property("Caption").Utf8String(u8"Главное меню").EndProperties();
  w.BeginObject("TTBSubmenuItem", "TBSubmenuItem2").EndProperties();
  w.BeginObject("TTBVisibilityToggleItem", "TBVisibilityToggleItem1").Property("Control").Ident("twResult");
  w.EndProperties().EndObject();
  w.EndObject();
  w.BeginObject("TTBItem", "TBItem2")
      .Property("Caption")
      .String("O...")
      .Property("OnClick")
      .Ident("TBItem2Click");
  w.EndProperties().EndObject();
  w.EndObject();  // toolbar
  w.BeginObject("TStatusBar", "StatusBar1").Property("Panels").BeginCollection().BeginItem();
  w.Property("Text").String("abc").Property("Width").Integer(50).EndItem().EndCollection();
  w.EndProperties().EndObject();
  w.BeginObject("TTBSkin", "TBSkin1").Property("Colors.tcPopup").Integer(16316665);
  w.Property("Colors.tcFace").Ident("clBtnFace").Property("Options").Set({}).EndProperties().EndObject();
  w.BeginObject("TMaskEdit", "MaskEdit1").Property("EditMask").String("0-00-00;0;_");
  w.Property("MaxLength")
      .Integer(12)
      .Property("OnKeyPress")
      .Ident("MaskEdit1KeyPress")
      .EndProperties()
      .EndObject();
  w.EndObject();
  ASSERT_EQ(ReadInto(*form, w.Finish()), "");

  EXPECT_TRUE(form->HasBorderIcon(ui::biSystemMenu));
  EXPECT_FALSE(form->HasBorderIcon(ui::biMinimize));
  ASSERT_NE(form->doBott, nullptr);
  ASSERT_NE(form->twResult, nullptr);
  EXPECT_EQ(form->doBott->position, app::TTBDockPosition::dpBottom);
  EXPECT_EQ(form->twResult->default_dock, form->doBott);
  EXPECT_EQ(form->twResult->Parent(), form->doBott);
  EXPECT_EQ(form->twResult->client_area_width, 289);
  EXPECT_TRUE(form->twResult->full_size);
  EXPECT_EQ(form->twResult->dock_row, 1);
  ASSERT_NE(form->TBToolbar1, nullptr);
  EXPECT_EQ(form->TBToolbar1->caption, "\xC3\xEB\xE0\xE2\xED\xEE\xE5 \xEC\xE5\xED\xFE");  // 1251
  ASSERT_NE(form->TBVisibilityToggleItem1, nullptr);
  EXPECT_EQ(form->TBVisibilityToggleItem1->control, form->twResult);
  EXPECT_EQ(form->TBVisibilityToggleItem1->ParentComponent(), form->TBSubmenuItem2);
  EXPECT_EQ(form->TBSubmenuItem2->ParentComponent(), form->TBToolbar1);
  ASSERT_NE(form->StatusBar1, nullptr);
  ASSERT_EQ(form->StatusBar1->panels.Count(), 1u);
  EXPECT_EQ(form->StatusBar1->panels[0].text, "abc");
  EXPECT_EQ(form->StatusBar1->panels[0].bevel, ui::TStatusPanelBevel::pbLowered);
  ASSERT_NE(form->TBSkin1, nullptr);
  EXPECT_EQ(form->TBSkin1->colors.Get("tcPopup"), 16316665);
  EXPECT_EQ(form->TBSkin1->colors.Get("tcFace"), ui::clBtnFace);
  EXPECT_EQ(form->TBSkin1->options, 0u);
  ASSERT_NE(form->MaskEdit1, nullptr);
  EXPECT_EQ(form->MaskEdit1->edit_mask, "0-00-00;0;_");
  EXPECT_EQ(form->MaskEdit1->max_length, 7);  // the place count, whatever was stored
  EXPECT_EQ(form->MaskEdit1->EditText(), "_-__-__");
  // The bound key-press handler: Enter in the empty field fails to convert.
  char key = '\r';
  EXPECT_THROW(form->MaskEdit1->on_key_press(form->MaskEdit1, key), base::EConvertError);
  // "O..." shows the About window that the same owner holds.
  auto* about = new about::TfmAbout(&application);
  about->SetName("fmAbout");
  about->visible = false;
  form->TBItem2->on_click(form->TBItem2);
  EXPECT_TRUE(about->visible);
  EXPECT_TRUE(form->visible);
}

TEST(ComponentClassesTest, RefusesWhatTheClassesDoNotPublish) {
  base::TComponent application(nullptr);
  const auto one_label = [](const char* property, auto value) {
    ComponentStreamWriter w;
    w.Signature().BeginObject("TfmAbout", "fmAbout").EndProperties();
    w.BeginObject("TLabel", "Label1").Property(property);
    value(w);
    w.EndProperties().EndObject().EndObject();
    return w.Finish();
  };
  // A label has no tab order, and its handlers must exist on the window.
  EXPECT_EQ(ReadInto(*new about::TfmAbout(&application),
                     one_label("TabOrder", [](ComponentStreamWriter& w) { w.Integer(1); })),
            "Error reading Label1.TabOrder: Property TabOrder does not exist");
  EXPECT_EQ(ReadInto(*new about::TfmAbout(&application),
                     one_label("OnClick", [](ComponentStreamWriter& w) { w.Ident("TBItem1Click"); })),
            "Error reading Label1.OnClick: Invalid property value");
  EXPECT_EQ(ReadInto(*new about::TfmAbout(&application),
                     one_label("Color", [](ComponentStreamWriter& w) { w.Ident("clNoSuchColour"); })),
            "Error reading Label1.Color: Invalid property value");
}

}  // namespace
