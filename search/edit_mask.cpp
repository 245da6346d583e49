#include "search/edit_mask.h"

namespace search {

namespace {

bool IsPlace(char c) {
  switch (c) {
    case '0':
    case '9':
    case '#':
    case 'L':
    case 'l':
    case 'A':
    case 'a':
    case 'C':
    case 'c':
      return true;
    default:
      return false;
  }
}

}  // namespace

EditMask::EditMask(std::string_view stored) {
  const std::size_t first = stored.find(';');
  mask_ = std::string(stored.substr(0, first));
  if (first == std::string_view::npos) return;
  const std::string_view rest = stored.substr(first + 1);
  const std::size_t second = rest.find(';');
  const std::string_view keep = rest.substr(0, second);
  if (!keep.empty()) keeps_literals_ = keep != "0";
  if (second != std::string_view::npos && second + 1 < rest.size()) blank_ = rest[second + 1];
}

std::string EditMask::BlankText() const {
  std::string text;
  for (std::size_t i = 0; i < mask_.size(); ++i) {
    const char c = mask_[i];
    if (c == '\\') {
      if (i + 1 < mask_.size()) text += mask_[++i];
    } else if (c == '>' || c == '<') {
      // a case switch: no place of its own
    } else {
      text += IsPlace(c) ? blank_ : c;
    }
  }
  return text;
}

}  // namespace search
