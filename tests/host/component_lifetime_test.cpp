// Components' lifetime: free notifications dropping references, the loading
// and destroying states, and both real windows destroyed with the
// application object, each component once, before its window goes (run
// under AddressSanitizer in CI, where a use after free fails the test).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/forms/main_form.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/recording_peer.h"
#include "ui/model/form_host.h"

namespace {

using testing_support::LoadFormStream;

// Hears of every component it listens to as it goes, and counts.
class Listener final : public base::TComponent {
 public:
  explicit Listener(std::map<const void*, int>& removed) : TComponent(nullptr), removed_(removed) {}
  void Notification(base::TComponent* component, base::TOperation operation) override {
    if (operation == base::TOperation::opRemove) ++removed_[component];
    TComponent::Notification(component, operation);
  }

 private:
  std::map<const void*, int>& removed_;
};

// Notes whether its form was destroying when the host went.
class ProbeHost final : public ui::FormHost {
 public:
  ProbeHost(const ui::TForm& form, std::vector<std::string>& log) : form_(form), log_(log) {}
  ~ProbeHost() override {
    log_.push_back(form_.Name() + (form_.Destroying() ? " host gone while destroying" : " host gone"));
  }
  void Show() override {}
  void Hide() override {}
  void Close() override {}

 private:
  const ui::TForm& form_;
  std::vector<std::string>& log_;
};

TEST(ComponentLifetime, BothRealWindowsGoWithTheApplicationEachComponentOnce) {
  std::map<const void*, int> removed;
  std::vector<std::string> log;
  Listener listener(removed);
  std::vector<const void*> everything;
  std::vector<std::unique_ptr<testing_support::RecordingPeer>> peers;
  {
    auto* application = new base::TComponent(nullptr);
    auto* main = new app::TMainForm(application);
    LoadFormStream("tmainform.stream", *main);
    auto* about = new about::TfmAbout(application);
    LoadFormStream("tfmabout.stream", *about);
    for (ui::TForm* form : {static_cast<ui::TForm*>(main), static_cast<ui::TForm*>(about)}) {
      form->AttachHost(std::make_unique<ProbeHost>(*form, log));
      form->FreeNotification(&listener);
      everything.push_back(form);
      for (base::TComponent* c : form->Components()) {
        c->FreeNotification(&listener);
        everything.push_back(c);
        if (auto* control = dynamic_cast<ui::TControl*>(c)) {
          peers.push_back(std::make_unique<testing_support::RecordingPeer>());
          control->SetPeer(peers.back().get());
        }
      }
    }
    ASSERT_EQ(everything.size(), 2u + 25u + 5u);
    base::TComponent::Destroy(application);
  }
  for (const void* c : everything) EXPECT_EQ(removed[c], 1) << "a component was not destroyed exactly once";
  // The screen side of each window went first, while its form was destroying.
  EXPECT_EQ(log, (std::vector<std::string>{"fmAbout host gone while destroying",
                                           "MainForm host gone while destroying"}));
}

class MainWindowLifetime : public ::testing::Test {
 protected:
  void SetUp() override {
    application_ = std::make_unique<base::TComponent>(nullptr);
    form_ = new app::TMainForm(application_.get());
    LoadFormStream("tmainform.stream", *form_);
  }

  std::unique_ptr<base::TComponent> application_;
  app::TMainForm* form_ = nullptr;
};

TEST_F(MainWindowLifetime, ReferencesDropWhenTheReferencedComponentGoesFirst) {
  ASSERT_EQ(form_->TBVisibilityToggleItem1->control, form_->twResult);
  ASSERT_EQ(form_->twResult->default_dock, form_->doBott);
  ASSERT_EQ(form_->daTelloFIO->LookupDataSet, form_->daFio);

  // The dock goes first: the result window has no default dock and no parent.
  base::TComponent::Destroy(form_->doBott);
  EXPECT_EQ(form_->twResult->default_dock, nullptr);
  EXPECT_EQ(form_->twResult->Parent(), nullptr);
  // Then the result window: the toggle item is bound to nothing.
  base::TComponent::Destroy(form_->twResult);
  EXPECT_EQ(form_->TBVisibilityToggleItem1->control, nullptr);
  EXPECT_FALSE(form_->TBVisibilityToggleItem1->Checked());
  form_->TBVisibilityToggleItem1->Click();  // nothing to show or hide, and no crash

  // The person table goes before the phone table that looks names up in it:
  // the lookup field and the table forget it, and a found number has no name.
  base::TComponent::Destroy(form_->daFio);
  EXPECT_EQ(form_->daTelloFIO->LookupDataSet, nullptr);
  ASSERT_TRUE(form_->daTel->SeekKey({std::int64_t{form_->daTelTEL->AsInteger()}}));
  EXPECT_EQ(form_->daTelloFIO->AsString(), "");
}

TEST_F(MainWindowLifetime, AParentControlGoingFirstLeavesItsChildrenWithoutAParent) {
  ui::TMemo* memo = form_->meResult;
  ASSERT_EQ(memo->Parent(), form_->twResult);
  base::TComponent::Destroy(form_->twResult);
  EXPECT_EQ(memo->Parent(), nullptr);
  EXPECT_EQ(memo->ParentComponent(), nullptr);
}

// Records its loading and destroying states when asked.
class StateProbe final : public base::TComponent {
 public:
  StateProbe(base::TComponent* owner, std::vector<std::string>& log) : TComponent(owner), log_(log) {}
  ~StateProbe() override {
    log_.push_back(std::string("destructor destroying=") + (Destroying() ? "1" : "0"));
  }

 private:
  std::vector<std::string>& log_;
};

TEST(ComponentStates, OwnedComponentsAreDestroyingBeforeTheirDestructorsRun) {
  std::vector<std::string> log;
  auto* owner = new base::TComponent(nullptr);
  new StateProbe(owner, log);
  base::TComponent::Destroy(owner);
  EXPECT_EQ(log, (std::vector<std::string>{"destructor destroying=1"}));
  StateProbe alone(nullptr, log);
  EXPECT_FALSE(alone.Destroying());
  EXPECT_FALSE(alone.Loading());
}

TEST(ComponentStates, ComponentsReadFromAStreamAreLoadingUntilTheirLoadedRuns) {
  base::TComponent application(nullptr);
  auto* form = new app::TMainForm(&application);
  LoadFormStream("tmainform.stream", *form);
  EXPECT_FALSE(form->Loading());
  for (base::TComponent* c : form->Components()) EXPECT_FALSE(c->Loading()) << c->Name();
}

TEST(ComponentStates, FreeNotificationWorksBothWaysAndCanBeWithdrawn) {
  std::map<const void*, int> removed;
  Listener listener(removed);
  auto* a = new base::TComponent(nullptr);
  auto* b = new base::TComponent(nullptr);
  a->FreeNotification(&listener);
  b->FreeNotification(&listener);
  b->RemoveFreeNotification(&listener);
  delete a;
  delete b;
  EXPECT_EQ(removed.size(), 1u);
  // A listener that goes first is forgotten by what it listened to.
  auto* c = new base::TComponent(nullptr);
  {
    std::map<const void*, int> gone;
    Listener short_lived(gone);
    c->FreeNotification(&short_lived);
  }
  delete c;  // must not tell the listener that is gone
}

}  // namespace

namespace {

// Counts the platform calls a form makes on its host.
class CountingHost final : public ui::FormHost {
 public:
  explicit CountingHost(int& shows) : shows_(shows) {}
  void Show() override { ++shows_; }
  void Hide() override {}
  void Close() override {}

 private:
  int& shows_;
};

}  // namespace

TEST(ComponentLifetime, AHostLeftForLaterIsMadeOnceOnFirstShowAndNotForAHideOrAClose) {
  int made = 0, shows = 0;
  {
    base::TComponent application(nullptr);
    auto* about = new about::TfmAbout(&application);
    LoadFormStream("tfmabout.stream", *about);
    about->AttachHostWhenNeeded([&] {
      ++made;
      return std::make_unique<CountingHost>(shows);
    });
    about->Hide();
    about->Close();
    EXPECT_EQ(made, 0);
    EXPECT_FALSE(about->visible);
    about->Show();
    about->Show();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(shows, 2);
    EXPECT_NE(about->Host(), nullptr);
    EXPECT_EQ(made, 1);
  }
  // A form never shown goes with its owner without making its host.
  {
    base::TComponent application(nullptr);
    auto* about = new about::TfmAbout(&application);
    about->AttachHostWhenNeeded([&] {
      ++made;
      return std::make_unique<CountingHost>(shows);
    });
  }
  EXPECT_EQ(made, 1);
}
