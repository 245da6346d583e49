#include <gtest/gtest.h>

#include "base/component.h"
#include "base/exception.h"
#include "base/format.h"

namespace {

// Records its destruction into a shared log.
class Probe : public base::TComponent {
 public:
  Probe(base::TComponent* owner, std::string name, std::vector<std::string>* log)
      : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Probe() override { log_->push_back(Name()); }

 private:
  std::vector<std::string>* log_;
};

TEST(Component, OwnerDestroysWhatItOwnsLastInsertedFirst) {
  std::vector<std::string> log;
  {
    base::TComponent window(nullptr);
    auto* table = new Probe(&window, "daFio", &log);
    new Probe(table, "daFioKEY_F", &log);
    new Probe(&window, "meResult", &log);
    EXPECT_EQ(window.Components().size(), 2u);
    EXPECT_EQ(window.FindComponent("MERESULT")->Name(), "meResult");
    EXPECT_EQ(window.FindComponent("none"), nullptr);
  }
  // A component logs in its own destructor, before the base destroys what it owns.
  EXPECT_EQ(log, (std::vector<std::string>{"meResult", "daFio", "daFioKEY_F"}));
}

TEST(Component, DestroyedAloneItLeavesItsOwner) {
  std::vector<std::string> log;
  base::TComponent window(nullptr);
  auto* label = new Probe(&window, "Label1", &log);
  delete label;
  EXPECT_TRUE(window.Components().empty());
}

TEST(Exception, KeepsItsMessageAndClassName) {
  const base::EConvertError error(base::Format("'%s' is not a valid integer value", "12a"));
  EXPECT_EQ(error.Message(), "'12a' is not a valid integer value");
  EXPECT_STREQ(error.ClassName(), "EConvertError");
  EXPECT_STREQ(base::EAbort().ClassName(), "EAbort");
}

}  // namespace
