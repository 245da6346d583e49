// A LookupPlatform that records what the name picker asks of the screen,
// for the host tests of the picker and its list. The picker stands at
// (100, 200), 145 x 21 with a one-pixel border, on a 1024 x 768 screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search/lookup_platform.h"

namespace testing_support {

class RecordingLookupPlatform : public search::LookupPlatform {
 public:
  RecordingLookupPlatform() {
    geometry.picker_window = {100, 200, 245, 221};
    geometry.picker_client = {101, 201, 244, 220};
    geometry.screen = {0, 0, 1024, 768};
  }

  // What Geometry() answers; tests move the picker or the screen.
  search::LookupGeometry geometry;
  // What TakeFocus() answers.
  bool grant_focus = true;

  // "show", "hide", "focus", "busy on", "busy off", in order (captures and
  // repaints are kept as state instead).
  std::vector<std::string> log;
  bool list_shown = false;
  base::Rect shown_at;
  std::optional<search::LookupPart> capture;
  int picker_repaints = 0;
  int list_repaints = 0;
  // Every interval the auto-scroll timer was set to (-1: stopped), in order.
  std::vector<int32_t> timer;

  // How often `entry` occurs in the log.
  int Count(const std::string& entry) const {
    int n = 0;
    for (const std::string& e : log) n += e == entry ? 1 : 0;
    return n;
  }

  search::LookupGeometry Geometry() override { return geometry; }
  void ShowList(const base::Rect& screen_rect) override {
    log.push_back("show");
    list_shown = true;
    shown_at = screen_rect;
  }
  void HideList() override {
    log.push_back("hide");
    list_shown = false;
  }
  void CaptureMouse(search::LookupPart part) override { capture = part; }
  void ReleaseMouse() override { capture.reset(); }
  bool TakeFocus() override {
    log.push_back("focus");
    return grant_focus;
  }
  void Repaint(search::LookupPart part) override {
    ++(part == search::LookupPart::kPicker ? picker_repaints : list_repaints);
  }
  void SetBusyCursor(bool busy) override { log.push_back(busy ? "busy on" : "busy off"); }
  void SetAutoScrollTimer(int32_t interval_ms) override { timer.push_back(interval_ms); }
};

}  // namespace testing_support
