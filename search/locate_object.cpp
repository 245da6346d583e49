#include "search/locate_object.h"

#include <string>

#include "base/exception.h"
#include "data/custom_client_data_set.h"
#include "data/field.h"
#include "data/row_matcher.h"
#include "text/case_map.h"

namespace search {

namespace {

// Whether the current record's value of `field` matches `text`.
bool CurrentMatches(const data::TField& field, std::string_view text, bool exact, bool fold) {
  if (field.IsNull()) return false;
  std::string value = field.AsString();
  if (!exact && value.size() > text.size()) value.resize(text.size());
  if (!fold) return value == text;
  return text::ToLower(value) == text::ToLower(text);
}

// Pairs the busy calls even when the scan throws.
class BusyScope {
 public:
  explicit BusyScope(const std::function<void(bool)>& on_busy) : on_busy_(on_busy) {
    if (on_busy_) on_busy_(true);
  }
  ~BusyScope() {
    if (on_busy_) on_busy_(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const std::function<void(bool)>& on_busy_;
};

}  // namespace

bool TLocateObject::Locate(const data::TField& field, std::string_view text, bool exact,
                           bool case_sensitive) {
  if (text.empty()) return false;
  try {
    return Search(field, text, exact, case_sensitive);
  } catch (const base::Exception&) {
    return false;
  }
}

bool TLocateObject::Search(const data::TField& field, std::string_view text, bool exact,
                           bool case_sensitive) {
  auto* table = dynamic_cast<data::TCustomClientDataSet*>(field.DataSet());
  if (!table || !table->Active()) return false;
  const bool fold = !case_sensitive && data::KeyClassOf(field.DataType()) == data::KeyClass::kText;
  const data::TCustomClientDataSet::TBookmark mark = table->TakeBookmark();
  if (CurrentMatches(field, text, exact, fold)) return true;
  bool found = false;
  try {
    BusyScope busy(on_busy);
    found = table->LocateRow(field.FieldName(), {std::string(text)}, {fold, !exact});
  } catch (const base::Exception&) {
    found = false;
  }
  if (!found) table->ReturnToBookmark(mark);
  return found;
}

}  // namespace search
