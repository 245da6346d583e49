// ChosenItemRunner: how a chosen toolbar or menu item is run. An item never
// runs inside the mouse and keyboard tracking of the bar or a drop-down
// (where a handler that shows a window or ends the program would pull the
// ground from under the tracking); the tracking only hands the choice here:
//
//   1. Choose(item, from_drop_down): when a drop-down was open, the
//      "MenuCommand" sound is requested (menu_sounds.h); the item is stored
//      and the private message kRunChosenItemMessage (0x500) is posted to the
//      toolbar's hidden utility window, through RunMessagePoster.
//   2. RunChosen(), which the utility window calls when that message is
//      dispatched: the stored item is taken and the store cleared, then the
//      item is clicked: an auto-check item flips `checked` first, then its
//      Click() runs. An error that escapes goes to the error sink; the
//      program goes on.
//
// | state \ event  | Choose(B)                  | RunChosen()               | Forget(X)              |
// |----------------|----------------------------|---------------------------|------------------------|
// | empty          | store B, post -> stored(B) | nothing                   | nothing                |
// | stored(A)      | store B, post -> stored(B) | clear, click A -> empty   | X == A: clear -> empty |
//
// A second choice before the message arrives replaces the first, which then
// never runs; it posts again, and the later message finds the store empty.
// When the message cannot be posted the store is cleared and Choose()
// returns false: nothing runs late and unexpectedly.
#pragma once

#include <cstdint>

#include "app/menus/menu_sounds.h"
#include "app/menus/tb_item.h"
#include "ui/framework/error_sink.h"

namespace app {

inline constexpr std::uint32_t kRunChosenItemMessage = 0x500;

class RunMessagePoster {
 public:
  virtual ~RunMessagePoster() = default;
  // Posts kRunChosenItemMessage to the utility window; false when it could
  // not be posted.
  virtual bool PostRunMessage() = 0;
};

class ChosenItemRunner {
 public:
  // All three must outlive the runner; `sounds` may be null (no sounds).
  ChosenItemRunner(RunMessagePoster& poster, ui::ErrorSink& errors, MenuSounds* sounds)
      : poster_(poster), errors_(errors), sounds_(sounds) {}

  // Records `item` as chosen (from an open drop-down when `from_drop_down`)
  // and posts the message that runs it. The caller guarantees that `item`
  // stays alive until it runs or is forgotten. Returns false when the
  // message could not be posted (nothing is stored then).
  bool Choose(TTBItem& item, bool from_drop_down);
  // Runs and forgets the stored item, if any. Never throws.
  void RunChosen() noexcept;
  // Drops `item` if it is the stored one (it is going away).
  void Forget(const TTBItem& item);

  // The item waiting to run, or null.
  TTBItem* Chosen() const { return chosen_; }

 private:
  RunMessagePoster& poster_;
  ui::ErrorSink& errors_;
  MenuSounds* sounds_;
  TTBItem* chosen_ = nullptr;
};

}  // namespace app
