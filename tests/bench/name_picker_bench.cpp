// The name picker's core on the person table, wired as the main window wires
// it (daFio in name order, dsFio, the picker with LookupField and
// LookupDisplay "FIO", 8 rows): opening (and closing) the list at the first
// record, one typed character from the first record (a letter early, in the
// middle and late in the alphabet), one Page Down in the open list, and
// typing a whole name character by character from the closed picker
// (the list opens on the first character) and closing it again.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "data/client_data_set.h"
#include "data/data_source.h"
#include "search/rx_db_lookup_combo.h"
#include "tests/common/directory_tables.h"
#include "text/case_map.h"
#include "text/cp1251.h"

namespace {

// A screen that does nothing: only the core's own work is timed.
class NoScreen : public search::LookupPlatform {
 public:
  search::LookupGeometry Geometry() override {
    search::LookupGeometry g;
    g.picker_window = {100, 200, 245, 221};
    g.picker_client = {101, 201, 244, 220};
    g.screen = {0, 0, 1024, 768};
    return g;
  }
  void ShowList(const base::Rect&) override {}
  void HideList() override {}
  void CaptureMouse(search::LookupPart) override {}
  void ReleaseMouse() override {}
  bool TakeFocus() override { return true; }
  void Repaint(search::LookupPart) override {}
  void SetBusyCursor(bool) override {}
};

struct Picker {
  Picker() {
    testing_support::OpenTable(table, "daFio",
                               testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "fio.packet"), "FIO");
    source.SetDataSet(&table);
    combo.lookup_field = "FIO";
    combo.lookup_display = "FIO";
    combo.drop_down_count = 8;
    combo.SetLookupSource(&source);
    combo.SetPlatform(&screen);
    combo.FocusChanged(true);
  }
  ~Picker() { combo.SetPlatform(nullptr); }

  NoScreen screen;
  data::TClientDataSet table{nullptr};
  data::TDataSource source{nullptr};
  search::TRxDBLookupCombo combo{nullptr};
};

Picker& Shared() {
  static Picker picker;
  return picker;
}

void BM_OpenAndCloseListAtFirstRecord(benchmark::State& state) {
  Picker& p = Shared();
  p.combo.Reset();
  p.table.GoFirst();
  for (auto _ : state) {
    p.combo.DropDown();
    p.combo.CloseUp(false);
  }
  p.combo.DropDown();
  if (!p.combo.ListVisible() || p.combo.List().RecordsInView() != 8)
    state.SkipWithError("the list did not open");
  p.combo.CloseUp(false);
}
BENCHMARK(BM_OpenAndCloseListAtFirstRecord)->Unit(benchmark::kMicrosecond);

// One letter typed into the open list standing on the first record.
void BM_TypeOneCharacter(benchmark::State& state) {
  static const std::string kLetters = text::Utf8ToCp1251("бия");
  const char letter = kLetters[static_cast<size_t>(state.range(0))];
  Picker& p = Shared();
  p.combo.Reset();
  p.combo.DropDown();
  for (auto _ : state) {
    p.combo.KeyPress(letter);
    state.PauseTiming();
    p.combo.KeyPress('\b');  // back to the first record
    state.ResumeTiming();
  }
  p.combo.CloseUp(false);
}
// Б, И, Я: a scan over an early, a middle and a late part of the order.
BENCHMARK(BM_TypeOneCharacter)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PageDown(benchmark::State& state) {
  Picker& p = Shared();
  p.combo.Reset();
  p.combo.DropDown();
  p.combo.KeyDown(search::LookupKey::kDown, false);  // a value on the first record
  for (auto _ : state) {
    p.combo.KeyDown(search::LookupKey::kPageDown, false);
    if (p.table.AtEnd()) {
      state.PauseTiming();
      p.combo.KeyDown(search::LookupKey::kHome, false);
      state.ResumeTiming();
    }
  }
  p.combo.CloseUp(false);
}
BENCHMARK(BM_PageDown)->Unit(benchmark::kMicrosecond);

// A whole name typed into the closed picker, then Esc; the person at
// `range(0)` per cent of the name order.
void BM_TypeWholeName(benchmark::State& state) {
  Picker& p = Shared();
  p.combo.Reset();
  p.table.GoFirst();
  const auto rows = static_cast<int32_t>(p.table.RecordCount());
  p.table.Step(static_cast<int32_t>(static_cast<double>(state.range(0)) / 100.0 * (rows - 1)));
  const std::string name = text::ToLower(p.table.FieldByName("FIO")->AsString());
  p.table.GoFirst();
  for (auto _ : state) {
    for (char c : name) p.combo.KeyPress(c);
    if (p.combo.List().SearchText() != text::ToUpper(name)) state.SkipWithError("the name was not found");
    p.combo.KeyDown(search::LookupKey::kEscape, false);
  }
  state.counters["keys"] = static_cast<double>(name.size());
  state.counters["per_key"] =
      benchmark::Counter(static_cast<double>(name.size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TypeWholeName)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
