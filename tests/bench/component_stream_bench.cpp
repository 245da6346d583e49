// Reading a window stream of the main window's shape (about thirty components
// with every property kind, two binary payloads of the directory packets'
// size) into a fresh test window. The tables themselves are not opened here.
#include <benchmark/benchmark.h>

#include <string>

#include "resources/component_reader.h"
#include "resources/component_stream_writer.h"
#include "tests/common/test_components.h"

namespace {

std::string MainWindowShapedStream() {
  resources::ComponentStreamWriter w;
  w.Signature().BeginObject("TTestWindow", "MainForm");
  w.Property("Caption").Utf8String(u8"Телефонный справочник г.Тальмир");
  w.Property("Font.Name").String("MS Sans Serif").Property("Font.Height").Integer(-11);
  w.Property("Font.Color").Ident("clWindowText").Property("Font.Charset").Ident("DEFAULT_CHARSET");
  w.EndProperties();
  for (int i = 0; i < 28; ++i) {
    w.BeginObject("TTestControl", "Control" + std::to_string(i));
    w.Property("Left").Integer(i * 7).Property("Tag").Integer(i).Property("Color").Ident("clBtnFace");
    w.Property("Align").Ident("alTop").Property("Anchors").Set({"akLeft", "akTop"});
    w.Property("Caption").Utf8String(u8"Панель результата").Property("Visible").Boolean(true);
    w.Property("Partner")
        .Ident("Control" + std::to_string((i + 1) % 28))
        .Property("OnClick")
        .Ident("ButtonClick");
    w.Property("Lines.Strings").BeginList().Utf8String(u8"Пока ничего нет!").EndList();
    w.EndProperties().EndObject();
  }
  // Payloads of roughly the two packets' sizes (a 4-byte length, then the bytes).
  for (int size : {700000, 420000}) {
    std::string payload(4 + size, 'x');
    for (int b = 0; b < 4; ++b) payload[b] = static_cast<char>((size >> (8 * b)) & 0xFF);
    w.BeginObject("TTestControl", "Table" + std::to_string(size)).Property("Data").Binary(payload);
    w.EndProperties().EndObject();
  }
  w.EndObject();
  return w.Finish();
}

void BM_ReadMainWindowShapedStream(benchmark::State& state) {
  const std::string stream = MainWindowShapedStream();
  const resources::ClassRegistry registry = test_components::Registry();
  for (auto _ : state) {
    base::TComponent application(nullptr);
    auto* window = new test_components::TTestWindow(&application);
    resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                   *window, registry);
    benchmark::DoNotOptimize(window->Components().size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_ReadMainWindowShapedStream)->Unit(benchmark::kMicrosecond);

}  // namespace
