#include "app/forms/window_classes.h"

#include "about/fm_about.h"
#include "app/forms/main_form.h"

namespace app {

base::TComponent* CreateWindowOfClass(std::string_view class_name, base::TComponent* owner) {
  if (base::SameNameIgnoringAsciiCase(class_name, "TMainForm")) return new TMainForm(owner);
  if (base::SameNameIgnoringAsciiCase(class_name, "TfmAbout")) return new about::TfmAbout(owner);
  return nullptr;
}

}  // namespace app
