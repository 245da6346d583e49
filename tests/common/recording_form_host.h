// A form host that records what its form asked of the screen, in order
// ("Show", "Hide", "Close", "StartMoveByCaption"), for host tests of window
// handlers.
#pragma once

#include <string>
#include <vector>

#include "ui/model/form_host.h"

namespace testing_support {

class RecordingHost final : public ui::FormHost {
 public:
  explicit RecordingHost(std::vector<std::string>& calls) : calls_(calls) {}
  void Show() override { calls_.push_back("Show"); }
  void Hide() override { calls_.push_back("Hide"); }
  void Close() override { calls_.push_back("Close"); }
  void StartMoveByCaption() override { calls_.push_back("StartMoveByCaption"); }

 private:
  std::vector<std::string>& calls_;
};

}  // namespace testing_support
