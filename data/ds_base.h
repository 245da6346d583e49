// IDSBase: the row store of one table: field descriptors, rows, the table's
// locale, kept properties and the built orders (indexes).
//
// Loading (AppendData): the first packet is read through the datapacket
// reader (data/datapacket_reader.h): column descriptors become field
// descriptors, column and table properties are applied or kept, then every
// row is stored. A failed first load leaves the store empty, as if never
// loaded; a failed append leaves the rows loaded before it (and those of a
// bad packet read before the fault; out of memory, none of the append's).
// Further packets go through the reader kept from the first one (InitAppend).
//
// Rows: record numbers from 1 in packet order. A row holds a status byte and
// per field a state (value, null, not changed) and the value: fixed-size
// values as they came (little-endian), byte-like values (text, bytes, blobs)
// in the store's text area. A row whose status has 0x01, 0x02 or 0x20 is kept
// but takes no place in any order, unless the table is a change table.
//
// Orders: "DEFAULT_ORDER" (record-number order, or the packet's own
// definition) always exists; CreateIndex adds a named one; the temporary
// sort index is the one chosen by the last BuildTemporaryIndex. The store
// keeps the last few temporary orders it built (four by default), so that
// going back and forth between two field-name orders sorts each only once;
// every kept order is rebuilt with the others when rows are appended, so a
// kept order is always current. Orders are built by the sort of
// data/order_sort.h with the key comparison below, or adopted as computed
// ahead of time (AdoptTemporaryIndex) and checked pair by pair later.
//
// Key comparison, per key field in order (the first unequal field decides):
// null before any value; integers signed or unsigned by their type; floats as
// doubles; text through the store's collation (case-insensitive when the key
// field says so); other bytes in byte order; a descending field reverses its
// result.
//
// Not handled: nested-table and array columns (refused with
// kDsUnsupportedType when loading); the change log, constraints and nested
// links are recorded, not acted on.
//
// Every public operation takes the store's mutex for its own duration and
// never returns holding it. The operations that return a result code never
// throw: out of memory is kDsOutOfMemory, and the store is left as it was
// before the call (an order that could not be built is neither added nor
// put in the place of a kept one, an adopted order that could not be
// checked stays adopted). The accessors that hand out copies
// (FieldDescriptors, KeptProperties, FindProperty, GetErrorString) or
// compare names through the collation (HasIndex) allocate as any copy does
// and throw std::bad_alloc when that fails.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/collation.h"
#include "data/datapacket_reader.h"
#include "data/field_descriptor.h"
#include "data/index_descriptor.h"
#include "data/result_codes.h"

namespace data {

// Codes of the row store and the cursor beyond the reader's.
inline constexpr DsResult kDsBof = 0x2201;             // the cursor is before the first row
inline constexpr DsResult kDsKeyNotFound = 0x2203;     // a key search found nothing
inline constexpr DsResult kDsRecordNotFound = 0x2204;  // no row of that record number in the order
inline constexpr DsResult kDsNoSuchIndex = 0x2205;     // no built order of that name
inline constexpr DsResult kDsBadField = 0x2206;        // a field number that is not a column
inline constexpr DsResult kDsOrderMismatch = 0x2207;   // a given order that does not fit the rows

// One value of a row, as the facade reads it.
struct FieldData {
  enum class State : uint8_t { kValue = 0, kNull = 1, kNotChanged = 2 };
  State state = State::kNull;
  std::string bytes;   // fixed-size values little-endian; text as stored
  int32_t length = 0;  // bytes.size(), or the negative length of an undelivered blob
};

// One searched key value (one per key field), typed by what it was set from.
struct KeyValue {
  bool null = true;
  int64_t integer = 0;  // signed and unsigned integers, booleans, dates
  double real = 0;      // floats
  std::string text;     // text and bytes
};

// KeptProperty::flags: an ordinary property; one of the table's own settings
// that the store also acts on (the change-table marker, read-only, the
// locale); one that the packet marks (its type word's bit 31) or that names
// where the data comes from (context, table and type names, update mode).
inline constexpr uint32_t kKeptPlain = 0;
inline constexpr uint32_t kKeptTableState = 1;
inline constexpr uint32_t kKeptMarked = 5;

// A property kept from the packet, for the facade to ask by name.
struct KeptProperty {
  std::string name;
  uint32_t column = 0;  // 1-based column, 0 for the table
  uint32_t type_word = 0;
  uint32_t length = 0;
  std::string value;
  uint32_t flags = kKeptPlain;
};

class IDSCursor;

class IDSBase {
 public:
  // `collation` orders text and must outlive the store.
  explicit IDSBase(const Collation& collation);
  ~IDSBase();
  IDSBase(const IDSBase&) = delete;
  IDSBase& operator=(const IDSBase&) = delete;

  // Loads `packet` (the first call) or appends its rows (later calls).
  // `last` marks the last packet of the table. The bytes need to live only
  // for the call. Returns 0 or a result code (see the header comment).
  DsResult AppendData(std::span<const uint8_t> packet, bool last);

  // --- What was loaded (copies, taken under the lock) ---
  std::vector<FieldDescriptor> FieldDescriptors() const;
  uint32_t RecordCount() const;   // rows stored
  uint32_t LiveRowCount() const;  // rows that take part in orders
  uint32_t Locale() const;
  bool IsDeltaTable() const;
  uint8_t RowStatus(uint32_t record) const;  // 0 for a record number out of range
  std::vector<KeptProperty> KeptProperties() const;
  // The kept property of that name (ASCII case ignored) on `column` (0 for
  // the table); false when there is none.
  bool FindProperty(std::string_view name, uint32_t column, KeptProperty& out) const;
  // True when the kept table property exists and its value is non-zero.
  bool BoolProperty(std::string_view name) const;

  // The value of field `field_no` (1-based column) of `record`.
  // kDsRecordNotFound / kDsBadField for numbers out of range.
  DsResult GetField(uint32_t record, uint32_t field_no, FieldData& out) const;

  // The message for a result code; empty for an unknown code.
  std::string GetErrorString(DsResult code) const;

  // --- Orders ---
  // Builds and adds the order `index` (a name not yet built; a name already
  // built keeps its order). kDsBadField for a key field that is not a column.
  DsResult CreateIndex(const IndexDescriptor& index);
  // Makes the order of `index` the temporary sort index: a kept order with
  // an equal descriptor is chosen as it is, otherwise the order is built
  // (taking the place of the least recently chosen kept order when the
  // store already keeps its limit).
  DsResult BuildTemporaryIndex(const IndexDescriptor& index);
  // How many temporary orders the store keeps (at least 1, the one in use;
  // default kKeptTemporaryOrders). Lowering it drops none already built
  // until their places are needed.
  void SetKeptTemporaryOrders(size_t orders);
  // Makes `order` (record numbers in the order's sequence, computed ahead of
  // time) the temporary sort index of `index`, placed as BuildTemporaryIndex
  // places a built one, without sorting. A kept order with an equal
  // descriptor is chosen instead, as BuildTemporaryIndex would. Refused with
  // kDsOrderMismatch, nothing changed, unless `order` names every row that
  // takes part exactly once. The adopted order is trusted until
  // CheckAdoptedOrders.
  DsResult AdoptTemporaryIndex(const IndexDescriptor& index, std::vector<uint32_t> order);
  // Compares every neighbouring pair of each adopted order through the
  // collation: an order with a pair out of order or equal is built anew
  // exactly as BuildTemporaryIndex builds it (in its place, so a cursor on it
  // stays on it and repositions with MoveToRecord). Sets `rebuilt` when any
  // order was. Each adopted order is checked once.
  DsResult CheckAdoptedOrders(bool& rebuilt);
  static constexpr size_t kKeptTemporaryOrders = 4;
  // Whether an order of that name is built (names compared through the
  // collation, case-sensitive; "" is "DEFAULT_ORDER").
  bool HasIndex(std::string_view name) const;

  // The read-only marker: from the packet's "READONLY", or set by the facade.
  void SetReadOnly(bool read_only);
  bool ReadOnly() const;

  const Collation& collation() const { return collation_; }

 private:
  friend class IDSCursor;
  struct Table;
  struct Index {
    IndexDescriptor descriptor;
    std::vector<uint32_t> order;  // record numbers
    bool temporary = false;
    uint64_t last_chosen = 0;  // temporary orders: when BuildTemporaryIndex last chose it
    bool adopted = false;      // given by AdoptTemporaryIndex and not yet checked
    // The values of one integer column with their positions in `order`,
    // sorted, for exact searches by value (FindIntegerLocked). A column's
    // first search scans; the second builds its map. Rebuilding the order
    // drops the maps.
    struct ValueMap {
      uint32_t column = 0;
      bool unsigned_values = false;
      bool built = false;
      std::vector<std::pair<int64_t, uint32_t>> entries;  // (value, position)
    };
    mutable std::vector<ValueMap> value_maps;
  };
  class Loader;

  // Unlocked helpers (the caller holds mutex_).
  DsResult GetFieldLocked(uint32_t record, uint32_t field_no, FieldData& out) const;
  const Index* FindIndexLocked(std::string_view name) const;
  DsResult BuildOrderLocked(Index& index) const;
  int CompareKeyLocked(const Index& index, const std::vector<KeyValue>& key, size_t fields,
                       uint32_t record) const;
  // Two rows by the order's key fields, through the collation's Compare.
  int CompareRecordsLocked(const Index& index, uint32_t a, uint32_t b) const;
  // Chooses the kept temporary order of `descriptor`, if there is one.
  bool ChooseKeptTemporaryLocked(const IndexDescriptor& descriptor);
  // Makes `fresh` the temporary order in use, in the place of the least
  // recently chosen kept one when the store keeps its limit.
  void PlaceTemporaryLocked(Index fresh);
  // The first position in `index`'s order whose `column` holds the integer
  // `value` (read as unsigned when `unsigned_values`; null values match
  // nothing), or the order's size when there is none.
  size_t FindIntegerLocked(const Index& index, uint32_t column, bool unsigned_values, int64_t value) const;
  void RebuildOrdersLocked();

  const Collation& collation_;
  mutable std::mutex mutex_;
  std::unique_ptr<Table> table_;
  std::vector<std::unique_ptr<Index>> indexes_;  // [0] is DEFAULT_ORDER once loaded
  const Index* temporary_in_use_ = nullptr;      // the last BuildTemporaryIndex's choice
  uint64_t temporary_choices_ = 0;               // counts BuildTemporaryIndex's choices
  size_t kept_temporary_orders_ = kKeptTemporaryOrders;
  DsRef<DSEXTRACT> reader_;  // kept after the first packet, for appending
};

}  // namespace data
