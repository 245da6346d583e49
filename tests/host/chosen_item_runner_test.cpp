// Running a chosen item: stored and posted at the choice, run once when the
// message arrives, auto-check first, errors to the sink; and the whole road
// on the real main window from the tracker's choice to the hidden result
// window.
#include "app/menus/chosen_item_runner.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/forms/main_form.h"
#include "app/menus/menu_sounds.h"
#include "base/exception.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/recording_services.h"

namespace {

class CountingPoster final : public app::RunMessagePoster {
 public:
  int posts = 0;
  bool fail = false;
  bool PostRunMessage() override {
    if (fail) return false;
    ++posts;
    return true;
  }
};

class RecordingSink final : public ui::ErrorSink {
 public:
  std::vector<std::string> messages;
  void ShowError(std::exception_ptr error) noexcept override {
    try {
      std::rethrow_exception(error);
    } catch (const base::Exception& e) {
      messages.push_back(e.Message());
    } catch (...) {
      messages.push_back("?");
    }
  }
};

// An item that records its clicks (with its check mark at that moment), or
// raises an error.
class ProbeItem final : public app::TTBItem {
 public:
  ProbeItem(std::vector<std::string>* log, std::string name) : TTBItem(nullptr), log_(log) {
    SetName(std::move(name));
  }
  bool raise = false;
  void Click() override {
    log_->push_back(Name() + (checked ? "+" : "-"));
    if (raise) throw base::Exception("Нет такого окна");
  }

 private:
  std::vector<std::string>* log_;
};

class ChosenItemRunnerTest : public ::testing::Test {
 protected:
  std::vector<std::string> log_;
  CountingPoster poster_;
  RecordingSink sink_;
  ChosenItemRunnerTest() {
    system_.registry[app::MenuSoundKey(app::MenuSound::kMenuCommand)] = ui::RegistryValue::Text(u"ding.wav");
  }

  testing_support::RecordingSounds system_;
  app::MenuSounds sounds_{system_};
  app::ChosenItemRunner runner_{poster_, sink_, &sounds_};
  ProbeItem exit_{&log_, "Exit"};
  ProbeItem about_{&log_, "About"};
};

TEST_F(ChosenItemRunnerTest, AChoiceIsPostedOnceAndRunsOnlyWhenTheMessageArrives) {
  EXPECT_TRUE(runner_.Choose(exit_, true));
  EXPECT_EQ(poster_.posts, 1);
  EXPECT_TRUE(log_.empty());  // nothing runs inside the tracking
  EXPECT_EQ(runner_.Chosen(), &exit_);
  runner_.RunChosen();
  EXPECT_EQ(log_, (std::vector<std::string>{"Exit-"}));
  EXPECT_EQ(runner_.Chosen(), nullptr);
  runner_.RunChosen();  // a second message finds the store empty
  EXPECT_EQ(log_.size(), 1u);
  EXPECT_EQ(poster_.posts, 1);
}

TEST_F(ChosenItemRunnerTest, TheCommandSoundBelongsToChoicesFromAnOpenDropDown) {
  runner_.Choose(exit_, true);
  runner_.Choose(about_, false);
  ASSERT_EQ(system_.played.size(), 1u);
  EXPECT_EQ(system_.played[0].sound, "MenuCommand");
  app::ChosenItemRunner silent(poster_, sink_, nullptr);
  EXPECT_TRUE(silent.Choose(exit_, true));
  EXPECT_EQ(system_.played.size(), 1u);
}

TEST_F(ChosenItemRunnerTest, ASecondChoiceBeforeTheMessageReplacesTheFirst) {
  runner_.Choose(exit_, true);
  runner_.Choose(about_, false);
  EXPECT_EQ(poster_.posts, 2);
  runner_.RunChosen();
  runner_.RunChosen();
  EXPECT_EQ(log_, (std::vector<std::string>{"About-"}));
}

TEST_F(ChosenItemRunnerTest, NothingRunsWhenNothingIsStoredForgottenOrPostingFailed) {
  runner_.RunChosen();
  runner_.Choose(exit_, true);
  runner_.Forget(about_);  // not the stored one
  EXPECT_EQ(runner_.Chosen(), &exit_);
  runner_.Forget(exit_);
  runner_.RunChosen();
  poster_.fail = true;
  EXPECT_FALSE(runner_.Choose(about_, false));
  EXPECT_EQ(runner_.Chosen(), nullptr);
  runner_.RunChosen();
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(ChosenItemRunnerTest, AnAutoCheckItemFlipsItsCheckBeforeItsClick) {
  exit_.auto_check = true;
  runner_.Choose(exit_, true);
  runner_.RunChosen();
  runner_.Choose(exit_, true);
  runner_.RunChosen();
  about_.checked = true;  // not auto-check: the mark stays as it is
  runner_.Choose(about_, true);
  runner_.RunChosen();
  EXPECT_EQ(log_, (std::vector<std::string>{"Exit+", "Exit-", "About+"}));
  EXPECT_FALSE(exit_.checked);
  EXPECT_TRUE(about_.checked);
}

TEST_F(ChosenItemRunnerTest, AnErrorFromTheClickGoesToTheSinkOnceAndTheRunnerGoesOn) {
  exit_.raise = true;
  runner_.Choose(exit_, true);
  EXPECT_NO_THROW(runner_.RunChosen());
  EXPECT_EQ(sink_.messages, (std::vector<std::string>{"Нет такого окна"}));
  EXPECT_EQ(runner_.Chosen(), nullptr);
  runner_.RunChosen();
  EXPECT_EQ(sink_.messages.size(), 1u);
  runner_.Choose(about_, false);
  runner_.RunChosen();
  EXPECT_EQ(log_, (std::vector<std::string>{"Exit-", "About-"}));
}

// The program's own items, read from the main window's description.
class MainWindowItemsTest : public ::testing::Test {
 protected:
  MainWindowItemsTest() { testing_support::LoadFormStream("tmainform.stream", *form_); }

  base::TComponent application_{nullptr};
  app::TMainForm* form_ = new app::TMainForm(&application_);
  CountingPoster poster_;
  RecordingSink sink_;
  app::ChosenItemRunner runner_{poster_, sink_, nullptr};
};

TEST_F(MainWindowItemsTest, ThePanelItemHidesAndShowsTheResultWindowAndItsCheckFollowsOnEachOpening) {
  app::TTBVisibilityToggleItem& toggle = *form_->TBVisibilityToggleItem1;
  app::TTBItem* menu[] = {&toggle};
  ASSERT_TRUE(form_->twResult->visible);
  app::UpdateItems(menu);  // the menu opens
  EXPECT_TRUE(toggle.checked);

  runner_.Choose(toggle, true);
  EXPECT_TRUE(form_->twResult->visible);  // not yet: only when the message arrives
  runner_.RunChosen();
  EXPECT_FALSE(form_->twResult->visible);
  EXPECT_TRUE(toggle.checked);  // the mark follows at the next opening, not before
  app::UpdateItems(menu);
  EXPECT_FALSE(toggle.checked);

  runner_.Choose(toggle, true);
  runner_.RunChosen();
  app::UpdateItems(menu);
  EXPECT_TRUE(form_->twResult->visible);
  EXPECT_TRUE(toggle.checked);

  // Hidden some other way (the floating window's close button).
  form_->twResult->SetVisible(false);
  app::UpdateItems(menu);
  EXPECT_FALSE(toggle.checked);
}

TEST_F(MainWindowItemsTest, ExitClosesTheWindowOnlyWhenTheMessageArrives) {
  form_->visible = true;
  runner_.Choose(*form_->TBItem1, true);
  EXPECT_TRUE(form_->visible);
  runner_.RunChosen();
  EXPECT_FALSE(form_->visible);  // without a screen side, closing hides
  EXPECT_TRUE(sink_.messages.empty());
}

}  // namespace
