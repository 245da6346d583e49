// Timings of the two searches on the real main window under Windows (or
// Wine), its windows created as the program creates them, so that each
// answer is written into the result memo's edit control: a number search
// (MaskEdit1KeyPress on Enter, the field cleared) and a name search
// (RxDBLookupCombo1CloseUp), for a person early, in the middle and late in
// the alphabet. Prints medians.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "tests/common/main_window_layout.h"
#include "tests/common/median_time.h"
#include "ui/framework/form_window.h"
#include "ui/framework/wide_text.h"
#include "ui/model/strings.h"

namespace {

class SilentBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string&, UINT) override {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

// Makes the person at `percent` of the name order current and returns one
// of its numbers, read from the answer of the name search.
int PickPerson(app::TMainForm& f, int percent) {
  const auto rows = static_cast<std::int32_t>(f.daFio->RecordCount());
  f.daFio->GoFirst();
  f.daFio->Step(static_cast<std::int32_t>(percent * (rows - 1) / 100));
  f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1);
  const std::string& line = f.meResult->lines.lines.back();
  return std::stoi(line.substr(line.rfind(' ') + 1));
}

// The system's edit controls alone, as a floor for the two windows a number
// search changes: plain edit controls (no window procedure of ours) with the
// field's and the memo's fonts, given the texts the search gives them (the
// answer, then the cleared field). Prints both medians.
void TimePlainEditControls(app::TMainForm& f, const std::string& number) {
  using testing_support::MedianMilliseconds;
  auto* form = dynamic_cast<ui::FormWindow*>(f.Host());
  if (!form) return;
  HWND holder =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
  HWND field = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100, 20, holder,
                               nullptr, nullptr, nullptr);
  HWND memo =
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                      30, testing_support::kResultWindowClient.width,
                      testing_support::kResultWindowClient.height, holder, nullptr, nullptr, nullptr);
  SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(form->ViewNamed("MaskEdit1")->FontHandle()),
               FALSE);
  SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(form->ViewNamed("meResult")->FontHandle()), FALSE);
  // The answer on the screen, and the same with its last digit dropped, so
  // that every text set is a new one.
  std::wstring answer(static_cast<size_t>(GetWindowTextLengthW(form->ViewNamed("meResult")->Handle())) + 1,
                      L'\0');
  answer.resize(static_cast<size_t>(
      GetWindowTextW(form->ViewNamed("meResult")->Handle(), answer.data(), static_cast<int>(answer.size()))));
  const std::wstring answers[2] = {answer, answer.substr(0, answer.size() - 1)};
  const std::wstring typed =
      ui::Wide(number.substr(0, 1) + "-" + number.substr(1, 2) + "-" + number.substr(3));
  int flip = 0;
  const double memo_ms = MedianMilliseconds(51, [&] { SetWindowTextW(memo, answers[++flip & 1].c_str()); });
  const double field_ms = MedianMilliseconds(
      51, [&] { SetWindowTextW(field, typed.c_str()); }, [&] { SetWindowTextW(field, L"_-__-__"); });
  std::printf("  plain edit controls, the same fonts and texts: memo %6.3f ms, field cleared %6.3f ms\n",
              memo_ms, field_ms);
  DestroyWindow(holder);
}

}  // namespace

int main() {
  using testing_support::MedianMilliseconds;
  constexpr int kRuns = 51;
  SilentBox box;
  app::TApplication application("phonebook.exe", box);
  app::TMainForm& f = application.CreateForm<app::TMainForm>();
  application.CreateForm<about::TfmAbout>();
  std::printf("median of %d runs, memo written through its window\n", kRuns);
  for (const int percent : {0, 50, 100}) {
    const std::string number = std::to_string(PickPerson(f, percent));
    // The number as the user left it in the field, then Enter: only the
    // handler is timed (the search, the answer, the field cleared).
    const double by_number = MedianMilliseconds(
        kRuns, [&] { f.MaskEdit1->SetText(number); },
        [&] {
          char key = '\r';
          f.MaskEdit1KeyPress(f.MaskEdit1, key);
        });
    if (f.meResult->lines.lines.back().find(number) == std::string::npos) {
      std::fprintf(stderr, "error: %s not found\n", number.c_str());
      return 1;
    }
    const double by_name = MedianMilliseconds(kRuns, [&] { f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1); });
    // The shares of the key search (with the found record's name, a scan of
    // the person table), of the name search's two changes of order, of the
    // memo's window (four text changes: cleared, then three lines) and of
    // the number field's window (the number set as if typed, then cleared).
    const double seek =
        MedianMilliseconds(kRuns, [&] { f.daTel->SeekKey({std::int64_t{std::stoi(number)}}); });
    const double orders = MedianMilliseconds(kRuns, [&] {
      f.daTel->SetIndexFieldNames("FIO");
      f.daTel->SetIndexFieldNames("TEL");
    });
    const double memo = MedianMilliseconds(kRuns, [&] {
      const ui::StringsUpdate update(*f.meResult->Lines());
      f.meResult->Lines()->Clear();
      for (int line = 0; line < 3; ++line) f.meResult->Lines()->Add(number);
    });
    const double field = MedianMilliseconds(
        kRuns, [&] { f.MaskEdit1->SetText(number); }, [&] { f.MaskEdit1->Clear(); });
    std::printf("  person at %3d%% of the names: number search %6.3f ms, name search %6.3f ms\n", percent,
                by_number, by_name);
    std::printf(
        "    SeekKey %6.3f ms, \"TEL\" -> \"FIO\" -> \"TEL\" %6.3f ms, memo %6.3f ms, field %6.3f ms\n", seek,
        orders, memo, field);
  }
  const std::string last = f.meResult->lines.lines.back();
  TimePlainEditControls(f, last.substr(last.rfind(' ') + 1));
  return 0;
}
