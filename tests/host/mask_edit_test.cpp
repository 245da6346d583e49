// The masked edit box without a window: its state from the mask, a typing
// session with focus, Esc, the check on leaving and on Enter, paste and cut,
// the click, the handlers' hooks and the screen side's notifications.
#include "search/mask_edit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "search/db_edit_error.h"
#include "tests/common/recording_mask_screen.h"
#include "tests/common/recording_services.h"
#include "ui/framework/platform_services.h"

namespace {

using search::MaskKey;
using search::TMaskEdit;
using testing_support::RecordingMaskScreen;

// A window with handlers for the field's events: OnEnter and OnClick select
// all (as the main window's do); OnKeyPress records and may replace the key.
class TestWindow : public base::TComponent {
 public:
  using TComponent::TComponent;

  void KeyPress(base::TComponent*, char& key) {
    calls.push_back(std::string("key ") + key);
    if (replace_key) key = *replace_key;
  }
  void Enter(base::TComponent*) {
    calls.push_back("enter");
    edit->SelectAll();
  }
  void Click(base::TComponent*) {
    calls.push_back("click");
    edit->SelectAll();
  }

  TMaskEdit* edit = nullptr;
  std::vector<std::string> calls;
  std::optional<char> replace_key;
};

class MaskEditTest : public ::testing::Test {
 protected:
  MaskEditTest() {
    edit->SetEditMask("0-00-00;0;_");
    window.edit = edit;
    edit->on_key_press.Bind(window, resources::PublishedMethod<&TestWindow::KeyPress>("KeyPress"));
    edit->on_enter.Bind(window, resources::PublishedMethod<&TestWindow::Enter>("Enter"));
    edit->on_click.Bind(window, resources::PublishedMethod<&TestWindow::Click>("Click"));
  }

  std::string Selection() const {
    return std::to_string(edit->State().sel_start) + ".." + std::to_string(edit->State().sel_end);
  }
  // The message of the EDBEditError that `action` raises, or "none".
  template <typename Action>
  std::string CheckError(Action action) {
    try {
      action();
    } catch (const search::EDBEditError& e) {
      EXPECT_STREQ(e.ClassName(), "EDBEditError");
      return e.Message();
    }
    return "none";
  }

  TestWindow window{nullptr};
  TMaskEdit* edit = new TMaskEdit(&window);
  RecordingMaskScreen screen{*edit};
};

TEST_F(MaskEditTest, TheMaskSetsTemplateLengthAndFields) {
  EXPECT_TRUE(edit->Masked());
  EXPECT_EQ(edit->EditText(), "_-__-__");
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(edit->max_length, 7);
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(edit->OldValue(), "_-__-__");
  edit->SetMaxLength(12);  // forced to the place count while masked
  EXPECT_EQ(edit->max_length, 7);
  // Another mask re-formats the value and the length follows.
  edit->SetText("12345");
  edit->SetEditMask("(000) 00;0;*");
  EXPECT_EQ(edit->EditText(), "(123) 45");
  EXPECT_EQ(edit->max_length, 8);
  // Without a mask the length is the stored one and the text is free.
  edit->SetEditMask("");
  EXPECT_FALSE(edit->Masked());
  EXPECT_EQ(edit->EditText(), "12345");
  edit->SetMaxLength(12);
  EXPECT_EQ(edit->max_length, 12);
  EXPECT_EQ(screen.shown, "12345");
}

TEST_F(MaskEditTest, TypingSessionFromTabToTheCompleteNumber) {
  edit->Enter(false);  // Tab: AutoSelect, then OnEnter
  EXPECT_EQ(window.calls, (std::vector<std::string>{"enter"}));
  EXPECT_EQ(Selection(), "0..7");
  screen.Type("12");
  EXPECT_EQ(edit->EditText(), "1-2_-__");
  EXPECT_TRUE(edit->State().ShowsCursor());
  EXPECT_EQ(Selection(), "3..4");
  EXPECT_TRUE(edit->Modified());
  screen.Type("x");  // refused
  EXPECT_EQ(screen.beeps, 1);
  screen.Type("345");
  EXPECT_EQ(edit->EditText(), "1-23-45");
  EXPECT_EQ(Selection(), "7..7");
  EXPECT_EQ(edit->Text(), "12345");
  EXPECT_EQ(screen.shown, "1-23-45");
  screen.Type("6");  // at the end: nothing
  EXPECT_EQ(edit->EditText(), "1-23-45");
  EXPECT_EQ(screen.beeps, 2);
  // Every character reached OnKeyPress first.
  EXPECT_EQ(window.calls.size(), 1u + 7u);
  EXPECT_EQ(window.calls[1], "key 1");
  // Backspace and Delete on key-down; Left moves back.
  EXPECT_TRUE(edit->KeyDown(MaskKey::kBackspace, {}));
  EXPECT_EQ(edit->EditText(), "1-23-4_");
  EXPECT_TRUE(edit->KeyDown(MaskKey::kLeft, {}));
  EXPECT_TRUE(edit->KeyDown(MaskKey::kLeft, {}));
  EXPECT_EQ(Selection(), "3..4");
  edit->KeyDown(MaskKey::kDelete, {});
  EXPECT_EQ(edit->EditText(), "1-2_-4_");
  EXPECT_EQ(edit->Text(), "12 4");
  // Enter checks the text: place 3 is empty. The focus is here already.
  EXPECT_EQ(CheckError([&] { screen.Type("\r"); }),
            "Invalid input value.  Use escape key to abandon changes");
  EXPECT_EQ(screen.focus_backs, 0);
  EXPECT_FALSE(edit->ReEntering());
  EXPECT_EQ(Selection(), "3..4");
  EXPECT_EQ(screen.beeps, 3);
}

TEST_F(MaskEditTest, LeavingWithAnIncompleteTextKeepsTheFocusAndEscRestores) {
  edit->SetText("54321");
  edit->Enter(false);
  EXPECT_EQ(edit->OldValue(), "5-43-21");
  edit->KeyDown(MaskKey::kHome, {});
  screen.Type("12");
  edit->KeyDown(MaskKey::kEnd, {.shift = true});
  edit->KeyDown(MaskKey::kDelete, {});
  EXPECT_EQ(edit->EditText(), "1-2_-__");
  const int beeps = screen.beeps;
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "Invalid input value.  Use escape key to abandon changes");
  EXPECT_EQ(screen.beeps, beeps + 1);
  EXPECT_EQ(screen.focus_backs, 1);
  // The focus came back without the entry actions; the failing place is selected.
  EXPECT_TRUE(edit->Focused());
  EXPECT_FALSE(edit->ReEntering());
  EXPECT_EQ(window.calls.back(), "key 2");
  EXPECT_EQ(Selection(), "3..4");
  EXPECT_EQ(edit->OldValue(), "5-43-21");
  // Esc returns to the text the field had when it got the focus.
  EXPECT_TRUE(edit->WantsEscape());
  screen.Type("\x1b");
  EXPECT_EQ(edit->EditText(), "5-43-21");
  EXPECT_FALSE(edit->Modified());
  EXPECT_FALSE(edit->WantsEscape());
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "none");
  // Esc in a field that is not modified changes nothing.
  const int changes = screen.changes;
  screen.Type("\x1b");
  EXPECT_EQ(screen.changes, changes);
}

TEST_F(MaskEditTest, ATextEmptiedAgainIsStillModifiedAndReported) {
  edit->Enter(false);
  screen.Type("7");
  edit->KeyDown(MaskKey::kBackspace, {});
  EXPECT_EQ(edit->EditText(), "_-__-__");
  EXPECT_TRUE(edit->Modified());
  EXPECT_NE(CheckError([&] { edit->Exit(); }), "none");
  EXPECT_EQ(Selection(), "0..1");
  // An untouched field leaves silently; so do cleared, pasted and complete ones.
  screen.Type("\x1b");
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "none");
  edit->Enter(false);
  edit->Paste("12");
  EXPECT_EQ(edit->EditText(), "1-2_-__");
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(edit->OldValue(), "1-2_-__");
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "none");
  edit->Enter(false);
  screen.Type("1");
  edit->Clear();
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "none");
}

TEST_F(MaskEditTest, FocusByMouseAndClicksSelectAll) {
  constexpr auto kLeft = ui::TMouseButton::mbLeft;
  // As the screen side reports a click: press, the platform's caret, release
  // (with the click when inside).
  const auto click = [&](int down_x, int start, int end, int up_x, bool inside) {
    edit->MouseDown(kLeft, 0, down_x, 5);
    if (!edit->Focused()) edit->Enter(true);
    edit->ScreenSelected(start, end);
    if (inside) edit->Click();
    edit->MouseUp(kLeft, 0, up_x, 5);
  };
  click(20, 3, 3, 20, true);
  // No AutoSelect on a mouse press; OnEnter and OnClick each select all.
  EXPECT_EQ(window.calls, (std::vector<std::string>{"enter", "click"}));
  EXPECT_EQ(Selection(), "0..7");
  EXPECT_EQ(edit->State().caret, 0);
  // Dragged to the right: the caret place is the selection's end.
  click(5, 1, 4, 30, true);
  EXPECT_EQ(Selection(), "0..7");
  EXPECT_EQ(edit->State().caret, 7);
  // The next digit empties every place and fills place 0.
  screen.Type("9");
  EXPECT_EQ(edit->EditText(), "9-__-__");
  // Released outside the field: no click; an empty selection gets the cursor.
  click(5, 5, 5, 500, false);
  EXPECT_EQ(window.calls.back(), "key 9");
  EXPECT_EQ(Selection(), "5..6");
  // Another button changes nothing of the caret.
  edit->MouseUp(ui::TMouseButton::mbRight, 0, 1, 1);
  EXPECT_EQ(Selection(), "5..6");
}

TEST_F(MaskEditTest, ReEnteringSkipsTheEntryActionsOnce) {
  edit->SetScreen(nullptr);  // the focus comes back later, by hand
  edit->Enter(false);
  screen.Type("1");
  EXPECT_NE(CheckError([&] { edit->Exit(); }), "none");
  EXPECT_TRUE(edit->ReEntering());
  EXPECT_FALSE(edit->Focused());
  window.calls.clear();
  edit->Enter(false);
  EXPECT_TRUE(window.calls.empty());
  EXPECT_EQ(Selection(), "2..3");
  EXPECT_EQ(edit->OldValue(), "_-__-__");
  EXPECT_FALSE(edit->ReEntering());
  // Once only: after Esc and leaving, the next arrival runs them again.
  screen.Type("\x1b");
  EXPECT_EQ(CheckError([&] { edit->Exit(); }), "none");
  edit->Enter(false);
  EXPECT_EQ(window.calls.back(), "enter");
  EXPECT_EQ(Selection(), "0..7");
}

TEST_F(MaskEditTest, KeyPressHandlerComesFirstAndMaySwallowOrReplaceTheKey) {
  edit->Enter(false);
  window.replace_key = '\0';
  char key = '5';
  EXPECT_TRUE(edit->KeyPress(key));
  EXPECT_EQ(edit->EditText(), "_-__-__");
  window.replace_key = '8';
  key = '5';
  edit->KeyPress(key);
  EXPECT_EQ(key, '8');
  EXPECT_EQ(edit->EditText(), "8-__-__");
  // Ctrl+C, Ctrl+V, Ctrl+X go on to the platform's copy, paste and cut.
  window.replace_key.reset();
  key = '\x16';
  EXPECT_FALSE(edit->KeyPress(key));
}

TEST_F(MaskEditTest, CutPutsTheSelectionOnTheClipboardAndReadOnlyRefusesChanges) {
  edit->SetText("12345");
  edit->Enter(false);
  EXPECT_TRUE(edit->Cut());
  EXPECT_EQ(screen.clipboard, "1-23-45");
  EXPECT_EQ(edit->EditText(), "_-__-__");
  EXPECT_TRUE(edit->Modified());
  edit->SetText("12345");
  edit->read_only = true;
  edit->SelectAll();
  EXPECT_TRUE(edit->KeyDown(MaskKey::kDelete, {}));
  screen.Type("9");
  edit->Paste("555");
  EXPECT_TRUE(edit->ClearSelection());
  EXPECT_EQ(edit->EditText(), "1-23-45");
  EXPECT_FALSE(edit->Modified());
}

TEST_F(MaskEditTest, ProgramChangesMoveTheCursorAndTellThePeer) {
  edit->Enter(false);
  edit->KeyDown(MaskKey::kRight, {});
  const int changes = screen.changes;
  edit->SetText("123");
  EXPECT_EQ(screen.shown, "1-23-__");
  EXPECT_EQ(Selection(), "0..1");
  EXPECT_EQ(edit->OldValue(), "1-23-__");
  EXPECT_GT(screen.changes, changes);
  // A mask set while focused puts the cursor back at the old selection start.
  edit->KeyDown(MaskKey::kRight, {});
  edit->KeyDown(MaskKey::kRight, {});
  edit->SetEditMask("000-00;0;*");
  EXPECT_EQ(edit->EditText(), "123-**");
  EXPECT_EQ(Selection(), "3..4");
}

// A window that hands out recorded services, the user's locale among them.
class ServingWindow : public base::TComponent, public ui::ServiceProvider {
 public:
  using TComponent::TComponent;
  const ui::PlatformServices& Services() const override { return services_; }

  testing_support::RecordingServices recorded;

 private:
  ui::PlatformServices services_ = recorded.Services();
};

TEST(MaskEditLocaleTest, SlashAndColonShowTheLocalesSeparatorsReadWhenTheMaskIsSet) {
  ServingWindow window(nullptr);
  window.recorded.locale.date = '.';
  window.recorded.locale.time = '-';
  auto* edit = new TMaskEdit(&window);
  edit->SetEditMask("99/99 99:99;1;_");
  EXPECT_EQ(edit->EditText(), "__.__ __-__");
  EXPECT_EQ(edit->OldValue(), "__.__ __-__");
  edit->SetText("12.34 56-78");
  EXPECT_EQ(edit->EditText(), "12.34 56-78");
  EXPECT_EQ(edit->Text(), "12.34 56-78");
  // Read again whenever a mask is set: the locale as it is then.
  window.recorded.locale.date = ',';
  edit->SetEditMask("99/99;0;_");
  EXPECT_EQ(edit->EditText(), "12,34");
  EXPECT_EQ(edit->Text(), "1234");
  // Without an application the separators are "/" and ":".
  TestWindow bare(nullptr);
  auto* plain = new TMaskEdit(&bare);
  plain->SetEditMask("99/99:99;1;_");
  EXPECT_EQ(plain->EditText(), "__/__:__");
}

}  // namespace
