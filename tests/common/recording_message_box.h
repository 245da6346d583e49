// Windows only: a message box seam that records "caption|text" of every box
// instead of showing it.
#pragma once

#include <string>
#include <vector>

#include "app/error_display.h"

namespace testing_support {

class RecordingMessageBox final : public app::MessageBoxSeam {
 public:
  void Show(HWND, const std::string& text, const std::string& caption, UINT) override {
    shown.push_back(caption + "|" + text);
  }
  std::vector<std::string> shown;
};

}  // namespace testing_support
