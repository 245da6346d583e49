// TRxLookupControl: what the name picker (TRxDBLookupCombo) and its list
// (TRxDBLookupList) share: a control that shows records of a lookup table
// reached through a data source, and keeps a chosen value.
//
// State:
//   value          the key field's text of the chosen record, or the empty
//                  value (EmptyValue, here the empty text); values compare
//                  exactly, letter case included
//   display value  the display field's text of the chosen record; empty when
//                  the value is empty or was not found
//   key field, display field, display fields
//                  the lookup table's fields named by LookupField and
//                  LookupDisplay (";"-separated; the display field is the
//                  one at LookupDisplayIndex, the one shown and searched)
//   list active    the lookup table is open and the key field exists
//   search text    the letters typed so far (the typed search below)
//   focused, tracking
//                  the control holds the keyboard focus / a mouse drag that
//                  started on it is in progress
//
// The control never copies rows: it reads the lookup table's current record
// (and, in the list, the rows of the table's record window) through its
// TLookupSourceLink, and every move it makes moves the table's current
// record.
//
// Setting the value to a different text locates it exactly (TLocateObject,
// letter case ignored when IgnoreCase is on) and takes the display value
// from the record found.
//
// Typed search (ProcessSearchKey; only while the control can modify):
//   Backspace          candidate = search text less its last character
//   character >= 32    candidate = search text + character, while the search
//                      text is shorter than 32 characters (else dropped)
//   candidate not empty: locate it as a prefix of the display field; found:
//                      the value becomes the found record's key text and the
//                      candidate becomes the found name's first letters (as
//                      many as typed, in the name's own letter case)
//   candidate empty:   the table goes to its first record, whose key text
//                      becomes the value
//   The search text becomes the candidate when a record was found or the
//   candidate is empty; otherwise the character is dropped without a sound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_source.h"
#include "data/field.h"
#include "search/locate_object.h"
#include "search/lookup_platform.h"
#include "search/lookup_source_link.h"
#include "ui/model/control.h"

namespace search {

enum class TLookupListStyle : uint8_t { lsFixed, lsDelimited };

class TRxLookupControl : public ui::TWinControl {
 public:
  // The longest search text (a typed character beyond it is dropped).
  static constexpr size_t kMaxSearchText = 32;

  ~TRxLookupControl() override;

  // --- Stored settings (defaults as a description leaves them) ---
  // The data source of the lookup table. Read from a description it takes
  // effect in Loaded(); in code use SetLookupSource.
  data::TDataSource* lookup_source = nullptr;
  std::string lookup_field;
  std::string lookup_display;
  std::string empty_value;    // the value that means nothing is chosen
  std::string display_empty;  // text shown for the empty value
  ui::TColor empty_item_color = ui::clWindow;
  bool ignore_case = true;  // the typed search and the value ignore letter case
  bool index_switch = true;
  bool read_only = false;
  TLookupListStyle list_style = TLookupListStyle::lsFixed;
  std::string fields_delimiter = ",";
  int32_t lookup_display_index = 0;
  int32_t item_height = 0;  // row height when larger than the font's

  // Attaches to the stored lookup source once the description is read.
  void Loaded() override;
  // Attaches to `source` (null detaches); the control follows its table.
  void SetLookupSource(data::TDataSource* source);
  // The lookup source going first leaves the control without one.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  // The screen side (null: nothing is shown, no hourglass). Not owned: the
  // view sets it and sets null again before it goes.
  virtual void SetPlatform(LookupPlatform* platform) { platform_ = platform; }
  LookupPlatform* Platform() const { return platform_; }

  const std::string& Value() const { return value_; }
  // A different text is located (exactly) and the display value follows;
  // then ValueChanged(). The same text changes nothing.
  void SetValue(const std::string& value);
  const std::string& DisplayValue() const { return display_value_; }
  bool ValueIsEmpty(std::string_view value) const { return value == empty_value; }

  data::TField* KeyField() const { return key_field_; }
  data::TField* DisplayField() const { return display_field_; }
  const std::vector<data::TField*>& DisplayFields() const { return display_fields_; }
  bool ListActive() const { return list_active_; }
  // The list is active and the control is not read-only.
  bool CanModify() const { return list_active_ && !read_only; }

  const std::string& SearchText() const { return search_text_; }
  void ClearSearchText();
  bool Focused() const { return focused_; }

  // The lookup table while the link is active, else null.
  data::TDataSet* LookupDataSet() const;
  // The key text / display text of the table's current record ("" when the
  // list is not active). `all_fields` joins every display field (with the
  // delimiter in lsDelimited style, a tab between columns in lsFixed).
  std::string CurrentKeyText() const;
  std::string CurrentDisplayText(bool all_fields = false) const;

  // Empties the value and the display value (no locating); ValueChanged().
  virtual void Reset();

  const char* ClassName() const override { return "TRxLookupControl"; }
  static const resources::ClassInfo& Class();

 protected:
  TRxLookupControl(base::TComponent* owner, LookupPart part);

  // --- The virtual operations of a lookup control ---
  // After the value (and the display value) changed.
  virtual void ValueChanged() { Invalidate(); }
  // The lookup table opened or closed, or its layout changed: the fields are
  // resolved again (subclasses call this first).
  virtual void ListLinkActiveChanged();
  // The lookup table's records or current record changed.
  virtual void ListLinkDataChanged() { Invalidate(); }
  // Asks the platform to repaint this control.
  virtual void Invalidate();
  // Whether the display value joins every display field (else the display
  // field alone).
  virtual bool DisplaysAllFields() const { return false; }

  // Searches as TLocateObject does, with the hourglass shown by the platform
  // and letter case by ignore_case.
  bool Locate(const data::TField& field, std::string_view text, bool exact);
  // Locates the value exactly and sets the display value from it; true when found.
  bool LocateValue();
  // Sets the value even when it is the same text, locates it, then
  // ValueChanged(); true when its record was found.
  bool AssignValue(const std::string& value);
  // One key of the typed search (see the header comment).
  void ProcessSearchKey(char key);

  LookupPart part_;
  LookupPlatform* platform_ = nullptr;
  TLookupSourceLink lookup_link_{this};
  std::string search_text_;
  bool focused_ = false;

 private:
  friend class TLookupSourceLink;
  void ResolveFields();

  TLocateObject locate_;
  std::string value_;
  std::string display_value_;
  data::TField* key_field_ = nullptr;
  data::TField* display_field_ = nullptr;
  std::vector<data::TField*> display_fields_;
  bool list_active_ = false;
};

}  // namespace search
