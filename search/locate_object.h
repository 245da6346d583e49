// TLocateObject: the one search by value of the name picker and its list.
// It makes the first record of the lookup table's order whose field equals a
// text (exact) or begins with it (prefix) the current record:
//
//   1. an empty text locates nothing;
//   2. a bookmark of the current record is taken;
//   3. the current record is tried first: when its value (cut to the text's
//      length for a prefix) equals the text, it stays current and the
//      search succeeds without touching the table;
//   4. otherwise LocateRow scans the order from its first record; the
//      caller is told that a scan runs (the hourglass) around it;
//   5. when nothing is found the table returns to the bookmark.
//
// Text fields compare without regard to letter case unless the caller asks
// for case; the rule is text/case_map.h (1251 letters, Ё/ё included), the
// same one LocateRow folds with. Other fields always compare exactly.
//
// Any error raised inside (a field of a type LocateRow cannot compare, a
// table that is not a client data set, a closed table) makes the search a
// failed one; nothing is reported.
#pragma once

#include <functional>
#include <string_view>

namespace data {
class TField;
}

namespace search {

class TLocateObject {
 public:
  // Told true before a scan of the table and false after it, also when the
  // scan fails with an error. May be empty.
  std::function<void(bool busy)> on_busy;
  // The stored IndexSwitch setting; the table has no index to switch to for
  // a scan, so it changes nothing.
  bool index_switch = true;

  // Searches `field`'s table (field.DataSet()) for `text`: whole values when
  // `exact`, else values beginning with `text`; letter case matters only
  // when `case_sensitive`. True: the found record is current (a record found
  // by the scan stands in the middle of the table's window). False: the
  // current record is the one before the call.
  bool Locate(const data::TField& field, std::string_view text, bool exact, bool case_sensitive);

 private:
  bool Search(const data::TField& field, std::string_view text, bool exact, bool case_sensitive);
};

}  // namespace search
