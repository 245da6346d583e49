#include "data/custom_client_data_set.h"

#include <algorithm>

#include "base/format.h"
#include "data/database_error.h"
#include "data/default_collation.h"
#include "data/integer_field.h"
#include "data/string_field.h"

namespace data {

namespace {

// The numeric value of a kept property (unsigned 16-bit for width 2, else 32-bit).
uint32_t PropertyNumber(const KeptProperty& p) {
  uint32_t v = 0;
  const size_t n = std::min<size_t>(p.value.size(), (p.type_word & 0xFFFF) == 2 ? 2 : 4);
  for (size_t i = 0; i < n; ++i) v |= uint32_t{static_cast<uint8_t>(p.value[i])} << (8 * i);
  return v;
}

std::string PropertyText(const KeptProperty& p) {
  std::string text = p.value;
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

bool IsTextType(TFieldType type) {
  switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
    case TFieldType::ftGuid:
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
    case TFieldType::ftBlob:
    case TFieldType::ftMemo:
      return true;
    default:
      return false;
  }
}

// The field object a definition gets when the window declares none.
TField* MakeDefaultField(base::TComponent* owner, const TFieldDef& def) {
  TField* field = nullptr;
  switch (def.DataType) {
    case TFieldType::ftSmallint:
      field = new TSmallintField(owner);
      break;
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc:
      field = new TIntegerField(owner);
      break;
    case TFieldType::ftString:
      field = new TStringField(owner);
      field->SetSize(def.Size);
      break;
    default:
      return nullptr;  // no field class for this type yet: the column stays without a field
  }
  field->SetFieldName(def.Name);
  return field;
}

}  // namespace

TCustomClientDataSet::TCustomClientDataSet(base::TComponent* owner, const Collation* collation)
    : TDataSet(owner), collation_(collation ? *collation : DefaultCollation()) {}

TCustomClientDataSet::~TCustomClientDataSet() {
  if (Active()) InternalClose();
}

void TCustomClientDataSet::Loaded() {
  TDataSet::Loaded();
  if (streamed_active_) Open();
}

void TCustomClientDataSet::EngineError(DsResult code) const {
  const std::string text = store_ ? store_->GetErrorString(code) : std::string(ResultMessage(code));
  throw EDBClient(TableMessage(Name(), text), code);
}

void TCustomClientDataSet::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  if (store_) store_->SetReadOnly(read_only);
}

uint32_t TCustomClientDataSet::RecordCount() const {
  return cursor_ ? cursor_->RecordCount() : 0;
}

// --- Opening and closing -----------------------------------------------------

void TCustomClientDataSet::InternalOpen() {
  if (packet_.empty()) DatabaseError("Missing data provider or data packet");
  try {
    store_ = std::make_unique<IDSBase>(collation_);
    const auto* bytes = reinterpret_cast<const uint8_t*>(packet_.data());
    Check(store_->AppendData(std::span<const uint8_t>(bytes, packet_.size()), true));
    descriptors_ = store_->FieldDescriptors();
    field_defs_.Assign(MakeFieldDefs(descriptors_));
    packet_options_ = 0;
    if (store_->BoolProperty("DISABLE_EDITS")) packet_options_ |= kDisableEdits;
    if (store_->BoolProperty("DISABLE_INSERTS")) packet_options_ |= kDisableInserts;
    if (store_->BoolProperty("DISABLE_DELETES")) packet_options_ |= kDisableDeletes;
    if (store_->BoolProperty("NO_RESET_CALL")) packet_options_ |= kNoResetCall;
    BindFields();
    key_buffer_.assign(descriptors_.size() + 1, KeyValue{});
    cursor_ = std::make_unique<IDSCursor>(*store_);
    cursor_->MoveToBOF();
    current_record_ = 0;
    ApplyOrder();
    if (read_only_) store_->SetReadOnly(true);
    uint32_t first = 0;
    current_record_ = cursor_->GetNextRecord(first) == kDsOk ? first : 0;
  } catch (...) {
    InternalClose();
    throw;
  }
}

void TCustomClientDataSet::BindFields() {
  if (Fields().Count() == 0) {
    for (const TFieldDef& def : field_defs_.Items()) {
      if (TField* field = MakeDefaultField(this, def)) {
        field->SetDataSet(this);
        default_fields_.push_back(field);
      }
    }
  }
  for (TField* field : Fields().Items()) {
    if (field->FieldKind() != TFieldKind::fkData) continue;
    const TFieldDef* def = field_defs_.Find(field->FieldName());
    if (!def) DatabaseError(base::Format("Field '%s' not found", field->FieldName().c_str()));
    if (def->DataType != field->DataType() &&
        !(def->DataType == TFieldType::ftAutoInc && field->DataType() == TFieldType::ftInteger)) {
      DatabaseError(base::Format("Type mismatch for field '%s', expecting: %s actual: %s",
                                 field->FieldName().c_str(), FieldTypeName(field->DataType()),
                                 FieldTypeName(def->DataType)));
    }
    field->field_no_ = def->Column;
    const auto column = static_cast<uint32_t>(def->Column);
    KeptProperty p;
    if (store_->FindProperty("ORIGIN", column, p)) field->Origin = PropertyText(p);
    if (store_->FindProperty("PROVFLAGS", column, p)) field->ProviderFlags = PropertyNumber(p);
    if (store_->FindProperty("FIELDPROPS", column, p)) field->FieldProps = p.value;
  }
}

void TCustomClientDataSet::InternalClose() {
  cursor_.reset();
  store_.reset();
  key_buffer_.clear();
  key_fields_.clear();
  descriptors_.clear();
  current_record_ = 0;
  for (TField* field : Fields().Items()) field->field_no_ = 0;
  const auto created = std::move(default_fields_);
  default_fields_.clear();
  for (TField* field : created) delete field;
  field_defs_.Clear();
}

// --- Orders ------------------------------------------------------------------

void TCustomClientDataSet::SetIndexFieldNames(std::string names) {
  const bool mode = !names.empty();
  SetIndex(std::move(names), mode);
}

void TCustomClientDataSet::SetIndexName(std::string name) {
  SetIndex(std::move(name), false);
}

void TCustomClientDataSet::SetIndex(std::string text, bool field_names_mode) {
  if (!Active()) {
    index_text_ = std::move(text);
    field_names_mode_ = field_names_mode;
    return;
  }
  CheckBrowseMode();
  if (current_record_ != 0) cursor_->MoveToRecord(current_record_);
  if (text == index_text_ && field_names_mode == field_names_mode_) return;
  // A refused order keeps the old text and mode, so that the stored setting
  // always names the order in use.
  std::string old_text = std::exchange(index_text_, std::move(text));
  const bool old_mode = std::exchange(field_names_mode_, field_names_mode);
  try {
    ApplyOrder();
  } catch (...) {
    index_text_ = std::move(old_text);
    field_names_mode_ = old_mode;
    throw;
  }
  Resync({});
  DataEvent(TDataEvent::deDataSetChange);
}

IndexDescriptor TCustomClientDataSet::FieldNamesDescriptor() const {
  IndexDescriptor index;
  for (const std::string& name : SplitFieldNames(index_text_)) {
    const TField* field = FindField(name);
    if (!field) DatabaseError(base::Format("Field '%s' not found", name.c_str()));
    if (field->FieldKind() != TFieldKind::fkData || field->FieldNo() < 1)
      DatabaseError("Field index out of range");
    if (index.fields.size() == IndexDescriptor::kMaxFields) DatabaseError("Too many fields in index");
    if (index.fields.empty()) index.name = field->FieldName().substr(0, IndexDescriptor::kMaxName);
    index.fields.push_back({static_cast<uint32_t>(field->FieldNo()), false, false});
  }
  if (index.fields.empty()) index.name = kDefaultOrderName;
  return index;
}

IndexDescriptor TCustomClientDataSet::IndexDefDescriptor(const TIndexDef& def) const {
  const auto listed = [](const std::string& list, const std::string& name) {
    for (const auto& entry : SplitFieldNames(list)) {
      if (SameName(entry, name)) return true;
    }
    return false;
  };
  IndexDescriptor index;
  index.name = def.Name.substr(0, IndexDescriptor::kMaxName);
  index.unique = (def.Options & ixUnique) != 0;
  index.primary = (def.Options & ixPrimary) != 0;
  for (const std::string& name : SplitFieldNames(def.Fields)) {
    const TFieldDef* field = field_defs_.Find(name);
    if (!field) DatabaseError(base::Format("Field '%s' not found", name.c_str()));
    if (index.fields.size() == IndexDescriptor::kMaxFields) DatabaseError("Too many fields in index");
    IndexKeyField key;
    key.field_no = static_cast<uint32_t>(field->Column);
    key.descending = (def.Options & ixDescending) && (def.DescFields.empty() || listed(def.DescFields, name));
    if (!(def.Options & ixDescending)) key.descending = listed(def.DescFields, name);
    key.case_insensitive =
        (def.Options & ixCaseInsensitive) && (def.CaseInsFields.empty() || listed(def.CaseInsFields, name));
    if (!(def.Options & ixCaseInsensitive)) key.case_insensitive = listed(def.CaseInsFields, name);
    index.fields.push_back(key);
  }
  return index;
}

void TCustomClientDataSet::ApplyOrder() {
  if (field_names_mode_) {
    const IndexDescriptor index = FieldNamesDescriptor();
    if (!(index == cursor_->CurrentIndex())) {
      if (index.fields.empty()) {
        Check(cursor_->UseIndex(kDefaultOrderName));
      } else {
        Check(store_->BuildTemporaryIndex(index));
        Check(cursor_->UseTemporaryIndex());
      }
    }
  } else {
    if (!store_->HasIndex(index_text_)) {
      const TIndexDef* def = index_defs_.Find(index_text_);
      if (!def) DatabaseError(base::Format("Index '%s' not found", index_text_.c_str()));
      Check(store_->CreateIndex(IndexDefDescriptor(*def)));
    }
    Check(cursor_->UseIndex(index_text_));
  }
  if (current_record_ == 0 || cursor_->MoveToRecord(current_record_) != kDsOk) cursor_->MoveToBOF();
  key_fields_.clear();
  for (const IndexKeyField& key : cursor_->CurrentIndex().fields) key_fields_.push_back(key.field_no);
}

// --- Key search --------------------------------------------------------------

bool TCustomClientDataSet::SeekKey(const std::vector<Variant>& values) {
  CheckBrowseMode();
  DoBeforeScroll();
  if (key_fields_.empty()) DatabaseError("No index currently active");
  if (values.empty() || values.size() > key_fields_.size()) DatabaseError("Field index out of range");
  std::fill(key_buffer_.begin(), key_buffer_.end(), KeyValue{});
  {
    const TDataSetState previous = SetTempState(TDataSetState::dsSetKey);
    try {
      for (size_t k = 0; k < values.size(); ++k) {
        const uint32_t column = key_fields_[k];
        if (column == 0 || column >= key_buffer_.size()) DatabaseError("Field index out of range");
        TField* field = Fields().FieldByNumber(static_cast<int32_t>(column));
        if (!field) {
          DatabaseError(
              base::Format("Cannot access index field '%s'", descriptors_[column - 1].name.c_str()));
        }
        field->SetValue(values[k]);
      }
    } catch (...) {
      RestoreState(previous);
      throw;
    }
    RestoreState(previous);
  }
  DoAfterScroll();
  std::vector<KeyValue> key;
  key.reserve(values.size());
  for (size_t k = 0; k < values.size(); ++k) key.push_back(key_buffer_[key_fields_[k]]);
  uint32_t found = 0;
  const DsResult r = cursor_->SeekKey(key, values.size(), found);
  if (r == kDsKeyNotFound) return false;
  Check(r);
  current_record_ = found;
  Resync({true, true});
  DataEvent(TDataEvent::deDataSetChange);
  return true;
}

// --- Record access -----------------------------------------------------------

void TCustomClientDataSet::Resync(ResyncMode mode) {
  uint32_t record = 0;
  if (cursor_->GetCurrentRecord(record) == kDsOk) {
    current_record_ = record;
    return;
  }
  if (mode.exact) DatabaseError("Record not found");
  if (cursor_->GetNextRecord(record) == kDsOk || cursor_->GetPriorRecord(record) == kDsOk) {
    current_record_ = record;
  } else {
    current_record_ = 0;
  }
}

bool TCustomClientDataSet::GetFieldData(const TField& field, FieldData& out) const {
  if (!store_ || field.FieldNo() < 1) return false;
  const auto column = static_cast<uint32_t>(field.FieldNo());
  if (State() == TDataSetState::dsSetKey) {
    if (column >= key_buffer_.size()) return false;
    const KeyValue& key = key_buffer_[column];
    out.state = key.null ? FieldData::State::kNull : FieldData::State::kValue;
    if (IsTextType(field.DataType())) {
      out.bytes = key.text;
    } else {
      out.bytes.assign(8, '\0');
      for (size_t i = 0; i < 8; ++i)
        out.bytes[i] = static_cast<char>(static_cast<uint64_t>(key.integer) >> (8 * i));
    }
    out.length = static_cast<int32_t>(out.bytes.size());
    return true;
  }
  if (current_record_ == 0) return false;
  return store_->GetField(current_record_, column, out) == kDsOk;
}

void TCustomClientDataSet::SetFieldData(TField& field, const KeyValue& value) {
  if (State() == TDataSetState::dsSetKey) {
    const auto column = static_cast<size_t>(field.FieldNo());
    if (column == 0 || column >= key_buffer_.size()) DatabaseError("Field index out of range");
    key_buffer_[column] = value;
    return;
  }
  if (read_only_) DatabaseError("Cannot modify a read-only dataset");
  DatabaseError("Dataset not in edit or insert mode");
}

}  // namespace data
