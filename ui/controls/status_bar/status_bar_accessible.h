// StatusBarAccessible: a status bar as a reader finds it: a status bar whose
// name is the text it shows (its panels' texts in order, separated by
// spaces; empty panels left out).
#pragma once

#include "ui/controls/status_bar/status_bar.h"
#include "ui/model/accessible.h"

namespace ui {

class StatusBarAccessible final : public AccessibleDescription {
 public:
  explicit StatusBarAccessible(const TStatusBar& bar) : bar_(bar) {}
  AccessibleElement Self() const override;

 private:
  const TStatusBar& bar_;
};

}  // namespace ui
