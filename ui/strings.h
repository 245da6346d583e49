// TStrings: a list of single-byte (1251) lines, the `Lines` of a memo; a
// description stores it as "Lines.Strings", a list of texts.
#pragma once

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

  const char* ClassName() const override { return "TStrings"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
