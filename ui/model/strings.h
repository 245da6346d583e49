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

  // Each tells the change hook once (or, inside an update, marks the
  // list changed for its end).
  void Clear();
  void Add(std::string line);
  void Assign(std::vector<std::string> new_lines);

  // Changes made between BeginUpdate and the matching EndUpdate tell the
  // hook once, at the outermost EndUpdate, and only if something changed:
  // a memo then shows its new lines with one text change of its window.
  void BeginUpdate() { ++updates_; }
  void EndUpdate();

  void SetOnChange(std::function<void()> hook) { on_change_ = std::move(hook); }

  const char* ClassName() const override { return "TStrings"; }
  static const resources::ClassInfo& Class();

 private:
  void Changed();

  std::function<void()> on_change_;
  int updates_ = 0;
  bool changed_in_update_ = false;
};

// Holds a list in an update for a scope, so that an exception between the
// changes still ends it (and the screen shows what the list holds).
class StringsUpdate {
 public:
  explicit StringsUpdate(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
  ~StringsUpdate() { strings_.EndUpdate(); }
  StringsUpdate(const StringsUpdate&) = delete;
  StringsUpdate& operator=(const StringsUpdate&) = delete;

 private:
  TStrings& strings_;
};

}  // namespace ui
