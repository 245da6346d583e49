#include "about/about_accessible.h"

#include <string>
#include <utility>

#include "text/literal.h"
#include "ui/controls/memo/memo_accessible.h"
#include "ui/model/control_accessible.h"

namespace about {

namespace {
constexpr auto kClose = text::Cp1251(u8"Закрыть");
constexpr auto kOpenPage = text::Cp1251(u8"Открыть страницу");
constexpr auto kWindowName = text::Cp1251(u8"О программе");

// A part of the strip: its command, focusable, focused while it holds the
// strip's focus.
class StripPartAccessible final : public ui::AccessibleDescription {
 public:
  StripPartAccessible(ui::TLabel& label, ui::AccessibleRole role, std::string name, std::string action)
      : label_(label), command_(label, role, std::move(name), std::move(action)) {}

  ui::AccessibleElement Self() const override {
    ui::AccessibleElement element = command_.Self();
    element.states |= ui::kAccessibleFocusable;
    if (label_.holds_focus) element.states |= ui::kAccessibleFocused;
    return element;
  }
  bool DoDefaultAction(int child) override { return command_.DoDefaultAction(child); }

 private:
  const ui::TLabel& label_;
  ui::CommandAccessible command_;
};

}  // namespace

std::unique_ptr<ui::AccessibleDescription> AboutAccessible(TfmAbout& window, ui::TControl& control) {
  if (&control == &window) {
    return std::make_unique<ui::ControlAccessible>(window, ui::AccessibleRole::kClient,
                                                   std::string(kWindowName.view()));
  }
  if (window.laLink1 && &control == window.laLink1) {
    return std::make_unique<StripPartAccessible>(*window.laLink1, ui::AccessibleRole::kLink, control.caption,
                                                 std::string(kOpenPage.view()));
  }
  if (window.laLink2 && &control == window.laLink2) {
    return std::make_unique<StripPartAccessible>(*window.laLink2, ui::AccessibleRole::kLink, control.caption,
                                                 std::string(kOpenPage.view()));
  }
  if (window.laButtomClose && &control == window.laButtomClose) {
    return std::make_unique<StripPartAccessible>(*window.laButtomClose, ui::AccessibleRole::kPushButton,
                                                 std::string(kClose.view()), std::string(kClose.view()));
  }
  if (&control == window.me) return std::make_unique<ui::MemoAccessible>(*window.me);
  return nullptr;
}

}  // namespace about
