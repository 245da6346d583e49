// A control peer that records what changed, for host tests of the controls'
// live properties.
#pragma once

#include <vector>

#include "ui/model/control.h"

namespace testing_support {

class RecordingPeer final : public ui::ControlPeer {
 public:
  void Changed(ui::ControlChange what) override { changes.push_back(what); }
  int Count(ui::ControlChange what) const {
    int n = 0;
    for (ui::ControlChange c : changes) n += c == what;
    return n;
  }

  std::vector<ui::ControlChange> changes;
};

}  // namespace testing_support
