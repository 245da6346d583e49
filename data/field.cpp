#include "data/field.h"

#include "base/ascii_name.h"
#include "base/format.h"
#include "data/data_set.h"
#include "data/database_error.h"
#include "data/field_def.h"

namespace data {

TField::TField(base::TComponent* owner) : base::TComponent(owner) {}

TField::~TField() {
  SetDataSet(nullptr);
}

void TField::SetDataSet(TDataSet* data_set) {
  if (data_set == data_set_) return;
  if (data_set_) data_set_->RemoveField(this);
  data_set_ = data_set;
  field_no_ = 0;
  if (data_set_) data_set_->AddField(this);
}

void TField::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove && component == LookupDataSet) LookupDataSet = nullptr;
  base::TComponent::Notification(component, operation);
}

bool TField::GetData(FieldData& out) const {
  if (!data_set_) return false;
  return data_set_->GetFieldData(*this, out) && out.state == FieldData::State::kValue;
}

void TField::SetData(const KeyValue& value) {
  if (!data_set_) throw EDatabaseError(base::Format("Field '%s' has no dataset", field_name_.c_str()));
  data_set_->SetFieldData(*this, value);
}

void TField::AccessError(const char* type_name) const {
  throw EDatabaseError(base::Format("Cannot access field '%s' as type %s", field_name_.c_str(), type_name));
}

void TField::SetLookup(bool lookup) {
  if (lookup) {
    kind_ = TFieldKind::fkLookup;
  } else if (kind_ == TFieldKind::fkLookup) {
    kind_ = TFieldKind::fkData;
  }
}

void TField::SetLookupCache(bool cache) {
  if (cache) {
    throw EDatabaseError(
        base::Format("Field '%s': a lookup cache is not supported; lookup values are found by a scan",
                     field_name_.c_str()));
  }
}

bool TField::IsNull() const {
  FieldData data;
  return !GetData(data);
}

int32_t TField::AsInteger() const {
  AccessError("Integer");
}
std::string TField::AsString() const {
  AccessError("String");
}
void TField::SetAsInteger(int64_t) {
  AccessError("Integer");
}
void TField::SetAsString(std::string_view) {
  AccessError("String");
}

void TField::SetValue(const Variant& value) {
  if (data::IsNull(value)) {
    SetData(KeyValue{});
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    SetAsString(*text);
  } else if (const auto* integer = std::get_if<int64_t>(&value)) {
    SetAsInteger(*integer);
  } else if (const auto* flag = std::get_if<bool>(&value)) {
    SetAsInteger(*flag ? 1 : 0);
  } else {
    AccessError("Float");
  }
}

TField* TFields::FindField(std::string_view name) const {
  for (TField* field : fields_) {
    if (base::SameNameIgnoringAsciiCase(field->FieldName(), name)) return field;
  }
  return nullptr;
}

TField* TFields::FieldByNumber(int32_t field_no) const {
  for (TField* field : fields_) {
    if (field->FieldKind() == TFieldKind::fkData && field->FieldNo() == field_no) return field;
  }
  return nullptr;
}

}  // namespace data
