// Arbitrary bytes read as a window's component stream into a fresh window of
// a test class: the read either succeeds or throws a read error; it never
// crashes, leaks, hangs or leaves a created component behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "resources/component_reader.h"
#include "resources/read_error.h"
#include "tests/common/test_components.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const resources::ClassRegistry registry = test_components::Registry();
  base::TComponent application(nullptr);
  auto* window = new test_components::TTestWindow(&application);
  try {
    resources::ReadComponentStream({data, size}, *window, registry);
  } catch (const resources::EReadError&) {
    if (!window->Components().empty()) std::abort();  // a failed read keeps nothing it created
  }
  // Handlers bound by the stream call the window's methods.
  for (base::TComponent* component : window->Components()) {
    auto* control = static_cast<test_components::TTestControl*>(component);
    control->on_click(control);
    char key = 'a';
    control->on_key_press(control, key);
  }
  return 0;
}
