#include "search/rx_lookup_control.h"

#include <algorithm>

#include "data/index_def.h"
#include "search/lookup_keys.h"

namespace search {

namespace {
constexpr resources::NamedValue kListStyleNames[] = {{"lsFixed", 0}, {"lsDelimited", 1}};
}  // namespace

TRxLookupControl::TRxLookupControl(base::TComponent* owner, LookupPart part)
    : TWinControl(owner), part_(part) {
  color = ui::clWindow;
  locate_.on_busy = [this](bool busy) {
    if (platform_) platform_->SetBusyCursor(busy);
  };
}

TRxLookupControl::~TRxLookupControl() {
  // Leave the data source without calling back into a half-destroyed control.
  lookup_link_.Release();
}

void TRxLookupControl::Loaded() {
  TWinControl::Loaded();
  if (lookup_source) lookup_source->FreeNotification(this);
  lookup_link_.SetDataSource(lookup_source);
}

void TRxLookupControl::SetLookupSource(data::TDataSource* source) {
  if (lookup_source != source) {
    if (lookup_source) lookup_source->RemoveFreeNotification(this);
    if (source) source->FreeNotification(this);
    lookup_source = source;
  }
  lookup_link_.SetDataSource(source);
}

void TRxLookupControl::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == lookup_source) lookup_source = nullptr;
  TWinControl::Notification(component, operation);
}

void TRxLookupControl::SetValue(const std::string& value) {
  if (value != value_) AssignValue(value);
}

bool TRxLookupControl::AssignValue(const std::string& value) {
  value_ = value;
  const bool found = LocateValue();
  ValueChanged();
  return found;
}

void TRxLookupControl::Reset() {
  value_ = empty_value;
  display_value_.clear();
  ValueChanged();
}

void TRxLookupControl::ClearSearchText() {
  if (search_text_.empty()) return;
  search_text_.clear();
  Invalidate();
}

data::TDataSet* TRxLookupControl::LookupDataSet() const {
  return lookup_link_.Active() ? lookup_link_.DataSet() : nullptr;
}

std::string TRxLookupControl::CurrentKeyText() const {
  return list_active_ ? key_field_->AsString() : std::string();
}

std::string TRxLookupControl::CurrentDisplayText(bool all_fields) const {
  if (!list_active_ || !display_field_) return {};
  if (!all_fields || display_fields_.size() < 2) return display_field_->AsString();
  const std::string separator = list_style == TLookupListStyle::lsDelimited ? fields_delimiter : "\t";
  std::string text;
  for (size_t i = 0; i < display_fields_.size(); ++i) {
    if (i > 0) text += separator;
    text += display_fields_[i]->AsString();
  }
  return text;
}

void TRxLookupControl::Invalidate() {
  if (platform_) platform_->Repaint(part_);
}

void TRxLookupControl::ResolveFields() {
  key_field_ = display_field_ = nullptr;
  display_fields_.clear();
  if (const data::TDataSet* table = LookupDataSet()) {
    key_field_ = table->FindField(lookup_field);
    for (const std::string& name : data::SplitFieldNames(lookup_display)) {
      if (data::TField* field = table->FindField(name)) display_fields_.push_back(field);
    }
    if (display_fields_.empty() && key_field_) display_fields_.push_back(key_field_);
    if (!display_fields_.empty()) {
      const auto last = static_cast<int32_t>(display_fields_.size()) - 1;
      display_field_ = display_fields_[static_cast<size_t>(std::clamp(lookup_display_index, 0, last))];
    }
  }
  list_active_ = key_field_ != nullptr;
}

void TRxLookupControl::ListLinkActiveChanged() {
  ResolveFields();
  Invalidate();
}

bool TRxLookupControl::Locate(const data::TField& field, std::string_view text, bool exact) {
  return locate_.Locate(field, text, exact, !ignore_case);
}

bool TRxLookupControl::LocateValue() {
  const bool found = list_active_ && !ValueIsEmpty(value_) && Locate(*key_field_, value_, true);
  display_value_ = found ? CurrentDisplayText(DisplaysAllFields()) : std::string();
  return found;
}

void TRxLookupControl::ProcessSearchKey(char key) {
  if (!CanModify()) return;
  std::string candidate = search_text_;
  if (key == kBackspaceChar) {
    if (!candidate.empty()) candidate.pop_back();
  } else if (static_cast<unsigned char>(key) >= 32) {
    if (search_text_.size() >= kMaxSearchText) return;
    candidate += key;
  } else {
    return;
  }
  if (candidate.empty()) {
    LookupDataSet()->GoFirst();
    SetValue(CurrentKeyText());
  } else if (Locate(*display_field_, candidate, false)) {
    SetValue(CurrentKeyText());
    // The letters as the found name has them; the name begins with the
    // candidate, so it is at least as long.
    candidate = display_field_->AsString().substr(0, candidate.size());
  } else {
    return;  // no name begins so: the character is dropped
  }
  if (candidate != search_text_) {
    search_text_ = std::move(candidate);
    Invalidate();
  }
}

const resources::ClassInfo& TRxLookupControl::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::ComponentProperty<&TRxLookupControl::lookup_source>("LookupSource"),
      resources::StringProperty<&TRxLookupControl::lookup_field>("LookupField"),
      resources::StringProperty<&TRxLookupControl::lookup_display>("LookupDisplay"),
      resources::StringProperty<&TRxLookupControl::empty_value>("EmptyValue"),
      resources::StringProperty<&TRxLookupControl::display_empty>("DisplayEmpty"),
      resources::IntegerProperty<&TRxLookupControl::empty_item_color>("EmptyItemColor", ui::ColorNames()),
      resources::BoolProperty<&TRxLookupControl::ignore_case>("IgnoreCase"),
      resources::BoolProperty<&TRxLookupControl::index_switch>("IndexSwitch"),
      resources::BoolProperty<&TRxLookupControl::read_only>("ReadOnly"),
      resources::EnumProperty<&TRxLookupControl::list_style>("ListStyle", kListStyleNames),
      resources::StringProperty<&TRxLookupControl::fields_delimiter>("FieldsDelimiter"),
      resources::IntegerProperty<&TRxLookupControl::lookup_display_index>("LookupDisplayIndex"),
      resources::IntegerProperty<&TRxLookupControl::item_height>("ItemHeight"),
  };
  static const resources::ClassInfo info{
      "TRxLookupControl", &ui::TWinControl::Class(), kProperties, {}, {}, nullptr};
  return info;
}

}  // namespace search
