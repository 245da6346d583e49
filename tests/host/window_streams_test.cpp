// The two compiled window streams read on the host into the program's own
// classes: the component tree, the stored values, the references and
// handler bindings, and both tables open with all their rows.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "about/fm_about.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "data/integer_field.h"
#include "data/string_field.h"
#include "resources/component_reader.h"
#include "resources/read_error.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/shipped_directory.h"

namespace {

using testing_support::LoadFormStream;
using testing_support::ReadFormStreamFile;

class MainWindowStreamTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    application_ = new base::TComponent(nullptr);
    form_ = new app::TMainForm(application_);
    LoadFormStream("tmainform.stream", *form_);
  }
  static void TearDownTestSuite() { delete application_; }

  static inline base::TComponent* application_ = nullptr;
  static inline app::TMainForm* form_ = nullptr;
};

TEST_F(MainWindowStreamTest, EveryMemberIsThereWithItsClassOwnerAndParent) {
  const app::TMainForm& f = *form_;
  EXPECT_EQ(f.Name(), "MainForm");
  EXPECT_EQ(f.Components().size(), 25u);
  for (base::TComponent* member : f.Components()) EXPECT_EQ(member->Owner(), form_) << member->Name();
  struct Expected {
    const base::TComponent* member;
    const char* name;
    const char* class_name;
  };
  for (const Expected& e : std::initializer_list<Expected>{
           {f.doTop, "doTop", "TTBDock"},
           {f.doBott, "doBott", "TTBDock"},
           {f.TBToolbar1, "TBToolbar1", "TTBToolbar"},
           {f.twResult, "twResult", "TTBToolWindow"},
           {f.TBSubmenuItem1, "TBSubmenuItem1", "TTBSubmenuItem"},
           {f.TBSubmenuItem2, "TBSubmenuItem2", "TTBSubmenuItem"},
           {f.TBItem1, "TBItem1", "TTBItem"},
           {f.meResult, "meResult", "TMemo"},
           {f.TBVisibilityToggleItem1, "TBVisibilityToggleItem1", "TTBVisibilityToggleItem"},
           {f.StatusBar1, "StatusBar1", "TStatusBar"},
           {f.TBSkin1, "TBSkin1", "TTBSkin"},
           {f.Label2, "Label2", "TLabel"},
           {f.Label1, "Label1", "TLabel"},
           {f.RxDBLookupCombo1, "RxDBLookupCombo1", "TRxDBLookupCombo"},
           {f.daFio, "daFio", "TClientDataSet"},
           {f.daTel, "daTel", "TClientDataSet"},
           {f.dsFio, "dsFio", "TDataSource"},
           {f.dsTel, "dsTel", "TDataSource"},
           {f.daTelTEL, "daTelTEL", "TIntegerField"},
           {f.daTelFIO, "daTelFIO", "TSmallintField"},
           {f.daFioKEY_F, "daFioKEY_F", "TSmallintField"},
           {f.daFioFIO, "daFioFIO", "TStringField"},
           {f.daTelloFIO, "daTelloFIO", "TStringField"},
           {f.MaskEdit1, "MaskEdit1", "TMaskEdit"},
           {f.TBItem2, "TBItem2", "TTBItem"},
       }) {
    ASSERT_NE(e.member, nullptr) << e.name;
    EXPECT_EQ(e.member->Name(), e.name);
    EXPECT_STREQ(e.member->ClassName(), e.class_name);
  }
  // Nesting.
  EXPECT_EQ(f.doTop->Parent(), form_);
  EXPECT_EQ(f.TBToolbar1->Parent(), f.doTop);
  EXPECT_EQ(f.TBSubmenuItem1->ParentComponent(), f.TBToolbar1);
  EXPECT_EQ(f.TBItem1->ParentComponent(), f.TBSubmenuItem1);
  EXPECT_EQ(f.TBSubmenuItem2->ParentComponent(), f.TBToolbar1);
  EXPECT_EQ(f.TBVisibilityToggleItem1->ParentComponent(), f.TBSubmenuItem2);
  EXPECT_EQ(f.TBItem2->ParentComponent(), f.TBToolbar1);
  EXPECT_EQ(f.doBott->Parent(), form_);
  EXPECT_EQ(f.twResult->Parent(), f.doBott);
  EXPECT_EQ(f.meResult->Parent(), f.twResult);
  for (const ui::TControl* control : std::initializer_list<const ui::TControl*>{
           f.StatusBar1, f.Label2, f.Label1, f.RxDBLookupCombo1, f.MaskEdit1})
    EXPECT_EQ(control->Parent(), form_) << control->Name();
}

TEST_F(MainWindowStreamTest, WindowAndControlValues) {
  const app::TMainForm& f = *form_;
  EXPECT_EQ(f.caption,
            std::string("\xD2\xE5\xEB\xE5\xF4\xEE\xED\xED\xFB\xE9 \xF1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA "
                        "\xE3.\xD2\xE0\xEB\xFC\xEC\xE8\xF0"));
  EXPECT_EQ(f.width, 307);
  EXPECT_EQ(f.height, 223);
  EXPECT_EQ(f.client_width, 299);
  EXPECT_EQ(f.client_height, 196);
  EXPECT_EQ(f.left, 385);
  EXPECT_EQ(f.position, ui::TPosition::poScreenCenter);
  EXPECT_TRUE(f.HasBorderIcon(ui::biSystemMenu));
  EXPECT_FALSE(f.HasBorderIcon(ui::biMinimize));
  EXPECT_FALSE(f.HasBorderIcon(ui::biMaximize));
  EXPECT_EQ(f.border_style, ui::TFormBorderStyle::bsSizeable);
  EXPECT_FALSE(f.horz_scroll_bar.visible);
  EXPECT_FALSE(f.vert_scroll_bar.visible);
  EXPECT_EQ(f.color, ui::clBtnFace);
  EXPECT_EQ(f.font.name, "MS Sans Serif");
  EXPECT_EQ(f.font.height, -11);
  EXPECT_EQ(f.font.color, ui::clWindowText);
  EXPECT_EQ(f.font.charset, ui::kDefaultCharset);

  EXPECT_EQ(f.doTop->position, app::TTBDockPosition::dpTop);
  EXPECT_EQ(f.doTop->height, 26);
  EXPECT_EQ(f.doBott->position, app::TTBDockPosition::dpBottom);
  EXPECT_EQ(f.doBott->top, 80);
  EXPECT_EQ(f.doBott->height, 97);
  EXPECT_EQ(f.TBToolbar1->caption, std::string("\xC3\xEB\xE0\xE2\xED\xEE\xE5 \xEC\xE5\xED\xFE"));
  EXPECT_EQ(f.TBItem2->caption, "O...");
  EXPECT_EQ(f.TBItem1->caption, std::string("\xC2\xFB\xF5\xEE\xE4"));
  EXPECT_EQ(f.twResult->client_area_width, 289);
  EXPECT_EQ(f.twResult->client_area_height, 93);
  EXPECT_EQ(f.twResult->dock_row, 1);
  EXPECT_EQ(f.twResult->dock_pos, 0);
  EXPECT_TRUE(f.twResult->full_size);

  EXPECT_EQ(f.meResult->align, ui::TAlign::alClient);
  EXPECT_EQ(f.meResult->alignment, ui::TAlignment::taCenter);
  EXPECT_EQ(f.meResult->color, 16776176);
  EXPECT_FALSE(f.meResult->ctl3d);
  EXPECT_TRUE(f.meResult->read_only);
  EXPECT_EQ(f.meResult->font.height, -13);
  EXPECT_FALSE(f.meResult->parent_font);
  EXPECT_EQ(f.meResult->lines.lines,
            (std::vector<std::string>{"\xCF\xEE\xEA\xE0 \xED\xE8\xF7\xE5\xE3\xEE \xED\xE5\xF2!"}));

  ASSERT_EQ(f.StatusBar1->panels.Count(), 1u);
  EXPECT_EQ(f.StatusBar1->panels[0].width, 50);
  EXPECT_EQ(f.StatusBar1->panels[0].bevel, ui::TStatusPanelBevel::pbLowered);
  const std::string& status = f.StatusBar1->panels[0].text;
  EXPECT_EQ(status.substr(status.size() - 18), "\xC1\xE0\xE7\xE0 \xEE\xF2 01.10.2003");
  EXPECT_NE(status.find(" 2003. "), std::string::npos);

  EXPECT_EQ(f.Label2->alignment, ui::TAlignment::taCenter);
  EXPECT_FALSE(f.Label2->auto_size);
  EXPECT_TRUE(f.Label2->transparent);
  EXPECT_EQ(f.Label1->left, 168);
  EXPECT_EQ(f.RxDBLookupCombo1->drop_down_count, 8);
  EXPECT_EQ(f.RxDBLookupCombo1->lookup_field, "FIO");
  EXPECT_EQ(f.RxDBLookupCombo1->lookup_display, "FIO");
  EXPECT_FALSE(f.RxDBLookupCombo1->ctl3d);
  EXPECT_EQ(f.RxDBLookupCombo1->tab_order, 3);
  EXPECT_EQ(f.MaskEdit1->edit_mask, "0-00-00;0;_");
  EXPECT_EQ(f.MaskEdit1->max_length, 7);
  EXPECT_EQ(f.MaskEdit1->EditText(), "_-__-__");
  EXPECT_FALSE(f.MaskEdit1->Modified());
  EXPECT_EQ(f.MaskEdit1->tab_order, 4);
  EXPECT_FALSE(f.MaskEdit1->parent_font);

  // The skin keeps the classic-scheme values it is stored with.
  EXPECT_EQ(f.TBSkin1->colors.Get("tcFace"), ui::clBtnFace);
  EXPECT_EQ(f.TBSkin1->colors.Get("tcPopup"), 249 + 248 * 256 + 247 * 65536);
  EXPECT_EQ(f.TBSkin1->colors.Get("tcImgListShadow"), 93 + 100 * 256 + 121 * 65536);
  EXPECT_EQ(f.TBSkin1->colors.Get("tcCaptionText"), ui::clHighlightText);
  EXPECT_EQ(f.TBSkin1->options, 0u);
}

TEST_F(MainWindowStreamTest, ReferencesAndHandlersResolve) {
  app::TMainForm& f = *form_;
  EXPECT_EQ(f.RxDBLookupCombo1->lookup_source, f.dsFio);
  EXPECT_EQ(f.twResult->default_dock, f.doBott);
  EXPECT_EQ(f.TBVisibilityToggleItem1->control, f.twResult);
  EXPECT_EQ(f.dsFio->DataSet(), f.daFio);
  EXPECT_EQ(f.dsTel->DataSet(), f.daTel);
  EXPECT_EQ(f.daTelloFIO->LookupDataSet, f.daFio);
  EXPECT_EQ(f.daTelloFIO->DataSet(), f.daTel);
  EXPECT_EQ(f.daFioFIO->DataSet(), f.daFio);

  EXPECT_EQ(f.TBItem1->on_click.MethodName(), "TBItem1Click");
  EXPECT_EQ(f.TBItem2->on_click.MethodName(), "TBItem2Click");
  EXPECT_EQ(f.RxDBLookupCombo1->on_close_up.MethodName(), "RxDBLookupCombo1CloseUp");
  EXPECT_EQ(f.MaskEdit1->on_key_press.MethodName(), "MaskEdit1KeyPress");
  EXPECT_EQ(f.MaskEdit1->on_enter.MethodName(), "MaskEdit1Enter");
  EXPECT_EQ(f.MaskEdit1->on_click.MethodName(), "MaskEdit1Click");
  // The bound enter handler selects the whole number field.
  f.MaskEdit1->on_enter(f.MaskEdit1);
  EXPECT_EQ(f.MaskEdit1->State().sel_start, 0);
  EXPECT_EQ(f.MaskEdit1->State().sel_end, 7);
  // "Выход" closes the window (without a screen host: it is hidden).
  ASSERT_TRUE(f.visible);
  f.TBItem1->on_click(f.TBItem1);
  EXPECT_FALSE(f.visible);
  f.visible = true;  // the window is shared by the suite's tests
}

TEST_F(MainWindowStreamTest, BothTablesAreOpenWithAllRows) {
  const app::TMainForm& f = *form_;
  ASSERT_TRUE(f.daFio->Active());
  ASSERT_TRUE(f.daTel->Active());
  EXPECT_EQ(f.daFio->RecordCount(), testing_support::ShippedPersonCount());
  EXPECT_EQ(f.daTel->RecordCount(), testing_support::ShippedNumberCount());
  EXPECT_EQ(f.daFio->IndexFieldNames(), "FIO");
  EXPECT_EQ(f.daTel->IndexFieldNames(), "TEL");
  EXPECT_TRUE(f.daFio->ReadOnly());
  EXPECT_EQ(f.daTel->Fields().Count(), 3u);
  EXPECT_EQ(f.daTelTEL->FieldNo(), 1);
  EXPECT_EQ(f.daTelTEL->DisplayWidth, 5);
  EXPECT_EQ(f.daTelTEL->Origin, "TEL.TEL");
  EXPECT_EQ(f.daFioFIO->Size(), 24);
  EXPECT_EQ(f.daTelloFIO->FieldKind(), data::TFieldKind::fkLookup);
  EXPECT_EQ(f.daTelloFIO->Size(), 20);
  // The first phone row in number order names its person through the lookup.
  EXPECT_FALSE(f.daTelloFIO->AsString().empty());
}

TEST(AboutWindowStreamTest, ComponentTreeAndValues) {
  base::TComponent application(nullptr);
  auto* about = new about::TfmAbout(&application);
  LoadFormStream("tfmabout.stream", *about);
  EXPECT_EQ(about->Name(), "fmAbout");
  EXPECT_EQ(about->Components().size(), 5u);
  ASSERT_NE(about->Panel1, nullptr);
  ASSERT_NE(about->laButtomClose, nullptr);
  ASSERT_NE(about->me, nullptr);
  ASSERT_NE(about->laLink1, nullptr);
  ASSERT_NE(about->laLink2, nullptr);
  EXPECT_EQ(about->border_style, ui::TFormBorderStyle::bsNone);
  EXPECT_EQ(about->client_width, 343);
  EXPECT_EQ(about->client_height, 146);
  EXPECT_EQ(about->color, ui::clWindow);
  EXPECT_EQ(about->font.height, -10);
  EXPECT_EQ(about->Panel1->Parent(), about);
  EXPECT_EQ(about->laButtomClose->Parent(), about->Panel1);
  EXPECT_EQ(about->laLink1->Parent(), about->Panel1);
  EXPECT_EQ(about->laLink2->Parent(), about->Panel1);
  EXPECT_EQ(about->me->Parent(), about);
  EXPECT_EQ(about->Panel1->color, ui::clInfoBk);
  EXPECT_EQ(about->Panel1->bevel_outer, ui::TBevelCut::bvNone);
  EXPECT_EQ(about->laButtomClose->caption, " x ");
  EXPECT_TRUE(about->laButtomClose->font.HasStyle(ui::fsBold));
  EXPECT_EQ(about->laLink1->font.color, ui::clBlue);
  EXPECT_TRUE(about->laLink2->font.HasStyle(ui::fsUnderline));
  EXPECT_FALSE(about->me->enabled);
  EXPECT_TRUE(about->me->read_only);
  EXPECT_EQ(about->me->font.color, ui::clBlack);
  ASSERT_EQ(about->me->lines.lines.size(), 9u);
  EXPECT_EQ(about->me->lines.lines[1], "\xC1\xE0\xE7\xE0 \xEE\xF2 01.10.2003 \xE3 ");
  EXPECT_EQ(about->me->lines.lines[2], "");
  EXPECT_EQ(about->me->lines.lines[6], "\xF1\xEF\xF0\xE0\xE2\xEE\xF7\xED\xE8\xEA\xEE\xEC ");
  EXPECT_EQ(about->me->lines.lines[8].substr(about->me->lines.lines[8].size() - 4), "2003");
  // Handler bindings: the two links share the hover handlers; three controls share FormMouseDown.
  EXPECT_EQ(about->laLink2->on_mouse_enter.MethodName(), "laLink1MouseEnter");
  EXPECT_EQ(about->laLink2->on_click.MethodName(), "laLink2Click");
  EXPECT_EQ(about->laLink1->on_click.MethodName(), "laLink1Click");
  EXPECT_EQ(about->laButtomClose->on_mouse_leave.MethodName(), "laButtomCloseMouseLeave");
  EXPECT_EQ(about->on_mouse_down.MethodName(), "FormMouseDown");
  EXPECT_EQ(about->Panel1->on_mouse_down.MethodName(), "FormMouseDown");
  EXPECT_EQ(about->me->on_mouse_down.MethodName(), "FormMouseDown");
}

// Every cut of the About window's stream short of its end is the read error
// of a stream that runs out (short of the signature: no stream at all) and
// leaves no component behind; none crashes or reads past the cut.
TEST(AboutWindowStreamTest, EveryTruncationIsAReadError) {
  const std::string stream = ReadFormStreamFile("tfmabout.stream");
  ASSERT_GT(stream.size(), 100u);
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  std::size_t failures = 0;
  for (std::size_t length = 0; length < stream.size(); ++length) {
    // A copy of exactly `length` bytes, so a read past the cut is a heap overflow.
    const std::vector<std::uint8_t> cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(length));
    base::TComponent application(nullptr);
    auto* about = new about::TfmAbout(&application);
    try {
      resources::ReadComponentStream(cut, *about, registry);
    } catch (const resources::EReadError& error) {
      ++failures;
      const char* expected = length < 4 ? resources::kInvalidStreamFormat : resources::kReadPastEnd;
      EXPECT_TRUE(error.Message().ends_with(expected)) << length << ": " << error.Message();
      EXPECT_TRUE(about->Components().empty()) << length;
    }
  }
  EXPECT_EQ(failures, stream.size());
}

}  // namespace

namespace {

TEST(WindowStreamBytesTest, TablesReadFromBytesThatOutliveThemOpenFromThemWithoutACopy) {
  // As the program reads its embedded description: the tables take views
  // of their packets in the stream, open from them and, read-only, let them go.
  const std::string stream = ReadFormStreamFile("tmainform.stream");
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  base::TComponent application(nullptr);
  auto* form = new app::TMainForm(&application);
  resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()}, *form,
                                 registry, {}, nullptr, resources::StreamBytes::kOutliveComponents);
  ASSERT_TRUE(form->daFio->Active());
  EXPECT_EQ(form->daFio->RecordCount(), testing_support::ShippedPersonCount());
  EXPECT_TRUE(form->daFio->Data().empty());
  ASSERT_TRUE(form->daTel->Active());
  EXPECT_TRUE(form->daTel->Data().empty());
  // Closed and opened again, each reads the rows it kept.
  form->daFio->Close();
  form->daFio->Open();
  EXPECT_EQ(form->daFio->RecordCount(), testing_support::ShippedPersonCount());
}

}  // namespace
