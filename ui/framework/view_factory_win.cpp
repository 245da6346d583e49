#include "ui/framework/view_factory.h"

#include "base/format.h"

namespace ui {

std::unique_ptr<ControlView> ViewFactory::Create(TControl& control, FormWindow& form) const {
  const auto found = creators_.find(std::string_view(control.ClassName()));
  std::unique_ptr<ControlView> view = found == creators_.end() ? nullptr : found->second(control, form);
  if (!view) {
    throw base::Exception(
        base::Format("No screen window for %s of class %s", control.Name().c_str(), control.ClassName()));
  }
  return view;
}

}  // namespace ui
