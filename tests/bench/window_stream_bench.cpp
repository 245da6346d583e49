// Reading the main window's stream into the program's classes, both tables
// opened in Loaded (compare with the table-opening benchmarks of
// tables_bench.cpp for the share of the tables).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "resources/component_reader.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void BM_ReadMainWindowStream(benchmark::State& state) {
  const std::string stream = ReadFile(std::string(PHONEBOOK_FORM_DIR) + "/tmainform.stream");
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  for (auto _ : state) {
    base::TComponent application(nullptr);
    auto* form = new app::TMainForm(&application);
    resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                   *form, registry);
    if (!form->daTel || form->daTel->RecordCount() != 28130) state.SkipWithError("tables not open");
    benchmark::DoNotOptimize(form);
  }
}
BENCHMARK(BM_ReadMainWindowStream)->Unit(benchmark::kMillisecond);

}  // namespace
