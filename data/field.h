// TField: a typed view of one column of a table's current record, and TFields,
// a table's list of them.
//
// A field is a component (the window that declares it owns it); it reads its
// value from its data set (TDataSet), which answers from the current record
// or, in the set-key state, from the search-key buffer. Writing a value is
// allowed only in the set-key state here: the tables are read-only, so any
// other write fails with the data set's read-only error.
//
// Subclasses: TNumericField > TIntegerField > TSmallintField
// (data/integer_field.h), TStringField (data/string_field.h). The base class
// reads and writes no type: AsInteger and AsString of a plain TField fail
// with "Cannot access field '%s' as type %s".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/component.h"
#include "data/ds_base.h"
#include "data/field_type.h"
#include "data/variant.h"

namespace data {

class TDataSet;

enum class TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

class TField : public base::TComponent {
 public:
  explicit TField(base::TComponent* owner);
  ~TField() override;
  const char* ClassName() const override { return "TField"; }

  const std::string& FieldName() const { return field_name_; }
  void SetFieldName(std::string name) { field_name_ = std::move(name); }
  TFieldType DataType() const { return data_type_; }
  TFieldKind FieldKind() const { return kind_; }
  void SetFieldKind(TFieldKind kind) { kind_ = kind; }
  // The stored flag Lookup: True makes the field a lookup field (fkLookup).
  bool Lookup() const { return kind_ == TFieldKind::fkLookup; }
  void SetLookup(bool lookup);
  // Whether the field has no column: calculated, lookup and aggregate fields
  // take their value from a slot of the record buffer instead.
  bool IsComputed() const { return kind_ != TFieldKind::fkData; }
  int32_t Size() const { return size_; }
  void SetSize(int32_t size) { size_ = size; }
  // The column this field is bound to (1-based), 0 while unbound.
  int32_t FieldNo() const { return field_no_; }

  // The table, or null. Setting it adds the field to the table's Fields (and
  // removes it from the previous table's).
  TDataSet* DataSet() const { return data_set_; }
  void SetDataSet(TDataSet* data_set);

  // The looked-up table going first leaves LookupDataSet null.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  // Stored properties without behaviour in this program.
  std::string Origin;
  int32_t DisplayWidth = 0;
  bool Required = false;
  bool ReadOnly = false;
  uint32_t ProviderFlags = 0;
  std::string FieldProps;  // the streamed field properties of "FIELDPROPS", as kept

  // Lookup fields (fkLookup): the owning table's key field(s) (names
  // separated by ";"), the table searched, its matched field(s) in the same
  // count and order, and its field whose value is taken. Checked when the
  // owning table opens (see TCustomClientDataSet::Open).
  std::string KeyFields;
  TDataSet* LookupDataSet = nullptr;
  std::string LookupKeyFields;
  std::string LookupResultField;
  // A cached list of key/value pairs is not supported: the value is always
  // found by a scan. Setting True fails with EDatabaseError.
  bool LookupCache() const { return false; }
  void SetLookupCache(bool cache);

  bool IsNull() const;
  virtual int32_t AsInteger() const;
  virtual std::string AsString() const;
  virtual void SetAsInteger(int64_t value);
  virtual void SetAsString(std::string_view value);
  // Assigns a typed constant through the typed setter (null clears).
  virtual void SetValue(const Variant& value);

 protected:
  TField(base::TComponent* owner, TFieldType type, int32_t size) : TField(owner) {
    data_type_ = type;
    size_ = size;
  }
  // The raw value of the current record (or of the key buffer in the set-key
  // state); false when the field is null or there is no record.
  bool GetData(FieldData& out) const;
  // Stores `value` through the data set (the set-key buffer only).
  void SetData(const KeyValue& value);
  [[noreturn]] void AccessError(const char* type_name) const;

 private:
  friend class TDataSet;
  friend class TCustomClientDataSet;  // binds field_no_ when the table opens
  std::string field_name_;
  TFieldType data_type_ = TFieldType::ftUnknown;
  TFieldKind kind_ = TFieldKind::fkData;
  int32_t size_ = 0;
  int32_t field_no_ = 0;
  int32_t calc_slot_ = -1;  // the record buffer slot of a computed field, -1 while unbound
  TDataSet* data_set_ = nullptr;
};

// A table's fields, in order (not owning: fields belong to their owner).
class TFields {
 public:
  size_t Count() const { return fields_.size(); }
  TField* operator[](size_t i) const { return fields_[i]; }
  const std::vector<TField*>& Items() const { return fields_; }
  // The field of that name (ASCII case ignored), or null.
  TField* FindField(std::string_view name) const;
  // The data field bound to column `field_no`, or null.
  TField* FieldByNumber(int32_t field_no) const;

 private:
  friend class TDataSet;
  std::vector<TField*> fields_;
};

}  // namespace data
