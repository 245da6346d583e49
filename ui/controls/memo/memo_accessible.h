// MemoAccessible: a memo as a reader finds it: text (read-only when the memo
// is), named by the caption of the window it sits in (the result window's
// "Окно результата"), its value the whole text with its lines separated by
// CR LF. A memo whose text the user cannot reach at all (disabled, like the
// About window's) is static text holding that text as its name.
#pragma once

#include <string>

#include "ui/controls/memo/memo.h"
#include "ui/model/accessible.h"

namespace ui {

// The lines as the memo's edit control shows them: separated by CR LF, no
// line break after the last.
std::string EditText(const TStrings& lines);

// The lines as one text to speak: each trimmed of spaces and asterisks at
// its ends, empty ones left out, joined by ". " (" *** Результат. ***", a
// name and a number become "Результат. NAME. NUMBER": a line ending in a
// dot gets no second one).
std::string SpokenText(const TStrings& lines);

class MemoAccessible final : public AccessibleDescription {
 public:
  explicit MemoAccessible(const TMemo& memo) : memo_(memo) {}
  AccessibleElement Self() const override;

 private:
  const TMemo& memo_;
};

}  // namespace ui
