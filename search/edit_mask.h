// EditMask: an edit mask as the number field stores it, "0-00-00;0;_": the
// mask itself, whether literal characters are kept in the field's value
// ("0": no, "1": yes) and the character that shows an empty place.
//
// In the mask, "0 9 # L l A a C c" are places for a character; ">", "<" and
// "<>" switch case and take no place; "\" makes the next character a
// literal; every other character is a literal shown as it stands.
#pragma once

#include <string>
#include <string_view>

namespace search {

class EditMask {
 public:
  // Splits `stored` into its three fields; missing ones take their defaults
  // (literals kept, "_" for empty places).
  explicit EditMask(std::string_view stored);

  const std::string& Mask() const { return mask_; }
  bool KeepsLiterals() const { return keeps_literals_; }
  char Blank() const { return blank_; }

  // The text of an empty field: each place shown as the blank character,
  // literals as they stand ("_-__-__").
  std::string BlankText() const;

 private:
  std::string mask_;
  bool keeps_literals_ = true;
  char blank_ = '_';
};

}  // namespace search
