#include "data/custom_client_data_set.h"

#include <algorithm>
#include <utility>

#include "base/ascii_name.h"
#include "base/format.h"
#include "data/database_error.h"
#include "data/default_collation.h"
#include "data/field_bytes.h"
#include "data/integer_field.h"
#include "data/stored_order.h"
#include "data/string_field.h"

namespace data {

namespace {

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

void TCustomClientDataSet::SetData(std::string packet) {
  packet_copy_ = std::move(packet);
  packet_ = {reinterpret_cast<const uint8_t*>(packet_copy_.data()), packet_copy_.size()};
  if (!Active()) store_.reset();
}

void TCustomClientDataSet::SetDataView(std::span<const uint8_t> packet) {
  std::string().swap(packet_copy_);
  packet_ = packet;
  if (!Active()) store_.reset();
}

void TCustomClientDataSet::InternalOpen() {
  if (packet_.empty() && !store_) DatabaseError("Missing data provider or data packet");
  opening_ = true;
  try {
    if (!packet_.empty()) {
      store_ = std::make_unique<IDSBase>(collation_);
      Check(store_->AppendData(packet_, true));
    }
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
    stored_order_.clear();  // only for the open's first order
    stored_order_.shrink_to_fit();
    store_->SetReadOnly(read_only_);
    window_.Attach(cursor_.get(), [this](RecordBuffer& buffer) { ComputeFields(buffer); });
    UpdateWindowSize();
    window_.FillFromFirst();
    current_record_ = window_.ActiveRecord();
    // Only opening needed the packet: a read-only table's rows are all in
    // the store now and stay as they are.
    if (read_only_) {
      packet_ = {};
      std::string().swap(packet_copy_);
    }
    opening_ = false;
  } catch (...) {
    opening_ = false;
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
    if (store_->FindProperty("PROVFLAGS", column, p))
      field->ProviderFlags = PropertyNumber(p.type_word, AsByteSpan(p.value));
    if (store_->FindProperty("FIELDPROPS", column, p)) field->FieldProps = p.value;
  }
  calc_slots_ = 0;
  for (TField* field : Fields().Items()) {
    if (!field->IsComputed()) continue;
    field->calc_slot_ = calc_slots_++;
    if (field->FieldKind() == TFieldKind::fkLookup) BindLookupField(*field);
  }
}

void TCustomClientDataSet::BindLookupField(TField& field) {
  const auto incomplete = [&field] {
    throw EDatabaseError(
        base::Format("Lookup information for field '%s' is incomplete", field.FieldName().c_str()));
  };
  if (!field.LookupDataSet || field.LookupKeyFields.empty() || field.LookupResultField.empty() ||
      field.KeyFields.empty()) {
    incomplete();
  }
  auto* table = dynamic_cast<TCustomClientDataSet*>(field.LookupDataSet);
  if (!table) incomplete();
  if (table == this) {
    DatabaseError(base::Format("Field '%s' cannot look up its own table", field.FieldName().c_str()));
  }
  LookupBinding binding;
  binding.field = &field;
  binding.table = table;
  for (const std::string& name : SplitFieldNames(field.KeyFields)) {
    const TField* key = FieldByName(name);
    if (key->IsComputed() || key->FieldNo() < 1) incomplete();
    binding.keys.push_back({static_cast<uint32_t>(key->FieldNo()), key->DataType()});
  }
  if (!table->Active()) {
    // Two tables that look each other up would open each other without end.
    if (table->opening_) DatabaseError("Circular datalinks are not allowed");
    table->Open();
  }
  const auto lookup_keys = SplitFieldNames(field.LookupKeyFields);
  for (const std::string& name : lookup_keys) table->FieldByName(name);
  if (lookup_keys.size() != binding.keys.size()) incomplete();
  table->FieldByName(field.LookupResultField);
  // The binding drops when the field or the looked-up table is destroyed first.
  table->FreeNotification(this);
  field.FreeNotification(this);
  lookups_.push_back(std::move(binding));
}

void TCustomClientDataSet::Notification(base::TComponent* component, base::TOperation operation) {
  if (operation == base::TOperation::opRemove) {
    std::erase_if(lookups_, [component](const LookupBinding& binding) {
      return binding.field == component || binding.table == component;
    });
  }
  TDataSet::Notification(component, operation);
}

void TCustomClientDataSet::InternalClose() {
  window_.Detach();
  lookups_.clear();
  calc_slots_ = 0;
  calc_buffer_ = nullptr;
  temp_buffer_ = {};
  cursor_.reset();
  // Without its packet, the store holds the only copy of the rows. An order
  // it adopted and still holds unchecked is checked before it is kept, so a
  // later open never uses an unchecked one.
  if (!packet_.empty()) {
    store_.reset();
  } else if (store_ && stored_order_unchecked_) {
    bool rebuilt = false;
    store_->CheckAdoptedOrders(rebuilt);
  }
  stored_order_unchecked_ = false;
  key_buffer_.clear();
  key_fields_.clear();
  descriptors_.clear();
  current_record_ = 0;
  for (TField* field : Fields().Items()) {
    field->field_no_ = 0;
    field->calc_slot_ = -1;
  }
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
  window_.MarkStale();
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
      if (base::SameNameIgnoringAsciiCase(entry, name)) return true;
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
        if (!AdoptStoredOrder(index)) Check(store_->BuildTemporaryIndex(index));
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

void TCustomClientDataSet::SetStoredOrder(std::span<const uint8_t> bytes) {
  if (!DecodeStoredOrder(bytes, stored_order_)) stored_order_.clear();
  stored_order_.shrink_to_fit();
}

bool TCustomClientDataSet::AdoptStoredOrder(const IndexDescriptor& index) {
  if (stored_order_.empty()) return false;
  stored_order_unchecked_ =
      store_->AdoptTemporaryIndex(index, std::exchange(stored_order_, std::vector<uint32_t>())) == kDsOk;
  return stored_order_unchecked_;
}

bool TCustomClientDataSet::CheckStoredOrder() {
  if (!std::exchange(stored_order_unchecked_, false) || !store_) return false;
  bool rebuilt = false;
  Check(store_->CheckAdoptedOrders(rebuilt));
  if (!rebuilt) return false;
  window_.MarkStale();
  if (current_record_ == 0 || cursor_->MoveToRecord(current_record_) != kDsOk) cursor_->MoveToBOF();
  Resync({});
  DataEvent(TDataEvent::deDataSetChange);
  return true;
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
  RefillWindow(mode);
}

bool TCustomClientDataSet::GetFieldData(const TField& field, FieldData& out) const {
  if (!cursor_ || (field.FieldNo() < 1 && !field.IsComputed())) return false;
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
  const bool calc_state = State() == TDataSetState::dsCalcFields && calc_buffer_;
  if (field.IsComputed()) {
    const RecordBuffer* buffer = calc_state ? calc_buffer_ : window_.ActiveBuffer();
    const auto slot = static_cast<size_t>(field.calc_slot_);
    if (!buffer || field.calc_slot_ < 0 || slot >= buffer->calc.size()) return false;
    const Variant& value = buffer->calc[slot];
    if (IsNull(value)) {
      out.state = FieldData::State::kNull;
      out.bytes.clear();
    } else {
      out.state = FieldData::State::kValue;
      if (const auto* text = std::get_if<std::string>(&value)) {
        out.bytes = *text;
      } else {
        const auto* number = std::get_if<int64_t>(&value);
        const uint64_t v = number ? static_cast<uint64_t>(*number) : 0;
        out.bytes.assign(8, '\0');
        for (size_t i = 0; i < 8; ++i) out.bytes[i] = static_cast<char>(v >> (8 * i));
      }
    }
    out.length = static_cast<int32_t>(out.bytes.size());
    return true;
  }
  const uint32_t record = calc_state ? calc_buffer_->record : current_record_;
  if (record == 0) return false;
  return store_->GetField(record, column, out) == kDsOk;
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

// --- Computed fields, lookup and search by value -----------------------------

void TCustomClientDataSet::ComputeFields(RecordBuffer& buffer) {
  buffer.calc.assign(static_cast<size_t>(calc_slots_), Variant{});
  // A chain of lookup tables that leads back to this one leaves the inner values null.
  if (lookups_.empty() || computing_) return;
  const TDataSetState previous = SetTempState(TDataSetState::dsCalcFields);
  const RecordBuffer* outer = std::exchange(calc_buffer_, &buffer);
  computing_ = true;
  const auto restore = [&] {
    computing_ = false;
    calc_buffer_ = outer;
    RestoreState(previous);
  };
  try {
    FieldData data;
    std::vector<Variant> keys;
    for (const LookupBinding& binding : lookups_) {
      if (!binding.table->Active()) continue;
      keys.clear();
      for (const RowMatcher::Key& key : binding.keys) {
        Check(store_->GetField(buffer.record, key.column, data));
        keys.push_back(DecodeValue(key.type, data));
      }
      const Variant result =
          binding.table->Lookup(binding.field->LookupKeyFields, keys, binding.field->LookupResultField);
      if (IsNull(result)) continue;
      TField& field = *binding.field;
      Variant stored;
      if (KeyClassOf(field.DataType()) == KeyClass::kText) {
        std::string text;
        if (const auto* s = std::get_if<std::string>(&result)) {
          text = *s;
        } else if (const auto* i = std::get_if<int64_t>(&result)) {
          text = std::to_string(*i);
        }
        if (field.Size() > 0 && text.size() > static_cast<size_t>(field.Size()))
          text.resize(static_cast<size_t>(field.Size()));
        stored = std::move(text);
      } else if (const auto* i = std::get_if<int64_t>(&result)) {
        stored = *i;
      }
      buffer.calc[static_cast<size_t>(field.calc_slot_)] = std::move(stored);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

std::vector<RowMatcher::Key> TCustomClientDataSet::MatchKeys(std::string_view names, size_t values) const {
  std::vector<RowMatcher::Key> keys;
  for (const std::string& name : SplitFieldNames(std::string(names))) {
    const TField* field = FieldByName(name);
    if (field->IsComputed() || field->FieldNo() < 1 ||
        KeyClassOf(field->DataType()) == KeyClass::kUnsupported)
      DatabaseError(base::Format("Field '%s' is of an unsupported type", field->FieldName().c_str()));
    keys.push_back({static_cast<uint32_t>(field->FieldNo()), field->DataType()});
  }
  if (keys.empty() || keys.size() != values) DatabaseError("Field index out of range");
  return keys;
}

uint32_t TCustomClientDataSet::Scan(RowMatcher& matcher) {
  window_.MarkStale();
  uint32_t record = 0;
  if (const auto key = matcher.SingleIntegerKey()) {
    return cursor_->FindFirstInteger(key->column, key->unsigned_values, key->value, record) == kDsOk ? record
                                                                                                     : 0;
  }
  const auto match = [&matcher](uint32_t r, const IDSCursor::RowReader& read) {
    return matcher.Matches(r, read);
  };
  return cursor_->ScanFromFirst(match, record) == kDsOk ? record : 0;
}

Variant TCustomClientDataSet::ValueOf(const TField& field, const RecordBuffer& buffer) const {
  if (field.IsComputed()) {
    const auto slot = static_cast<size_t>(field.calc_slot_);
    return field.calc_slot_ >= 0 && slot < buffer.calc.size() ? buffer.calc[slot] : Variant{};
  }
  FieldData data;
  if (field.FieldNo() < 1 ||
      store_->GetField(buffer.record, static_cast<uint32_t>(field.FieldNo()), data) != kDsOk)
    return {};
  return DecodeValue(field.DataType(), data);
}

std::vector<Variant> TCustomClientDataSet::LookupValues(std::string_view key_fields,
                                                        const std::vector<Variant>& key_values,
                                                        std::string_view result_fields) {
  CheckBrowseMode();
  window_.MarkStale();
  RowMatcher matcher(MatchKeys(key_fields, key_values.size()), key_values, {});
  std::vector<const TField*> results;
  for (const std::string& name : SplitFieldNames(std::string(result_fields)))
    results.push_back(FieldByName(name));
  const uint32_t record = Scan(matcher);
  if (record == 0) return {};
  temp_buffer_.record = record;
  ComputeFields(temp_buffer_);
  const TDataSetState previous = SetTempState(TDataSetState::dsCalcFields);
  const RecordBuffer* outer = std::exchange(calc_buffer_, &temp_buffer_);
  std::vector<Variant> values;
  for (const TField* field : results) values.push_back(ValueOf(*field, temp_buffer_));
  calc_buffer_ = outer;
  RestoreState(previous);
  return values;
}

Variant TCustomClientDataSet::Lookup(std::string_view key_fields, const std::vector<Variant>& key_values,
                                     std::string_view result_field) {
  std::vector<Variant> values = LookupValues(key_fields, key_values, result_field);
  return values.empty() ? Variant{} : std::move(values.front());
}

bool TCustomClientDataSet::LocateRow(std::string_view key_fields, const std::vector<Variant>& key_values,
                                     LocateOptions options) {
  CheckBrowseMode();
  DoBeforeScroll();
  RowMatcher matcher(MatchKeys(key_fields, key_values.size()), key_values, options);
  if (Scan(matcher) == 0) return false;
  RefillWindow({true, true});
  DataEvent(TDataEvent::deDataSetChange);
  DoAfterScroll();
  return true;
}

// --- Bookmarks ---------------------------------------------------------------

TCustomClientDataSet::TBookmark TCustomClientDataSet::TakeBookmark() const {
  const TDataSetState state = State();
  if (state != TDataSetState::dsBrowse && state != TDataSetState::dsEdit && state != TDataSetState::dsInsert)
    return 0;
  return current_record_;
}

void TCustomClientDataSet::ReturnToBookmark(TBookmark mark) {
  if (mark == 0) return;
  CheckBrowseMode();
  DoBeforeScroll();
  window_.MarkStale();
  Check(cursor_->MoveToRecord(mark));
  RefillWindow({true, true});
  DataEvent(TDataEvent::deDataSetChange);
  DoAfterScroll();
}

bool TCustomClientDataSet::BookmarkUsable(TBookmark mark) {
  if (!cursor_ || mark == 0) return false;
  window_.MarkStale();
  uint32_t record = 0;
  return cursor_->MoveToRecord(mark) == kDsOk && cursor_->GetCurrentRecord(record) == kDsOk;
}

}  // namespace data
