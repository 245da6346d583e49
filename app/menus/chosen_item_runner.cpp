#include "app/menus/chosen_item_runner.h"

#include <exception>
#include <utility>

namespace app {

bool ChosenItemRunner::Choose(TTBItem& item, bool from_drop_down) {
  if (from_drop_down && sounds_) sounds_->Play(MenuSound::kMenuCommand);
  chosen_ = &item;
  if (poster_.PostRunMessage()) return true;
  chosen_ = nullptr;
  return false;
}

void ChosenItemRunner::RunChosen() noexcept {
  TTBItem* item = std::exchange(chosen_, nullptr);
  if (!item) return;
  try {
    if (item->auto_check) item->checked = !item->checked;
    item->Click();
  } catch (...) {
    errors_.ShowError(std::current_exception());
  }
}

void ChosenItemRunner::Forget(const TTBItem& item) {
  if (chosen_ == &item) chosen_ = nullptr;
}

}  // namespace app
