// DSEXTRACT: the reader of binary datapackets, behind the reader interface
// TDATAPACKET_READ. The row store loads a table through it; the dump tool and
// the tests use it directly.
//
// ---------------------------------------------------------------------------
// Usage
//
//   DsRef<DSEXTRACT> reader = DSEXTRACT::Create();   // reference count 1
//   reader->Init(packet);                            // header check
//   DSColumnDesc column;
//   while (reader->GetNextColumnDesc(&column) == kDsOk) {      // a column...
//     while (reader->GetNextOptParameter(&name, &type, &size, value) == kDsOk) {}
//   }                                                // ...and its properties
//   while (reader->GetNextOptParameter(&name, &type, &size, value) == kDsOk) {}
//                                                    // the table's properties
//   while (reader->GetNextField(&size, value, &state) is kDsOk or kDsNullValue) {}
//                                                    // status byte, slots, ...
//
// Calling order: Init; then GetNextColumnDesc and, after each column,
// GetNextOptParameter until it reports kDsEnd. At the end of a table's column
// list GetNextColumnDesc reports kDsEnd, and GetNextOptParameter then delivers
// the table's own properties until kDsEnd. A nested-table column's properties
// are followed by the nested table's columns (GetNextColumnDesc goes on with
// them), its table properties, and then the parent's remaining columns. When
// the top table's properties end, the metadata is done: from then on
// GetNextColumnDesc and GetNextOptParameter report kDsEnd and GetNextField
// delivers the rows item by item until kDsEnd.
//
// Rows: at the start of every row GetNextField delivers the status byte (size
// 1), then one item per slot of the row's table: state kValue with the value,
// kNull (result kDsNullValue, no bytes stored) or kNotChanged (result kDsOk,
// no bytes stored). A slot with both flag bits set counts as null. After a
// nested-table slot whose count c is above 0, the c nested rows follow item by
// item (each with its status byte), then the parent row's next slot. A count
// of 0 or below has no nested rows.
//
// Buffers: GetNextOptParameter and GetNextField take the buffer's capacity in
// *size and return the value's length there. When the value does not fit,
// both return kDsBufferTooSmall and consume nothing; GetNextOptParameter then
// stores the needed size, GetNextField leaves *size as it was (ask
// PeekFieldSize). A 4-byte length prefix is signed: a negative length stores
// no bytes and is returned as its two's-complement pattern in *size (read it
// with static_cast<int32_t>).
//
// ---------------------------------------------------------------------------
// Safety
//
// Every read goes through one bounded cursor (base/byte_cursor.h) over the
// packet; nothing is read before its start or past its end. A packet shorter
// than its header, names, lengths, nested counts or RowCount claim is refused
// with kDsBadPacket at the item that does not fit (Position() tells where).
// Counts from the packet never size an allocation: the reader allocates only
// per column descriptor actually read and per slot, with the limits below.
// When the metadata is done (and after InitAppend), the header's RowCount has
// been checked against the bytes left (every row takes at least its status and
// flag bytes), so a caller may size its row array by it. Bytes after the last
// of RowCount rows are never read.
//
// Lifetime: the reader does not copy the packet. The caller keeps its bytes
// alive from Init (or InitAppend) until GetNextField has reported kDsEnd after
// the last row, or until the reader is bound again or destroyed; the reader
// lets go of the bytes as soon as the last row is read.
//
// Not handled: the markup (XML) form of a packet, refused with kDsBadPacket.
// Array columns (class 13) are taken only as an array of one plain column
// (not an ADT, array or nested table) of at most kMaxArrayElements elements,
// and a packet needing more than kMaxSlots slots in all is refused with
// kDsUnsupportedType.
//
// The reader serves one caller at a time and has no lock; the row store
// serialises access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "base/byte_cursor.h"
#include "data/datapacket_format.h"
#include "data/fld_conv.h"
#include "data/result_codes.h"

namespace data {

// The 24 header bytes of a packet, as read (layout in data/datapacket_format.h).
struct DsPacketHeader {
  std::uint32_t magic = 0;
  std::uint16_t version = 0;
  std::uint16_t revision = 0;
  std::uint32_t header_size = 0;
  std::uint16_t column_count = 0;
  std::uint32_t row_count = 0;
  std::uint32_t attributes = 0;
  std::uint16_t row_offset = 0;
};

// A column descriptor as the reader returns it.
struct DSColumnDesc {
  std::array<char, 32> name{};  // the first 31 bytes at most, zero-terminated
  std::uint32_t type_word = 0;
  std::uint16_t attributes = 0;
};

using DsPropertyName = std::array<char, 256>;  // up to 255 bytes, zero-terminated
using DsErrorText = std::array<char, 128>;     // up to 127 characters, zero-terminated

enum class DsSlotState : std::uint32_t { kValue = 0, kNull = 1, kNotChanged = 2 };

// Interfaces QueryInterface knows.
enum class DsInterfaceId { kUnknown, kDataPacketRead };

// Limits of the reader, in one place.
struct DsReaderLimits {
  static constexpr std::size_t kMaxTables = 63;    // the top table included
  static constexpr std::size_t kMaxSlots = 65536;  // over all tables
  // Element slots of one array column: a few bytes of metadata must not make
  // tens of thousands of slots.
  static constexpr std::size_t kMaxArrayElements = 1024;
};

// The reader interface. Every operation returns 0 (kDsOk) or a result code of
// data/result_codes.h; none throws.
class TDATAPACKET_READ {
 public:
  // --- Reference counting: created with count 1; Release at 0 destroys. ---

  // Hands out this object as `id` (adding a reference) or fails with kDsBadCall.
  virtual DsResult QueryInterface(DsInterfaceId id, void** out) = 0;
  // Both return the new count.
  virtual std::uint32_t AddRef() = 0;
  virtual std::uint32_t Release() = 0;

  // Binds the reader to a first packet: checks the header (kDsBadCall for an
  // empty span with no data; kDsBadPacket for fewer than 24 bytes, a header
  // size outside 24..size, the markup form or an unknown magic), copies it,
  // sets up the top table with ColumnCount columns and reads on at HeaderSize.
  // Forgets any earlier packet, its tables and slots.
  virtual DsResult Init(std::span<const std::uint8_t> packet) = 0;

  // Binds the reader, after a first packet whose metadata is done (else
  // kDsBadCall), to a further packet of the same table: the same header check,
  // the new RowCount, rows read from RowOffset when the row-offset bit is set,
  // else from HeaderSize. The first packet's columns and slots stay in force.
  // A packet with metadata and rows but without the row-offset bit, or whose
  // RowOffset is outside 24..size, is refused with kDsBadPacket.
  virtual DsResult InitAppend(std::span<const std::uint8_t> packet) = 0;

  // The next column descriptor of the current table. kDsEnd when the current
  // table's columns are all read or the metadata is done; kDsBadCall before
  // the previous list's properties are all read, without a packet, or for a
  // nested column that would make a 64th table; kDsBadPacket when it does not
  // fit or its nested column count exceeds the columns left.
  virtual DsResult GetNextColumnDesc(DSColumnDesc* column) = 0;

  // The length of the next property's value, consuming nothing. kDsEnd when
  // the current list is exhausted; kDsUnsupportedType for a type word without
  // a codec; kDsBadPacket when the property does not fit.
  virtual DsResult PeekOptParameterSize(std::uint32_t* size) = 0;

  // The next property of the current list: its name, type word, length in
  // *size and value bytes. Any of the pointers may be null; the property is
  // consumed only when both `name` and `value` are given. A value buffer needs
  // `size` with a capacity of at least the value's length, else
  // kDsBufferTooSmall with the needed length in *size (when `size` is given)
  // and nothing consumed. At the end of the list kDsEnd, moving on as the
  // calling order says. kDsUnsupportedType for a type word without a codec
  // (not consumed, reported each time); kDsBadPacket when it does not fit.
  // Ending the top table's list builds the slot tables: kDsUnsupportedType
  // for a column without a codec, kDsBadPacket when RowCount cannot fit in
  // the bytes left, kDsOutOfMemory.
  virtual DsResult GetNextOptParameter(DsPropertyName* name, std::uint32_t* type_word, std::uint32_t* size,
                                       void* value) = 0;

  // The length of the next row item, consuming nothing: 1 for a status byte,
  // 0 (and kDsOk) for a null or not-changed slot. kDsBadCall before the
  // metadata is done, kDsEnd after the last row, kDsBadPacket when the item
  // does not fit.
  virtual DsResult PeekFieldSize(std::uint32_t* size) = 0;

  // The next row item (see Rows above). `state` may be null. For a value,
  // `value` and a non-zero capacity in *size are required (else
  // kDsBufferTooSmall); a null or not-changed slot needs neither and sets
  // *size to 0 when given. kDsBadCall before the metadata is done, kDsEnd
  // after the last row, kDsBadPacket when the item does not fit.
  virtual DsResult GetNextField(std::uint32_t* size, void* value, DsSlotState* state) = 0;

  // Our English message for `code` into `text`; kDsNoMessage (and an empty
  // text) for a code we do not know. This replaces the empty texts of the
  // engine this reader follows.
  virtual DsResult GetErrorString(DsResult code, DsErrorText* text) = 0;

  // The markup mode: always 0, since only binary packets are read.
  virtual std::uint32_t GetXMLMode() = 0;

  // --- Our additions for the row store, the dump tool and the tests ---

  // The header of the bound packet (zeros before Init).
  virtual const DsPacketHeader& Header() const = 0;
  // The read position from the start of the packet: where the next item
  // starts, or where the failing item starts after an error.
  virtual std::size_t Position() const = 0;
  // True once the top table's property list has ended without an error.
  virtual bool MetadataDone() const = 0;

 protected:
  virtual ~TDATAPACKET_READ() = default;
};

// An owning reference to a reference-counted engine object: releases it at
// the end of its life. Adopt() takes over a reference already held.
template <typename T>
class DsRef {
 public:
  DsRef() = default;
  static DsRef Adopt(T* object) {
    DsRef ref;
    ref.object_ = object;
    return ref;
  }
  DsRef(const DsRef& other) : object_(other.object_) {
    if (object_) object_->AddRef();
  }
  DsRef(DsRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  DsRef& operator=(DsRef other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~DsRef() {
    if (object_) object_->Release();
  }
  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_ = nullptr;
};

class DSEXTRACT final : public TDATAPACKET_READ {
 public:
  // A new reader, not bound, with reference count 1; empty when out of memory.
  static DsRef<DSEXTRACT> Create();

  DSEXTRACT(const DSEXTRACT&) = delete;
  DSEXTRACT& operator=(const DSEXTRACT&) = delete;

  DsResult QueryInterface(DsInterfaceId id, void** out) override;
  std::uint32_t AddRef() override;
  std::uint32_t Release() override;
  DsResult Init(std::span<const std::uint8_t> packet) override;
  DsResult InitAppend(std::span<const std::uint8_t> packet) override;
  DsResult GetNextColumnDesc(DSColumnDesc* column) override;
  DsResult PeekOptParameterSize(std::uint32_t* size) override;
  DsResult GetNextOptParameter(DsPropertyName* name, std::uint32_t* type_word, std::uint32_t* size,
                               void* value) override;
  DsResult PeekFieldSize(std::uint32_t* size) override;
  DsResult GetNextField(std::uint32_t* size, void* value, DsSlotState* state) override;
  DsResult GetErrorString(DsResult code, DsErrorText* text) override;
  std::uint32_t GetXMLMode() override { return 0; }
  const DsPacketHeader& Header() const override { return header_; }
  std::size_t Position() const override;
  bool MetadataDone() const override { return metadata_done_; }

  // --- Where the rows stand, for the dump tool and diagnostics ---

  // The place of the item the next GetNextField delivers: the index of its
  // table in the table list (0 the top table, nested tables numbered in the
  // order of their columns) and its item number (0 the status byte, j + 1
  // slot j). False when no row item is next.
  bool NextItemPlace(std::size_t& table, std::uint32_t& item) const;
  // The number of slots of table `table` (0 for no such table or before the
  // metadata is done).
  std::size_t SlotCount(std::size_t table) const;
  // The column of slot `slot` of table `table`, as an index into the columns
  // of that table in the order they were read (an array's element slots give
  // its element column); -1 when there is no such slot.
  std::int64_t SlotColumn(std::size_t table, std::size_t slot) const;

 private:
  DSEXTRACT() = default;
  ~DSEXTRACT() override = default;

  // One slot of a table's rows.
  struct Slot {
    std::unique_ptr<FLDConv> codec;
    std::uint32_t flag_byte = 0;  // index into the row's field-flag bytes
    std::uint8_t null_mask = 0;
    std::uint8_t not_changed_mask = 0;
    std::int32_t nested_table = -1;  // table list index of a nested-table slot
    std::uint32_t column = 0;        // index into the table's columns
    std::int64_t fixed_size = -1;    // codec->FixedSize(), kept for the row loop
  };
  struct Column {
    std::uint32_t type_word = 0;
    std::int32_t nested_table = -1;
  };
  // One entry of the table list, with its row-reading state.
  struct Table {
    std::uint32_t column_count = 0;  // own columns, nested tables' not included
    std::uint32_t columns_read = 0;
    std::int32_t parent = -1;
    std::uint32_t parent_column = 0;
    std::vector<Column> columns;
    std::vector<Slot> slots;
    std::size_t flag_bytes = 0;           // ceil(slots / 4)
    std::uint32_t item = 0;               // next item of the current row: 0 status, j + 1 slot j
    std::uint32_t rows_to_go = 0;         // nested rows left in the parent's slot
    std::span<const std::uint8_t> flags;  // the current row's field-flag bytes
  };
  enum class ListOwner { kColumn, kTable };

  DsResult ReadProperty(base::ByteCursor& at, std::span<const std::uint8_t>& name, std::uint32_t& type_word,
                        FieldValue& value) const;
  DsResult EndOfList();
  DsResult FinishMetadata();
  DsResult BuildSlots(Table& table, std::size_t& total_slots) const;
  DsResult CheckRowCount(const base::ByteCursor& at, std::uint32_t row_count) const;
  void StartRows();
  static DsResult ReadItem(base::ByteCursor& at, const Table& table, FieldValue& value, DsSlotState& state,
                           std::span<const std::uint8_t>& flags);
  void CompleteRows();
  void ReleasePacket();

  std::uint32_t refs_ = 1;
  base::ByteCursor cursor_;
  bool released_ = false;  // the last row is read: the packet's bytes are let go
  std::size_t released_position_ = 0;
  DsPacketHeader header_;
  bool bound_ = false;
  bool metadata_done_ = false;
  bool rows_done_ = false;
  std::vector<Table> tables_;
  std::size_t current_ = 0;
  ListOwner list_owner_ = ListOwner::kColumn;
  std::uint32_t properties_left_ = 0;
  std::uint32_t rows_read_ = 0;
};

}  // namespace data
