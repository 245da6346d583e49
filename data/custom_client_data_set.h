// TCustomClientDataSet: a read-only in-memory table over one row store
// (IDSBase) and one cursor (IDSCursor): field definitions, field objects, an
// order chosen by IndexFieldNames or IndexName, the current record and the
// exact-key search SeekKey.
//
// Creating and opening a table in code:
//
//   data::TClientDataSet table(owner);           // or with a Collation*
//   table.SetName("daTel");
//   table.SetData(packet_bytes);                 // the Data payload
//   table.SetIndexFieldNames("TEL");             // stored until open
//   table.SetReadOnly(true);
//   table.Open();                                // or SetStreamedActive(true) + Loaded()
//   table.FieldByName("TEL")->AsInteger();
//   table.SeekKey({int64_t{12345}});             // true: the current record moved
//
// Errors: EDatabaseError "name: message" for the table's own failures;
// EDBClient (carrying the code) when the row store refuses the packet or an
// operation; field range errors carry no table name. A failed operation
// leaves the order, the current record and the rows as they were.
//
// Orders: writing IndexFieldNames (field-names mode) or IndexName
// (index-name mode) on an open table settles pending edits
// (deCheckBrowseMode), and when text or mode differ from the stored ones
// resolves the new order, rebuilds the temporary sort index if the
// descriptor differs from the one in use, keeps the current record, refills
// and sends deDataSetChange. Nothing is cached: every change of descriptor
// sorts all rows again.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/collation.h"
#include "data/data_set.h"
#include "data/ds_base.h"
#include "data/ds_cursor.h"
#include "data/field_def.h"
#include "data/index_def.h"
#include "data/row_matcher.h"
#include "data/variant.h"

namespace data {

class TCustomClientDataSet : public TDataSet {
 public:
  // `collation` orders the table's text (null: DefaultCollation()); it must
  // outlive the table.
  explicit TCustomClientDataSet(base::TComponent* owner, const Collation* collation = nullptr);
  ~TCustomClientDataSet() override;
  const char* ClassName() const override { return "TCustomClientDataSet"; }

  // The packet bytes (the Data payload) loaded when the table opens.
  // A read-only table lets them go once it is open: its rows cannot change,
  // so it keeps them only in its row store, which stays over a close and
  // serves the next open. A new packet replaces that store.
  void SetData(std::string packet);
  // The same without a copy, for packet bytes that stay valid as long as
  // the table may open (a window description embedded in the program).
  void SetDataView(std::span<const uint8_t> packet);
  // The packet the next open reads: empty once a read-only table let it go.
  std::string_view Data() const { return {reinterpret_cast<const char*>(packet_.data()), packet_.size()}; }

  // A stored order of the IndexFieldNames order (bytes of data/stored_order.h),
  // computed ahead of time: the open adopts it instead of sorting when it
  // fits the rows (otherwise it sorts as always) and then drops it. Bytes
  // that are no stored order are dropped at once.
  void SetStoredOrder(std::span<const uint8_t> bytes);
  // Whether the open adopted a stored order that CheckStoredOrder has not checked.
  bool StoredOrderUnchecked() const { return stored_order_unchecked_; }
  // Checks an adopted stored order, once, against the table's collation:
  // where a pair of neighbouring rows is out of order or equal, the order is
  // built anew as if no stored order had been given, the current record
  // stays current and deDataSetChange tells the attached controls. Returns
  // whether it rebuilt the order.
  bool CheckStoredOrder();

  // The stored Active property of a window description: the table opens in
  // Loaded(), once the whole description has been read.
  void SetStreamedActive(bool active) { streamed_active_ = active; }
  void Loaded() override;

  const TFieldDefs& FieldDefs() const { return field_defs_; }
  TIndexDefs& IndexDefs() { return index_defs_; }
  const TIndexDefs& IndexDefs() const { return index_defs_; }

  // The text while in field-names mode, else "".
  std::string IndexFieldNames() const { return field_names_mode_ ? index_text_ : std::string(); }
  void SetIndexFieldNames(std::string names);
  // The name while in index-name mode, else "".
  std::string IndexName() const { return field_names_mode_ ? std::string() : index_text_; }
  void SetIndexName(std::string name);

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);

  // Options recorded from the packet's DISABLE_EDITS, DISABLE_INSERTS,
  // DISABLE_DELETES and NO_RESET_CALL table properties.
  enum Option : uint8_t { kDisableEdits = 1, kDisableInserts = 2, kDisableDeletes = 4, kNoResetCall = 8 };
  uint8_t PacketOptions() const { return packet_options_; }

  // Exact search of the current order for `values` (one per leading key
  // field, at least one). True: found, the first equal entry is the current
  // record, buffers refilled, deDataSetChange sent. False: nothing moved.
  // Fails with "No index currently active" on an order without key fields,
  // "Field index out of range" for more values than key fields, a field's
  // range or conversion error for a value it cannot take.
  bool SeekKey(const std::vector<Variant>& values);

  // --- Lookup and search by value ---

  // The value of `result_field` in the first row of the current order whose
  // `key_fields` (names separated by ";") equal `key_values` (one per name),
  // found by a linear scan from the first row; null when no row matches.
  // Settles pending edits (deCheckBrowseMode) and sends nothing else: the
  // current record, the record buffers and what attached controls show stay
  // as they were; only the row store's cursor moved (the window repositions
  // it before its next fetch). Keys are compared as typed values (see
  // data/row_matcher.h). Fails with "Field '%s' not found", or "Field '%s'
  // is of an unsupported type" for a key field that cannot be compared.
  Variant Lookup(std::string_view key_fields, const std::vector<Variant>& key_values,
                 std::string_view result_field);
  // The same for several result fields ("A;B"): one value each, or an empty
  // list when no row matches.
  std::vector<Variant> LookupValues(std::string_view key_fields, const std::vector<Variant>& key_values,
                                    std::string_view result_fields);

  // Makes the first row of the order whose key fields equal the values
  // current (options: case-insensitive text, the last text key as a
  // prefix). True: the window is refilled around it in centre mode,
  // deDataSetChange and AfterScroll follow. False: the current record and
  // the window do not change. Raises BeforeScroll first in both cases.
  bool LocateRow(std::string_view key_fields, const std::vector<Variant>& key_values,
                 LocateOptions options = {});

  // --- Bookmarks: a mark is the record number of a row, 0 for none ---
  using TBookmark = uint32_t;
  // The mark of the current record; 0 while closed, in a temporary state or empty.
  TBookmark TakeBookmark() const;
  // Makes the marked row current (centred refill, deDataSetChange,
  // AfterScroll); 0 does nothing; a mark the row store cannot resolve fails
  // with EDBClient.
  void ReturnToBookmark(TBookmark mark);
  // Whether the marked row can still be reached; nothing visible changes.
  bool BookmarkUsable(TBookmark mark);
  // Marks hold no resources: nothing to release.
  void DropBookmark(TBookmark /*mark*/) {}

  // The record number (1-based, in packet order) of the current record, 0 when none.
  uint32_t CurrentRecord() const { return current_record_; }
  // Rows in the current order.
  uint32_t RecordCount() const;
  // The column numbers of the current order's key fields.
  const std::vector<uint32_t>& KeyFields() const { return key_fields_; }

  // The engine underneath (null while closed), for the record window and tests.
  IDSBase* RowStore() const { return store_.get(); }
  IDSCursor* Cursor() const { return cursor_.get(); }
  const Collation& collation() const { return collation_; }

  bool GetFieldData(const TField& field, FieldData& out) const override;
  void SetFieldData(TField& field, const KeyValue& value) override;

  // A lookup field or looked-up table that goes drops its binding: the
  // field then computes no value.
  void Notification(base::TComponent* component, base::TOperation operation) override;

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  void Resync(ResyncMode mode) override;
  void ActiveRowChanged() override { current_record_ = window_.ActiveRecord(); }

 private:
  void SetIndex(std::string text, bool field_names_mode);
  // Resolves the stored order and makes it the cursor's (steps shared by
  // open and an order change); restores the cursor onto the current record.
  void ApplyOrder();
  // Hands the stored order, if any, to the row store as the order of
  // `index`. True when the store adopted it.
  bool AdoptStoredOrder(const IndexDescriptor& index);
  IndexDescriptor FieldNamesDescriptor() const;
  IndexDescriptor IndexDefDescriptor(const TIndexDef& def) const;
  void BindFields();
  // The binding check of a lookup field (opens its lookup table).
  void BindLookupField(TField& field);
  // Fills a fetched buffer's computed values (the calc-fields state).
  void ComputeFields(RecordBuffer& buffer);
  // The key fields named in `names`, resolved for a RowMatcher.
  std::vector<RowMatcher::Key> MatchKeys(std::string_view names, size_t values) const;
  // Scans the current order from its first row; the first matching record or 0.
  uint32_t Scan(RowMatcher& matcher);
  Variant ValueOf(const TField& field, const RecordBuffer& buffer) const;
  [[noreturn]] void EngineError(DsResult code) const;
  void Check(DsResult code) const {
    if (code != kDsOk) EngineError(code);
  }

  const Collation& collation_;
  std::span<const uint8_t> packet_;  // into packet_copy_, or a view given by SetDataView
  std::string packet_copy_;
  std::vector<uint32_t> stored_order_;  // record numbers; empty for none
  bool stored_order_unchecked_ = false;
  bool streamed_active_ = false;
  TFieldDefs field_defs_;
  TIndexDefs index_defs_;
  std::string index_text_;
  bool field_names_mode_ = false;
  bool read_only_ = false;
  uint8_t packet_options_ = 0;
  // The row store while open; after a close, the rows of a read-only table
  // whose packet was let go (null otherwise).
  std::unique_ptr<IDSBase> store_;
  std::unique_ptr<IDSCursor> cursor_;
  std::vector<FieldDescriptor> descriptors_;
  std::vector<TField*> default_fields_;  // created by the table at open, destroyed at close
  std::vector<uint32_t> key_fields_;
  std::vector<KeyValue> key_buffer_;  // by column (index 0 unused)
  uint32_t current_record_ = 0;

  struct LookupBinding {
    TField* field = nullptr;
    TCustomClientDataSet* table = nullptr;
    std::vector<RowMatcher::Key> keys;  // the owning table's key columns
  };
  std::vector<LookupBinding> lookups_;
  int32_t calc_slots_ = 0;
  RecordBuffer temp_buffer_;                   // the row a Lookup found
  const RecordBuffer* calc_buffer_ = nullptr;  // the buffer being computed (calc-fields state)
  bool computing_ = false;                     // guards against lookups that lead back here
  bool opening_ = false;                       // inside InternalOpen
};

}  // namespace data
