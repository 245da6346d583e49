// A data link that logs every notification it receives, with the distance
// of a scroll, for the record window, lookup and search tests.
#pragma once

#include <string>
#include <vector>

#include "data/data_link.h"

namespace testing_support {

class RecordingLink : public data::TDataLink {
 public:
  // Entries: "active", "inactive", "changed", "scrolled N", "layout",
  // "record", "update", "editing", "check".
  std::vector<std::string> log;

 protected:
  void ActiveChanged() override { log.push_back(Active() ? "active" : "inactive"); }
  void RecordChanged(data::TField*) override { log.push_back("record"); }
  void DataSetChanged() override { log.push_back("changed"); }
  void DataSetScrolled(int32_t distance) override { log.push_back("scrolled " + std::to_string(distance)); }
  void LayoutChanged() override { log.push_back("layout"); }
  void UpdateData() override { log.push_back("update"); }
  void EditingChanged() override { log.push_back("editing"); }
  void CheckBrowseMode() override { log.push_back("check"); }
};

}  // namespace testing_support
