// The two searches of the real main window through its handlers, the memo
// written each time: a number search (MaskEdit1KeyPress on Enter, the field
// cleared) and a name search (RxDBLookupCombo1CloseUp), for a person early,
// in the middle and late in the alphabet (the name of a phone record is
// found by a scan of the person table in name order).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "resources/component_reader.h"

namespace {

app::TMainForm& MainForm() {
  static base::TComponent application(nullptr);
  static app::TMainForm* form = [] {
    std::ifstream in(std::string(PHONEBOOK_FORM_DIR) + "/tmainform.stream", std::ios::binary);
    const std::string stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    resources::ClassRegistry registry;
    app::RegisterComponentClasses(registry);
    auto* window = new app::TMainForm(&application);
    resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                   *window, registry);
    return window;
  }();
  return *form;
}

// Makes the person at `percent` of the name order current; returns one of
// its numbers (through the name search itself).
int PickPerson(int percent) {
  app::TMainForm& f = MainForm();
  const auto rows = static_cast<int32_t>(f.daFio->RecordCount());
  f.daFio->GoFirst();
  f.daFio->Step(static_cast<int32_t>(percent * (rows - 1) / 100));
  f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1);
  const std::string& line = f.meResult->lines.lines.back();
  return std::stoi(line.substr(line.rfind(' ') + 1));
}

void BM_NumberSearchThroughTheHandler(benchmark::State& state) {
  app::TMainForm& f = MainForm();
  const std::string number = std::to_string(PickPerson(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    f.MaskEdit1->SetText(number);
    char key = '\r';
    f.MaskEdit1KeyPress(f.MaskEdit1, key);
  }
  if (f.meResult->lines.lines.back().find(number) == std::string::npos) state.SkipWithError("not found");
}
BENCHMARK(BM_NumberSearchThroughTheHandler)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_NameSearchThroughTheHandler(benchmark::State& state) {
  app::TMainForm& f = MainForm();
  PickPerson(static_cast<int>(state.range(0)));
  for (auto _ : state) f.RxDBLookupCombo1CloseUp(f.RxDBLookupCombo1);
  if (f.daTel->IndexFieldNames() != "TEL") state.SkipWithError("order not restored");
}
BENCHMARK(BM_NameSearchThroughTheHandler)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
