#include "about/about_accessible.h"

#include "text/literal.h"
#include "ui/controls/memo/memo_accessible.h"
#include "ui/model/control_accessible.h"

namespace about {

namespace {
constexpr auto kClose = text::Cp1251(u8"Закрыть");
constexpr auto kOpenPage = text::Cp1251(u8"Открыть страницу");
}  // namespace

std::unique_ptr<ui::AccessibleDescription> AboutAccessible(TfmAbout& window, ui::TControl& control) {
  if (&control == window.laLink1 || &control == window.laLink2) {
    return std::make_unique<ui::CommandAccessible>(control, ui::AccessibleRole::kLink, control.caption,
                                                   std::string(kOpenPage.view()));
  }
  if (&control == window.laButtomClose) {
    return std::make_unique<ui::CommandAccessible>(control, ui::AccessibleRole::kPushButton,
                                                   std::string(kClose.view()), std::string(kClose.view()));
  }
  if (&control == window.me) return std::make_unique<ui::MemoAccessible>(*window.me);
  return nullptr;
}

}  // namespace about
