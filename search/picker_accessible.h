// PickerAccessible: the name picker as a reader finds it: a combo box named
// by the label above it ("Подбор по ФИО"), its value the text it shows,
// expanded while its list is open and collapsed otherwise. Its default
// action opens the closed list, or closes the open one accepting the
// highlighted name, as Alt+Down does.
//
// NameListAccessible: the picker's open list: a list named like its picker,
// whose children are the rows that hold a name (child id = row + 1, top to
// bottom), the highlighted row selected and focused. While the list is
// closed it is invisible and has no rows.
#pragma once

#include "search/rx_db_lookup_combo.h"
#include "ui/model/accessible.h"

namespace search {

class PickerAccessible final : public ui::AccessibleDescription {
 public:
  explicit PickerAccessible(TRxDBLookupCombo& picker) : picker_(picker) {}

  ui::AccessibleElement Self() const override;
  bool DoDefaultAction(int child) override;

 private:
  TRxDBLookupCombo& picker_;
};

class NameListAccessible final : public ui::AccessibleDescription {
 public:
  explicit NameListAccessible(TRxDBLookupCombo& picker) : picker_(picker) {}

  ui::AccessibleElement Self() const override;
  int ChildCount() const override;
  ui::AccessibleElement Child(int child) const override;
  int FocusedChild() const override;
  std::vector<int> SelectedChildren() const override;

 private:
  TRxDBLookupCombo& picker_;
};

}  // namespace search
