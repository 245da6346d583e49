// Windows only: a message box seam that records "caption|text" of every box
// instead of showing it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/error_display.h"

namespace testing_support {

class RecordingMessageBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string& caption, UINT) override {
    shown.push_back(caption + "|" + text);
    if (while_shown) while_shown();
  }
  std::vector<std::string> shown;
  // Runs while a box is "up" (what the user does meanwhile), if set.
  std::function<void()> while_shown;
};

}  // namespace testing_support
