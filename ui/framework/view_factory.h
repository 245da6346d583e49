// ViewFactory: which view puts a control of each class on screen (Windows
// only). The program registers one view class per control class it shows;
// a form's window asks here for the view of each of its controls.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "base/exception.h"
#include "ui/framework/control_view.h"

namespace ui {

class ViewFactory {
 public:
  using Creator = std::unique_ptr<ControlView> (*)(TControl& control, FormWindow& form);

  // Controls whose class is `Model` get a `View(Model&, FormWindow&)`.
  template <typename Model, typename View>
  void Register() {
    creators_[std::string(Model::Class().name)] = [](TControl& control,
                                                     FormWindow& form) -> std::unique_ptr<ControlView> {
      auto* model = dynamic_cast<Model*>(&control);
      if (!model) return nullptr;
      return std::make_unique<View>(*model, form);
    };
  }

  // The view of `control`; throws base::Exception when its class has none.
  std::unique_ptr<ControlView> Create(TControl& control, FormWindow& form) const;

 private:
  std::map<std::string, Creator, std::less<>> creators_;
};

}  // namespace ui
