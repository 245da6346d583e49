// The About window's handlers on the window read from its compiled
// description, with no screen: the close mark's hover colours, the links'
// cursor and shell calls, the close and the move going to the window's host,
// and the two web addresses agreeing with what the window shows.
#include "about/fm_about.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/common/form_stream_file.h"
#include "tests/common/recording_form_host.h"
#include "tests/common/recording_peer.h"
#include "tests/common/recording_services.h"
#include "text/literal.h"
#include "ui/controls/memo/memo_accessible.h"
#include "ui/framework/platform_services.h"
#include "ui/model/color_rule.h"

namespace {

// The application's part here: the owner that hands out the services.
class ServicesRoot final : public base::TComponent, public ui::ServiceProvider {
 public:
  ServicesRoot() : TComponent(nullptr), services_(recorders.Services()) {}
  const ui::PlatformServices& Services() const override { return services_; }

  testing_support::RecordingServices recorders;

 private:
  ui::PlatformServices services_;
};

class AboutHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    about_ = new about::TfmAbout(&root_);
    testing_support::LoadFormStream("tfmabout.stream", *about_);
    ASSERT_NE(about_->laButtomClose, nullptr);
    ASSERT_NE(about_->laLink1, nullptr);
    ASSERT_NE(about_->laLink2, nullptr);
    about_->AttachHost(std::make_unique<testing_support::RecordingHost>(host_calls_));
  }

  const std::vector<testing_support::RecordingShell::Call>& ShellCalls() const {
    return root_.recorders.shell.calls;
  }

  // Declared before the root, so the window's recording host never outlives it.
  std::vector<std::string> host_calls_;
  ServicesRoot root_;
  about::TfmAbout* about_ = nullptr;
};

TEST_F(AboutHandlersTest, TheCloseMarkIsSkyBlueUnderThePointerAndThePanelsColourOffIt) {
  ui::TLabel& mark = *about_->laButtomClose;
  testing_support::RecordingPeer peer;
  mark.SetPeer(&peer);
  // Until the pointer comes, it shows the strip's colour.
  EXPECT_EQ(mark.EffectiveColor(), about_->Panel1->color);
  // Where colours give way, the mark under the pointer takes the highlight
  // pair and the strip's pair again off it.
  const ui::SchemePair off = ui::PairFor(mark);
  EXPECT_EQ(off, ui::SchemePair::kWindow);
  for (int round = 0; round < 2; ++round) {
    mark.MouseEnter();
    EXPECT_EQ(mark.color, 15780518);
    EXPECT_EQ(mark.EffectiveColor(), ui::clSkyBlue);
    EXPECT_EQ(ui::PairFor(mark), ui::SchemePair::kHighlight);
    mark.MouseLeave();
    EXPECT_EQ(mark.EffectiveColor(), about_->Panel1->color);
    EXPECT_EQ(mark.color, ui::clInfoBk);
    EXPECT_EQ(ui::PairFor(mark), off);
  }
  // Each change reached the screen once; nothing else changed.
  EXPECT_EQ(peer.changes, std::vector<ui::ControlChange>(4, ui::ControlChange::kColor));
  mark.SetPeer(nullptr);
  EXPECT_TRUE(host_calls_.empty());
  EXPECT_TRUE(ShellCalls().empty());
}

TEST_F(AboutHandlersTest, EachLinkShowsTheHandWhileThePointerIsOverIt) {
  for (ui::TLabel* link : {about_->laLink1, about_->laLink2}) {
    ui::TLabel* other = link == about_->laLink1 ? about_->laLink2 : about_->laLink1;
    link->MouseEnter();
    EXPECT_EQ(link->cursor, -21) << link->Name();
    EXPECT_EQ(other->cursor, ui::crDefault) << link->Name();
    link->MouseLeave();
    EXPECT_EQ(link->cursor, 0) << link->Name();
    // Hovering a link does not colour it.
    EXPECT_TRUE(link->parent_color);
  }
  // The close mark keeps the default cursor.
  about_->laButtomClose->MouseEnter();
  EXPECT_EQ(about_->laButtomClose->cursor, ui::crDefault);
}

TEST_F(AboutHandlersTest, EachLinksClickAsksTheShellToOpenItsPage) {
  about_->laLink1->Click();
  about_->laLink2->Click();
  ASSERT_EQ(ShellCalls().size(), 2u);
  const std::vector<std::string> files{"http://example.com/", "http://example.org/index.php?topicID=16"};
  for (std::size_t i = 0; i < 2; ++i) {
    const testing_support::RecordingShell::Call& call = ShellCalls()[i];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, std::nullopt);
    EXPECT_EQ(call.file, files[i]);
    EXPECT_EQ(call.parameters, std::nullopt);
    EXPECT_EQ(call.directory, std::nullopt);
    EXPECT_EQ(call.show, 1);  // SW_SHOWNORMAL
  }
  EXPECT_TRUE(host_calls_.empty());
}

TEST_F(AboutHandlersTest, AFailingShellIsNotLookedAt) {
  for (const std::intptr_t answer : {0, 2, 31, 32, -1}) {
    root_.recorders.shell.result = answer;
    EXPECT_NO_THROW(about_->laLink2->Click()) << answer;
    EXPECT_NO_THROW(about_->laLink1->Click()) << answer;
  }
  EXPECT_EQ(ShellCalls().size(), 10u);
  // No beep, no sound, no change of the window.
  EXPECT_TRUE(root_.recorders.beeper.beeps.empty());
  EXPECT_TRUE(root_.recorders.sounds.played.empty());
  EXPECT_TRUE(host_calls_.empty());
}

TEST_F(AboutHandlersTest, APressOnTheWindowTheStripOrTheTextStartsAMoveWhateverTheButton) {
  const ui::TMouseButton buttons[] = {ui::TMouseButton::mbLeft, ui::TMouseButton::mbRight,
                                      ui::TMouseButton::mbMiddle};
  std::size_t presses = 0;
  for (ui::TControl* target : std::initializer_list<ui::TControl*>{about_, about_->Panel1, about_->me}) {
    for (ui::TMouseButton button : buttons) {
      target->MouseDown(button, 1u << ui::ssShift, 5, 7);
      ++presses;
      EXPECT_EQ(host_calls_.size(), presses) << target->Name();
    }
  }
  EXPECT_EQ(host_calls_, std::vector<std::string>(presses, "StartMoveByCaption"));
  // Presses on the close mark and on the links are theirs: no move.
  for (ui::TControl* target :
       std::initializer_list<ui::TControl*>{about_->laButtomClose, about_->laLink1, about_->laLink2}) {
    target->MouseDown(ui::TMouseButton::mbLeft, 0, 3, 3);
  }
  EXPECT_EQ(host_calls_.size(), presses);
}

TEST_F(AboutHandlersTest, TheCloseMarksClickClosesTheWindow) {
  about_->laButtomClose->Click();
  EXPECT_EQ(host_calls_, (std::vector<std::string>{"Close"}));
  // Without a screen the window just stops being visible.
  about_->AttachHost(nullptr);
  about_->visible = true;
  about_->laButtomClose->Click();
  EXPECT_FALSE(about_->visible);
  // Nor does a press try to move what is not on a screen.
  EXPECT_NO_THROW(about_->Panel1->MouseDown(ui::TMouseButton::mbLeft, 0, 1, 1));
}

TEST_F(AboutHandlersTest, EscClosesTheWindowAndAPlainWindowLeavesIt) {
  EXPECT_TRUE(about_->EscapePressed());
  EXPECT_EQ(host_calls_, (std::vector<std::string>{"Close"}));
  ui::TForm plain(nullptr);
  plain.visible = true;
  EXPECT_FALSE(plain.EscapePressed());
  EXPECT_TRUE(plain.visible);
}

TEST_F(AboutHandlersTest, HandlersCalledWithoutAControlAsSenderChangeNothing) {
  about_->laButtomCloseMouseEnter(nullptr);
  about_->laButtomCloseMouseLeave(&root_);
  about_->laLink1MouseEnter(nullptr);
  about_->laLink1MouseLeave(&root_);
  EXPECT_TRUE(about_->laButtomClose->parent_color);
  EXPECT_EQ(about_->laLink1->cursor, ui::crDefault);
}

// The host part of an address ("http://HOST/..."), or empty.
std::string_view HostOf(std::string_view address) {
  constexpr std::string_view kScheme = "http://";
  if (!address.starts_with(kScheme)) return {};
  address.remove_prefix(kScheme.size());
  return address.substr(0, address.find('/'));
}

TEST(AboutWindowAddressesTest, TheCaptionsAndTheTextShowTheHostsOfThePagesTheLinksOpen) {
  base::TComponent root(nullptr);
  auto* about = new about::TfmAbout(&root);
  testing_support::LoadFormStream("tfmabout.stream", *about);
  ASSERT_NE(about->laLink1, nullptr);
  ASSERT_NE(about->laLink2, nullptr);
  ASSERT_NE(about->me, nullptr);
  // laLink1 shows the maker's address, laLink2 the portal's.
  EXPECT_EQ(about->laLink1->caption, HostOf(about::kMakerHomePage));
  EXPECT_EQ(about->laLink2->caption, HostOf(about::kPortalDirectoryPage));
  EXPECT_EQ(std::string_view(about::kPortalDirectoryPage),
            "http://" + about->laLink2->caption + "/index.php?topicID=16");
  // Line 6 names the same portal address, between its fixed words.
  ASSERT_EQ(about->me->lines.lines.size(), 9u);
  const std::string line6 = text::Cp1251(u8"По адресу  ").str() + about->laLink2->caption +
                            text::Cp1251(u8" вы можете воспользоватся полным ").str();
  EXPECT_EQ(about->me->lines.lines[5], line6);
}

}  // namespace

// What a reader finds in the window: links that open their pages, a close
// button that hides the window, the text, and nothing special for the strip.
TEST_F(AboutHandlersTest, AReaderFindsTwoLinksACloseButtonAndTheText) {
  const auto link1 = about_->AccessibleFor(*about_->laLink1);
  const auto link2 = about_->AccessibleFor(*about_->laLink2);
  ASSERT_TRUE(link1 && link2);
  for (const auto* link : {link1.get(), link2.get()}) {
    EXPECT_EQ(link->Self().role, ui::AccessibleRole::kLink);
    EXPECT_TRUE(link->Self().states & ui::kAccessibleLinked);
    EXPECT_FALSE(link->Self().default_action.empty());
  }
  EXPECT_EQ(link1->Self().name, "example.com");
  EXPECT_EQ(link2->Self().name, "example.org");
  EXPECT_TRUE(link2->DoDefaultAction(0));
  ASSERT_EQ(ShellCalls().size(), 1u);
  EXPECT_EQ(ShellCalls()[0].file, about::kPortalDirectoryPage);
  EXPECT_FALSE(link1->DoDefaultAction(1));  // a link has no parts
  EXPECT_EQ(ShellCalls().size(), 1u);

  const auto close = about_->AccessibleFor(*about_->laButtomClose);
  ASSERT_TRUE(close);
  EXPECT_EQ(close->Self().role, ui::AccessibleRole::kPushButton);
  EXPECT_EQ(close->Self().name, text::Cp1251(u8"Закрыть").view());
  EXPECT_TRUE(close->DoDefaultAction(0));
  EXPECT_EQ(host_calls_, std::vector<std::string>{"Close"});

  const auto text = about_->AccessibleFor(*about_->me);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Self().role, ui::AccessibleRole::kStaticText);
  EXPECT_EQ(text->Self().name, ui::EditText(about_->me->lines));
  EXPECT_EQ(about_->AccessibleFor(*about_->Panel1), nullptr);
  // The window has no caption: its own object gives readers its name.
  const auto window = about_->AccessibleFor(*about_);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->Self().name, text::Cp1251(u8"О программе").view());
}

TEST_F(AboutHandlersTest, AHiddenLinkDoesNothing) {
  about_->laLink1->SetVisible(false);
  EXPECT_FALSE(about_->AccessibleFor(*about_->laLink1)->DoDefaultAction(0));
  EXPECT_TRUE(ShellCalls().empty());
}
