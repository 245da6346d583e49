// Timings of the start-up work inside the program under Windows (or Wine):
// reading the main window's embedded description with both tables opened,
// the share of that which opens the two tables from their packets, and
// creating both windows as the program does (descriptions read, every
// control's window created, hidden). Prints medians.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "data/data_set.h"
#include "resources/component_reader.h"
#include "resources/window_resource.h"
#include "tests/common/median_time.h"

namespace {

class SilentBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string&, UINT) override {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

}  // namespace

int main() {
  using testing_support::MedianMilliseconds;
  constexpr int kRuns = 15;
  resources::ClassRegistry classes;
  app::RegisterComponentClasses(classes);
  const auto stream = resources::FindWindowStream("TMainForm");

  // Read as the program reads it: the tables open from views of their
  // packets in the embedded description. The tables' share is the time from
  // the records read to the last table opened (each builds its rows and its
  // first order there, the person table taking its stored name order).
  class TableShare final : public resources::ReadProgress {
   public:
    void RecordsRead() override { records_read = std::chrono::steady_clock::now(); }
    void ComponentLoaded(const base::TComponent& component) override {
      if (dynamic_cast<const data::TDataSet*>(&component)) tables_open = std::chrono::steady_clock::now();
    }
    std::chrono::steady_clock::time_point records_read, tables_open;
  };
  std::vector<double> shares;
  const double read = MedianMilliseconds(kRuns, [&] {
    base::TComponent owner(nullptr);
    TableShare share;
    resources::ReadComponentStream(stream, *new app::TMainForm(&owner), classes, {}, &share,
                                   resources::StreamBytes::kOutliveComponents);
    shares.push_back(
        std::chrono::duration<double, std::milli>(share.tables_open - share.records_read).count());
  });
  const double tables = testing_support::Median(shares);
  SilentBox box;
  const double windows = MedianMilliseconds(kRuns, [&] {
    app::TApplication application("phonebook.exe", box);
    application.CreateForm<app::TMainForm>();
    application.CreateForm<about::TfmAbout>();
  });
  std::printf("median of %d runs\n", kRuns);
  std::printf("  main window description read, both tables open:   %7.2f ms\n", read);
  std::printf("  of which opening the two tables:                 %7.2f ms\n", tables);
  std::printf("  application object and both windows created:      %7.2f ms\n", windows);
  return 0;
}
