// Timings of the start-up work inside the program under Windows (or Wine):
// reading the main window's embedded description with both tables opened,
// opening the two tables alone from the same description's packets, and
// creating both windows as the program does (descriptions read, every
// control's window created, hidden). Prints medians.
#include <windows.h>

#include <cstdio>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
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

  const double read = MedianMilliseconds(kRuns, [&] {
    base::TComponent owner(nullptr);
    resources::ReadComponentStream(stream, *new app::TMainForm(&owner), classes);
  });
  // The tables' share: the same two tables opened again once they are read,
  // which builds their rows and orders from the packets as the first opening does.
  base::TComponent owner(nullptr);
  auto* form = new app::TMainForm(&owner);
  resources::ReadComponentStream(stream, *form, classes);
  const double tables = MedianMilliseconds(kRuns, [&] {
    form->daTel->Close();
    form->daFio->Close();
    form->daFio->Open();
    form->daTel->Open();
  });
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
