// Timings of the name picker on the real main window under Windows (or
// Wine), per key, as the user meets them: each key is a message to the
// picker's window handled in full (the core's work, the list's window shown
// or scrolled, the name search where the list closes is left out) and then
// both windows painted. Cases: opening the list at the first record
// (Alt+Down), one typed character into the open list standing on the first
// record (an early, a middle and a late letter), one Page Down, and a whole
// name typed character by character into the closed picker (the list opens
// on the first one) for a person early, in the middle and late in the name
// order. Prints medians.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "search/lookup_combo_view.h"
#include "tests/common/median_time.h"
#include "text/case_map.h"
#include "text/cp1251.h"
#include "ui/framework/wide_text.h"

namespace {

class SilentBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string&, UINT) override {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

class Bench {
 public:
  Bench() : application_("phonebook.exe", box_) {
    form_ = &application_.CreateForm<app::TMainForm>();
    application_.CreateForm<about::TfmAbout>();
    form_->Show();
    Drain();
    view_ = dynamic_cast<search::LookupComboView*>(
        dynamic_cast<ui::FormWindow*>(form_->Host())->ViewNamed("RxDBLookupCombo1"));
    picker_ = view_ ? view_->Handle() : nullptr;
    if (picker_) SetFocus(picker_);
    Drain();
  }

  bool Ready() const { return picker_ && GetFocus() == picker_; }
  search::TRxDBLookupCombo& Core() { return *form_->RxDBLookupCombo1; }
  data::TClientDataSet& People() { return *form_->daFio; }

  // One key to the picker, handled and painted.
  void Key(WORD key, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE alt_before = state[VK_MENU];
    if (alt) {
      state[VK_MENU] = 0x80;
      SetKeyboardState(state);
    }
    SendMessageW(picker_, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) : 0);
    if (alt) {
      state[VK_MENU] = alt_before;
      SetKeyboardState(state);
    }
    Paint();
  }
  void Char(char cp1251) {
    const std::wstring wide = ui::Wide(std::string(1, cp1251));
    SendMessageW(picker_, WM_CHAR, wide[0], 0);
    Paint();
  }
  void Paint() {
    UpdateWindow(picker_);
    if (HWND list = view_->ListView()->Handle()) UpdateWindow(list);
  }
  // The closed picker, empty, the table on its first record, nothing queued.
  void Restart() {
    if (Core().ListVisible()) Key(VK_ESCAPE);
    Core().Reset();
    People().GoFirst();
    Drain();
  }
  void Drain() { application_.ProcessMessages(); }

 private:
  SilentBox box_;
  app::TApplication application_;
  app::TMainForm* form_ = nullptr;
  search::LookupComboView* view_ = nullptr;
  HWND picker_ = nullptr;
};

}  // namespace

// The milliseconds `work` takes.
template <typename Work>
double Milliseconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int main() {
  using testing_support::Median;
  constexpr int kRuns = 25;
  Bench bench;
  if (!bench.Ready()) {
    std::fprintf(stderr, "the picker could not take the focus\n");
    return 1;
  }
  std::printf("median of %d runs, per key (handled and painted)\n", kRuns);

  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    bench.Restart();
    times.push_back(Milliseconds([&] { bench.Key(VK_DOWN, true); }));
  }
  std::printf("  open the list at the first record (Alt+Down):      %7.2f ms\n", Median(times));

  for (char letter : text::Utf8ToCp1251("бия")) {
    bench.Restart();
    bench.Key(VK_DOWN, true);
    times.clear();
    for (int run = 0; run < kRuns; ++run) {
      times.push_back(Milliseconds([&] { bench.Char(letter); }));
      bench.Char('\b');  // back to the first record
    }
    std::printf("  one typed character \"%s\" from the first record:  %7.2f ms\n",
                text::Cp1251ToUtf8(text::ToUpper(std::string(1, letter))).c_str(), Median(times));
  }

  bench.Restart();
  bench.Key(VK_DOWN, true);
  bench.Key(VK_DOWN);  // a value on the first record
  times.clear();
  for (int run = 0; run < kRuns; ++run) times.push_back(Milliseconds([&] { bench.Key(VK_NEXT); }));
  std::printf("  one Page Down in the open list:                    %7.2f ms\n", Median(times));

  const auto rows = static_cast<int32_t>(bench.People().RecordCount());
  for (int percent : {0, 50, 100}) {
    bench.Restart();
    bench.People().Step(static_cast<int32_t>(int64_t{percent} * (rows - 1) / 100));
    const std::string name = text::ToLower(bench.People().FieldByName("FIO")->AsString());
    times.clear();
    bool found = true;
    for (int run = 0; run < kRuns; ++run) {
      bench.Restart();
      const double ms = Milliseconds([&] {
        for (char c : name) bench.Char(c);
      });
      times.push_back(ms / static_cast<double>(name.size()));
      found = found && bench.Core().List().SearchText() == text::ToUpper(name);
    }
    if (!found) {
      std::fprintf(stderr, "the name was not found: %s\n", text::Cp1251ToUtf8(name).c_str());
      return 1;
    }
    std::printf("  a whole name typed (%3d%% of the order, %2zu keys):   %7.2f ms per key\n", percent,
                name.size(), Median(times));
  }
  bench.Restart();
  return 0;
}
