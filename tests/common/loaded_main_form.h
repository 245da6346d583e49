// The real main window read from its compiled description on the host, with
// no screen, for tests that look at its controls.
#pragma once

#include "app/forms/main_form.h"
#include "base/component.h"
#include "tests/common/form_stream_file.h"

namespace testing_support {

struct LoadedMainForm {
  LoadedMainForm() { LoadFormStream("tmainform.stream", *form); }

  base::TComponent application{nullptr};
  app::TMainForm* form = new app::TMainForm(&application);
  app::TMainForm& f = *form;
};

}  // namespace testing_support
