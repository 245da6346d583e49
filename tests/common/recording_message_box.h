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
    if (while_up) while_up();
  }
  std::vector<std::string> shown;
  // Run while the box would be up (the program's windows disabled), before
  // Show returns: a test's input meanwhile. May be empty.
  std::function<void()> while_up;
};

}  // namespace testing_support
