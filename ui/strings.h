// TStrings: a list of single-byte (1251) lines, the `Lines` of a memo; a
// description stores it as "Lines.Strings", a list of texts. Its owner may
// ask to hear of every change made through the operations below.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/persistent.h"
#include "resources/class_info.h"

namespace ui {

class TStrings : public base::TPersistent {
 public:
  std::vector<std::string> lines;

  // The lines joined with CR LF, as a multi-line edit shows them.
  std::string Text() const;
  int Count() const { return static_cast<int>(lines.size()); }

  // Each tells the change hook once.
  void Clear();
  void Add(std::string line);
  void Assign(std::vector<std::string> new_lines);

  void SetOnChange(std::function<void()> hook) { on_change_ = std::move(hook); }

  const char* ClassName() const override { return "TStrings"; }
  static const resources::ClassInfo& Class();

 private:
  void Changed() const {
    if (on_change_) on_change_();
  }

  std::function<void()> on_change_;
};

}  // namespace ui
