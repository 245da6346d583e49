// Arbitrary bytes read as a window stream into a fresh window of the program's
// own classes: the first byte chooses the window (even: the About window, odd:
// the main window), the rest is the stream. The read either succeeds or fails
// with one of the program's errors (a read error, or a table's own error when
// a table opens); a failed read leaves no component behind. No crash, leak or hang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "about/fm_about.h"
#include "app/forms/component_classes.h"
#include "app/forms/main_form.h"
#include "base/exception.h"
#include "resources/component_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const resources::ClassRegistry registry = [] {
    resources::ClassRegistry r;
    app::RegisterComponentClasses(r);
    return r;
  }();
  base::TComponent application(nullptr);
  base::TComponent* window = nullptr;
  if (data[0] % 2 == 0) {
    window = new about::TfmAbout(&application);
  } else {
    window = new app::TMainForm(&application);
  }
  try {
    resources::ReadComponentStream({data + 1, size - 1}, *window, registry);
  } catch (const base::Exception&) {
    if (!window->Components().empty()) std::abort();  // a failed read keeps nothing it created
  }
  return 0;
}
